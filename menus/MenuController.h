#pragma once
// Everything shown outside a fight: the menu tree, the character selection,
// the key configuration screen, the intro and the credits. One object lives
// from start-up to exit.
#include <cstdint>

#include "fight/GameState.h"
#include "sdk/PlatformTypes.h"
#include "sdk/Renderer.h"

class Bicho;
class GestionJuego;
class Particulas;
class Teclado;
class Sonido;
class MenuController;
struct GameSettings;

typedef void (*StartFightFn)();

// Called every frame while its item is the highlighted one. The menu is
// handed in, so the actions need no process-wide pointer to it.
typedef int (*MenuAction)(MenuController& menu, StartFightFn startFight, GameState* gameState,
                          float dt);

struct MenuItem {
    char* label;        // owned copy
    MenuAction action;  // may be null
    MenuItem* child;    // first item of the sub-level
    MenuItem* parent;   // set on the first item of a sub-level only
    MenuItem* next;
    MenuItem* prev;
};

// The selection's modes, which differ from GameSettings::gameMode.
enum SelectionMode : int { kSelectionDemo = 0, kSelectionArcade = 1, kSelectionVersus = 2 };

// The thirteen picture slots. The numerals and the glow stay for the whole
// run; the rest are shared in turn by the intro, the selection and the
// credits.
enum MenuPicture : int {
    kPictureNumerals = 0,
    kPictureGlow = 1,
    // The intro's pictures, in loading order.
    kPictureLogo = 2,
    kPictureLoflipo = 3,  // also the selection's versus scroll
    kPictureEgg = 4,
    kPictureYolk = 5,
    kPictureHorns = 6,
    kPictureHalo = 7,
    kPictureBolts = 8,
    kPictureStar = 9,
    kPictureBoltsKeyed = 10,
    kPictureHero1 = 11,
    kPictureHero2 = 12,
    // The credits' pictures, in loading order.
    kPictureCreditsFont = 2,
    kPictureCreditsBolts = 3,
    kPictureCreditsFinal = 4,
    kPictureCaricatures = 5,
    kPictureSketch1 = 6,
    kPictureSketch2 = 7,
    kPictureSketch3 = 8,
    kPictureSketch4 = 9,
    kPictureClosingCaricature = 10,
    kPictureSlots = 13,
};

class MenuController {
public:
    static constexpr int kMaxCreatures = 28;
    static constexpr int kGridColumns = 7;
    static constexpr int kHelpSize = 128;
    static constexpr int kKeyRows = 20;
    // The address the menu and the intro show.
    static constexpr const char* kWebAddress = "CORRALON.PROJECT";

    // The program's settings record and arcade ladder, which the item
    // actions change.
    MenuController(GameSettings* settings, GestionJuego* ladder);
    MenuController(const MenuController&) = delete;
    MenuController& operator=(const MenuController&) = delete;
    ~MenuController();

    // The menu framework.
    int Init(WindowHandle window, Particulas* particles, Teclado* keyboard, Renderer* renderer,
             Sonido* sound);
    MenuItem* AddItem(MenuItem** anchor, const char* label, MenuAction action, int mode);
    int Frame(StartFightFn startFight, GameState* gameState, float dt);
    void GoUp();
    void Release();
    // After a fight: the top level again, the idle countdown restarted.
    void ReturnToRoot();
    void BuildHelpLines();
    // The move effect: two bursts from the menu figure at height y.
    void MoveEffect(float y);
    // Up and down through the current level, with the move effect.
    void MoveThroughLevel();
    // Tint of the menu and of the particles.
    void SetTint(float value);

    // Options and keys.
    int ConfigureKeys(StartFightFn startFight, GameState* gameState, float dt);

    // Character selection.
    void LoadCharacters();
    int SelectCharacters(StartFightFn startFight, GameState* gameState, float dt, int mode);
    void ReleaseCharacters();

    // Intro and credits. ShowLogo puts the logo on screen at once; start-up
    // calls it as soon as the renderer runs, and LoadIntro does when nobody
    // has.
    void ShowLogo(Renderer* drawing);
    void LoadIntro();
    int Intro(GameState* gameState, float dt);
    void LoadCredits();
    int Credits(GameState* gameState, float dt);

    GameSettings* Settings() const { return settings_; }
    GestionJuego* Ladder() const { return ladder_; }

    // The object's fields, in their order.
    float fadeR = 1.0f, fadeG = 1.0f, fadeB = 1.0f;
    Renderer* renderer = nullptr;
    Sonido* sound = nullptr;
    Teclado* keyboard = nullptr;
    Particulas* particles = nullptr;
    WindowHandle window = nullptr;
    Bicho* menuFigure = nullptr;
    TextureHandle background[4] = {};
    MenuItem* root = nullptr;
    MenuItem* current = nullptr;
    MenuItem* first = nullptr;
    MenuItem* demoLeaf = nullptr;
    MenuItem* arcadeLeaf = nullptr;
    float idleTime = 20.0f;
    float animTime = 0.0f;
    TextureHandle pictures[kPictureSlots] = {};
    // Selection state.
    Bicho* creatures[kMaxCreatures] = {};
    char* files[kMaxCreatures] = {};
    int count = 0;
    int cursor1 = 0, cursor2 = 0;
    uint8_t chosen1 = 0, chosen2 = 0;
    uint8_t ranThisFrame = 0;
    char helpSelect[kHelpSize] = {};
    char helpBack[kHelpSize] = {};
    char helpMove[kHelpSize] = {};

    // Values that last the whole run. They live here, in the one object of
    // the run, rather than in file statics, so a test can start afresh.
    float menuClock = 0.0f;       // drives the one fade-in
    float modeTitleClock = 0.0f;  // pulse of "MODO DE JUEGO"
    float optionsTitleClock = 0.0f;
    struct Selection {
        float clock = 0.0f;
        float lastSpark1 = 0.0f, lastSpark2 = 0.0f;
        float move1 = 0.0f, move2 = 0.0f;
        float choice1 = 0.0f, choice2 = 0.0f;
        float step1 = 0.0f, step2 = 0.0f;
        float delay1 = 3.0f, delay2 = 3.0f;
        float versus = 5.0f;
        bool musicPending = true;
        bool burstPending = true;
        bool listErrorLogged = false;  // once per entry, not per frame
    } selection;
    struct KeyScreen {
        float clock = 0.0f;
        int row = 0;
        int mode = 1;  // 1 browsing, 2 capturing
        bool error = false;
    } keyScreen;
    struct IntroState {
        float clock = 0.0f;
        float boltTimer = 0.0f;
        float boltOffsets[5] = {};
        bool sparksShown = false;
        bool logoShown = false;
    } intro;
    float creditsClock = 0.0f;

private:
    void BuildTree();
    void FreeLevel(MenuItem* item);

    GameSettings* settings_;
    GestionJuego* ladder_;
};

// The item actions, one per kind of item.
namespace menu_actions {
int ModeTitle(MenuController& m, StartFightFn f, GameState* s, float dt);
int OptionsTitle(MenuController& m, StartFightFn f, GameState* s, float dt);
int Arcade(MenuController& m, StartFightFn f, GameState* s, float dt);
int Versus(MenuController& m, StartFightFn f, GameState* s, float dt);
int Demo(MenuController& m, StartFightFn f, GameState* s, float dt);
int Exit(MenuController& m, StartFightFn f, GameState* s, float dt);
int RoundsValue(MenuController& m, StartFightFn f, GameState* s, float dt);
int RoundsUp(MenuController& m, StartFightFn f, GameState* s, float dt);
int RoundsDown(MenuController& m, StartFightFn f, GameState* s, float dt);
int TimeValue(MenuController& m, StartFightFn f, GameState* s, float dt);
int TimeNext(MenuController& m, StartFightFn f, GameState* s, float dt);
int StageValue(MenuController& m, StartFightFn f, GameState* s, float dt);
int StageToggle(MenuController& m, StartFightFn f, GameState* s, float dt);
int Keys(MenuController& m, StartFightFn f, GameState* s, float dt);
}  // namespace menu_actions
