#include "creature/BichoState.h"

#include <cstring>

#include "base/StateBuffer.h"
#include "sdk/Bicho.h"
#include "sdk/InterfazAcciones.h"

namespace {

// Every member four bytes: no padding reaches the buffer.
struct SavedFields {
    float tint[3];
    int32_t animation;  // index in the list, -1 for none
    int32_t frame;      // index in that animation, -1 for none
    float extraB, extraA, frameTimer;
    float x, y, velocityX, velocityY;
    int32_t hitLanded;
    float life, power, maxLife, maxPower;
    int32_t specialMove;
    float specialTime;
    int32_t specialDirection;
    float arenaWidth, arenaHeight, ground;
    int32_t facing;
    float ghostTime;
    int32_t roundsWon;
    float hitFlashTime, hitFlashDuration;
    int32_t inputFlags, animationStartFlags, playerNumber;
    float spawnCountdown, spawnInterval;
    int32_t ghostCount;
};

struct SavedGhost {
    float x, y;
    int32_t facing;
    float life, maxLife;
    int32_t animation, frame;
};

// Afterimages live under half a second; more than this is a broken state.
constexpr int32_t kMaxGhosts = 4096;

int AnimationIndex(const Bicho& creature, const Anima* wanted) {
    int i = 0;
    for (const Anima* a = creature.animations; a; a = a->next, ++i)
        if (a == wanted) return i;
    return -1;
}

int FrameIndex(const Anima* animation, const Frame* wanted) {
    if (!animation) return -1;
    int i = 0;
    for (const Frame* f = animation->firstFrame; f; f = f->next, ++i)
        if (f == wanted) return i;
    return -1;
}

// A frame as (animation, index in it); the current animation first, where
// almost every frame asked for lives.
void LocateFrame(const Bicho& creature, const Frame* frame, int32_t* animation, int32_t* index) {
    *animation = *index = -1;
    if (!frame) return;
    int found = FrameIndex(creature.currentAnimation, frame);
    if (found >= 0) {
        *animation = AnimationIndex(creature, creature.currentAnimation);
        *index = found;
        return;
    }
    int a = 0;
    for (const Anima* anima = creature.animations; anima; anima = anima->next, ++a) {
        found = FrameIndex(anima, frame);
        if (found >= 0) {
            *animation = a;
            *index = found;
            return;
        }
    }
}

Anima* AnimationAt(const Bicho& creature, int32_t index) {
    if (index < 0) return nullptr;
    Anima* a = creature.animations;
    for (int i = 0; a && i < index; ++i) a = a->next;
    return a;
}

Frame* FrameAt(const Anima* animation, int32_t index) {
    if (!animation || index < 0) return nullptr;
    Frame* f = animation->firstFrame;
    for (int i = 0; f && i < index; ++i) f = f->next;
    return f;
}

// Null with `ok` cleared when the indices name nothing.
Frame* FindFrame(const Bicho& creature, int32_t animation, int32_t index, bool* ok) {
    if (index < 0) return nullptr;
    Frame* frame = FrameAt(AnimationAt(creature, animation), index);
    if (!frame) *ok = false;
    return frame;
}

}  // namespace

void SaveBichoState(const Bicho& c, const ActionStateOperations* behaviour, StateWriter& out) {
    SavedFields s;
    s.tint[0] = c.tintR;
    s.tint[1] = c.tintG;
    s.tint[2] = c.tintB;
    s.animation = AnimationIndex(c, c.currentAnimation);
    s.frame = FrameIndex(c.currentAnimation, c.currentFrame);
    if (c.currentFrame && s.frame < 0) LocateFrame(c, c.currentFrame, &s.animation, &s.frame);
    s.extraB = c.extraB;
    s.extraA = c.extraA;
    s.frameTimer = c.frameTimer;
    s.x = c.x;
    s.y = c.y;
    s.velocityX = c.velocityX;
    s.velocityY = c.velocityY;
    s.hitLanded = c.hitLanded ? 1 : 0;
    s.life = c.life;
    s.power = c.power;
    s.maxLife = c.maxLife;
    s.maxPower = c.maxPower;
    s.specialMove = c.specialMove;
    s.specialTime = c.specialTime;
    s.specialDirection = c.specialDirection;
    s.arenaWidth = c.arenaWidth;
    s.arenaHeight = c.arenaHeight;
    s.ground = c.ground;
    s.facing = c.facing;
    s.ghostTime = c.ghostTime;
    s.roundsWon = c.roundsWon;
    s.hitFlashTime = c.hitFlashTime;
    s.hitFlashDuration = c.hitFlashDuration;
    s.inputFlags = c.inputFlags;
    s.animationStartFlags = c.animationStartFlags;
    s.playerNumber = c.playerNumber;
    s.spawnCountdown = c.ghostTrail ? c.ghostTrail->spawnCountdown : 0.0f;
    s.spawnInterval = c.ghostTrail ? c.ghostTrail->spawnInterval : 0.0f;
    s.ghostCount = 0;
    if (c.ghostTrail)
        for (const Ghost* g = c.ghostTrail->head; g; g = g->next) ++s.ghostCount;
    out.Put(s);
    if (c.ghostTrail) {
        for (const Ghost* g = c.ghostTrail->head; g; g = g->next) {
            SavedGhost saved = {g->x, g->y, g->facing, g->life, g->maxLife, -1, -1};
            LocateFrame(c, g->frame, &saved.animation, &saved.frame);
            out.Put(saved);
        }
    }

    int32_t size = behaviour && c.action ? behaviour->size(c.action) : 0;
    if (size < 0) size = 0;
    out.Put(size);
    if (size == 0) return;
    unsigned char* room = out.Reserve(static_cast<size_t>(size));
    if (room && behaviour->save(c.action, room, size) != 0) memset(room, 0, size);
}

bool RestoreBichoState(Bicho& c, const ActionStateOperations* behaviour, StateReader& in) {
    SavedFields s;
    if (!in.Get(s)) return false;
    bool ok = s.ghostCount >= 0 && s.ghostCount <= kMaxGhosts && (c.ghostTrail || !s.ghostCount);
    Anima* animation = AnimationAt(c, s.animation);
    if (s.animation >= 0 && !animation) ok = false;
    Frame* frame = FindFrame(c, s.animation, s.frame, &ok);
    const size_t ghostBytes = ok ? sizeof(SavedGhost) * static_cast<size_t>(s.ghostCount) : 0;
    StateReader ghosts = in.Slice(ghostBytes);
    int32_t size = 0;
    in.Get(size);
    const int32_t expected = behaviour && c.action ? behaviour->size(c.action) : 0;
    if (!ok || !in.Ok() || size != (expected < 0 ? 0 : expected) ||
        static_cast<size_t>(size) > in.Left()) {
        in.Fail();
        return false;
    }
    // Ghost frames are checked before anything changes.
    for (StateReader check = ghosts; !check.AtEnd();) {
        SavedGhost g;
        check.Get(g);
        FindFrame(c, g.animation, g.frame, &ok);
    }
    if (!ok) {
        in.Fail();
        return false;
    }
    const unsigned char* behaviourState = in.Here();
    in.Slice(static_cast<size_t>(size));
    if (size > 0 && behaviour->restore(c.action, behaviourState, size) != 0) {
        in.Fail();
        return false;
    }

    c.tintR = s.tint[0];
    c.tintG = s.tint[1];
    c.tintB = s.tint[2];
    c.currentAnimation = animation;
    c.currentFrame = frame;
    c.extraB = s.extraB;
    c.extraA = s.extraA;
    c.frameTimer = s.frameTimer;
    c.x = s.x;
    c.y = s.y;
    c.velocityX = s.velocityX;
    c.velocityY = s.velocityY;
    c.hitLanded = s.hitLanded != 0;
    c.life = s.life;
    c.power = s.power;
    c.maxLife = s.maxLife;
    c.maxPower = s.maxPower;
    c.specialMove = s.specialMove;
    c.specialTime = s.specialTime;
    c.specialDirection = s.specialDirection;
    c.arenaWidth = s.arenaWidth;
    c.arenaHeight = s.arenaHeight;
    c.ground = s.ground;
    c.facing = s.facing;
    c.ghostTime = s.ghostTime;
    c.roundsWon = s.roundsWon;
    c.hitFlashTime = s.hitFlashTime;
    c.hitFlashDuration = s.hitFlashDuration;
    c.inputFlags = s.inputFlags;
    c.animationStartFlags = s.animationStartFlags;
    c.playerNumber = s.playerNumber;
    if (!c.ghostTrail) return true;
    c.ghostTrail->spawnCountdown = s.spawnCountdown;
    c.ghostTrail->spawnInterval = s.spawnInterval;

    // The trail's records are reused in place; only a longer trail allocates,
    // as spawning one does.
    Ghost** link = &c.ghostTrail->head;
    while (!ghosts.AtEnd()) {
        SavedGhost g;
        ghosts.Get(g);
        Ghost* ghost = *link;
        if (!ghost) {
            ghost = new Ghost();
            ghost->next = nullptr;
            *link = ghost;
        }
        ghost->prev = link;
        ghost->x = g.x;
        ghost->y = g.y;
        ghost->facing = g.facing;
        ghost->life = g.life;
        ghost->maxLife = g.maxLife;
        ghost->frame = FindFrame(c, g.animation, g.frame, &ok);
        link = &ghost->next;
    }
    Ghost* surplus = *link;
    *link = nullptr;
    while (surplus) {
        Ghost* next = surplus->next;
        delete surplus;
        surplus = next;
    }
    return true;
}

uint64_t BichoIdentity(const Bicho& c, uint64_t hash) {
    if (c.filePath) hash = FeedDigest(hash, c.filePath, strlen(c.filePath) + 1);
    const int32_t counts[2] = {c.animationCount, c.frameCount};
    hash = FeedDigest(hash, counts, sizeof counts);
    for (const Anima* a = c.animations; a; a = a->next) {
        int32_t frames = 0;
        for (const Frame* f = a->firstFrame; f; f = f->next) ++frames;
        hash = FeedDigest(hash, &frames, sizeof frames);
    }
    return hash;
}
