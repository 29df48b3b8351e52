#pragma once
// The viewer's sparring mode: two creatures face each other on a plain
// floor, player 1 from the keyboard, player 2 by its own Think, with the
// game's hits, blood, particles, slow motion and afterimages. A decided round
// starts again after a pause.
#include <string>

class Bicho;
class Particulas;
class Renderer;
class Sonido;
class Teclado;
struct GameSettings;

class Sparring {
public:
    static constexpr float kFloor = 0.85f;
    static constexpr float kRestartDelay = 4.0f;  // seconds after a round is decided

    Sparring(Renderer* renderer, Particulas* particles, GameSettings* settings,
             Teclado* keyboard, Sonido* sound)
        : renderer_(renderer), particles_(particles), settings_(settings),
          keyboard_(keyboard), sound_(sound) {}
    ~Sparring() { Close(); }
    Sparring(const Sparring&) = delete;
    Sparring& operator=(const Sparring&) = delete;

    // Both fighters from their files, placed and reset. False when either
    // file could not be read (the fight still runs with what was loaded).
    bool Load(const std::string& player1, const std::string& player2);
    void Close();

    // One frame of `measured` real seconds: time effects, keyboard, Think,
    // updates and drawing (the caller presents).
    void Frame(float measured);
    // Both fighters back to their places with full lives.
    void Restart();

    Bicho* Fighter(int index) const { return fighters_[index]; }
    // 1 or 2 once the other fighter has lost, else 0.
    int Winner() const;
    // The frame time the creatures got in the last frame.
    float GameTime() const { return gameTime_; }
    int RoundsWon(int index) const { return roundsWon_[index]; }

private:
    void Draw(float dt);
    void DrawLifeBar(int index, float x);

    Renderer* renderer_;
    Particulas* particles_;
    GameSettings* settings_;
    Teclado* keyboard_;
    Sonido* sound_;
    Bicho* fighters_[2] = {nullptr, nullptr};
    bool decided_ = false;
    float decidedFor_ = 0.0f;  // real seconds since the round was decided
    float gameTime_ = 0.0f;
    int roundsWon_[2] = {0, 0};
};
