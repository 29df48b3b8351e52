#pragma once
// The viewer's own keys.
enum ViewerCommand {
    kViewerNothing,
    kViewerQuit,
    kViewerNextAnimation,
    kViewerPreviousAnimation,
    kViewerPause,
    kViewerStep,
    kViewerBoxes,
    kViewerFlip,
    kViewerReload,
};

// From an SDL key code; kViewerNothing for keys the viewer does not use.
ViewerCommand ViewerKeyCommand(int sdlKey);

// One line of help for the screen.
extern const char kViewerKeyHelp[];
