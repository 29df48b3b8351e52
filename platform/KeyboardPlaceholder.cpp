// Stands in for the keyboard until the DirectInput-style keyboard lands:
// accepts every call, reports no key down.
#include "platform/Teclado.h"

namespace {
class TecladoPlaceholder : public Teclado {
public:
    int Init(WindowHandle, InstanceHandle) override { return 1; }
    int Shutdown() override { return 1; }
    int Poll() override { return 1; }
    int CaptureKey(int, int) override { return 0; }
    InputFlags GetInput(int, int, float) override { return 0; }
    bool TestLastInput(uint32_t) override { return false; }
    bool AnyKeyDown() override { return false; }
    bool SpecialKeyOnce(int) override { return false; }
    bool ActionOnce(int, int) override { return false; }
    const char* KeyName(int, int) override { return nullptr; }
};
}  // namespace

Teclado* CreateKeyboard() { return new TecladoPlaceholder(); }
