// The key configuration screen: the rows while browsing, the prompt while
// capturing.
#include "menus/KeyConfigScreen.h"

#include <cmath>

#include "input/Teclado.h"
#include "menus/MenuContext.h"
#include "sdk/Renderer.h"

namespace {

// Screen order, which is not the order of the bits.
struct KeyRow {
    const char* label;  // Latin-1; the key name fills %s
    int bit;
};
const KeyRow kKeyRows[KeyConfigScreen::kRowsPerPlayer] = {
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

bool KeyConfigScreen::Frame(float dt) {
    const MenuContext& c = context;
    clock += dt;
    const float k = cosf(5.0f * clock);
    c.renderer->DrawTextCentered(0.5f, 0.27f, 1.4f, c.fadeR, c.fadeG * k, c.fadeB * k + 0.7f,
                                 1.0f, "CONFIGURACION DEL TECLADO");
    c.renderer->DrawTextCentered(0.2f, 0.35f, 1.0f, c.fadeR, c.fadeG, c.fadeB, 1.0f, "PLAYER 1");
    c.renderer->DrawTextCentered(0.65f, 0.35f, 1.0f, c.fadeR, c.fadeG, c.fadeB, 1.0f, "PLAYER 2");
    if (mode == Mode::kCapturing) return Capture();
    Browse();
    return false;
}

void KeyConfigScreen::Browse() {
    const MenuContext& c = context;
    Teclado* keyboard = c.keyboard;
    for (int r = 0; r < kRows; ++r) {
        const int player = r / kRowsPerPlayer;
        const KeyRow& line = kKeyRows[r % kRowsPerPlayer];
        c.renderer->DrawText(player == 0 ? 0.05f : 0.5f, 0.4f + 0.05f * (r % kRowsPerPlayer),
                             0.8f, c.fadeR, c.fadeG, c.fadeB, r == row ? 1.0f : 0.6f, line.label,
                             Shown(keyboard->KeyName(player, line.bit)));
    }
    if (keyboard->ActionOnce(0, kInputPunch1)) mode = Mode::kCapturing;
    if (keyboard->ActionOnce(0, kInputUp)) row -= 1;
    if (keyboard->ActionOnce(0, kInputDown)) row += 1;
    if (keyboard->ActionOnce(0, kInputLeft)) row -= kRowsPerPlayer;
    if (keyboard->ActionOnce(0, kInputRight)) row += kRowsPerPlayer;
    if (row < 0) row += kRows;
    if (row >= kRows) row -= kRows;
}

bool KeyConfigScreen::Capture() {
    Renderer* r = context.renderer;
    Teclado* keyboard = context.keyboard;
    r->DrawTextCentered(0.5f, 0.5f, 0.8f, 1.0f, 1.0f, 1.0f, 1.0f, "PULSA LA NUEVA TECLA");
    if (error) {
        r->DrawTextCentered(0.5f, 0.6f, 1.1f, 1.0f, 1.0f, 1.0f, 1.0f,
                            "TECLA ERRONEA O YA ASIGNADA");
        r->DrawTextCentered(0.5f, 0.65f, 0.8f, 1.0f, 1.0f, 1.0f, 1.0f,
                            "PULSA UNA TECLA QUE NO ESTE ASIGNADA");
    }
    const int answer =
        keyboard->CaptureKey(row / kRowsPerPlayer, kKeyRows[row % kRowsPerPlayer].bit);
    bool changed = false;
    if (answer == -1) {
        error = true;
    } else if (answer == 1) {
        error = false;
        mode = Mode::kBrowsing;
        changed = true;
    }
    // Read here, the kick does not also climb a level on the menu.
    keyboard->ActionOnce(0, kInputKick1);
    if (keyboard->SpecialKeyOnce(kSpecialEscape)) {
        error = false;
        mode = Mode::kBrowsing;
    }
    return changed;
}
