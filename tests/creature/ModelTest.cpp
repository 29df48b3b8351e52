// Animation and frame lists of a creature and what Release gives back.
#include <gtest/gtest.h>

#include <cstring>

#include "sdk/Bicho.h"
#include "tests/creature/TestSupport.h"

namespace {

TEST(CreatureModel, CreationDefaultsAndInit) {
    Bicho* c = CreateBicho();
    EXPECT_FLOAT_EQ(0.5f, c->x);
    EXPECT_FLOAT_EQ(0.8f, c->y);
    EXPECT_FLOAT_EQ(0.05f, c->frameTimer);
    EXPECT_FLOAT_EQ(0.9f, c->ground);
    EXPECT_EQ(1, c->facing);
    EXPECT_EQ(nullptr, c->ghostTrail);
    c->Init(nullptr, TestRenderer(), nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, c->ghostTrail);
    EXPECT_FLOAT_EQ(0.04f, c->ghostTrail->spawnInterval);
    EXPECT_EQ(nullptr, c->action);
    FreeCreature(c);
}

TEST(CreatureModel, FrameNavigation) {
    Bicho* c = NewCreature();
    EXPECT_EQ(0, c->CurrentFrameIndex());
    AddTestAnimation(c, "ANI_ONE", "", 1);
    EXPECT_EQ(1, c->CurrentFrameIndex());
    EXPECT_EQ(0, c->GoToFrame(0));
    EXPECT_EQ(1, c->GoToFrame(1));
    EXPECT_EQ(1, c->GoToFrame(-1));

    AddTestAnimation(c, "ANI_THREE", "", 3);
    EXPECT_EQ(3, c->CountFrames());
    ASSERT_EQ(0, c->GoToFrame(2));
    EXPECT_EQ(3, c->CurrentFrameIndex());
    Frame* last = c->currentFrame;
    c->frameTimer = 9.0f;
    EXPECT_EQ(1, c->NextFrame());  // the end: nothing changes
    EXPECT_EQ(last, c->currentFrame);
    EXPECT_FLOAT_EQ(9.0f, c->frameTimer);
    EXPECT_EQ(0, c->PreviousFrame());
    EXPECT_EQ(2, c->CurrentFrameIndex());
    EXPECT_FLOAT_EQ(c->currentFrame->duration, c->frameTimer);
    c->GoToFrame(0);
    EXPECT_EQ(1, c->PreviousFrame());
    FreeCreature(c);
}

TEST(CreatureModel, AddFrameFailures) {
    Bicho* c = NewCreature();
    NewLogText();
    EXPECT_EQ(1, c->AddFrame(0, 0, 0, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 0.1f));
    EXPECT_NE(std::string::npos,
              NewLogText().find("No hay animacion seleccionada a la que a\xf1"
                                "adir el frame"));
    AddTestAnimation(c, "ANI_A", "", 2);
    c->currentFrame = nullptr;  // an animation with frames but none selected
    EXPECT_EQ(1, c->AddFrame(0, 0, 0, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 0.1f));
    EXPECT_EQ(2, c->frameCount);
    c->currentFrame = c->currentAnimation->firstFrame;
    FreeCreature(c);
}

TEST(CreatureModel, DuplicateNamesAndDeletingAnimations) {
    Bicho* c = NewCreature();
    AddTestAnimation(c, "ANI_A", "", 1);
    AddTestAnimation(c, "ANI_B", "", 1);
    AddTestAnimation(c, "ANI_C", "", 1);
    EXPECT_EQ(1, c->AddAnimation(0, 0, 0, "", "ANI_B"));
    EXPECT_STREQ("ANI_C", c->currentAnimation->name);
    EXPECT_EQ(3, c->animationCount);

    c->SetAnimation("ANI_B");
    EXPECT_EQ(0, c->DeleteCurrentAnimation());  // the predecessor becomes current
    EXPECT_STREQ("ANI_A", c->currentAnimation->name);
    EXPECT_EQ(0, c->DeleteCurrentAnimation());  // the head: the next one
    EXPECT_STREQ("ANI_C", c->currentAnimation->name);
    EXPECT_EQ(c->currentAnimation->firstFrame, c->currentFrame);
    EXPECT_EQ(1, c->animationCount);
    EXPECT_EQ(1, c->frameCount);
    EXPECT_EQ(0, c->DeleteCurrentAnimation());
    EXPECT_EQ(nullptr, c->currentFrame);
    EXPECT_EQ(1, c->DeleteCurrentAnimation());
    FreeCreature(c);
}

TEST(CreatureModel, SetAnimationAndReset) {
    Bicho* c = NewCreature();
    AddTestAnimation(c, "ANI_X", "", 2);
    c->inputFlags = 0x21;
    EXPECT_FALSE(c->SetAnimation("ANI_NONE"));
    EXPECT_EQ(0x21, c->animationStartFlags);
    EXPECT_STREQ("ANI_X", c->currentAnimation->name);
    c->SetMaxLife(5.0f);
    c->SetPower(2.0f);
    c->Reset();  // no ANI_BASE1: keeps its animation
    EXPECT_STREQ("ANI_X", c->currentAnimation->name);
    EXPECT_FLOAT_EQ(5.0f, c->life);
    EXPECT_FLOAT_EQ(0.0f, c->power);
    EXPECT_FALSE(c->HasAnimation("ani_x"));
    EXPECT_FLOAT_EQ(1.0f, c->QueryA(3));
    EXPECT_EQ(0, c->Think(0.1f));
    FreeCreature(c);
}

TEST(CreatureModel, ReleaseGivesBackEveryTextureOnce) {
    Renderer* r = TestRenderer();
    int before = r->CountTextures();
    Bicho* c = NewCreature();
    TextureHandle shared = MakeTexture(4, 4, 4, 9);
    AddTestAnimation(c, "ANI_A", "", 3, shared);
    AddTestAnimation(c, "ANI_B", "", 2);
    c->SetPictureA(MakeTexture(4, 4, 3, 1));
    ClearRendererCalls();
    c->Release();
    std::string calls = RendererCalls();
    size_t releases = 0;
    for (size_t at = calls.find("ReleaseTexture"); at != std::string::npos;
         at = calls.find("ReleaseTexture", at + 1))
        ++releases;
    EXPECT_EQ(4u, releases);  // shared, two own frames, picture
    EXPECT_EQ(before, r->CountTextures());
    EXPECT_EQ(nullptr, c->animations);
    EXPECT_FLOAT_EQ(0.5f, c->x);
    DestroyBicho(c);
}

}  // namespace
