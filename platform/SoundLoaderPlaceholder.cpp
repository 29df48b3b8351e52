// Until the sound library loader lands the game is silent.
#include "platform/SonidoNulo.h"
#include "platform/SoundLoader.h"

Sonido* LoadSound(WindowHandle, InstanceHandle) { return new SonidoNulo(); }
