// Creation, animation and frame lists, and release of a creature.
#include <cstring>

#include "base/Log.h"
#include "creature/ActionLibrary.h"
#include "sdk/Bicho.h"
#include "sdk/InterfazAcciones.h"
#include "creature/Strings.h"

namespace {

const float kPixelToUnit = 0.0078125f * 0.3f;

void FreeAnima(Anima* animation) {
    FreeString(animation->kind);
    FreeString(animation->name);
    delete animation;
}

// True when a frame other than `except` still holds `texture`: after a load
// frames share handles, and a shared handle is released with its last frame.
bool TextureInUse(const Bicho& creature, int texture, const Frame* except) {
    for (Anima* a = creature.animations; a; a = a->next)
        for (Frame* f = a->firstFrame; f; f = f->next)
            if (f != except && f->texture == texture) return true;
    return false;
}

// Afterimages keep the frame they were spawned with; one whose frame goes
// would draw from freed memory.
void DropGhostsOf(GhostTrail* trail, const Frame* frame) {
    if (!trail) return;
    Ghost** link = &trail->head;
    while (Ghost* ghost = *link) {
        if (ghost->frame != frame) {
            link = &ghost->next;
            continue;
        }
        *link = ghost->next;
        if (ghost->next) ghost->next->prev = link;
        delete ghost;
    }
}

}  // namespace

Bicho* CreateBicho() { return new Bicho(); }

// Bicho has no virtual destructor (slot 0 is Init) and no subclasses.
void DestroyBicho(Bicho* creature) {
    if (!creature) return;
    creature->Bicho::~Bicho();
    ::operator delete(creature);
}

int Bicho::Init(const char*, Renderer* newRenderer, OperacionesParticulas* newParticles, Sonido* newSound,
                GameSettings* newSettings, Fondo* newStage) {
    renderer = newRenderer;
    particles = newParticles;
    sound = newSound;
    settings = newSettings;
    stage = newStage;
    frameCount = 0;
    animationCount = 0;
    if (!ghostTrail) ghostTrail = new GhostTrail();
    ghostTrail->spawnCountdown = 0.0f;
    ghostTrail->spawnInterval = 0.04f;
    ghostTrail->head = nullptr;
    ghostTime = 0.0f;
    action = nullptr;
    name = name2 = name3 = nullptr;
    hasPictureA = hasPictureB = false;
    pictureA = pictureB = 0;
    roundsWon = 0;
    hitFlashTime = hitFlashDuration = 0.0f;
    inputFlags = 0;
    animationStartFlags = 0;
    playerNumber = 0;
    SetPower(0.0f);
    return 0;
}

int Bicho::AddFrame(float anchorX, float anchorY, int texture, float spriteLeft, float spriteTop,
                    float width, float height, float bodyLeft, float bodyTop, float bodyRight,
                    float bodyBottom, float hitLeft, float hitTop, float hitRight,
                    float hitBottom, float hotX, float hotY, float duration) {
    if (!currentAnimation) {
        LogPrintf("     Bicho: No hay animacion seleccionada a la que a\xf1"
                  "adir el frame\n");
        return 1;
    }
    if (!currentFrame && currentAnimation->firstFrame) return 1;
    Frame* frame = new Frame{spriteLeft, spriteTop, width, height,
                             {bodyLeft, bodyTop, bodyRight, bodyBottom},
                             {hitLeft, hitTop, hitRight, hitBottom},
                             anchorX, anchorY, hotX, hotY, texture, duration, nullptr};
    ++frameCount;
    if (!currentFrame) {
        currentAnimation->firstFrame = frame;
    } else {
        frame->next = currentFrame->next;
        currentFrame->next = frame;
    }
    currentFrame = frame;
    frameTimer = duration;
    return 0;
}

int Bicho::AddFrameFromImage(const char* imagePath) {
    TextureHandle texture = 0;
    int width = 128, height = 128;
    if (renderer) {
        texture = renderer->LoadTextureKeyed(imagePath, 255, 0, 255);
        int bytesPerPixel = 0, flag = 0;
        const char* textureName = nullptr;
        renderer->GetTextureInfo(texture, &height, &width, &bytesPerPixel, &textureName, &flag);
    }
    float w = width * kPixelToUnit;
    float h = height * kPixelToUnit;
    AddFrame(w / 2, h, static_cast<int>(texture), 0, 0, w, h, 0.04f, 0.015f, 0.28f, 0.295f, 0, 0,
             0.2f, 0.2f, w / 2, h, 0.05f);
    return 0;
}

int Bicho::AddAnimation(int valueA, int valueB, int valueC, const char* kind,
                        const char* animationName) {
    Anima* animation = new Anima{valueA, valueB, valueC, CopyString(kind ? kind : ""),
                                 CopyString(animationName ? animationName : ""), nullptr,
                                 nullptr};
    return AppendAnimation(animation);
}

int Bicho::AppendAnimation(Anima* animation) {
    if (!animation) return 1;
    Anima* last = nullptr;
    for (Anima* a = animations; a; a = a->next) {
        if (a->name && animation->name && strcmp(a->name, animation->name) == 0) {
            FreeAnima(animation);
            return 1;
        }
        last = a;
    }
    animation->firstFrame = nullptr;
    animation->next = nullptr;
    if (last)
        last->next = animation;
    else
        animations = animation;
    currentAnimation = animation;
    currentFrame = nullptr;
    ++animationCount;
    return 0;
}

int Bicho::DeleteCurrentFrame() {
    if (!currentAnimation || !currentFrame) return 0;
    Frame** link = &currentAnimation->firstFrame;
    while (*link && *link != currentFrame) link = &(*link)->next;
    if (!*link) return 0;
    Frame* doomed = currentFrame;
    *link = doomed->next;
    if (renderer && doomed->texture != 0 && !TextureInUse(*this, doomed->texture, doomed))
        renderer->ReleaseTexture(static_cast<TextureHandle>(doomed->texture));
    DropGhostsOf(ghostTrail, doomed);
    delete doomed;
    --frameCount;
    currentFrame = currentAnimation->firstFrame;
    if (currentFrame) frameTimer = currentFrame->duration;
    return 0;
}

int Bicho::DeleteCurrentAnimation() {
    if (!currentAnimation) return 1;
    Anima* doomed = currentAnimation;
    currentFrame = doomed->firstFrame;
    while (doomed->firstFrame) {
        currentFrame = doomed->firstFrame;
        DeleteCurrentFrame();
    }
    Anima* before = nullptr;
    for (Anima* a = animations; a && a != doomed; a = a->next) before = a;
    if (before)
        before->next = doomed->next;
    else
        animations = doomed->next;
    FreeAnima(doomed);
    --animationCount;
    currentAnimation = before ? before : animations;
    currentFrame = currentAnimation ? currentAnimation->firstFrame : nullptr;
    return 0;
}

int Bicho::CountFrames() {
    if (!currentAnimation) return 0;
    int count = 0;
    for (Frame* f = currentAnimation->firstFrame; f; f = f->next) ++count;
    return count;
}

int Bicho::CurrentFrameIndex() {
    if (!currentAnimation || !currentFrame) return 0;
    int index = 1;
    for (Frame* f = currentAnimation->firstFrame; f; f = f->next, ++index)
        if (f == currentFrame) return index;
    return 0;
}

int Bicho::GoToFrame(int index) {
    if (index < 0 || index > CountFrames() - 1) return 1;
    currentFrame = currentAnimation->firstFrame;
    frameTimer = currentFrame->duration;
    for (int i = 0; i < index; ++i)
        if (NextFrame() != 0) return 1;
    return 0;
}

int Bicho::NextFrame() {
    if (!currentFrame || !currentFrame->next) return 1;
    currentFrame = currentFrame->next;
    frameTimer = currentFrame->duration;
    return 0;
}

int Bicho::PreviousFrame() {
    if (!currentAnimation || !currentFrame || currentFrame == currentAnimation->firstFrame)
        return 1;
    Frame* before = currentAnimation->firstFrame;
    while (before && before->next != currentFrame) before = before->next;
    if (!before) return 1;
    currentFrame = before;
    frameTimer = before->duration;
    return 0;
}

int Bicho::Reset() {
    SetAnimation("ANI_BASE1");
    SetLife(GetMaxLife());
    SetPower(0.0f);
    inputFlags = 0;
    animationStartFlags = 0;
    hitFlashTime = hitFlashDuration = 0.0f;
    if (action) action->Reset();
    return 0;
}

float Bicho::QueryA(int value) { return action ? action->QueryA(value) : 1.0f; }
float Bicho::QueryB(int value) { return action ? action->QueryB(value) : 1.0f; }
int Bicho::SetOpponent(Bicho* other) {
    opponent = other;
    return 0;
}

int Bicho::Release() {
    FreeString(filePath);
    FreeString(name);
    FreeString(name2);
    FreeString(name3);
    if (renderer) {
        if (hasPictureA) renderer->ReleaseTexture(pictureA);
        if (hasPictureB) renderer->ReleaseTexture(pictureB);
    }
    pictureA = pictureB = 0;
    hasPictureA = hasPictureB = false;
    ClearGhosts();
    delete ghostTrail;
    ghostTrail = nullptr;
    currentAnimation = animations;
    while (currentAnimation) DeleteCurrentAnimation();
    animations = nullptr;
    currentAnimation = nullptr;
    currentFrame = nullptr;
    velocityX = velocityY = 0.0f;
    opponent = nullptr;
    renderer = nullptr;
    x = 0.5f;
    y = 0.8f;
    frameTimer = 0.05f;
    facing = 1;
    ground = 0.9f;
    if (action) {
        InterfazAcciones* doomed = action;
        const void* key = doomed;
        action = nullptr;
        doomed->Stop();
        delete doomed;
        ReleaseActionLibrary(key);
    }
    return 0;
}

Bicho* Bicho::CreateNew() { return CreateBicho(); }
