// The key configuration screen: both players' ten keys, browsed with
// player 1's keys and changed one at a time by capturing a new key.
#include <cmath>

#include "input/Teclado.h"
#include "menus/MenuController.h"

namespace {

constexpr int kBrowsing = 1;
constexpr int kCapturing = 2;
constexpr int kRowsPerPlayer = 10;

// Screen order, which is not the order of the bits.
struct KeyRow {
    const char* label;  // Latin-1; the key name fills %s
    int bit;
};
const KeyRow kRows[kRowsPerPlayer] = {
    {"ARRIBA <%s>", kInputUp},          {"ABAJO <%s>", kInputDown},
    {"DERECHA <%s>", kInputRight},      {"IZQUIERDA <%s>", kInputLeft},
    {"PU\xD1" "O1 <%s>", kInputPunch1}, {"PU\xD1" "O2 <%s>", kInputPunch2},
    {"PU\xD1" "O3 <%s>", kInputPunch3}, {"PATADA1 <%s>", kInputKick1},
    {"PATADA2 <%s>", kInputKick2},      {"PATADA3 <%s>", kInputKick3},
};

// A captured code outside the key table has no name; printing a null
// string is not something to leave to the C library.
const char* Shown(const char* name) { return name ? name : ""; }

}  // namespace

int MenuController::ConfigureKeys(StartFightFn, GameState*, float dt) {
    KeyScreen& k = keyScreen;
    k.clock += dt;
    const float c = cosf(5.0f * k.clock);
    renderer->DrawTextCentered(0.5f, 0.27f, 1.4f, fadeR, fadeG * c, fadeB * c + 0.7f, 1.0f,
                               "CONFIGURACION DEL TECLADO");
    renderer->DrawTextCentered(0.2f, 0.35f, 1.0f, fadeR, fadeG, fadeB, 1.0f, "PLAYER 1");
    renderer->DrawTextCentered(0.65f, 0.35f, 1.0f, fadeR, fadeG, fadeB, 1.0f, "PLAYER 2");

    if (k.mode != kCapturing) {
        for (int r = 0; r < kKeyRows; ++r) {
            const int player = r / kRowsPerPlayer;
            const KeyRow& row = kRows[r % kRowsPerPlayer];
            renderer->DrawText(player == 0 ? 0.05f : 0.5f, 0.4f + 0.05f * (r % kRowsPerPlayer),
                               0.8f, fadeR, fadeG, fadeB, r == k.row ? 1.0f : 0.6f, row.label,
                               Shown(keyboard->KeyName(player, row.bit)));
        }
        if (keyboard->ActionOnce(0, kInputPunch1)) k.mode = kCapturing;
        if (keyboard->ActionOnce(0, kInputUp)) k.row -= 1;
        if (keyboard->ActionOnce(0, kInputDown)) k.row += 1;
        if (keyboard->ActionOnce(0, kInputLeft)) k.row -= kRowsPerPlayer;
        if (keyboard->ActionOnce(0, kInputRight)) k.row += kRowsPerPlayer;
        if (k.row < 0) k.row += kKeyRows;
        if (k.row >= kKeyRows) k.row -= kKeyRows;
        return 0;
    }

    renderer->DrawTextCentered(0.5f, 0.5f, 0.8f, 1.0f, 1.0f, 1.0f, 1.0f, "PULSA LA NUEVA TECLA");
    if (k.error) {
        renderer->DrawTextCentered(0.5f, 0.6f, 1.1f, 1.0f, 1.0f, 1.0f, 1.0f,
                                   "TECLA ERRONEA O YA ASIGNADA");
        renderer->DrawTextCentered(0.5f, 0.65f, 0.8f, 1.0f, 1.0f, 1.0f, 1.0f,
                                   "PULSA UNA TECLA QUE NO ESTE ASIGNADA");
    }
    const int answer =
        keyboard->CaptureKey(k.row / kRowsPerPlayer, kRows[k.row % kRowsPerPlayer].bit);
    if (answer == -1) {
        k.error = true;
    } else if (answer == 1) {
        k.error = false;
        k.mode = kBrowsing;
        BuildHelpLines();
    }
    // Read here, the kick does not also climb a level on the menu.
    keyboard->ActionOnce(0, kInputKick1);
    if (keyboard->SpecialKeyOnce(kSpecialEscape)) {
        k.error = false;
        k.mode = kBrowsing;
    }
    return 0;
}
