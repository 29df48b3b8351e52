#pragma once
#include "sdk/Sonido.h"

// Creates the sound object from the library named in cfg\sonidocfg.txt;
// never null (a do-nothing SonidoNulo stands in for a missing library).
Sonido* LoadSound(WindowHandle window, InstanceHandle instance);
