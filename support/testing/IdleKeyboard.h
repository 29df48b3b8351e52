#pragma once
// A keyboard nobody touches: every query answers nothing, so both fighters
// are the computer's.
#include "input/Teclado.h"

class IdleKeyboard : public Teclado {
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
    const char* KeyName(int, int) override { return ""; }
};
