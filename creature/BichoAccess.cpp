// The plain queries and setters of a creature.
#include <cstring>

#include "sdk/GameSettings.h"
#include "sdk/Bicho.h"
#include "sdk/InterfazAcciones.h"
#include "creature/Strings.h"

int Bicho::UpdateAlone(int flags, float dt) { return action ? action->UpdateAlone(flags, dt) : 1; }
bool Bicho::GetHitLanded() { return hitLanded; }
void Bicho::SetHitLanded(bool landed) { hitLanded = landed; }

bool Bicho::HasAnimation(const char* animationName) {
    if (!animationName) return false;
    for (Anima* a = animations; a; a = a->next)
        if (a->name && strcmp(a->name, animationName) == 0) return true;
    return false;
}

bool Bicho::SetAnimation(const char* animationName) {
    animationStartFlags = inputFlags;
    if (!animationName) return false;
    for (Anima* a = animations; a; a = a->next) {
        if (a->name && strcmp(a->name, animationName) == 0) {
            currentAnimation = a;
            currentFrame = a->firstFrame;
            if (currentFrame) frameTimer = currentFrame->duration;
            return true;
        }
    }
    return false;
}

int Bicho::Think(float dt) { return action ? action->Think(dt) : 0; }

void Bicho::ClearGhosts() {
    if (!ghostTrail) return;
    while (Ghost* ghost = ghostTrail->head) {
        ghostTrail->head = ghost->next;
        delete ghost;
    }
}

Anima* Bicho::GetCurrentAnimation() { return currentAnimation; }
bool Bicho::IsAnimation(const char* animationName) {
    return currentAnimation && currentAnimation->name && animationName &&
           strcmp(currentAnimation->name, animationName) == 0;
}
Frame* Bicho::GetCurrentFrame() { return currentFrame; }
float Bicho::GetX() { return x; }
float Bicho::GetY() { return y; }
void Bicho::SetX(float value) { x = value; }
void Bicho::SetY(float value) { y = value; }
void Bicho::SetArenaSize(float width, float height) {
    arenaWidth = width;
    arenaHeight = height;
}
void Bicho::SetGround(float value) { ground = value; }
float Bicho::GetGround() { return ground; }
int Bicho::GetFacing() { return facing; }
void Bicho::SetFacing(int value) { facing = value; }
float Bicho::GetLife() { return life; }
float Bicho::GetPower() { return power; }
float Bicho::GetMaxLife() { return maxLife; }
float Bicho::GetMaxPower() { return maxPower; }
void Bicho::SetLife(float value) { life = value; }
void Bicho::SetMaxLife(float value) { maxLife = value; }
void Bicho::SetPower(float value) { power = value; }
void Bicho::SetMaxPower(float value) { maxPower = value; }
float Bicho::GetGhostTime() { return ghostTime; }
void Bicho::SetGhostTime(float value) { ghostTime = value; }
float Bicho::GetSlowMotion() { return settings ? settings->slowMotionTime : 0.0f; }
void Bicho::SetSlowMotion(float value) {
    if (settings) settings->slowMotionTime = value;
}
float Bicho::GetFrameTimer() { return frameTimer; }
void Bicho::SetFrameTimer(float value) { frameTimer = value; }
Sonido* Bicho::GetSound() { return sound; }
float Bicho::GetVelocityX() { return velocityX; }
void Bicho::SetVelocityX(float value) { velocityX = value; }
float Bicho::GetVelocityY() { return velocityY; }
void Bicho::SetVelocityY(float value) { velocityY = value; }
bool Bicho::IsMoving() { return velocityX != 0.0f || velocityY != 0.0f; }
void Bicho::FaceOpponent() {
    if (opponent) facing = opponent->x < x ? -1 : 1;
}
void Bicho::SetTint(float grey) { tintR = tintG = tintB = grey; }

void Bicho::SetName(const char* value) {
    char* copy = CopyString(value);
    FreeString(name);
    name = copy;
}
const char* Bicho::GetName() { return name; }
void Bicho::SetName2(const char* value) {
    char* copy = CopyString(value);
    FreeString(name2);
    name2 = copy;
}
const char* Bicho::GetName2() { return name2; }
void Bicho::SetName3(const char* value) {
    char* copy = CopyString(value);
    FreeString(name3);
    name3 = copy;
}
const char* Bicho::GetName3() { return name3; }

void Bicho::SetPictureA(TextureHandle texture) {
    pictureA = texture;
    hasPictureA = true;
}
TextureHandle Bicho::GetPictureA() { return pictureA; }
void Bicho::SetPictureB(TextureHandle texture) {
    pictureB = texture;
    hasPictureB = true;
}
TextureHandle Bicho::GetPictureB() { return pictureB; }
bool Bicho::HasPictureA() { return hasPictureA; }
bool Bicho::HasPictureB() { return hasPictureB; }
void Bicho::SetRoundsWon(int value) { roundsWon = value; }
int Bicho::GetRoundsWon() { return roundsWon; }
void Bicho::SetSpecialMove(int value) { specialMove = value; }
int Bicho::GetSpecialMove() { return specialMove; }
void Bicho::SetSpecialTime(float value) { specialTime = value; }
float Bicho::GetSpecialTime() { return specialTime; }
void Bicho::SetSpecialDirection(int value) { specialDirection = value; }
int Bicho::GetSpecialDirection() { return specialDirection; }
int Bicho::GetPlayerNumber() { return playerNumber; }
void Bicho::SetPlayerNumber(int value) { playerNumber = value; }
void Bicho::StartHitFlash(float seconds) { hitFlashTime = hitFlashDuration = seconds; }
