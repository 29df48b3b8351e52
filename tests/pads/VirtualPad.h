#pragma once
// A pad that exists only in SDL: plugged in on construction, pulled out on
// Unplug or destruction. SDL's joystick subsystem must be running.
#include <SDL.h>

#include <string>

class VirtualPad {
public:
    // A game controller gets SDL's standard layout: virtual button n is
    // controller button n, virtual axis n controller axis n.
    explicit VirtualPad(const std::string& name, bool controller = true) : name_(name) {
        SDL_VirtualJoystickDesc desc = {};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = controller ? SDL_JOYSTICK_TYPE_GAMECONTROLLER : SDL_JOYSTICK_TYPE_UNKNOWN;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = name_.c_str();
        const int device = SDL_JoystickAttachVirtualEx(&desc);
        joystick_ = device < 0 ? nullptr : SDL_JoystickOpen(device);
    }
    ~VirtualPad() { Unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool plugged() const { return joystick_ != nullptr; }
    SDL_JoystickGUID guid() const { return SDL_JoystickGetGUID(joystick_); }

    void Button(int button, bool down) { SDL_JoystickSetVirtualButton(joystick_, button, down); }
    void Stick(int x, int y) {
        SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(x));
        SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTY, static_cast<Sint16>(y));
    }
    void Release() {
        for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b) Button(b, false);
        for (int a = 0; a < SDL_CONTROLLER_AXIS_MAX; ++a)
            SDL_JoystickSetVirtualAxis(joystick_, a, 0);
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
