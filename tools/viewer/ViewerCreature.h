#pragma once
// The one creature the viewer shows: loaded from its file, reloaded in place.
#include <string>

class Bicho;
class Renderer;
class Particulas;
struct GameSettings;

class ViewerCreature {
public:
    ViewerCreature(Renderer* renderer, Particulas* particles, GameSettings* settings)
        : renderer_(renderer), particles_(particles), settings_(settings) {}
    ~ViewerCreature() { Close(); }
    ViewerCreature(const ViewerCreature&) = delete;
    ViewerCreature& operator=(const ViewerCreature&) = delete;

    // A fresh creature from the file; the old one is released first. False
    // when the file could not be read (the creature is then empty).
    bool Load(const std::string& path);
    // What is wrong with the file of the last Load: why it could not be
    // read, or its first problem; empty for a sound file.
    const std::string& Fault() const { return fault_; }
    Bicho* Get() const { return creature_; }
    // Releases the creature (its textures go back to the renderer).
    void Close();

private:

    Renderer* renderer_;
    Particulas* particles_;
    GameSettings* settings_;
    Bicho* creature_ = nullptr;
    std::string fault_;
};
