#pragma once
// What the viewer does with a creature between frames: plays the current
// animation in a loop, pauses, steps, and walks through the animations.
#include <string>

class Bicho;
struct Anima;

class Playback {
public:
    explicit Playback(Bicho* creature = nullptr) : creature_(creature) {}
    void SetCreature(Bicho* creature) { creature_ = creature; }

    // Counts the frame time down and moves on, back to the first frame after
    // the last one. Nothing moves while paused.
    void Advance(float dt);
    // One frame on (looping), and pause.
    void Step();
    void TogglePause() { paused_ = !paused_; }
    bool Paused() const { return paused_; }

    // Next or previous animation in file order, wrapping around.
    void NextAnimation();
    void PreviousAnimation();
    // After a reload: the animation of that name again, else the first.
    void Select(const std::string& name);

    // 1-based position of the current animation; 0 without one.
    int AnimationIndex() const;
    int AnimationCount() const;

private:
    void Show(Anima* animation);
    void NextFrameLooping();

    Bicho* creature_;
    bool paused_ = false;
};
