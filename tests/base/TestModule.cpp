// A library for the loader tests: one export that is no factory, and one
// that is.
extern "C" __attribute__((visibility("default"))) int CorralonTestModuleAnswer() { return 42; }
extern "C" __attribute__((visibility("default"))) int* CorralonTestModuleMake() {
    static int made = 7;
    return &made;
}
