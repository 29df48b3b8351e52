// The shipped creatures, read back from the game folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "sdk/Bicho.h"
#include "sdk/Renderer.h"
#include "tests/gamedata/GameData.h"

namespace {

const char* const kFrogAnimations[] = {"ANI_BASE1",       "ANI_RIGHT",  "ANI_DOWN",
                                       "ANI_PUNCH1",      "ANI_PUNCH1_OUCH", "ANI_COMBO1",
                                       "ANI_LOSEFULL"};

Anima* Find(Bicho* c, const char* name) {
    for (Anima* a = c->animations; a; a = a->next)
        if (std::string(a->name) == name) return a;
    return nullptr;
}

int Count(const Anima* a) {
    int n = 0;
    for (Frame* f = a->firstFrame; f; f = f->next) ++n;
    return n;
}

bool IsAttack(const Anima* a) { return a->kind && std::string(a->kind) == "acciones"; }

// Share of the box's pixels that the drawing covers (alpha above half).
struct Coverage {
    std::vector<unsigned char> rgba;
    int w = 0, h = 0;
    float unitX = 1, unitY = 1;

    Coverage(const Frame& f) {
        int bpp = 0;
        HeadlessRenderer()->GetTextureInfo(static_cast<TextureHandle>(f.texture), &h, &w, &bpp,
                                           nullptr, nullptr);
        if (bpp != 4 || w < 1 || h < 1) {
            w = h = 0;
            return;
        }
        rgba.resize(static_cast<size_t>(w) * h * 4);
        HeadlessRenderer()->GetTextureData(static_cast<TextureHandle>(f.texture), rgba.data());
        unitX = f.width / w;
        unitY = f.height / h;
    }
    bool Solid(int x, int y) const { return rgba[(static_cast<size_t>(y) * w + x) * 4 + 3] > 127; }
    double Of(const Box& b) const {
        int x0 = std::max(0, int(b.left / unitX)), x1 = std::min(w, int(b.right / unitX));
        int y0 = std::max(0, int(b.top / unitY)), y1 = std::min(h, int(b.bottom / unitY));
        long solid = 0, all = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x, ++all) solid += Solid(x, y);
        return all ? double(solid) / all : 0.0;
    }
    // Lowest drawn row, in frame units.
    float Bottom() const {
        for (int y = h - 1; y >= 0; --y)
            for (int x = 0; x < w; ++x)
                if (Solid(x, y)) return (y + 1) * unitY;
        return 0;
    }
};

class EveryCreature : public ::testing::TestWithParam<const char*> {};

TEST_P(EveryCreature, PassesQvlCheckAndHasBoxesFittedToItsDrawing) {
    std::string path = GameFile(GetParam());
    std::string output;
    EXPECT_EQ(RunCommand(std::string("\"") + CORRALON_GAME_DIR + "/qvl\" check \"" + path + "\"", &output), 0)
        << output;
    Bicho* c = ReadCreatureFile(path);
    ASSERT_NE(c, nullptr) << path;
    ASSERT_NE(c->name, nullptr);
    ASSERT_NE(c->animations, nullptr);
    EXPECT_STREQ(c->animations->name, "ANI_BASE1") << "the preview load shows the first animation";
    for (Anima* a = c->animations; a; a = a->next) {
        SCOPED_TRACE(a->name);
        EXPECT_GE(Count(a), 3) << "several frames each";
        bool reaches = false;
        for (Frame* f = a->firstFrame; f; f = f->next) {
            EXPECT_GT(f->duration, 0.02f);
            const Box& b = f->bodyBox;
            EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.right <= f->width + 1e-4f &&
                        b.bottom <= f->height + 1e-4f && b.left < b.right && b.top < b.bottom);
            EXPECT_TRUE(f->hotX > b.left && f->hotX < b.right && f->hotY > b.top && f->hotY < b.bottom)
                << "blood springs from the body";
            Coverage drawing(*f);
            ASSERT_GT(drawing.w, 0) << "an RGBA texture for every frame";
            EXPECT_GT(drawing.Of(b), 0.35) << "the body box sits on the drawing (tilted poses fill less)";
            const Box& hit = f->hitBox;
            if (IsAttack(a) && hit.right > hit.left) {
                EXPECT_GT(drawing.Of(hit), 0.25) << "the hit box sits on the striking part";
                reaches = reaches || hit.right > b.right + 0.05f;
            }
        }
        if (IsAttack(a)) {
            EXPECT_TRUE(reaches) << "an attack reaches past its own body";
        }
    }
    FreeCreature(c);
}

INSTANTIATE_TEST_SUITE_P(Shipped, EveryCreature,
                         ::testing::Values(kFighterFiles[0], kFighterFiles[1], kFighterFiles[2],
                                           kActorFiles[0], kActorFiles[1]));

class Fighter : public ::testing::TestWithParam<const char*> {};

TEST_P(Fighter, HasEveryAnimationOfTheFrogBehaviourAndBothPortraits) {
    Bicho* c = ReadCreatureFile(GameFile(GetParam()));
    ASSERT_NE(c, nullptr);
    for (const char* name : kFrogAnimations) {
        Anima* a = Find(c, name);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(IsAttack(a), std::string(name) == "ANI_PUNCH1" || std::string(name) == "ANI_COMBO1")
            << name;
    }
    EXPECT_TRUE(c->hasPictureA && c->hasPictureB);
    // The large portrait keeps to the top of its picture: on the selection
    // the fighter stands in front of the lower part.
    int h = 0, w = 0, bpp = 0;
    HeadlessRenderer()->GetTextureInfo(c->pictureB, &h, &w, &bpp, nullptr, nullptr);
    ASSERT_EQ(bpp, 4);
    std::vector<unsigned char> rgba(static_cast<size_t>(w) * h * 4);
    HeadlessRenderer()->GetTextureData(c->pictureB, rgba.data());
    int lowest = -1;
    for (int i = 0; i < w * h; ++i)
        if (rgba[static_cast<size_t>(i) * 4 + 3] > 0) lowest = i / w;
    EXPECT_GT(lowest, 0);
    EXPECT_LT(lowest, h * 0.45);
    // Standing frames put the feet on the ground line (the anchor).
    for (Frame* f = Find(c, "ANI_BASE1")->firstFrame; f; f = f->next)
        EXPECT_NEAR(Coverage(*f).Bottom(), f->anchorY, 0.03f);
    // The defeated fighter stays down: the behaviour restarts this animation
    // only after its last frame.
    Frame* last = Find(c, "ANI_LOSEFULL")->firstFrame;
    while (last->next) last = last->next;
    EXPECT_GE(last->duration, 10.0f);
    FreeCreature(c);
}

INSTANTIATE_TEST_SUITE_P(Shipped, Fighter,
                         ::testing::Values(kFighterFiles[0], kFighterFiles[1], kFighterFiles[2]));

TEST(Actors, FlyBuzzesAndFlowerReactsToTheFight) {
    Bicho* fly = ReadCreatureFile(GameFile(kActorFiles[0]));
    ASSERT_NE(fly, nullptr);
    EXPECT_NE(Find(fly, "ANI_BASE1"), nullptr);
    FreeCreature(fly);
    Bicho* flower = ReadCreatureFile(GameFile(kActorFiles[1]));
    ASSERT_NE(flower, nullptr);
    for (const char* name : {"ANI_BASE1", "ANI_WINFULL", "ANI_LOSEFULL"})
        EXPECT_NE(Find(flower, name), nullptr) << name;
    FreeCreature(flower);
}

}  // namespace
