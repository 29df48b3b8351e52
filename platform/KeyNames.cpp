#include "platform/KeyNames.h"

#include <SDL_scancode.h>
#include <linux/input-event-codes.h>

#include <cstring>

const char* const kKeyNames[kKeyNameCount] = {
    "ESCAPE", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "MINUS", "EQUALS", "BACK",
    "TAB", "Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P", "LBRACKET", "RBRACKET",
    "RETURN", "LCONTROL", "A", "S", "D", "F", "G", "H", "J", "K", "L", "SEMICOLON",
    "APOSTROPHE", "GRAVE", "LSHIFT", "BACKSLASH", "Z", "X", "C", "V", "B", "N", "M",
    "COMMA", "PERIOD", "SLASH", "RSHIFT", "MULTIPLY", "LMENU", "SPACE", "CAPITAL", "F1",
    "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "NUMLOCK", "SCROLL", "NUMPAD7",
    "NUMPAD8", "NUMPAD9", "SUBTRACT", "NUMPAD4", "NUMPAD5", "NUMPAD6", "ADD", "NUMPAD1",
    "NUMPAD2", "NUMPAD3", "NUMPAD0", "DECIMAL", "OEM_102", "F11", "F12", "F13", "F14",
    "F15", "KANA", "ABNT_C1", "CONVERT", "NOCONVERT", "YEN", "ABNT_C2", "NUMPADEQUALS",
    "PREVTRACK", "AT", "COLON", "UNDERLINE", "KANJI", "STOP", "AX", "UNLABELED",
    "NEXTTRACK", "NUMPADENTER", "RCONTROL", "MUTE", "CALCULATOR", "PLAYPAUSE", "MEDIASTOP",
    "VOLUMEDOWN", "VOLUMEUP", "WEBHOME", "NUMPADCOMMA", "DIVIDE", "SYSRQ", "RMENU", "PAUSE",
    "HOME", "UP", "PRIOR", "LEFT", "RIGHT", "END", "DOWN", "NEXT", "INSERT", "DELETE",
    "LWIN", "RWIN", "APPS", "POWER", "SLEEP", "WAKE", "WEBSEARCH", "WEBFAVORITES",
    "WEBREFRESH", "WEBSTOP", "WEBFORWARD", "WEBBACK", "MYCOMPUTER", "MAIL",
};

const uint8_t kKeyCodes[kKeyNameCount] = {
    0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E,
    0x0F, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B,
    0x1C, 0x1D, 0x1E, 0x1F, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27,
    0x28, 0x29, 0x2A, 0x2B, 0x2C, 0x2D, 0x2E, 0x2F, 0x30, 0x31, 0x32,
    0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x3B,
    0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47,
    0x48, 0x49, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F,
    0x50, 0x51, 0x52, 0x53, 0x56, 0x57, 0x58, 0x64, 0x65,
    0x66, 0x70, 0x73, 0x79, 0x7B, 0x7D, 0x7E, 0x8D,
    0x90, 0x91, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97,
    0x99, 0x9C, 0x9D, 0xA0, 0xA1, 0xA2, 0xA4,
    0xAE, 0xB0, 0xB2, 0xB3, 0xB5, 0xB7, 0xB8, 0xC5,
    0xC7, 0xC8, 0xC9, 0xCB, 0xCD, 0xCF, 0xD0, 0xD1, 0xD2, 0xD3,
    0xDB, 0xDC, 0xDD, 0xDE, 0xDF, 0xE3, 0xE5, 0xE6,
    0xE7, 0xE8, 0xE9, 0xEA, 0xEB, 0xEC,
};

namespace {

struct CodePair {
    int from;
    uint8_t dik;
};

// Every key of the name table that a PC keyboard has, plus MEDIASELECT
// (a real key the bindings may hold even though it has no name).
const CodePair kSdlToDik[] = {
    {SDL_SCANCODE_ESCAPE, 0x01}, {SDL_SCANCODE_1, 0x02}, {SDL_SCANCODE_2, 0x03},
    {SDL_SCANCODE_3, 0x04}, {SDL_SCANCODE_4, 0x05}, {SDL_SCANCODE_5, 0x06},
    {SDL_SCANCODE_6, 0x07}, {SDL_SCANCODE_7, 0x08}, {SDL_SCANCODE_8, 0x09},
    {SDL_SCANCODE_9, 0x0A}, {SDL_SCANCODE_0, 0x0B}, {SDL_SCANCODE_MINUS, 0x0C},
    {SDL_SCANCODE_EQUALS, 0x0D}, {SDL_SCANCODE_BACKSPACE, 0x0E}, {SDL_SCANCODE_TAB, 0x0F},
    {SDL_SCANCODE_Q, 0x10}, {SDL_SCANCODE_W, 0x11}, {SDL_SCANCODE_E, 0x12},
    {SDL_SCANCODE_R, 0x13}, {SDL_SCANCODE_T, 0x14}, {SDL_SCANCODE_Y, 0x15},
    {SDL_SCANCODE_U, 0x16}, {SDL_SCANCODE_I, 0x17}, {SDL_SCANCODE_O, 0x18},
    {SDL_SCANCODE_P, 0x19}, {SDL_SCANCODE_LEFTBRACKET, 0x1A},
    {SDL_SCANCODE_RIGHTBRACKET, 0x1B}, {SDL_SCANCODE_RETURN, 0x1C},
    {SDL_SCANCODE_LCTRL, 0x1D}, {SDL_SCANCODE_A, 0x1E}, {SDL_SCANCODE_S, 0x1F},
    {SDL_SCANCODE_D, 0x20}, {SDL_SCANCODE_F, 0x21}, {SDL_SCANCODE_G, 0x22},
    {SDL_SCANCODE_H, 0x23}, {SDL_SCANCODE_J, 0x24}, {SDL_SCANCODE_K, 0x25},
    {SDL_SCANCODE_L, 0x26}, {SDL_SCANCODE_SEMICOLON, 0x27},
    {SDL_SCANCODE_APOSTROPHE, 0x28}, {SDL_SCANCODE_GRAVE, 0x29},
    {SDL_SCANCODE_LSHIFT, 0x2A}, {SDL_SCANCODE_BACKSLASH, 0x2B},
    {SDL_SCANCODE_NONUSHASH, 0x2B},  // the ISO key beside Enter sends the same scan code
    {SDL_SCANCODE_Z, 0x2C}, {SDL_SCANCODE_X, 0x2D}, {SDL_SCANCODE_C, 0x2E},
    {SDL_SCANCODE_V, 0x2F}, {SDL_SCANCODE_B, 0x30}, {SDL_SCANCODE_N, 0x31},
    {SDL_SCANCODE_M, 0x32}, {SDL_SCANCODE_COMMA, 0x33}, {SDL_SCANCODE_PERIOD, 0x34},
    {SDL_SCANCODE_SLASH, 0x35}, {SDL_SCANCODE_RSHIFT, 0x36},
    {SDL_SCANCODE_KP_MULTIPLY, 0x37}, {SDL_SCANCODE_LALT, 0x38},
    {SDL_SCANCODE_SPACE, 0x39}, {SDL_SCANCODE_CAPSLOCK, 0x3A},
    {SDL_SCANCODE_F1, 0x3B}, {SDL_SCANCODE_F2, 0x3C}, {SDL_SCANCODE_F3, 0x3D},
    {SDL_SCANCODE_F4, 0x3E}, {SDL_SCANCODE_F5, 0x3F}, {SDL_SCANCODE_F6, 0x40},
    {SDL_SCANCODE_F7, 0x41}, {SDL_SCANCODE_F8, 0x42}, {SDL_SCANCODE_F9, 0x43},
    {SDL_SCANCODE_F10, 0x44}, {SDL_SCANCODE_NUMLOCKCLEAR, 0x45},
    {SDL_SCANCODE_SCROLLLOCK, 0x46}, {SDL_SCANCODE_KP_7, 0x47}, {SDL_SCANCODE_KP_8, 0x48},
    {SDL_SCANCODE_KP_9, 0x49}, {SDL_SCANCODE_KP_MINUS, 0x4A}, {SDL_SCANCODE_KP_4, 0x4B},
    {SDL_SCANCODE_KP_5, 0x4C}, {SDL_SCANCODE_KP_6, 0x4D}, {SDL_SCANCODE_KP_PLUS, 0x4E},
    {SDL_SCANCODE_KP_1, 0x4F}, {SDL_SCANCODE_KP_2, 0x50}, {SDL_SCANCODE_KP_3, 0x51},
    {SDL_SCANCODE_KP_0, 0x52}, {SDL_SCANCODE_KP_PERIOD, 0x53},
    {SDL_SCANCODE_NONUSBACKSLASH, 0x56}, {SDL_SCANCODE_F11, 0x57},
    {SDL_SCANCODE_F12, 0x58}, {SDL_SCANCODE_F13, 0x64}, {SDL_SCANCODE_F14, 0x65},
    {SDL_SCANCODE_F15, 0x66}, {SDL_SCANCODE_INTERNATIONAL2, 0x70},
    {SDL_SCANCODE_INTERNATIONAL1, 0x73}, {SDL_SCANCODE_INTERNATIONAL4, 0x79},
    {SDL_SCANCODE_INTERNATIONAL5, 0x7B}, {SDL_SCANCODE_INTERNATIONAL3, 0x7D},
    {SDL_SCANCODE_KP_EQUALS, 0x8D}, {SDL_SCANCODE_AUDIOPREV, 0x90},
    {SDL_SCANCODE_AUDIONEXT, 0x99}, {SDL_SCANCODE_KP_ENTER, 0x9C},
    {SDL_SCANCODE_RCTRL, 0x9D}, {SDL_SCANCODE_MUTE, 0xA0},
    {SDL_SCANCODE_CALCULATOR, 0xA1}, {SDL_SCANCODE_AUDIOPLAY, 0xA2},
    {SDL_SCANCODE_AUDIOSTOP, 0xA4}, {SDL_SCANCODE_VOLUMEDOWN, 0xAE},
    {SDL_SCANCODE_VOLUMEUP, 0xB0}, {SDL_SCANCODE_AC_HOME, 0xB2},
    {SDL_SCANCODE_KP_COMMA, 0xB3}, {SDL_SCANCODE_KP_DIVIDE, 0xB5},
    {SDL_SCANCODE_PRINTSCREEN, 0xB7}, {SDL_SCANCODE_SYSREQ, 0xB7},
    {SDL_SCANCODE_RALT, 0xB8}, {SDL_SCANCODE_PAUSE, 0xC5}, {SDL_SCANCODE_HOME, 0xC7},
    {SDL_SCANCODE_UP, 0xC8}, {SDL_SCANCODE_PAGEUP, 0xC9}, {SDL_SCANCODE_LEFT, 0xCB},
    {SDL_SCANCODE_RIGHT, 0xCD}, {SDL_SCANCODE_END, 0xCF}, {SDL_SCANCODE_DOWN, 0xD0},
    {SDL_SCANCODE_PAGEDOWN, 0xD1}, {SDL_SCANCODE_INSERT, 0xD2},
    {SDL_SCANCODE_DELETE, 0xD3}, {SDL_SCANCODE_LGUI, 0xDB}, {SDL_SCANCODE_RGUI, 0xDC},
    {SDL_SCANCODE_APPLICATION, 0xDD}, {SDL_SCANCODE_POWER, 0xDE},
    {SDL_SCANCODE_SLEEP, 0xDF}, {SDL_SCANCODE_AC_SEARCH, 0xE5},
    {SDL_SCANCODE_AC_BOOKMARKS, 0xE6}, {SDL_SCANCODE_AC_REFRESH, 0xE7},
    {SDL_SCANCODE_AC_STOP, 0xE8}, {SDL_SCANCODE_AC_FORWARD, 0xE9},
    {SDL_SCANCODE_AC_BACK, 0xEA}, {SDL_SCANCODE_COMPUTER, 0xEB},
    {SDL_SCANCODE_MAIL, 0xEC}, {SDL_SCANCODE_MEDIASELECT, kDikMediaSelect},
};

const CodePair kEvdevToDik[] = {
    {KEY_ESC, 0x01}, {KEY_1, 0x02}, {KEY_2, 0x03}, {KEY_3, 0x04}, {KEY_4, 0x05},
    {KEY_5, 0x06}, {KEY_6, 0x07}, {KEY_7, 0x08}, {KEY_8, 0x09}, {KEY_9, 0x0A},
    {KEY_0, 0x0B}, {KEY_MINUS, 0x0C}, {KEY_EQUAL, 0x0D}, {KEY_BACKSPACE, 0x0E},
    {KEY_TAB, 0x0F}, {KEY_Q, 0x10}, {KEY_W, 0x11}, {KEY_E, 0x12}, {KEY_R, 0x13},
    {KEY_T, 0x14}, {KEY_Y, 0x15}, {KEY_U, 0x16}, {KEY_I, 0x17}, {KEY_O, 0x18},
    {KEY_P, 0x19}, {KEY_LEFTBRACE, 0x1A}, {KEY_RIGHTBRACE, 0x1B}, {KEY_ENTER, 0x1C},
    {KEY_LEFTCTRL, 0x1D}, {KEY_A, 0x1E}, {KEY_S, 0x1F}, {KEY_D, 0x20}, {KEY_F, 0x21},
    {KEY_G, 0x22}, {KEY_H, 0x23}, {KEY_J, 0x24}, {KEY_K, 0x25}, {KEY_L, 0x26},
    {KEY_SEMICOLON, 0x27}, {KEY_APOSTROPHE, 0x28}, {KEY_GRAVE, 0x29},
    {KEY_LEFTSHIFT, 0x2A}, {KEY_BACKSLASH, 0x2B}, {KEY_Z, 0x2C}, {KEY_X, 0x2D},
    {KEY_C, 0x2E}, {KEY_V, 0x2F}, {KEY_B, 0x30}, {KEY_N, 0x31}, {KEY_M, 0x32},
    {KEY_COMMA, 0x33}, {KEY_DOT, 0x34}, {KEY_SLASH, 0x35}, {KEY_RIGHTSHIFT, 0x36},
    {KEY_KPASTERISK, 0x37}, {KEY_LEFTALT, 0x38}, {KEY_SPACE, 0x39},
    {KEY_CAPSLOCK, 0x3A}, {KEY_F1, 0x3B}, {KEY_F2, 0x3C}, {KEY_F3, 0x3D},
    {KEY_F4, 0x3E}, {KEY_F5, 0x3F}, {KEY_F6, 0x40}, {KEY_F7, 0x41}, {KEY_F8, 0x42},
    {KEY_F9, 0x43}, {KEY_F10, 0x44}, {KEY_NUMLOCK, 0x45}, {KEY_SCROLLLOCK, 0x46},
    {KEY_KP7, 0x47}, {KEY_KP8, 0x48}, {KEY_KP9, 0x49}, {KEY_KPMINUS, 0x4A},
    {KEY_KP4, 0x4B}, {KEY_KP5, 0x4C}, {KEY_KP6, 0x4D}, {KEY_KPPLUS, 0x4E},
    {KEY_KP1, 0x4F}, {KEY_KP2, 0x50}, {KEY_KP3, 0x51}, {KEY_KP0, 0x52},
    {KEY_KPDOT, 0x53}, {KEY_102ND, 0x56}, {KEY_F11, 0x57}, {KEY_F12, 0x58},
    {KEY_F13, 0x64}, {KEY_F14, 0x65}, {KEY_F15, 0x66}, {KEY_KATAKANAHIRAGANA, 0x70},
    {KEY_RO, 0x73}, {KEY_HENKAN, 0x79}, {KEY_MUHENKAN, 0x7B}, {KEY_YEN, 0x7D},
    {KEY_KPEQUAL, 0x8D}, {KEY_PREVIOUSSONG, 0x90}, {KEY_ZENKAKUHANKAKU, 0x94},
    {KEY_NEXTSONG, 0x99}, {KEY_KPENTER, 0x9C}, {KEY_RIGHTCTRL, 0x9D},
    {KEY_MUTE, 0xA0}, {KEY_CALC, 0xA1}, {KEY_PLAYPAUSE, 0xA2}, {KEY_STOPCD, 0xA4},
    {KEY_VOLUMEDOWN, 0xAE}, {KEY_VOLUMEUP, 0xB0}, {KEY_HOMEPAGE, 0xB2},
    {KEY_KPCOMMA, 0xB3}, {KEY_KPSLASH, 0xB5}, {KEY_SYSRQ, 0xB7},
    {KEY_RIGHTALT, 0xB8}, {KEY_PAUSE, 0xC5}, {KEY_HOME, 0xC7}, {KEY_UP, 0xC8},
    {KEY_PAGEUP, 0xC9}, {KEY_LEFT, 0xCB}, {KEY_RIGHT, 0xCD}, {KEY_END, 0xCF},
    {KEY_DOWN, 0xD0}, {KEY_PAGEDOWN, 0xD1}, {KEY_INSERT, 0xD2}, {KEY_DELETE, 0xD3},
    {KEY_LEFTMETA, 0xDB}, {KEY_RIGHTMETA, 0xDC}, {KEY_COMPOSE, 0xDD},
    {KEY_POWER, 0xDE}, {KEY_SLEEP, 0xDF}, {KEY_WAKEUP, 0xE3}, {KEY_SEARCH, 0xE5},
    {KEY_BOOKMARKS, 0xE6}, {KEY_REFRESH, 0xE7}, {KEY_STOP, 0xE8},
    {KEY_FORWARD, 0xE9}, {KEY_BACK, 0xEA}, {KEY_COMPUTER, 0xEB}, {KEY_MAIL, 0xEC},
    {KEY_MEDIA, kDikMediaSelect},
};

template <size_t N>
uint8_t Lookup(const CodePair (&table)[N], int from) {
    for (const CodePair& pair : table)
        if (pair.from == from) return pair.dik;
    return 0;
}

}  // namespace

int KeyTableIndex(int code) {
    int low = 0, high = kKeyNameCount - 1;
    while (low <= high) {
        int mid = (low + high) / 2;
        if (kKeyCodes[mid] == code) return mid;
        if (kKeyCodes[mid] < code)
            low = mid + 1;
        else
            high = mid - 1;
    }
    return -1;
}

const char* KeyNameForCode(int code) {
    int index = KeyTableIndex(code);
    return index < 0 ? nullptr : kKeyNames[index];
}

uint8_t KeyCodeForName(const char* name) {
    if (!name) return 0;
    for (int i = 0; i < kKeyNameCount; ++i)
        if (strcmp(kKeyNames[i], name) == 0) return kKeyCodes[i];
    return 0;
}

uint8_t DikFromSdlScancode(int scancode) { return Lookup(kSdlToDik, scancode); }

uint8_t DikFromEvdevCode(int code) { return Lookup(kEvdevToDik, code); }

uint8_t DikFromXKeycode(int keycode) { return keycode < 8 ? 0 : DikFromEvdevCode(keycode - 8); }
