#pragma once
// The intro's storyboard: which scene is drawn at which time.
class IntroScreen;

// Draws the scene whose window strictly contains t; a time exactly on a
// window's end draws nothing.
void DrawIntroStory(IntroScreen& intro, float t, float dt);

// When the last scene ends, and the screen with it.
constexpr float kIntroLength = 38.0f;
// When the sparks' window ends and the fade to black begins.
constexpr float kIntroFadeStart = 32.0f;
