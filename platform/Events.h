#pragma once
// The message loop's view of the platform: at most one event per pass, and
// the close request that ends the loop through the normal shutdown.

enum PlatformMessage {
    kMessageNone = 0,   // nothing was waiting
    kMessageQuit = 1,   // leave the loop
    kMessageOther = 2,  // one event was taken and dispatched
};

// Takes at most one pending event. Returns kMessageQuit once a close was
// requested (window closed, PlatformPostClose, SIGINT or SIGTERM).
PlatformMessage PlatformPeekMessage();

// Asks the loop to end; works with or without a window.
void PlatformPostClose();
bool PlatformCloseRequested();
// Forgets a close request (tests run several sessions in one process).
void PlatformResetClose();

// SIGINT and SIGTERM become a close request.
void PlatformInstallSignalHandlers();
