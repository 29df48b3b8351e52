#pragma once
// SDL's virtual pads for hardware, and keys set by the test.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/TempGameFolder.h"
#include "platform/KeyboardSource.h"

// Plugged in on construction, pulled out on Unplug or destruction. As a game
// controller SDL gives it the standard layout: virtual button n is
// controller button n, virtual axis n controller axis n.
class VirtualPad {
public:
    explicit VirtualPad(const std::string& name, bool controller = true) : name_(name) {
        SDL_VirtualJoystickDesc desc = {};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = controller ? SDL_JOYSTICK_TYPE_GAMECONTROLLER : SDL_JOYSTICK_TYPE_UNKNOWN;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = name_.c_str();
        joystick_ = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
    }
    ~VirtualPad() { Unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    SDL_JoystickGUID guid() const { return SDL_JoystickGetGUID(joystick_); }
    void Button(int button, bool down) { SDL_JoystickSetVirtualButton(joystick_, button, down); }
    void Stick(int x, int y) {
        SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(x));
        SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTY, static_cast<Sint16>(y));
    }
    void Release() {
        for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b) Button(b, false);
        Stick(0, 0);
    }
    void Unplug() {
        if (!joystick_) return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        // Device numbers shift as pads come and go: find this one's.
        for (int device = 0; device < SDL_NumJoysticks(); ++device)
            if (SDL_JoystickGetDeviceInstanceID(device) == id) SDL_JoystickDetachVirtual(device);
    }

private:
    std::string name_;
    SDL_Joystick* joystick_ = nullptr;
};

class Keys : public KeyboardSource {
public:
    bool Read(uint8_t state[kKeyStateSize]) override {
        memcpy(state, down, kKeyStateSize);
        return true;
    }
    void Hold(const std::vector<int>& codes) {
        memset(down, 0, sizeof down);
        for (int c : codes) down[c] = kKeyDown;
    }
    uint8_t down[kKeyStateSize] = {};
};

// SDL's pads running, in a fresh game folder.
class SdlPads : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(SDL_Init(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError(); }
    void TearDown() override { SDL_Quit(); }
    static std::string Log() { return TempGameFolder::ReadText("logs/log.txt"); }

    TempGameFolder folder;
};
