#pragma once
// A sound object that plays nothing and keeps the music it was asked for.
#include <string>
#include <vector>

#include "platform/SonidoNulo.h"

class MusicRecordingSound : public SonidoNulo {
public:
    std::vector<std::string> music;
    int LoadSample(const char*) override { return -1; }
    int PlayMusic(const char* path) override {
        music.push_back(path ? path : "");
        return 1;
    }
};
