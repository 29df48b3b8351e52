#pragma once
// The fight's set-up and its per-frame operation.
void LoadFight();
void FightFrame(float dt);
