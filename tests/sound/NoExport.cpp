// A library that loads but is no sound library: it lacks CreateSoundInstance.
extern "C" __attribute__((visibility("default"))) int SomethingElse() { return 7; }
