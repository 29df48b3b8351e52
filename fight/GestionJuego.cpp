#include "fight/GestionJuego.h"

#include <algorithm>

void GestionJuego::ClearCharacters(bool startup) {
    characters_.clear();
    if (startup) active_ = false;
}

void GestionJuego::AddCharacter(const char* name) {
    if (name) characters_.emplace_back(name);
}

void GestionJuego::Start(const char* name) {
    remaining_ = characters_;
    playerName_ = name ? name : "";
    Remove(name);
    score_ = 0;
    active_ = true;
}

void GestionJuego::Reset() {
    remaining_.clear();
    score_ = 0;
    active_ = false;
}

void GestionJuego::Remove(const char* name) {
    if (!name) return;
    remaining_.erase(std::remove(remaining_.begin(), remaining_.end(), name), remaining_.end());
}

bool GestionJuego::Contains(const char* name) const {
    return name && std::find(remaining_.begin(), remaining_.end(), name) != remaining_.end();
}
