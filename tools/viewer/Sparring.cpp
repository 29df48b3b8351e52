#include "tools/viewer/Sparring.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "fight/FightHistory.h"
#include "fight/TimeEffects.h"
#include "input/Teclado.h"
#include "sdk/Bicho.h"
#include "sdk/Renderer.h"
#include "sdk/Sonido.h"

namespace {

const float kText = 0.5f;

// The viewer has no menu: the request only marks the end of a match.
void NoteMenuRequest(void* user) { ++*static_cast<int*>(user); }

const char* HelpLine(int gameMode) {
    switch (gameMode) {
        case 1: return "JUGADORES 1 Y 2: TECLAS DE CFG\\TECLADODI.CFG  F2 CAJAS  ESC PAUSA";
        case 3: return "DEMOSTRACION  F2 CAJAS  ESC PAUSA";
        default:
            return "JUGADOR 1: TECLAS DE CFG\\TECLADODI.CFG  JUGADOR 2: ORDENADOR  F2 CAJAS  "
                   "ESC PAUSA";
    }
}

const char kPracticeLine[] = "F5 GUARDA LA LUCHA  F9 LA RECUPERA";

}  // namespace

Sparring::Sparring(Renderer* renderer, Teclado* keyboard, Sonido* sound, Particulas* particles,
                   const SparringSetup& setup)
    : renderer_(renderer), keyboard_(keyboard), stage_(setup.stage) {
    // The fight frees nothing of these; they go like the game's, at the end.
    settings_.player1Name = strdup(setup.fighters[0].c_str());
    settings_.player2Name = strdup(setup.fighters[1].c_str());
    settings_.gameMode = setup.gameMode;
    settings_.roundsToWin = setup.roundsToWin;
    settings_.roundTime = setup.roundTime;
    fight_.context = {renderer, keyboard, sound, particles, &settings_, &run_, &state_,
                      {NoteMenuRequest, &menuRequests_}, stage_.empty() ? nullptr : stage_.c_str()};
    fight_.showBoxes = setup.boxes;
}

Sparring::~Sparring() {
    // The fighters free their textures and samples through renderer and sound.
    FreeFight(fight_);
    free(settings_.player1Name);
    free(settings_.player2Name);
}

void Sparring::Start() {
    practicePlan_ = SnapshotPlan();
    keptSize_ = 0;
    settings_.slowMotionTime = settings_.freezeTime = 0.0f;
    LoadFight(fight_);
    // Arcade sparring is a ladder of one opponent, so the score line and
    // the tally show as in the game; a lost or finished run starts again.
    if (settings_.gameMode == 0 && FightLoaded(fight_) && !run_.IsActive()) {
        run_.ClearCharacters();
        run_.AddCharacter(fight_.fighters[0]->GetName());
        run_.AddCharacter(fight_.fighters[1]->GetName());
        run_.Start(fight_.fighters[0]->GetName());
    }
    state_ = GameState::kFight;
    rounds_[0] = rounds_[1] = 0;
    ++matches_;
}

bool Sparring::Frame(float measured) {
    const float dt = RunTimeEffects(&settings_, measured);
    if (fight_.context.sound) fight_.context.sound->Update(settings_.slowMotionTime);
    keyboard_->Poll();
    if (state_ == GameState::kFight && FightLoaded(fight_)) Practice(measured);
    // Leaving happens in the pause screen only once the fight is paused.
    const bool paused = fight_.state.paused;
    if (state_ == GameState::kFight) FightFrame(fight_, dt);
    if (FightLoaded(fight_))
        for (int i = 0; i < 2; ++i) rounds_[i] = fight_.fighters[i]->GetRoundsWon();
    renderer_->SetOverlayMode(1, 1);
    renderer_->DrawText(0.02f, 0.92f, kText, 0.7f, 0.7f, 0.7f, 1, "%s", kPracticeLine);
    renderer_->DrawText(0.02f, 0.96f, kText, 0.7f, 0.7f, 0.7f, 1, "%s",
                        HelpLine(settings_.gameMode));
    if (notice_ && noticeTime_ > 0.0f)
        renderer_->DrawTextCentered(0.5f, 0.3f, 1.0f, 1.0f, 1.0f, 0.6f, 1.0f, "%s", notice_);
    if (state_ == GameState::kFight) return true;
    if (paused) return false;
    lastRounds_[0] = rounds_[0];
    lastRounds_[1] = rounds_[1];
    printf("viewer: match %d over, rounds %d - %d\n", matches_, rounds_[0], rounds_[1]);
    fflush(stdout);
    Start();
    return true;
}

void Sparring::Practice(float measured) {
    noticeTime_ -= measured;
    const bool keep = keyboard_->SpecialKeyOnce(kSpecialF5);
    const bool back = keyboard_->SpecialKeyOnce(kSpecialF9);
    if (!keep && !back) return;
    if (!practicePlan_.ready && !PlanSnapshots(fight_, &practicePlan_, "Practica")) {
        Notice("ESTA LUCHA NO SE PUEDE GUARDAR");
        return;
    }
    if (keep) {
        keptSize_ = SaveFightGrowing(fight_, practicePlan_, kept_);
        Notice(keptSize_ ? "LUCHA GUARDADA" : "NO SE HA PODIDO GUARDAR");
        printf("viewer: fight kept (%zu bytes)\n", keptSize_);
        fflush(stdout);
        return;
    }
    if (!keptSize_) {
        Notice("NO HAY LUCHA GUARDADA: F5 LA GUARDA");
        return;
    }
    // The keys held now stay held: only the fight goes back.
    PolledInput now;
    keyboard_->KeepPolled(&now);
    const bool restored =
        RestoreFight(fight_, practicePlan_, kept_.data(), keptSize_) == SnapshotResult::kOk;
    keyboard_->UsePolled(now);
    Notice(restored ? "LUCHA RECUPERADA" : "NO SE HA PODIDO RECUPERAR");
    printf("viewer: fight %s\n", restored ? "restored" : "not restored");
    fflush(stdout);
}
