#pragma once
// How the program's heap treats freed memory.

// Screens load and release their pictures over and over (every visit to the
// character selection reloads its creatures). Left to itself the C library
// hands large freed blocks back to the system, and the next load pages them
// in again; this keeps up to 256 MB of freed memory in the process instead.
// Called once, before anything is loaded.
void KeepFreedMemory();
