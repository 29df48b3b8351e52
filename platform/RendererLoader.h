#pragma once
#include "sdk/Renderer.h"

// Binds the renderer library named in cfg\motorcfg.txt ("Krellin.dll" by
// default) and creates its object. Null when the library or its factory is
// missing; the library is never unloaded.
Renderer* LoadRenderer();
