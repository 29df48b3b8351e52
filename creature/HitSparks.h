#pragma once
// The three eggs a creature drops when it is hit.
class Bicho;

void EmitHitSparks(Bicho& creature);
