#pragma once
// The process-wide objects of the game program, created at start-up and
// ended at exit.
#include "app/FrameTimer.h"
#include "sdk/GameSettings.h"
#include "fight/GameState.h"
#include "sdk/PlatformTypes.h"

class Renderer;
class Teclado;
class Sonido;
class Particulas;
class MenuController;
class GestionJuego;
struct FightController;

extern InstanceHandle gameInstance;
extern WindowHandle gameWindow;
extern Renderer* renderer;
extern Teclado* keyboard;
extern Sonido* sound;
extern Particulas* particles;
extern MenuController* menuController;
extern GestionJuego gestionJuego;
extern FrameTimer frameTimer;
extern GameState currentState;
extern GameSettings gameSettings;
extern FightController fightController;

// WinMain's work: log, options, switch, start-up, loop, shutdown.
int GameMain(const char* commandLine);
int StartGame(InstanceHandle instance, int showCommand);
void InitSubsystems();
void ShutdownSubsystems();
