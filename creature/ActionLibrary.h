#pragma once
// Binding of behaviour libraries. Each library is loaded once per process,
// counted per behaviour object created from it and unloaded when the count
// returns to zero.
#include <cstddef>

class InterfazAcciones;
struct ActionStateOperations;

// A new behaviour from the library at `path`; the do-nothing behaviour when
// the library is missing, lacks "CreateActionInstance" or creates nothing.
InterfazAcciones* LoadActionLibrary(const char* path);

// Drops the reference that creating `object` took. Called after the object is
// destroyed: the address is only a key.
void ReleaseActionLibrary(const void* object);

// The animations the library of `object` plays ("ActionAnimations", an
// optional export: a null-terminated list), or null.
const char* const* ActionLibraryAnimations(const void* object);

// The operations on the private state of `object` ("ActionState", an
// optional export), or null when its library has none. The do-nothing
// behaviour keeps no state: its operations save nothing.
const ActionStateOperations* ActionLibraryState(const InterfazAcciones* object);

// The number of live behaviour objects created from the library at `path`
// (0 when it is not loaded), for tests and tools.
int ActionLibraryCount(const char* path);

// The library path of a creature file: its last three characters replaced by
// "dll", cut to 1023 characters. `directory` gets everything up to and
// including the last '\' or '/' (empty without one). Both buffers hold 1024.
void ActionLibraryPaths(const char* creaturePath, char* library, char* directory);
