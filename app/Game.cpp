#include "app/Game.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/DebugSwitch.h"
#include "base/Files.h"
#include "base/Log.h"
#include "base/UserFolders.h"
#include "app/MusicNames.h"
#include "app/RunFrame.h"
#include "app/SavedOptions.h"
#include "app/SyncTest.h"
#include "fight/Fight.h"
#include "fight/GestionJuego.h"
#include "effects/Particulas.h"
#include "menus/MenuController.h"
#include "base/Clock.h"
#include "platform/Events.h"
#include "platform/Muting.h"
#include "input/InputSession.h"
#include "net/NetKeyboard.h"
#include "net/OnlineMatch.h"
#include "net/OnlineRecording.h"
#include "net/OnlineReplay.h"
#include "net/OnlineSetup.h"
#include "sdk/Renderer.h"
#include "platform/RendererLoader.h"
#include "sdk/Sonido.h"
#include "platform/SoundLoader.h"
#include "input/Teclado.h"
#include "platform/Window.h"

InstanceHandle gameInstance = nullptr;
WindowHandle gameWindow = nullptr;
Renderer* renderer = nullptr;
Teclado* keyboard = nullptr;
Sonido* sound = nullptr;
Particulas* particles = nullptr;
MenuController* menuController = nullptr;
GestionJuego gestionJuego;
FrameTimer frameTimer;
GameState currentState = GameState::kMenu;
GameSettings gameSettings;
FightController fightController;

namespace {

FrameRateDisplay frameRateDisplay;
bool graphicsFailed = false;  // the exit status tells a script the game never showed

// Under the sync test the renderer and the sound stand behind muting
// stand-ins, so frames run again are neither seen nor heard.
std::unique_ptr<MutingRenderer> mutedRenderer;
std::unique_ptr<MutingSound> mutedSound;
std::unique_ptr<SyncTest> syncTest;


const char kDashes[] = "<< ------------------------------------------------------ >>";

void ReturnMenuToRoot(void*) { menuController->ReturnToRoot(); }
const FightHooks kFightHooks = {ReturnMenuToRoot, nullptr};

void StartFight() { LoadFight(fightController); }
void MenuFrame(GameState* state, float dt) { menuController->Frame(StartFight, state, dt); }
void FightScreen(float dt) { FightFrame(fightController, dt); }
void IntroFrame(GameState* state, float dt) { menuController->IntroFrame(state, dt); }
void CreditsFrame(GameState* state, float dt) { menuController->CreditsFrame(state, dt); }
void SetGameWindowTitle(const char* title) { PlatformSetWindowTitle(gameWindow, title); }

// An online session (--host, --join), or the replay of one's recording.
OnlineSetup onlineSetup;
std::unique_ptr<OnlineMatch> onlineMatch;
std::unique_ptr<OnlineReplay> onlineReplay;

// The frames an online session or its replay runs see it around them.
class OnlineWatch final : public FrameWatch {
public:
    void BeforeFrame() override {
        if (onlineMatch) onlineMatch->BeforeFrame();
        if (onlineReplay) onlineReplay->BeforeFrame();
    }
    void AfterPoll() override {}
    void AfterFrame(double delta) override {
        if (onlineMatch) onlineMatch->AfterFrame();
        if (onlineReplay) onlineReplay->AfterFrame(delta);
    }
};
OnlineWatch onlineWatch;

double OnlineFrameTime(double) { return OnlineMatch::kFrameSeconds; }

// Online, a finished match goes back to the versus selection for a rematch;
// leaving from the pause ends the session.
void ReturnOnline(void*) {
    if (fightController.state.paused && onlineMatch)
        onlineMatch->LeaveFromPause();
    else
        menuController->EnterVersusSelection();
}
const FightHooks kOnlineHooks = {ReturnOnline, nullptr};

void RunOnlineFrame() {
    const FrameContext context = {&frameTimer, &gameSettings, &currentState, renderer,
                                  keyboard,    sound,         MenuFrame,     FightScreen,
                                  IntroFrame,  CreditsFrame,  PlatformTickCount,
                                  SetGameWindowTitle,         OnlineFrameTime,
                                  &onlineWatch};
    RunFrameWith(context, &frameRateDisplay);
}

}  // namespace

void RunFrame() {
    const FrameContext context = {&frameTimer, &gameSettings, &currentState, renderer,
                                  keyboard,    sound,         MenuFrame,     FightScreen,
                                  IntroFrame,  CreditsFrame,  PlatformTickCount,
                                  SetGameWindowTitle,         InputSessionFrameTime,
                                  onlineReplay ? static_cast<FrameWatch*>(&onlineWatch)
                                               : syncTest.get()};
    RunFrameWith(context, &frameRateDisplay);
}

namespace {

// After the start-up: the session's link, or the replay of a recorded one.
void StartOnline() {
    OnlineGame game;
    game.fight = &fightController;
    game.state = &currentState;
    game.settings = &gameSettings;
    game.menus = menuController;
    game.keyboard = onlineSetup.wanted ? static_cast<NetKeyboard*>(keyboard) : nullptr;
    game.renderer = mutedRenderer.get();
    game.sound = mutedSound.get();
    game.runFrame = RunOnlineFrame;
    NetOptions options;
    if (onlineSetup.wanted) {
        fightController.context.hooks = kOnlineHooks;
        onlineMatch.reset(new OnlineMatch(onlineSetup, game));
        if (!onlineMatch->Start()) {
            onlineMatch.reset();
            graphicsFailed = true;  // the exit status says it did not run
            PlatformPostClose();
        }
    } else if (InputSessionGetMode() == kSessionReplay &&
               ReadOnlineRecording(getenv("CORRALON_REPLAY"), &options)) {
        fightController.context.hooks = kOnlineHooks;
        onlineReplay.reset(new OnlineReplay(game));
        StartOnlineGame(game, options);
        LogPrintf("     Red: repeticion de una partida en red\n");
    }
}

}  // namespace

void InitSubsystems() {
    const int syncDepth = SyncTestDepth();
    const bool muting = syncDepth || onlineSetup.wanted;
    renderer = LoadRenderer();
    if (renderer && muting) {
        mutedRenderer.reset(new MutingRenderer(renderer));
        renderer = mutedRenderer.get();
    }
    if (!renderer) {
        // Nothing can be drawn: end through the normal shutdown without
        // running a frame.
        graphicsFailed = true;
        fprintf(stderr, "Corralon: No se han iniciado los graficos, fin del programa (%s)\n",
                PlatformResolvePath(kLogPath).c_str());
        PlatformPostClose();
        return;
    }
    if (!renderer->Init(&gameWindow, gameInstance)) {
        LogPrintf("     Graficos: No se han iniciado los graficos, fin del programa\n");
        fprintf(stderr, "Corralon: No se han iniciado los graficos, fin del programa (%s)\n",
                PlatformResolvePath(kLogPath).c_str());
        graphicsFailed = true;
        PlatformPostClose();
    }
    // The logo first: everything else the start-up loads takes far longer
    // than opening the window, and the screen would stay blank meanwhile.
    menuController = new MenuController(&gameSettings, &gestionJuego);
    if (!PlatformCloseRequested()) menuController->ShowLogo(renderer);

    keyboard = CreateKeyboardWithPads();
    if (onlineSetup.wanted) keyboard = new NetKeyboard(keyboard);
    if (!keyboard->Init(gameWindow, gameInstance)) {
        LogPrintf("     Teclado: No se ha iniciado el teclado, fin del programa\n");
        PlatformPostClose();
    }

    sound = LoadSound(gameWindow, gameInstance);
    if (muting) {
        mutedSound.reset(new MutingSound(sound));
        sound = mutedSound.get();
    }
    if (!sound->Init(gameWindow, gameInstance)) {
        LogPrintf("     Sonido: No se ha iniciado el sonido, fin del programa\n");
        PlatformPostClose();
    }

    gestionJuego.ClearCharacters(true);

    renderer->SetClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    renderer->SetRenderFlags(1, 1);

    particles = new Particulas();
    particles->Init(renderer);

    renderer->SetFontTexture(renderer->LoadTextureKeyed("bmp\\fuenteZeltor.bmp", 0, 255, 0));
    renderer->SetArrowTexture(renderer->LoadTextureKeyed("bmp\\flechas.bmp", 255, 0, 255));

    menuController->Init(gameWindow, particles, keyboard, renderer, sound);

    fightController.context = {renderer,      keyboard,      sound,        particles,
                               &gameSettings, &gestionJuego, &currentState, kFightHooks};
    if (syncDepth)
        syncTest.reset(new SyncTest(syncDepth, &fightController, &currentState,
                                    mutedRenderer.get(), mutedSound.get()));

    frameTimer.Update();
    sound->PlayMusic(gameSettings.musicIntro);

    currentState = GameState::kIntro;
    // A start that failed ends before its first frame: no logo to show.
    if (!PlatformCloseRequested()) menuController->LoadIntro();
    StartOnline();
}

void ShutdownSubsystems() {
    if (onlineMatch) onlineMatch->Finish();
    if (onlineReplay) onlineReplay->Finish();
    // A fight still running at the quit message holds its stage and fighters.
    if (FightLoaded(fightController)) FreeFight(fightController);
    if (sound) sound->Shutdown();
    if (menuController) {
        menuController->Release();
        delete menuController;
        menuController = nullptr;
    }
    gestionJuego.ClearCharacters();
    if (particles) {
        particles->Shutdown();
        delete particles;
        particles = nullptr;
    }
    if (keyboard) {
        keyboard->Shutdown();
        delete keyboard;
        keyboard = nullptr;
    }
    if (renderer) renderer->Shutdown();
}

int StartGame(InstanceHandle instance, int /*showCommand*/) {
    ReadMusicNames("cfg\\musicacfg.txt", &gameSettings);
    gameInstance = instance;
    InitSubsystems();
    return 1;
}

int GameMain(const char* commandLine) {
    const std::string missingFolders = MakeUserFolders();
    const int reset = LogReset();
    LogPrintf("%s\n", kDashes);
    LogPrintf("<< - >> Fichero de Log Iniciado           %10d << - >>\n",
              static_cast<int>(PlatformTickCount()));
    LogPrintf("%s\n", kDashes);
    if (reset == 2)
        LogPrintf("     Graficos: El log anterior no se cerro: otra copia del juego en marcha "
                  "o un final brusco\n");

    // Without its folders an install plays on, saving nothing.
    if (!missingFolders.empty() &&
        !LogPrintf("     Graficos: No se puede crear %s: no se guardara nada\n", missingFolders.c_str()))
        fprintf(stderr, "Corralon: No se puede crear %s: no se guardara nada\n", missingFolders.c_str());

    std::string onlineError;
    if (!ParseOnlineSetup(commandLine, &onlineSetup, &onlineError)) {
        fprintf(stderr, "Corralon: %s\n", onlineError.c_str());
        LogPrintf("     Red: %s\n", onlineError.c_str());
        return 2;
    }
    ReadSavedOptions(kSavedOptionsPath, &gameSettings);
    if (ParseDebugInfoSwitch(commandLine)) gameSettings.debugInfo = 1;

    if (!StartGame(nullptr, 0)) return 0;

    for (;;) {
        if (PlatformPeekMessage() == kMessageQuit) break;
        if (onlineMatch)
            onlineMatch->Tick();
        else if (renderer)
            RunFrame();
    }

    ShutdownSubsystems();
    // The old file stays as it was; the player should know the change is lost.
    if (!WriteSavedOptions(kSavedOptionsPath, gameSettings)) {
        const char* why = PlatformErrorText(errno);
        // Without a log the player would never hear of it.
        if (!LogPrintf("     Graficos: No se han podido guardar las opciones en %s: %s\n",
                       kSavedOptionsPath, why))
            fprintf(stderr, "Corralon: No se han podido guardar las opciones en %s: %s\n",
                    kSavedOptionsPath, why);
    }

    if (syncTest) syncTest->LogSummary();
    LogPrintf("%s\n", kDashes);
    LogPrintf("<< - >> Fin del log                       %10d << - >>\n",
              static_cast<int>(PlatformTickCount()));
    LogPrintf("%s\n", kDashes);

    free(gameSettings.player1Name);
    free(gameSettings.player2Name);
    gameSettings.player1Name = gameSettings.player2Name = nullptr;
    return graphicsFailed ? 1 : 0;
}
