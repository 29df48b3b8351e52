#pragma once
// What a fight frame changes in a creature, saved into a state buffer and
// taken back: its fields, its animation and frame as indices, its
// afterimages and its behaviour's private state. The model, the textures
// and the names are loaded, not saved.
#include <cstdint>

class Bicho;
class StateReader;
class StateWriter;
struct ActionStateOperations;

// `behaviour` is the one ActionLibraryState gave for the creature's
// behaviour; null saves and expects none.
void SaveBichoState(const Bicho& creature, const ActionStateOperations* behaviour,
                    StateWriter& out);
// False when the state does not fit the creature (an animation or frame it
// lacks, a behaviour state of another size); the reader is then failed.
bool RestoreBichoState(Bicho& creature, const ActionStateOperations* behaviour, StateReader& in);

// Feeds what identifies the loaded creature (its file, its animations and
// frames) into `hash`.
uint64_t BichoIdentity(const Bicho& creature, uint64_t hash);
