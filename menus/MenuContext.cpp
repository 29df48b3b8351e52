#include "menus/MenuContext.h"

#include "effects/Particulas.h"

void MenuContext::SetTint(float value) {
    fadeR = fadeG = fadeB = value;
    if (particles) particles->SetTint(value, value, value);
}
