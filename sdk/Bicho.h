#pragma once
// The creature: records of its animations and the Bicho class. This one
// declaration is shared by the game and every behaviour library: behaviours
// call the virtual operations through the table and read the leading fields
// directly, so neither the slot order nor the field order may ever change.
#include <cstdint>

#include "sdk/Renderer.h"

class OperacionesParticulas;
class Sonido;
class Fondo;
class InterfazAcciones;
struct GameSettings;

// A rectangle in frame units: the same space as the frame's anchor.
struct Box {
    float left;
    float top;
    float right;
    float bottom;
};

struct Frame {
    float spriteLeft;
    float spriteTop;
    float width;
    float height;
    Box bodyBox;
    Box hitBox;
    float anchorX;
    float anchorY;
    float hotX;
    float hotY;
    int texture;
    float duration;
    Frame* next;
};

struct Anima {
    int valueA;
    int valueB;
    int valueC;
    char* kind;  // "acciones" marks an attacking animation
    char* name;
    Frame* firstFrame;
    Anima* next;
};

// One afterimage. `prev` points at the link that points at this ghost (the
// trail's head or the previous ghost's `next`), so unlinking is one store
// whatever stands before it.
struct Ghost {
    float x;
    float y;
    int facing;
    float life;
    float maxLife;
    Frame* frame;
    Ghost* next;
    Ghost** prev;
};

struct GhostTrail {
    float spawnCountdown;
    float spawnInterval;
    Ghost* head;
};

class Bicho {
public:
    // Slots 0 to 91, in this order.
    virtual int Init(const char* ignored, Renderer* renderer, OperacionesParticulas* particles,
                     Sonido* sound, GameSettings* settings, Fondo* stage);
    virtual int AddFrame(float anchorX, float anchorY, int texture, float spriteLeft,
                         float spriteTop, float width, float height, float bodyLeft,
                         float bodyTop, float bodyRight, float bodyBottom, float hitLeft,
                         float hitTop, float hitRight, float hitBottom, float hotX, float hotY,
                         float duration);
    virtual int AddFrameFromImage(const char* imagePath);
    virtual int AddAnimation(int valueA, int valueB, int valueC, const char* kind,
                             const char* name);
    virtual int AppendAnimation(Anima* animation);
    virtual int DeleteCurrentFrame();
    virtual int DeleteCurrentAnimation();
    virtual int CountFrames();
    virtual int CurrentFrameIndex();
    virtual int GoToFrame(int index);
    virtual int NextFrame();
    virtual int PreviousFrame();
    virtual int Reset();
    virtual float QueryA(int value);
    virtual float QueryB(int value);
    virtual int SetOpponent(Bicho* other);
    virtual int Release();
    virtual int Update(int inputFlags, float dt);
    virtual int UpdateAlone(int inputFlags, float dt);
    virtual int ReceiveHit(int attackerFlags);
    virtual bool GetHitLanded();
    virtual void SetHitLanded(bool landed);
    virtual int Draw(float offsetX, float offsetY, float dt);
    virtual int DrawBoxes(float offsetX, float offsetY);
    virtual bool HasAnimation(const char* animationName);
    virtual bool SetAnimation(const char* animationName);
    virtual int Think(float dt);
    virtual bool BodyOverlaps(float left, float top, float right, float bottom);
    virtual bool MoveTo(float* newX, float* newY);
    virtual void ClearGhosts();
    virtual Anima* GetCurrentAnimation();
    virtual bool IsAnimation(const char* animationName);
    virtual Frame* GetCurrentFrame();
    virtual float GetX();
    virtual float GetY();
    virtual void SetX(float value);
    virtual void SetY(float value);
    virtual void SetArenaSize(float width, float height);
    virtual void SetGround(float value);
    virtual float GetGround();
    virtual int GetFacing();
    virtual void SetFacing(int value);
    virtual float GetLife();
    virtual float GetPower();
    virtual float GetMaxLife();
    virtual float GetMaxPower();
    virtual void SetLife(float value);
    virtual void SetMaxLife(float value);
    virtual void SetPower(float value);
    virtual void SetMaxPower(float value);
    virtual float GetGhostTime();
    virtual void SetGhostTime(float value);
    virtual float GetSlowMotion();
    virtual void SetSlowMotion(float value);
    virtual float GetFrameTimer();
    virtual void SetFrameTimer(float value);
    virtual Sonido* GetSound();
    virtual float GetVelocityX();
    virtual void SetVelocityX(float value);
    virtual float GetVelocityY();
    virtual void SetVelocityY(float value);
    virtual bool IsMoving();
    virtual void FaceOpponent();
    virtual int Load(const char* path);
    virtual int Save(const char* path);
    virtual int LoadPiece(const char* path);
    virtual void SetTint(float grey);
    virtual void SetName(const char* value);
    virtual const char* GetName();
    virtual void SetName2(const char* value);
    virtual const char* GetName2();
    virtual void SetName3(const char* value);
    virtual const char* GetName3();
    virtual void SetPictureA(TextureHandle texture);
    virtual TextureHandle GetPictureA();
    virtual void SetPictureB(TextureHandle texture);
    virtual TextureHandle GetPictureB();
    virtual bool HasPictureA();
    virtual bool HasPictureB();
    virtual void SetRoundsWon(int value);
    virtual int GetRoundsWon();
    virtual void SetSpecialMove(int value);
    virtual int GetSpecialMove();
    virtual void SetSpecialTime(float value);
    virtual float GetSpecialTime();
    virtual void SetSpecialDirection(int value);
    virtual int GetSpecialDirection();
    virtual int GetPlayerNumber();
    virtual void SetPlayerNumber(int value);
    virtual float BodyGap();
    virtual Bicho* CreateNew();
    virtual void StartHitFlash(float seconds);

    // Leading fields: behaviours read these directly.
    Bicho* opponent = nullptr;
    Renderer* renderer = nullptr;
    OperacionesParticulas* particles = nullptr;
    Sonido* sound = nullptr;
    GameSettings* settings = nullptr;
    Fondo* stage = nullptr;

    InterfazAcciones* action = nullptr;
    float tintR = 0.0f;
    float tintG = 0.0f;
    float tintB = 0.0f;
    Anima* animations = nullptr;
    Anima* currentAnimation = nullptr;
    Frame* currentFrame = nullptr;
    float extraB = 0.0f;
    float extraA = 0.0f;
    float frameTimer = 0.05f;
    float x = 0.5f;
    float y = 0.8f;
    float velocityX = 0.0f;
    float velocityY = 0.0f;
    bool hitLanded = false;
    int frameCount = 0;
    int animationCount = 0;
    float life = 0.0f;
    float power = 0.0f;
    float maxLife = 0.0f;
    float maxPower = 0.0f;
    int specialMove = 0;
    float specialTime = 0.0f;
    int specialDirection = 0;
    float arenaWidth = 0.0f;
    float arenaHeight = 0.0f;
    float ground = 0.9f;
    int facing = 1;
    char* filePath = nullptr;
    GhostTrail* ghostTrail = nullptr;
    float ghostTime = 0.0f;
    char* name = nullptr;
    char* name2 = nullptr;
    char* name3 = nullptr;
    bool hasPictureA = false;
    bool hasPictureB = false;
    TextureHandle pictureA = 0;
    TextureHandle pictureB = 0;
    int roundsWon = 0;
    float hitFlashTime = 0.0f;
    float hitFlashDuration = 0.0f;
    int inputFlags = 0;
    int animationStartFlags = 0;
    int playerNumber = 0;
};

// A new creature with the creation defaults; call Init before anything else.
// The owner calls Release, then DestroyBicho. These live in the game and its
// tools only: a behaviour library makes creatures with CreateNew.
Bicho* CreateBicho();
void DestroyBicho(Bicho* creature);
