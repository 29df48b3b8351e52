// The credits' scrolling list. The name lines and the two drawings
// headings credit this project; no real person's name.
#include "menus/CreditEntries.h"

#include "menus/CreditsScreen.h"

namespace {

constexpr CreditEntry Heading(float base, const char* text, float x = 0.5f) {
    return {base, base - 0.1f, x, text, 1.0f, 0, 0, 0, 0, 0, 0, 0};
}
constexpr CreditEntry Name(float base, const char* text, float x = 0.5f) {
    return {base, base - 0.1f, x, text, 1.2f, 0, 0, 0, 0, 0, 0, 0};
}
constexpr CreditEntry Portrait(float base, float fade, float x, float w, float h, float u0,
                               float v0, float u1, float v1,
                               int picture = CreditsScreen::kCaricatures) {
    return {base, fade, x, nullptr, 0.0f, picture, w, h, u0, v0, u1, v1};
}

}  // namespace

const CreditEntry kCreditEntries[] = {
    Heading(1.00f, "PROGRAMACION, COORDINACION, \"ARTE\", ..."),
    Name(1.05f, "EL EQUIPO CORRALON, ALIAS \"EL CORRAL\""),
    Portrait(1.035f, 0.935f, 0.84f, 0.08f, 0.08f, 0.0f, 0.0f, 0.3f, 0.3f),
    Heading(1.15f, "]> ARTISTA ORIGINAL <["),
    Name(1.20f, "EL GENERADOR DE ARTE DEL PROYECTO"),
    Portrait(1.18f, 1.08f, 0.55f, 0.07f, 0.12f, 0.3f, 0.0f, 0.65f, 0.5f),
    Heading(1.30f, "]> DIBUJANTE, MONTADOR Y RETALERO <["),
    Name(1.35f, "DIBUJOS SVG DEL EQUIPO CORRALON"),
    Portrait(1.33f, 1.23f, 0.9f, 0.07f, 0.1f, 0.7f, 0.4f, 1.0f, 0.8f),
    Heading(1.45f, "]> DIBUJOS DE BROCANTO <["),
    Name(1.50f, "TRAZOS VECTORIALES HECHOS A MANO"),
    Portrait(1.48f, 1.37f, 0.57f, 0.07f, 0.093f, 0.0f, 0.3f, 0.3f, 0.65f),
    Heading(1.60f, "]> DIBUJOS DE TRUVALDINO <["),
    Name(1.65f, "EL MISMO POLLO, DEL LADO OSCURO"),
    Heading(1.75f, "]> FONDO PAISAJE <["),
    Name(1.80f, "LA GRANJA, PINTADA POR EL GENERADOR"),
    Heading(1.90f, "]> MUSICA DEL MENU, VS Y CREDITOS <["),
    Name(1.95f, "\"ATARDECER EN LA GRANJA\", MUSICA SINTETIZADA"),
    Heading(2.05f, "]> BETATESTERS Y DEMAS <["),
    Name(2.10f, "SDL2", 0.25f),
    Portrait(2.08f, 2.03f, 0.4f, 0.06f, 0.07f, 0.7f, 0.0f, 1.0f, 0.35f),
    Name(2.10f, "SDL2_MIXER", 0.75f),
    Portrait(2.08f, 2.03f, 0.83f, 0.07f, 0.065f, 0.3f, 0.5f, 0.65f, 0.8f),
    Name(2.15f, "OPENGL", 0.25f),
    Name(2.15f, "ZLIB", 0.75f),
    Name(2.20f, "GOOGLETEST", 0.25f),
    Name(2.20f, "GOOGLE BENCHMARK", 0.75f),
    Name(2.25f, "LIBRSVG", 0.25f),
    Name(2.25f, "CAIRO", 0.75f),
    Name(2.30f, "FREETYPE", 0.25f),
    Name(2.30f, "LIBVORBIS", 0.75f),
    Name(2.35f, "MESA LLVMPIPE", 0.25f),
    Name(2.35f, "XVFB", 0.75f),
    Name(2.40f, "CMAKE", 0.25f),
    Name(2.40f, "LAS PRUEBAS AUTOMATICAS", 0.75f),
    Name(2.45f, "Y FALTAN MUCHOS MAS"),
    Heading(2.55f, "]> AGRADECIMIENTOS ESPECIALES <["),
    Name(2.65f, "AL CREADOR DE BROCANTO,", 0.4f),
    Name(2.70f, "EL EQUIPO CORRALON", 0.6f),
    Name(2.75f, "Y A TODA LA GRANJA", 0.4f),
    Portrait(2.80f, 2.7f, 0.6f, 0.33f, 0.1f, 0.0f, 0.0f, 0.66f, 0.2f,
             CreditsScreen::kClosingCaricature),
};
const int kCreditEntryCount = sizeof kCreditEntries / sizeof kCreditEntries[0];
