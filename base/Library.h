#pragma once
// Run-time loading of plug-in libraries. Data names libraries with ".dll";
// a name is tried as written, then with the platform's own suffix.

// Returns the library handle or null.
void* PlatformLoadLibrary(const char* name);
void* PlatformGetSymbol(void* library, const char* symbol);
void PlatformFreeLibrary(void* library);
// The text of the last load failure, for logs and tests.
const char* PlatformLibraryError();
