#pragma once
// The credits' scrolling list: headings, name lines and portraits, in
// drawing order.

struct CreditEntry {
    float base;  // y when the scroll is 0
    float fade;  // fully opaque while the scroll is below fade - 1/6
    float x;     // texts are centred on it
    const char* text;  // null for a portrait
    float scale;
    int picture;  // portraits: a CreditsScreen::Picture
    float w, h;
    float u0, v0, u1, v1;  // portraits: the rectangle of the picture
};

extern const CreditEntry kCreditEntries[];
extern const int kCreditEntryCount;
