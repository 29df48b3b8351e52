#pragma once
// The arcade run: the opponents the player has still to beat, the player's
// creature and the score. One object lives for the whole run of the game.
#include <string>
#include <vector>

#include "fight/Saturate.h"

class GestionJuego {
public:
    // Empties the selectable characters; the start-up form also ends any run.
    void ClearCharacters(bool startup = false);
    void AddCharacter(const char* name);
    // A new run against every character but the player's own.
    void Start(const char* name);
    void Reset();
    bool IsActive() const { return active_; }
    // Every entry equal to the name, compared byte by byte.
    void Remove(const char* name);
    bool Contains(const char* name) const;
    int Count() const { return static_cast<int>(remaining_.size()); }
    const char* PlayerName() const { return playerName_.c_str(); }
    int Score() const { return score_; }
    int AddScore(int points) { return score_ = SaturatingAdd(score_, points); }
    // A fight restored from a snapshot takes its score back.
    void SetScore(int score) { score_ = score; }

private:
    bool active_ = false;
    int score_ = 0;
    std::vector<std::string> characters_;
    std::vector<std::string> remaining_;
    std::string playerName_;
};
