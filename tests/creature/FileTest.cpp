// Creature files: round trips, the texture table, the preview, the header
// test and the old layout.
#include <gtest/gtest.h>

#include <cstring>

#include "sdk/Bicho.h"
#include "creature/QvlRead.h"
#include "tests/creature/TestSupport.h"

namespace {

void ExpectSameFrames(const Frame* a, const Frame* b) {
    for (; a && b; a = a->next, b = b->next) {
        EXPECT_FLOAT_EQ(a->anchorX, b->anchorX);
        EXPECT_FLOAT_EQ(a->anchorY, b->anchorY);
        EXPECT_EQ(0, memcmp(&a->bodyBox, &b->bodyBox, sizeof(Box)));
        EXPECT_EQ(0, memcmp(&a->hitBox, &b->hitBox, sizeof(Box)));
        EXPECT_FLOAT_EQ(a->width, b->width);
        EXPECT_FLOAT_EQ(a->hotX, b->hotX);
        EXPECT_FLOAT_EQ(a->hotY, b->hotY);
        EXPECT_FLOAT_EQ(a->duration, b->duration);
        EXPECT_EQ(TexturePixels(a->texture), TexturePixels(b->texture));
    }
    EXPECT_EQ(a, nullptr);
    EXPECT_EQ(b, nullptr);
}

Bicho* SampleCreature() {
    Bicho* c = NewCreature();
    c->SetName("RANA");
    c->SetName2("segunda");
    c->extraA = 1.25f;
    c->extraB = -2.5f;
    c->SetPictureA(MakeTexture(6, 5, 3, 77, "retrato"));
    TextureHandle shared = MakeTexture(8, 8, 4, 5, "compartida");
    AddTestAnimation(c, "ANI_BASE1", "", 3);
    AddTestAnimation(c, "ANI_PUNCH1", "acciones", 2, shared);
    AddTestAnimation(c, "ANI_DOWN", "", 1, shared);
    return c;
}

TEST(CreatureFile, SaveAndLoadGiveTheSameCreature) {
    Bicho* original = SampleCreature();
    ASSERT_EQ(0, original->Save("roundtrip.qvl"));
    Bicho* loaded = NewCreature();
    ASSERT_EQ(0, loaded->Load("roundtrip.qvl"));
    EXPECT_STREQ("RANA", loaded->name);
    EXPECT_STREQ("segunda", loaded->name2);
    EXPECT_EQ(nullptr, loaded->name3);
    EXPECT_FLOAT_EQ(1.25f, loaded->extraA);
    EXPECT_FLOAT_EQ(-2.5f, loaded->extraB);
    EXPECT_FLOAT_EQ(1.0f, loaded->tintG);
    ASSERT_TRUE(loaded->hasPictureA);
    EXPECT_FALSE(loaded->hasPictureB);
    EXPECT_EQ(TexturePixels(original->pictureA), TexturePixels(loaded->pictureA));

    const Anima* a = original->animations;
    const Anima* b = loaded->animations;
    for (; a && b; a = a->next, b = b->next) {
        EXPECT_STREQ(a->name, b->name);
        EXPECT_STREQ(a->kind, b->kind);
        EXPECT_EQ(a->valueB, b->valueB);
        ExpectSameFrames(a->firstFrame, b->firstFrame);
    }
    EXPECT_EQ(a, nullptr);
    EXPECT_EQ(b, nullptr);
    EXPECT_EQ(loaded->animations, loaded->currentAnimation);
    EXPECT_EQ(loaded->animations->firstFrame, loaded->currentFrame);
    EXPECT_EQ(6, loaded->frameCount);

    // Frames that shared a texture still share one.
    const Frame* punch = loaded->animations->next->firstFrame;
    EXPECT_EQ(punch->texture, punch->next->texture);
    EXPECT_EQ(punch->texture, loaded->animations->next->next->firstFrame->texture);
    EXPECT_NE(punch->texture, loaded->animations->firstFrame->texture);

    FreeCreature(original);
    FreeCreature(loaded);
}

TEST(CreatureFile, MissingFileAndUnwritablePath) {
    Bicho* c = NewCreature();
    NewLogText();
    EXPECT_EQ(1, c->Load("no_such_creature.qvl"));
    EXPECT_NE(std::string::npos, NewLogText().find("\tBicho: no existe el fichero: no_such"));
    EXPECT_EQ(1, c->LoadPiece("no_such_creature.qvl"));
    EXPECT_EQ(1, c->Save("no_such_folder/x.qvl"));
    FreeCreature(c);
}

class Observed : public QvlObserver {
public:
    void Texture(int, const QvlTextureRecord& r) override {
        if (r.created) ++decoded;
    }
    void Table(const std::vector<int>& map) override { table = map; }
    void Problem(const char* text) override { problems += text; }
    int decoded = 0;
    std::vector<int> table;
    std::string problems;
};

TEST(CreatureFile, PreviewReadsTheFirstAnimationAndItsTexturesOnly) {
    Bicho* c = NewCreature();
    AddTestAnimation(c, "ANI_BASE1", "", 2);
    AddTestAnimation(c, "ANI_B", "", 3);
    AddTestAnimation(c, "ANI_C", "", 4);
    ASSERT_EQ(0, c->Save("preview.qvl"));
    FreeCreature(c);

    Bicho* p = NewCreature();
    Observed seen;
    ASSERT_EQ(1, ReadQvl(*p, "preview.qvl", QvlMode::kPreview, &seen));
    EXPECT_EQ(1, p->animationCount);
    EXPECT_EQ(2, p->frameCount);
    EXPECT_EQ(2, seen.decoded);
    EXPECT_EQ("", seen.problems);
    EXPECT_EQ(TexturePixels(p->currentFrame->texture).size(), 8u * 8 * 4);
    // Entries no frame uses are -1 and consume no block.
    int used = 0;
    for (int entry : seen.table) used += entry != -1;
    EXPECT_EQ(9, used);
    FreeCreature(p);

    Bicho* q = NewCreature();
    NewLogText();
    ASSERT_EQ(0, q->LoadPiece("preview.qvl"));
    EXPECT_NE(std::string::npos, NewLogText().find("     Bicho: Acciones iniciadas \n"));
    FreeCreature(q);
}

TEST(CreatureFile, AnimationWithoutFramesEndsAtTheNextBlock) {
    Bicho* c = NewCreature();
    AddTestAnimation(c, "ANI_A", "", 1);
    ASSERT_EQ(0, c->AddAnimation(0, 0, 0, "", "ANI_EMPTY"));
    AddTestAnimation(c, "ANI_B", "", 2);
    ASSERT_EQ(0, c->Save("empty_anim.qvl"));
    FreeCreature(c);
    Bicho* l = NewCreature();
    NewLogText();
    ASSERT_EQ(0, l->Load("empty_anim.qvl"));
    EXPECT_NE(std::string::npos, NewLogText().find("no es del tipo Frame"));
    EXPECT_EQ(3, l->animationCount);
    EXPECT_TRUE(l->SetAnimation("ANI_B"));
    EXPECT_EQ(2, l->CountFrames());
    EXPECT_NE(0, l->currentFrame->texture);
    FreeCreature(l);
}

std::string Header(const char* text) {
    std::string out;
    PutString(out, text);
    return out;
}

TEST(CreatureFile, HeaderTest) {
    WriteFileBytes("h1.qvl", Header("Bicho del Brocanto Arena, version: 1\n"));
    WriteFileBytes("h2.qvl", Header("Bicho del Brocanto Arena, version: 2\n"));
    WriteFileBytes("hx.qvl", Header("Bicho del Brocanto Arenas version: 1\n"));
    std::string big;
    PutInt(big, 256);
    big += std::string(300, 'B');
    WriteFileBytes("hbig.qvl", big);
    EXPECT_EQ(1, QvlHeaderVersion("h1.qvl"));
    EXPECT_EQ(2, QvlHeaderVersion("h2.qvl"));
    EXPECT_EQ(0, QvlHeaderVersion("hx.qvl"));
    EXPECT_EQ(0, QvlHeaderVersion("hbig.qvl"));
}

// An old-layout file: no header, no tags, raw textures paired by handle.
std::string OldFile() {
    std::string f;
    for (float v : {0.4f, 0.7f, 0.0f, 0.0f, 3.0f, 4.0f}) PutFloat(f, v);
    PutInt(f, 1);
    PutInt(f, 2);
    PutInt(f, 3);
    PutString(f, "acciones");
    PutString(f, "ANI_OLD");
    PutInt(f, 0);  // last animation
    for (int frame = 0; frame < 2; ++frame) {
        PutFloat(f, 0.1f);
        PutFloat(f, 0.2f);
        PutInt(f, frame == 0 ? 17 : 42);  // saved handles
        for (int i = 0; i < 12; ++i) PutFloat(f, 0.01f * i);
        PutFloat(f, 0.5f);
        PutInt(f, frame == 0 ? 1 : 0);
    }
    PutInt(f, 2);
    for (int handle : {42, 17}) {
        PutInt(f, handle);
        PutInt(f, 2);
        PutInt(f, 2);
        PutInt(f, 3);
        PutInt(f, 0);
        PutString(f, "vieja");
        for (int i = 0; i < 12; ++i) f.push_back(static_cast<char>(handle + i));
    }
    return f;
}

TEST(CreatureFile, OldLayoutIsReadAndPreviewRefusesIt) {
    WriteFileBytes("old.qvl", OldFile());
    Bicho* c = NewCreature();
    ASSERT_EQ(0, c->Load("old.qvl"));
    EXPECT_FLOAT_EQ(3.0f, c->extraA);
    ASSERT_STREQ("ANI_OLD", c->currentAnimation->name);
    EXPECT_EQ(2, c->CountFrames());
    const Frame* first = c->currentAnimation->firstFrame;
    EXPECT_FLOAT_EQ(0.0f, first->hotX);
    EXPECT_FLOAT_EQ(0.5f, first->duration);
    EXPECT_EQ(17, TexturePixels(first->texture)[0]);
    EXPECT_EQ(42, TexturePixels(first->next->texture)[0]);
    FreeCreature(c);

    Bicho* p = NewCreature();
    NewLogText();
    ASSERT_EQ(0, p->LoadPiece("old.qvl"));
    EXPECT_NE(std::string::npos, NewLogText().find("archivo viejo y eso no es posible"));
    EXPECT_EQ(0, p->animationCount);
    EXPECT_NE(nullptr, p->action);  // still bound
    FreeCreature(p);
}

}  // namespace
