#pragma once
// Full screen where no window manager runs (a bare X server: kiosks, test
// machines). SDL asks the window manager to make the window full screen;
// with none, nothing happens while SDL believes the window now covers the
// display, and the picture is drawn for a size the window does not have.
struct SDL_Window;

// True when the window is on X11 and no window manager announces itself.
bool OnBareX(SDL_Window* window);

// Moves and sizes the window over its whole display, as a window manager
// would for a full-screen window.
void CoverDisplay(SDL_Window* window);
