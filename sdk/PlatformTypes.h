#pragma once
// Opaque handles that stand where the Windows build had HWND and HINSTANCE.
// The window handle is the renderer's SDL_Window*; the instance is unused on Linux.
typedef void* WindowHandle;
typedef void* InstanceHandle;
