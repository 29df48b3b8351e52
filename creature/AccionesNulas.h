#pragma once
// The behaviour that stands in when a creature's library is missing: the
// creature stays still but is drawn and can be hit.
#include "sdk/InterfazAcciones.h"

class AccionesNulas : public InterfazAcciones {
public:
    int Init(Bicho*, const char*) override { return 1; }
    int Stop() override { return 1; }
    int Reset() override { return 1; }
    float QueryA(int) override { return 1.0f; }
    float QueryB(int) override { return 1.0f; }
    int Think(float) override { return 0; }
    int UpdateFight(int, float) override { return 1; }
    int OnHit(int, int) override { return 1; }
    int UpdateAlone(int, float) override { return 1; }
    int DrawExtra(float, float, float) override { return 1; }
};
