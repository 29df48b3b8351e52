#pragma once
// The fight's set-up and its per-frame operation.

// What the fight asks of the screens above it. The program hands these in,
// so the fight never includes the menus.
struct FightHooks {
    void (*returnMenuToRoot)();  // when a match ends or the player quits
};

void LoadFight();
void FightFrame(const FightHooks& hooks, float dt);
