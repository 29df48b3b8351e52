#include "tools/viewer/ViewerKeys.h"

#include <SDL.h>

const char kViewerKeyHelp[] =
    "IZQ/DER ANIMACION  ESPACIO PAUSA  . PASO  B/F2 CAJAS  F GIRAR  R RECARGAR  ESC SALIR";

ViewerCommand ViewerKeyCommand(int sdlKey) {
    switch (sdlKey) {
        case SDLK_ESCAPE:
        case SDLK_q:
            return kViewerQuit;
        case SDLK_RIGHT:
        case SDLK_PAGEDOWN:
            return kViewerNextAnimation;
        case SDLK_LEFT:
        case SDLK_PAGEUP:
            return kViewerPreviousAnimation;
        case SDLK_SPACE:
        case SDLK_p:
            return kViewerPause;
        case SDLK_PERIOD:
        case SDLK_s:
            return kViewerStep;
        case SDLK_b:
        case SDLK_F2:
            return kViewerBoxes;
        case SDLK_f:
            return kViewerFlip;
        case SDLK_r:
            return kViewerReload;
        default:
            return kViewerNothing;
    }
}
