#include "ScreenTexts.h"

#include <dirent.h>

#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>

const std::vector<std::string>& DescribedScreenTexts() {
    static const std::vector<std::string> texts = {
        // fight and marker
        "JUEGO PAUSADO", "PARA SALIR PULSE ESCAPE", "PARA VOLVER AL JUEGO PULSE INTRO", "EMPATE",
        "TRISTE", "PEAZO", "PERFECT", "WINS", "UPS, NO PERFECT", "Y UN PERFECT!!!", "ROUND",
        "VS", "%07d", "POR CONSERVAR VIDA:", "POR LA ENERGIA:", "TOTAL:",
        // menus and options
        "JUGAR", "1 PLAYER (ARCADE)", "2 PLAYER (VS)", "DEMO", "OPCIONES",
        "CONFIGURACION DEL TECLADO", "ROUNDS PARA GANAR", "TIEMPO", "OPCIONES FONDO",
        "AUMENTAR NUMERO DE ROUNDS", "DISMINUIR NUMERO DE ROUNDS", "TIEMPO POR ROUND", "SALIR",
        "MODO DE JUEGO", "OPCIONES DEL JUEGO", "MENU PRINCIPAL", "MAS INFO EN ", "<< TECLAS >>",
        "%s <=> SELECCIONAR", "%s O ESCAPE <=> MENU ANTERIOR O SALIR SI ES EL PRINCIPAL",
        "%s Y %s <=> MOVERSE POR EL MENU", "ROUNDS ACTUALES: %d", "ILIMITADO", "%2.0f",
        "FONDO ALEATORIO", "FONDO DEL PLAYER 2", "PLAYER 1", "PLAYER 2", "ARRIBA <%s>",
        "ABAJO <%s>", "DERECHA <%s>", "IZQUIERDA <%s>", "PU\xD1O1 <%s>", "PU\xD1O2 <%s>",
        "PU\xD1O3 <%s>", "PATADA1 <%s>", "PATADA2 <%s>", "PATADA3 <%s>", "PULSA LA NUEVA TECLA",
        "TECLA ERRONEA O YA ASIGNADA", "PULSA UNA TECLA QUE NO ESTE ASIGNADA",
        "SELECCION DE PERSONAJE",
        // intro
        "QUARVELL GAMES", "PRESENTA", "LA HISTORIA COMIENZA CON UN HUEVO...",
        "...UN GRAN HUEVO...", "...UN HUEVO CON 2 YEMAS...", "...UNA ERA EL BIEN...",
        "...Y OTRA EL MAL...", "...DE EL NACIERON 2 POLLOS...", "...BROCANTO...",
        "...Y TRUVALDINO...", "...ENFRENTADOS DESDE EL DIA...", "...DE SU NACIMIENTO...",
        "BROCANTO ARENA", "-", "TRUVALDINO BLENDOSO", "< - >",
        // credits
        "CREDITOS", "PROGRAMACION, COORDINACION, \"ARTE\", ...", "]> ARTISTA ORIGINAL <[",
        "]> DIBUJANTE, MONTADOR Y RETALERO <[", "]> FONDO PAISAJE <[",
        "]> MUSICA DEL MENU, VS Y CREDITOS <[", "]> BETATESTERS Y DEMAS <[",
        "Y FALTAN MUCHOS MAS", "]> AGRADECIMIENTOS ESPECIALES <[", "AL CREADOR DE BROCANTO,",
        // the fighters' names and the frame-rate overlay
        "RANA", "BROCANTO", "TRUVALDINO", "FPS:%4.2f",
    };
    return texts;
}

namespace {

void ListSources(const std::string& folder, std::vector<std::string>* files) {
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        const std::string path = folder + "/" + name;
        if (entry->d_type == DT_DIR) {
            ListSources(path, files);
        } else if (name.size() > 2 && (name.compare(name.size() - 4, 4, ".cpp") == 0 ||
                                       name.compare(name.size() - 2, 2, ".h") == 0)) {
            files->push_back(path);
        }
    }
    closedir(dir);
}

// UTF-8 sequences of code points up to 255 become their Latin-1 byte; any
// other byte stays as it is.
std::string ToLatin1(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = s[i];
        if ((c == 0xC2 || c == 0xC3) && i + 1 < s.size() &&
            (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80) {
            out += static_cast<char>(((c & 0x03) << 6) | (s[i + 1] & 0x3F));
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads the literal whose opening quote is at `at`; returns the index after
// its closing quote.
size_t ReadLiteral(const std::string& src, size_t at, std::string* text) {
    size_t i = at + 1;
    std::string raw;
    while (i < src.size() && src[i] != '"') {
        if (src[i] == '\\' && i + 1 < src.size()) {
            const char e = src[++i];
            if (e == 'x') {
                int value = 0, digits = 0;
                while (i + 1 < src.size() && HexValue(src[i + 1]) >= 0 && digits < 2) {
                    value = value * 16 + HexValue(src[++i]);
                    ++digits;
                }
                raw += static_cast<char>(value);
            } else if (e >= '0' && e <= '7') {
                int value = e - '0';
                for (int k = 0; k < 2 && i + 1 < src.size() && src[i + 1] >= '0' && src[i + 1] <= '7'; ++k)
                    value = value * 8 + (src[++i] - '0');
                raw += static_cast<char>(value);
            } else if (e == 'n') {
                raw += '\n';
            } else if (e == 't') {
                raw += '\t';
            } else {
                raw += e;
            }
        } else {
            raw += src[i];
        }
        ++i;
    }
    *text = ToLatin1(raw);
    return i + 1;
}

bool IsUpperCaseText(const std::string& s) {
    int letters = 0;
    for (unsigned char c : s) {
        if (std::islower(c) || (c >= 0xDF && c != 0xF7)) return false;  // Latin-1 lower case
        if (std::isupper(c) || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) ++letters;
        if (c == '\\' || c == '/') return false;  // a path, not a text
    }
    return letters >= 2;
}

}  // namespace

std::vector<std::string> SourceScreenTexts(const std::string& folder) {
    std::vector<std::string> files, texts;
    ListSources(folder, &files);
    for (const std::string& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string src((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // Where the arguments of the current DrawText call end.
        size_t callEnd = 0;
        for (size_t i = 0; i < src.size(); ++i) {
            if (src.compare(i, 8, "DrawText") == 0) {
                size_t open = src.find('(', i);
                int depth = 0;
                for (size_t j = open; open != std::string::npos && j < src.size(); ++j) {
                    if (src[j] == '(') ++depth;
                    if (src[j] == ')' && --depth == 0) {
                        callEnd = j;
                        break;
                    }
                }
            } else if (src[i] == '\'' && i + 2 < src.size()) {
                i += src[i + 1] == '\\' ? 3 : 2;  // a character literal: '"' is no string
            } else if (src[i] == '/' && i + 1 < src.size() && src[i + 1] == '/') {
                i = src.find('\n', i);
                if (i == std::string::npos) break;
            } else if (src[i] == '"') {
                std::string text;
                const bool inCall = i < callEnd;
                i = ReadLiteral(src, i, &text) - 1;
                if (inCall || IsUpperCaseText(text)) texts.push_back(text);
            }
        }
    }
    return texts;
}

std::set<int> CodesOf(const std::vector<std::string>& texts) {
    std::set<int> codes;
    for (const std::string& text : texts)
        for (size_t i = 0; i < text.size(); ++i) {
            const unsigned char c = text[i];
            if (c == '%') {
                // A format directive: flags, width, precision, conversion.
                size_t j = i + 1;
                if (j < text.size() && text[j] == '%') {
                    codes.insert('%');
                    i = j;
                    continue;
                }
                while (j < text.size() && std::strchr("-+ #0123456789.l", text[j])) ++j;
                i = j;
                continue;
            }
            if (c == ' ' || c == '\n') continue;
            codes.insert(c);
        }
    return codes;
}
