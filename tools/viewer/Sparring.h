#pragma once
// The viewer's sparring mode, a front end of the game's own fight: it fills
// the settings and the fight context the way the program does, runs the
// fight frame by frame and starts the next match when one ends.
#include <string>
#include <vector>

#include "fight/Fight.h"
#include "fight/FightSnapshot.h"
#include "fight/GestionJuego.h"
#include "sdk/GameSettings.h"

struct SparringSetup {
    std::string fighters[2];  // creature files of players 1 and 2
    std::string stage;        // empty: the stage list chooses, as in the game
    int gameMode = 0;         // 0 arcade, 1 versus, 3 demonstration
    int roundsToWin = 2;
    float roundTime = 60.0f;
    bool boxes = false;       // box view on from the start
};

class Sparring {
public:
    Sparring(Renderer* renderer, Teclado* keyboard, Sonido* sound, Particulas* particles,
             const SparringSetup& setup);
    ~Sparring();
    Sparring(const Sparring&) = delete;
    Sparring& operator=(const Sparring&) = delete;

    // A new match read afresh from the files; also how the viewer reloads.
    void Start();
    // One frame of `measured` real seconds: time effects, sound, keyboard,
    // the fight and the help line (the caller presents). False once the
    // player has left from the pause screen.
    bool Frame(float measured);

    FightController& Controller() { return fight_; }
    GameSettings& Settings() { return settings_; }
    int Matches() const { return matches_; }  // started so far
    // Rounds each player had won when the last match ended.
    int LastRounds(int index) const { return lastRounds_[index]; }
    // How often the fight asked for the menu.
    int MenuRequests() const { return menuRequests_; }

private:
    // F5 keeps the fight as it is, F9 puts it back, as often as the player
    // likes; the kept fight goes when the match is loaded again.
    void Practice(float measured);
    void Notice(const char* text) { notice_ = text, noticeTime_ = kNoticeSeconds; }
    static constexpr float kNoticeSeconds = 1.5f;

    Renderer* renderer_;
    Teclado* keyboard_;
    GameSettings settings_;
    GestionJuego run_;
    GameState state_ = GameState::kMenu;
    FightController fight_;
    std::string stage_;
    int matches_ = 0;
    int menuRequests_ = 0;
    int rounds_[2] = {0, 0};
    int lastRounds_[2] = {0, 0};
    SnapshotPlan practicePlan_;
    std::vector<unsigned char> kept_;
    size_t keptSize_ = 0;
    const char* notice_ = nullptr;
    float noticeTime_ = 0.0f;
};
