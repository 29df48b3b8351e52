#include "tools/viewer/ViewerCreature.h"

#include <cerrno>
#include <cstdio>

#include "base/Files.h"
#include "creature/QvlRead.h"
#include "effects/Particulas.h"
#include "sdk/Bicho.h"

namespace {

// Where the creature stands in the window.
const float kStandX = 0.5f;
const float kStandY = 0.75f;

// Keeps the first problem a read finds.
struct FirstProblem : QvlObserver {
    std::string text;
    void Problem(const char* problem) override {
        if (!text.empty()) return;
        text = problem;
        text.erase(0, text.find_first_not_of(' '));
        while (!text.empty() && text.back() == '\n') text.pop_back();
    }
};

}  // namespace

void ViewerCreature::Close() {
    if (!creature_) return;
    creature_->Release();
    DestroyBicho(creature_);
    creature_ = nullptr;
}

bool ViewerCreature::Load(const std::string& path) {
    Close();
    creature_ = CreateBicho();
    creature_->Init(nullptr, renderer_, particles_, nullptr, settings_, nullptr);
    const bool loaded = creature_->Load(path.c_str()) == 0;
    fault_.clear();
    if (!loaded) {
        FILE* file = PlatformOpenFile(path.c_str(), "rb");
        fault_ = file ? "not readable" : PlatformErrorText(errno);
        if (file) fclose(file);
    } else {
        // The game loads what it can of a broken file; the summary must
        // still tell it from a sound one.
        FirstProblem check;
        Bicho* probe = CreateBicho();
        probe->Init(nullptr, renderer_, nullptr, nullptr, settings_, nullptr);
        ReadQvl(*probe, path.c_str(), QvlMode::kWhole, &check);
        probe->Release();
        DestroyBicho(probe);
        fault_ = check.text;
    }
    creature_->SetArenaSize(1.0f, 1.0f);
    creature_->SetGround(kStandY);
    creature_->SetX(kStandX);
    creature_->SetY(kStandY);
    return loaded;
}
