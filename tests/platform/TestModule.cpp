// A library for the loader tests: one export, no factory.
extern "C" __attribute__((visibility("default"))) int CorralonTestModuleAnswer() { return 42; }
