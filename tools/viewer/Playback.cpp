#include "tools/viewer/Playback.h"

#include "sdk/Bicho.h"

namespace {

// A frame time this small would spin the loop below forever.
const float kShortestFrame = 0.001f;

}  // namespace

void Playback::Show(Anima* animation) {
    if (!creature_ || !animation || !animation->name) return;
    creature_->SetAnimation(animation->name);
}

void Playback::NextFrameLooping() {
    if (creature_->NextFrame() != 0) creature_->GoToFrame(0);
}

void Playback::Advance(float dt) {
    if (paused_ || !creature_ || !creature_->GetCurrentFrame() || !(dt > 0.0f)) return;
    float timer = creature_->GetFrameTimer() - dt;
    // Several short frames may pass in one long frame time.
    int guard = 0;
    while (timer <= 0.0f && guard++ < 1000) {
        NextFrameLooping();
        float duration = creature_->GetFrameTimer();
        if (!(duration > kShortestFrame)) duration = kShortestFrame;
        timer += duration;
    }
    creature_->SetFrameTimer(timer);
}

void Playback::Step() {
    paused_ = true;
    if (creature_ && creature_->GetCurrentFrame()) NextFrameLooping();
}

void Playback::NextAnimation() {
    if (!creature_ || !creature_->animations) return;
    Anima* current = creature_->GetCurrentAnimation();
    Show(current && current->next ? current->next : creature_->animations);
}

void Playback::PreviousAnimation() {
    if (!creature_ || !creature_->animations) return;
    Anima* current = creature_->GetCurrentAnimation();
    Anima* previous = nullptr;
    Anima* last = nullptr;
    for (Anima* a = creature_->animations; a; a = a->next) {
        if (a->next == current) previous = a;
        last = a;
    }
    if (current == creature_->animations || !current) previous = last;
    Show(previous);
}

void Playback::Select(const std::string& name) {
    if (!creature_) return;
    if (name.empty() || !creature_->SetAnimation(name.c_str())) Show(creature_->animations);
}

int Playback::AnimationIndex() const {
    if (!creature_) return 0;
    Anima* current = creature_->currentAnimation;
    int index = 1;
    for (Anima* a = creature_->animations; a; a = a->next, ++index)
        if (a == current) return index;
    return 0;
}

int Playback::AnimationCount() const {
    int count = 0;
    if (creature_)
        for (Anima* a = creature_->animations; a; a = a->next) ++count;
    return count;
}
