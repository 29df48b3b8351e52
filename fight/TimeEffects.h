#pragma once
// The freeze and slow-motion clocks that behaviours set in the settings
// record: run down by the real frame time, they decide the time the world
// gets. The game's frame and the tools that run a fight share this.
#include "sdk/GameSettings.h"

float RunTimeEffects(GameSettings* settings, double delta);
