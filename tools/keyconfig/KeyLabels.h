#pragma once
// Key names as the tool shows them: the game's names with the DirectInput
// prefix ("DIK_RCONTROL").
#include <string>

// Empty when the code is not one of the game's known keys.
std::string DikLabel(int code);
