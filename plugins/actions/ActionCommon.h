#pragma once
// Pieces every behaviour library shares: the frame advance, the random
// draws of its own generator, and the exports.
#include <cstring>
#include <new>
#include <tuple>

#include "base/Log.h"
#include "base/Random.h"
#include "sdk/Bicho.h"
#include "sdk/InterfazAcciones.h"

// Counts the frame time down. When it runs out, moves to the next frame;
// at the end of the animation `onEnd` chooses what plays next. The timer is
// refilled from whatever frame is current afterwards.
template <class OnEnd>
void AdvanceFrame(Bicho* owner, float dt, OnEnd onEnd) {
    owner->SetFrameTimer(owner->GetFrameTimer() - dt);
    if (owner->GetFrameTimer() < 0.0f) {
        if (owner->NextFrame() == 1) onEnd();
        if (Frame* frame = owner->GetCurrentFrame()) owner->SetFrameTimer(frame->duration);
    }
}

// True with probability n in 100: rand() % 100 < n.
inline bool Chance(int n) { return GameRandom().Next() % 100 < n; }

// A draw scaled to [0, 1].
inline float RandomFraction() { return GameRandom().Next() * 0.000030518509f; }

// Lives run down to 0; a behaviour of another library may overshoot.
inline bool HasLost(Bicho* creature) { return creature->GetLife() <= 0.0f; }

// The animations the behaviour plays, ending with a null. The game checks
// them against a wholly loaded creature so a modder sees why a move does
// nothing; a preview holds only the first animation and is not checked.
#define CORRALON_ACTION_ANIMATIONS(names)                                             \
    extern "C" __attribute__((visibility("default"))) const char* const*             \
    ActionAnimations() {                                                               \
        return names;                                                                  \
    }

#define CORRALON_ACTION_EXPORTS(Behaviour)                                              \
    extern "C" __attribute__((visibility("default"))) InterfazAcciones*                 \
    CreateActionInstance() {                                                            \
        return new (std::nothrow) Behaviour();                                          \
    }                                                                                   \
    extern "C" __attribute__((visibility("default"))) void FreeActionInstance(          \
        InterfazAcciones* object) {                                                     \
        delete object;                                                                  \
    }

// The private state of a behaviour, field by field without padding: the
// class gives `auto StateFields()` returning std::tie of its state members.
template <class Behaviour>
struct ActionStateOf {
    static int Size(const InterfazAcciones* object) {
        auto fields = const_cast<Behaviour*>(static_cast<const Behaviour*>(object))->StateFields();
        return std::apply([](auto&... f) { return static_cast<int>((0 + ... + sizeof f)); }, fields);
    }
    static int Save(const InterfazAcciones* object, unsigned char* out, int capacity) {
        if (!out || capacity < Size(object)) return -1;
        auto fields = const_cast<Behaviour*>(static_cast<const Behaviour*>(object))->StateFields();
        std::apply([&out](auto&... f) { ((memcpy(out, &f, sizeof f), out += sizeof f), ...); }, fields);
        return 0;
    }
    static int Restore(InterfazAcciones* object, const unsigned char* in, int size) {
        if (!in || size != Size(object)) return -1;
        auto fields = static_cast<Behaviour*>(object)->StateFields();
        std::apply([&in](auto&... f) { ((memcpy(&f, in, sizeof f), in += sizeof f), ...); }, fields);
        return 0;
    }
};

// What every object of a library shares: its random generator.
struct ActionSharedState {
    static int Size() { return static_cast<int>(sizeof(uint32_t)); }
    static int Save(unsigned char* out, int capacity) {
        if (!out || capacity < Size()) return -1;
        const uint32_t state = GameRandom().State();
        memcpy(out, &state, sizeof state);
        return 0;
    }
    static int Restore(const unsigned char* in, int size) {
        if (!in || size != Size()) return -1;
        uint32_t state;
        memcpy(&state, in, sizeof state);
        GameRandom().SetState(state);
        return 0;
    }
};

#define CORRALON_ACTION_STATE(Behaviour)                                                \
    extern "C" __attribute__((visibility("default"))) const ActionStateOperations*      \
    ActionState() {                                                                     \
        static const ActionStateOperations operations = {                               \
            ActionStateOf<Behaviour>::Size, ActionStateOf<Behaviour>::Save,             \
            ActionStateOf<Behaviour>::Restore, ActionSharedState::Size,                 \
            ActionSharedState::Save,           ActionSharedState::Restore};             \
        return &operations;                                                             \
    }
