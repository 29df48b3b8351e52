#pragma once
// The arcade run. Until the fight lands it only knows whether it is active.
class GestionJuego {
public:
    // The start-up form also makes the run inactive.
    void ClearCharacters(bool startup = false) {
        if (startup) active_ = false;
    }
    bool IsActive() const { return active_; }

private:
    bool active_ = false;
};
