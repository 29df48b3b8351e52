#include "tools/viewer/ViewerCreature.h"

#include "effects/Particulas.h"
#include "sdk/Bicho.h"

namespace {

// Where the creature stands in the window.
const float kStandX = 0.5f;
const float kStandY = 0.75f;

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
    creature_->SetArenaSize(1.0f, 1.0f);
    creature_->SetGround(kStandY);
    creature_->SetX(kStandX);
    creature_->SetY(kStandY);
    return loaded;
}
