#pragma once
// The behaviour boundary. Every action library implements this class and
// exports
//   extern "C" InterfazAcciones* CreateActionInstance();
//   extern "C" void FreeActionInstance(InterfazAcciones*);
// and may export the animations it plays, for the game to check a loaded
// creature against:
//   extern "C" const char* const* ActionAnimations();  // ends with a null
// and the operations on its objects' private state, for the snapshots of a
// fight (rollback, practice):
//   extern "C" const ActionStateOperations* ActionState();
// A library without it still plays; the features that restore a fight
// refuse its creatures.
// The game destroys behaviour objects through the virtual destructor; the
// order of the operations below is the contract.
class Bicho;

class InterfazAcciones {
public:
    virtual ~InterfazAcciones() {}
    virtual int Init(Bicho* owner, const char* directory) = 0;
    virtual int Stop() = 0;
    virtual int Reset() = 0;
    virtual float QueryA(int value) = 0;
    virtual float QueryB(int value) = 0;
    virtual int Think(float dt) = 0;
    virtual int UpdateFight(int inputFlags, float dt) = 0;
    virtual int OnHit(int attackerFlags, int zero) = 0;
    virtual int UpdateAlone(int inputFlags, float dt) = 0;
    virtual int DrawExtra(float offsetX, float offsetY, float dt) = 0;
};

// A behaviour's private state: what its object keeps from one frame to the
// next beyond the creature's own fields. Pointers and loaded resources (its
// creature, sample numbers) are not state: they stay as they are.
struct ActionStateOperations {
    // Bytes the object's state takes.
    int (*size)(const InterfazAcciones* object);
    // Writes the state into `out`; 0, or -1 with nothing written when it
    // needs more than `capacity` bytes.
    int (*save)(const InterfazAcciones* object, unsigned char* out, int capacity);
    // Takes back a state `save` wrote; 0, or -1 and nothing changed for a
    // state of another size.
    int (*restore)(InterfazAcciones* object, const unsigned char* state, int size);
    // The same for what the library's objects share (its random generator):
    // saved once per library, whatever number of its objects a fight holds.
    int (*sharedSize)();
    int (*saveShared)(unsigned char* out, int capacity);
    int (*restoreShared)(const unsigned char* state, int size);
};

extern "C" {
typedef InterfazAcciones* (*CreateActionInstanceFn)();
typedef void (*FreeActionInstanceFn)(InterfazAcciones*);
typedef const char* const* (*ActionAnimationsFn)();
typedef const ActionStateOperations* (*ActionStateFn)();
}
