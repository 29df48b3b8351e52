#pragma once
// The behaviour boundary. Every action library implements this class and
// exports
//   extern "C" InterfazAcciones* CreateActionInstance();
//   extern "C" void FreeActionInstance(InterfazAcciones*);
// and may export the animations it plays, for the game to check a loaded
// creature against:
//   extern "C" const char* const* ActionAnimations();  // ends with a null
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

extern "C" {
typedef InterfazAcciones* (*CreateActionInstanceFn)();
typedef void (*FreeActionInstanceFn)(InterfazAcciones*);
typedef const char* const* (*ActionAnimationsFn)();
}
