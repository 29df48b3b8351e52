// The tables and records that cross a library boundary, pinned to the slot
// numbers and layouts behaviour, renderer and sound libraries are built
// against. The numbers are written here, not derived from the headers, so a
// reordered declaration fails.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "effects/Particulas.h"
#include "sdk/Bicho.h"
#include "sdk/GameSettings.h"
#include "sdk/InterfazAcciones.h"
#include "sdk/OperacionesParticulas.h"
#include "sdk/Renderer.h"
#include "sdk/Sonido.h"

namespace {

// Itanium C++ ABI: a pointer to a virtual member holds 1 + the byte offset
// of its entry in the table.
template <typename Member>
long TableIndex(Member member) {
    struct Raw {
        uintptr_t pointer;
        ptrdiff_t adjust;
    } raw;
    static_assert(sizeof(Member) == sizeof(Raw), "Itanium member pointers");
    std::memcpy(&raw, &member, sizeof raw);
    if ((raw.pointer & 1) == 0) return -1;  // not virtual
    return static_cast<long>((raw.pointer - 1) / sizeof(void*));
}

#define SLOT(Class, op, n) EXPECT_EQ(TableIndex(&Class::op), n) << #Class "::" #op;

TEST(Abi, BichoHasItsNinetyTwoSlotsInOrder) {
    SLOT(Bicho, Init, 0) SLOT(Bicho, AddFrame, 1) SLOT(Bicho, AddFrameFromImage, 2)
    SLOT(Bicho, AddAnimation, 3) SLOT(Bicho, AppendAnimation, 4)
    SLOT(Bicho, DeleteCurrentFrame, 5) SLOT(Bicho, DeleteCurrentAnimation, 6)
    SLOT(Bicho, CountFrames, 7) SLOT(Bicho, CurrentFrameIndex, 8) SLOT(Bicho, GoToFrame, 9)
    SLOT(Bicho, NextFrame, 10) SLOT(Bicho, PreviousFrame, 11) SLOT(Bicho, Reset, 12)
    SLOT(Bicho, QueryA, 13) SLOT(Bicho, QueryB, 14) SLOT(Bicho, SetOpponent, 15)
    SLOT(Bicho, Release, 16) SLOT(Bicho, Update, 17) SLOT(Bicho, UpdateAlone, 18)
    SLOT(Bicho, ReceiveHit, 19) SLOT(Bicho, GetHitLanded, 20) SLOT(Bicho, SetHitLanded, 21)
    SLOT(Bicho, Draw, 22) SLOT(Bicho, DrawBoxes, 23) SLOT(Bicho, HasAnimation, 24)
    SLOT(Bicho, SetAnimation, 25) SLOT(Bicho, Think, 26) SLOT(Bicho, BodyOverlaps, 27)
    SLOT(Bicho, MoveTo, 28) SLOT(Bicho, ClearGhosts, 29) SLOT(Bicho, GetCurrentAnimation, 30)
    SLOT(Bicho, IsAnimation, 31) SLOT(Bicho, GetCurrentFrame, 32) SLOT(Bicho, GetX, 33)
    SLOT(Bicho, GetY, 34) SLOT(Bicho, SetX, 35) SLOT(Bicho, SetY, 36)
    SLOT(Bicho, SetArenaSize, 37) SLOT(Bicho, SetGround, 38) SLOT(Bicho, GetGround, 39)
    SLOT(Bicho, GetFacing, 40) SLOT(Bicho, SetFacing, 41) SLOT(Bicho, GetLife, 42)
    SLOT(Bicho, GetPower, 43) SLOT(Bicho, GetMaxLife, 44) SLOT(Bicho, GetMaxPower, 45)
    SLOT(Bicho, SetLife, 46) SLOT(Bicho, SetMaxLife, 47) SLOT(Bicho, SetPower, 48)
    SLOT(Bicho, SetMaxPower, 49) SLOT(Bicho, GetGhostTime, 50) SLOT(Bicho, SetGhostTime, 51)
    SLOT(Bicho, GetSlowMotion, 52) SLOT(Bicho, SetSlowMotion, 53)
    SLOT(Bicho, GetFrameTimer, 54) SLOT(Bicho, SetFrameTimer, 55) SLOT(Bicho, GetSound, 56)
    SLOT(Bicho, GetVelocityX, 57) SLOT(Bicho, SetVelocityX, 58) SLOT(Bicho, GetVelocityY, 59)
    SLOT(Bicho, SetVelocityY, 60) SLOT(Bicho, IsMoving, 61) SLOT(Bicho, FaceOpponent, 62)
    SLOT(Bicho, Load, 63) SLOT(Bicho, Save, 64) SLOT(Bicho, LoadPiece, 65)
    SLOT(Bicho, SetTint, 66) SLOT(Bicho, SetName, 67) SLOT(Bicho, GetName, 68)
    SLOT(Bicho, SetName2, 69) SLOT(Bicho, GetName2, 70) SLOT(Bicho, SetName3, 71)
    SLOT(Bicho, GetName3, 72) SLOT(Bicho, SetPictureA, 73) SLOT(Bicho, GetPictureA, 74)
    SLOT(Bicho, SetPictureB, 75) SLOT(Bicho, GetPictureB, 76) SLOT(Bicho, HasPictureA, 77)
    SLOT(Bicho, HasPictureB, 78) SLOT(Bicho, SetRoundsWon, 79) SLOT(Bicho, GetRoundsWon, 80)
    SLOT(Bicho, SetSpecialMove, 81) SLOT(Bicho, GetSpecialMove, 82)
    SLOT(Bicho, SetSpecialTime, 83) SLOT(Bicho, GetSpecialTime, 84)
    SLOT(Bicho, SetSpecialDirection, 85) SLOT(Bicho, GetSpecialDirection, 86)
    SLOT(Bicho, GetPlayerNumber, 87) SLOT(Bicho, SetPlayerNumber, 88)
    SLOT(Bicho, BodyGap, 89) SLOT(Bicho, CreateNew, 90) SLOT(Bicho, StartHitFlash, 91)
}

TEST(Abi, RendererSonidoBehaviourAndParticleTablesKeepTheirOrder) {
    SLOT(Renderer, Init, 0) SLOT(Renderer, Shutdown, 1) SLOT(Renderer, QueryView, 2)
    SLOT(Renderer, GetViewScale, 3) SLOT(Renderer, SetViewScale, 4)
    SLOT(Renderer, SetClearColor, 5) SLOT(Renderer, SetOverlayMode, 6)
    SLOT(Renderer, SetRenderFlags, 7) SLOT(Renderer, Present, 8)
    SLOT(Renderer, SetArrowTexture, 9) SLOT(Renderer, SetFontTexture, 10)
    SLOT(Renderer, ReleaseFont, 11) SLOT(Renderer, DrawText, 12)
    SLOT(Renderer, DrawTextCentered, 13) SLOT(Renderer, DrawLine, 14)
    SLOT(Renderer, DrawFrame, 15) SLOT(Renderer, FillRect, 16) SLOT(Renderer, DrawImage, 17)
    SLOT(Renderer, DrawImagePart, 18) SLOT(Renderer, DrawParticleBatch, 19)
    SLOT(Renderer, BindTexture, 20) SLOT(Renderer, LoadTexture, 21)
    SLOT(Renderer, LoadTextureKeyed, 22) SLOT(Renderer, CreateTexture, 23)
    SLOT(Renderer, GetTextureInfo, 24) SLOT(Renderer, GetTextureData, 25)
    SLOT(Renderer, CountTextures, 26) SLOT(Renderer, ReleaseTexture, 27)

    SLOT(Sonido, Init, 0) SLOT(Sonido, Shutdown, 1) SLOT(Sonido, LoadSample, 2)
    SLOT(Sonido, FreeSample, 3) SLOT(Sonido, PlayMusic, 4) SLOT(Sonido, StopMusic, 5)
    SLOT(Sonido, PlaySample, 6) SLOT(Sonido, StartMusic, 7) SLOT(Sonido, Update, 8)

    // The virtual destructor is slot 0; this ABI gives it two entries, so
    // every later slot n sits at entry n + 1.
    SLOT(InterfazAcciones, Init, 1 + 1) SLOT(InterfazAcciones, Stop, 2 + 1)
    SLOT(InterfazAcciones, Reset, 3 + 1) SLOT(InterfazAcciones, QueryA, 4 + 1)
    SLOT(InterfazAcciones, QueryB, 5 + 1) SLOT(InterfazAcciones, Think, 6 + 1)
    SLOT(InterfazAcciones, UpdateFight, 7 + 1) SLOT(InterfazAcciones, OnHit, 8 + 1)
    SLOT(InterfazAcciones, UpdateAlone, 9 + 1) SLOT(InterfazAcciones, DrawExtra, 10 + 1)

    SLOT(OperacionesParticulas, Sangrar, 0) SLOT(OperacionesParticulas, Emitir, 1)
    SLOT(Particulas, Sangrar, 0) SLOT(Particulas, Emitir, 1)
}

template <typename Record, typename Field>
long OffsetIn(const Record& record, const Field& field) {
    return reinterpret_cast<const char*>(&field) - reinterpret_cast<const char*>(&record);
}

TEST(Abi, RecordsKeepTheirLayout) {
    static_assert(sizeof(void*) == 8, "offsets below are for 64-bit builds");
    Bicho* creature = CreateBicho();
    const Bicho& b = *creature;
    // Leading fields, right after the table pointer.
    const long leading[] = {OffsetIn(b, b.opponent), OffsetIn(b, b.renderer),
                            OffsetIn(b, b.particles), OffsetIn(b, b.sound),
                            OffsetIn(b, b.settings),  OffsetIn(b, b.stage),
                            OffsetIn(b, b.action)};
    const long expectedLeading[] = {8, 16, 24, 32, 40, 48, 56};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(leading[i], expectedLeading[i]) << "field " << i;
    DestroyBicho(creature);

    // Native pointers widen the records: the field order is the contract.
    struct Case {
        const char* field;
        size_t actual, expected;
    } cases[] = {
        {"Frame::bodyBox", offsetof(Frame, bodyBox), 16},
        {"Frame::hitBox", offsetof(Frame, hitBox), 32},
        {"Frame::anchorX", offsetof(Frame, anchorX), 48},
        {"Frame::hotX", offsetof(Frame, hotX), 56},
        {"Frame::texture", offsetof(Frame, texture), 64},
        {"Frame::duration", offsetof(Frame, duration), 68},
        {"Frame::next", offsetof(Frame, next), 72},
        {"Anima::kind", offsetof(Anima, kind), 16},
        {"Anima::name", offsetof(Anima, name), 24},
        {"Anima::firstFrame", offsetof(Anima, firstFrame), 32},
        {"Anima::next", offsetof(Anima, next), 40},
        {"GameSettings::roundTime", offsetof(GameSettings, roundTime), 4},
        {"GameSettings::slowMotionTime", offsetof(GameSettings, slowMotionTime), 8},
        {"GameSettings::freezeTime", offsetof(GameSettings, freezeTime), 12},
        {"GameSettings::debugInfo", offsetof(GameSettings, debugInfo), 16},
        {"GameSettings::player1Name", offsetof(GameSettings, player1Name), 24},
        {"GameSettings::player2Name", offsetof(GameSettings, player2Name), 32},
        {"GameSettings::gameMode", offsetof(GameSettings, gameMode), 40},
        {"GameSettings::roundsToWin", offsetof(GameSettings, roundsToWin), 44},
        {"GameSettings::randomBackground", offsetof(GameSettings, randomBackground), 48},
        {"GameSettings::musicIntro", offsetof(GameSettings, musicIntro), 49},
        {"GameSettings::musicMenu", offsetof(GameSettings, musicMenu), 305},
        {"GameSettings::musicSelected", offsetof(GameSettings, musicSelected), 561},
        {"GameSettings::musicCredits", offsetof(GameSettings, musicCredits), 817},
        // Emision: 32-bit words by index; the owner pointer is 8-aligned.
        {"Emision::vx", offsetof(Emision, vx), 2 * 4},
        {"Emision::h", offsetof(Emision, h), 5 * 4},
        {"Emision::angle", offsetof(Emision, angle), 7 * 4},
        {"Emision::y", offsetof(Emision, y), 9 * 4},
        {"Emision::kind", offsetof(Emision, kind), 12 * 4},
        {"Emision::life", offsetof(Emision, life), 14 * 4},
        {"Emision::owner", offsetof(Emision, owner), 72},
        {"Particula::kind", offsetof(Particula, kind), 32},
        {"Particula::fade", offsetof(Particula, fade), 44},
        {"Particula::hit", offsetof(Particula, hit), 48},
        {"Particula::owner", offsetof(Particula, owner), 56},
        {"Particula::next", offsetof(Particula, next), 64},
        {"Particula::prev", offsetof(Particula, prev), 72},
        {"TriangleRecord::texCoord", offsetof(TriangleRecord, texCoord), 24},
        {"TriangleRecord::color", offsetof(TriangleRecord, color), 48},
        {"TriangleRecord::alpha", offsetof(TriangleRecord, alpha), 72},
        {"TriangleRecord::next", offsetof(TriangleRecord, next), 96},
        // The behaviours' optional state table: size, save, restore.
        {"ActionStateOperations::size", offsetof(ActionStateOperations, size), 0},
        {"ActionStateOperations::save", offsetof(ActionStateOperations, save), 8},
        {"ActionStateOperations::restore", offsetof(ActionStateOperations, restore), 16},
        {"ActionStateOperations::sharedSize", offsetof(ActionStateOperations, sharedSize), 24},
        {"ActionStateOperations::saveShared", offsetof(ActionStateOperations, saveShared), 32},
        {"ActionStateOperations::restoreShared", offsetof(ActionStateOperations, restoreShared), 40},
    };
    for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected) << c.field;
    EXPECT_EQ(sizeof(GameSettings), 1080u);
    EXPECT_EQ(sizeof(Emision), 88u);
    EXPECT_EQ(sizeof(ActionStateOperations), 48u);
}

}  // namespace
