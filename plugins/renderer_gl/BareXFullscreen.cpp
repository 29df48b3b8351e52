#include "plugins/renderer_gl/BareXFullscreen.h"

#include <SDL.h>
#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

bool X11Of(SDL_Window* window, Display** display, Window* x11) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return false;
    *display = info.info.x11.display;
    *x11 = info.info.x11.window;
    return *display != nullptr;
}

}  // namespace

bool OnBareX(SDL_Window* window) {
    Display* display;
    Window x11;
    if (!X11Of(window, &display, &x11)) return false;
    // Window managers of the freedesktop conventions name their check window here.
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) return true;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False,
                                          XA_WINDOW, &type, &format, &count, &after, &data);
    const bool managed = status == Success && type == XA_WINDOW && count == 1;
    if (data) XFree(data);
    return !managed;
}

void CoverDisplay(SDL_Window* window) {
    Display* display;
    Window x11;
    SDL_Rect bounds;
    if (!X11Of(window, &display, &x11) ||
        SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &bounds) != 0)
        return;
    XMoveResizeWindow(display, x11, bounds.x, bounds.y, static_cast<unsigned>(bounds.w),
                      static_cast<unsigned>(bounds.h));
    XRaiseWindow(display, x11);
    XFlush(display);
}

#else

bool OnBareX(SDL_Window*) { return false; }
void CoverDisplay(SDL_Window*) {}

#endif
