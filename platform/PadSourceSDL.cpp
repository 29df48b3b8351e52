#include "platform/PadSourceSDL.h"

#include <SDL.h>

#include <algorithm>

#include "base/Files.h"
#include "base/Log.h"
#include "platform/PadMapping.h"

const char kPadMappingsPath[] = "cfg\\gamecontrollerdb.txt";

namespace {

void AddMappingFile() {
    FILE* file = PlatformOpenFile(kPadMappingsPath, "rb");
    if (!file) return;
    SDL_RWops* stream = SDL_RWFromFP(file, SDL_TRUE);
    if (!stream) {
        fclose(file);
        return;
    }
    if (SDL_GameControllerAddMappingsFromRW(stream, 1) < 0)
        LogPrintf("     Mando: Error al leer %s: %s\n", kPadMappingsPath, SDL_GetError());
}

}  // namespace

PadSourceSDL* PadSourceSDL::Open() {
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        LogPrintf("     Mando: No se pueden usar los mandos: %s\n", SDL_GetError());
        return nullptr;
    }
    // The pads are read once a frame; their events would only pile up
    // behind a loop that takes one event per pass.
    SDL_GameControllerEventState(SDL_IGNORE);
    SDL_JoystickEventState(SDL_IGNORE);
    AddMappingFile();
    return new PadSourceSDL();
}

PadSourceSDL::~PadSourceSDL() {
    for (SDL_GameController* pad : pads_)
        if (pad) SDL_GameControllerClose(pad);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool PadSourceSDL::Holds(int32_t instance) const {
    for (SDL_GameController* pad : pads_) {
        if (!pad) continue;
        if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) == instance) return true;
    }
    return false;
}

void PadSourceSDL::DropPulledOut() {
    for (int p = 0; p < kPadPlayers; ++p) {
        if (!pads_[p] || SDL_GameControllerGetAttached(pads_[p])) continue;
        SDL_GameControllerClose(pads_[p]);
        pads_[p] = nullptr;
        frame_.players[p] = PadSlot();
    }
}

void PadSourceSDL::TakeNewPads() {
    const int count = SDL_NumJoysticks();
    for (int device = 0; device < count; ++device) {
        const SDL_JoystickID instance = SDL_JoystickGetDeviceInstanceID(device);
        if (instance < 0 || Holds(instance)) continue;
        if (std::find(unusable_.begin(), unusable_.end(), instance) != unusable_.end()) continue;
        const char* why = "sin asignacion de botones";
        if (SDL_IsGameController(device)) {
            const int player = std::find(pads_, pads_ + kPadPlayers, nullptr) - pads_;
            // Both players have a pad: this one waits until one is free.
            if (player == kPadPlayers) continue;
            if (SDL_GameController* pad = SDL_GameControllerOpen(device)) {
                pads_[player] = pad;
                PadSlot& slot = frame_.players[player];
                slot.connection = ++frame_.taken;
                const char* name = SDL_GameControllerName(pad);
                slot.name = name && *name ? name : "sin nombre";
                slot.buttons = 0;
                continue;
            }
            why = SDL_GetError();
        }
        const char* name = SDL_JoystickNameForIndex(device);
        LogPrintf("     Mando: %s no se puede usar: %s\n", name ? name : "sin nombre", why);
        unusable_.push_back(instance);
    }
}

void PadSourceSDL::Read(PadFrame* frame) {
    SDL_GameControllerUpdate();
    DropPulledOut();
    TakeNewPads();
    // Like the keys, the buttons count only while the game has the focus.
    const bool focused = SDL_WasInit(SDL_INIT_VIDEO) == 0 || SDL_GetKeyboardFocus() != nullptr;
    for (int p = 0; p < kPadPlayers; ++p)
        frame_.players[p].buttons = pads_[p] && focused ? PadButtonsOf(pads_[p]) : 0;
    *frame = frame_;
}
