#include "platform/KeyNames.h"

#include <SDL_scancode.h>
#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

#include <cstring>
#include <set>

TEST(KeyNames, TableIsAscendingFromEscapeToMail) {
    EXPECT_STREQ(kKeyNames[0], "ESCAPE");
    EXPECT_EQ(kKeyCodes[0], 0x01);
    EXPECT_STREQ(kKeyNames[kKeyNameCount - 1], "MAIL");
    EXPECT_EQ(kKeyCodes[kKeyNameCount - 1], 0xEC);
    std::set<std::string> names;
    for (int i = 0; i < kKeyNameCount; ++i) {
        if (i > 0) {
            EXPECT_LT(kKeyCodes[i - 1], kKeyCodes[i]) << kKeyNames[i];
        }
        EXPECT_TRUE(names.insert(kKeyNames[i]).second) << kKeyNames[i];
        EXPECT_NE(strncmp(kKeyNames[i], "DIK_", 4), 0) << kKeyNames[i];
    }
}

TEST(KeyNames, WellKnownCodes) {
    struct {
        const char* name;
        int code;
    } known[] = {{"RETURN", 0x1C}, {"SPACE", 0x39}, {"OEM_102", 0x56}, {"F13", 0x64},
                 {"KANA", 0x70},   {"NUMPADEQUALS", 0x8D}, {"NUMPADENTER", 0x9C},
                 {"SYSRQ", 0xB7},  {"PAUSE", 0xC5}, {"UP", 0xC8}, {"PRIOR", 0xC9},
                 {"NEXT", 0xD1},   {"INSERT", 0xD2}, {"DELETE", 0xD3}, {"WAKE", 0xE3},
                 {"WEBSEARCH", 0xE5}, {"W", 0x11}, {"H", 0x23}};
    for (const auto& k : known) {
        EXPECT_STREQ(KeyNameForCode(k.code), k.name);
        EXPECT_EQ(KeyCodeForName(k.name), k.code);
    }
}

TEST(KeyNames, CodesOutsideTheTableHaveNoName) {
    for (int code : {0x00, 0x54, 0x55, 0xE4, int(kDikMediaSelect), 0xFF, 256, -1})
        EXPECT_EQ(KeyNameForCode(code), nullptr) << code;
    EXPECT_EQ(KeyCodeForName("MEDIASELECT"), 0);
    EXPECT_EQ(KeyCodeForName(nullptr), 0);
}

// Keys of the table that only Japanese NEC or other non-PC keyboards have,
// or that SDL does not report.
bool NotOnPcKeyboard(const char* name) {
    for (const char* n : {"ABNT_C2", "AT", "COLON", "UNDERLINE", "KANJI", "STOP", "AX",
                          "UNLABELED", "WAKE"})
        if (strcmp(n, name) == 0) return true;
    return false;
}

TEST(KeyNames, SdlTableCoversEveryPcKey) {
    std::set<int> reached;
    for (int sc = 0; sc < SDL_NUM_SCANCODES; ++sc) {
        uint8_t dik = DikFromSdlScancode(sc);
        if (!dik) continue;
        EXPECT_TRUE(KeyNameForCode(dik) || dik == kDikMediaSelect) << sc;
        reached.insert(dik);
    }
    for (int i = 0; i < kKeyNameCount; ++i) {
        if (!NotOnPcKeyboard(kKeyNames[i])) {
            EXPECT_TRUE(reached.count(kKeyCodes[i])) << kKeyNames[i];
        }
    }
    EXPECT_EQ(DikFromSdlScancode(SDL_SCANCODE_UNKNOWN), 0);
    EXPECT_EQ(DikFromSdlScancode(SDL_SCANCODE_LEFT), 0xCB);
    EXPECT_EQ(DikFromSdlScancode(SDL_SCANCODE_KP_ENTER), 0x9C);
    EXPECT_EQ(DikFromSdlScancode(SDL_SCANCODE_MEDIASELECT), kDikMediaSelect);
}

TEST(KeyNames, LinuxTableAgreesWithSdlTable) {
    std::set<int> fromSdl, fromEvdev;
    for (int sc = 0; sc < SDL_NUM_SCANCODES; ++sc)
        if (uint8_t dik = DikFromSdlScancode(sc)) fromSdl.insert(dik);
    for (int code = 0; code < KEY_MAX; ++code) {
        if (uint8_t dik = DikFromEvdevCode(code)) {
            EXPECT_TRUE(KeyNameForCode(dik) || dik == kDikMediaSelect) << code;
            fromEvdev.insert(dik);
        }
    }
    for (int dik : fromSdl) EXPECT_TRUE(fromEvdev.count(dik)) << dik;
    // The main block's evdev codes are the PC scan codes themselves.
    for (int code = KEY_ESC; code <= KEY_KPDOT; ++code) EXPECT_EQ(DikFromEvdevCode(code), code);
    EXPECT_EQ(DikFromXKeycode(KEY_A + 8), 0x1E);
    EXPECT_EQ(DikFromXKeycode(KEY_UP + 8), 0xC8);
    EXPECT_EQ(DikFromXKeycode(3), 0);
}
