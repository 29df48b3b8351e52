// Window, context, frame and the requests raised by keys.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/Clock.h"
#include "base/Log.h"
#include "plugins/renderer_common/Picture.h"
#include "plugins/renderer_gl/BareXFullscreen.h"
#include "plugins/renderer_gl/KrellinRenderer.h"
#include "plugins/renderer_gl/ScreenshotFiles.h"

namespace {
const char kWindowTitle[] = "Brocanto OGL";

}  // namespace

KrellinRenderer::~KrellinRenderer() { TearDown(); }

int KrellinRenderer::Init(WindowHandle* window, InstanceHandle) {
    if (ready_) {
        if (window) *window = window_;
        return 1;
    }
    settings_ = ReadKrellinSettings(kKrellinSettingsPath);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        LogPrintf("     Graficos: No se ha podido iniciar el video: %s\n", SDL_GetError());
        return 0;
    }
    videoStarted_ = true;
    // With no display SDL falls back to its offscreen driver by itself: the
    // game would run unseen, taking a core. Only a user who asked for it
    // gets that.
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    if ((!asked || !*asked) && driver &&
        (strcmp(driver, "offscreen") == 0 || strcmp(driver, "dummy") == 0)) {
        LogPrintf("     Graficos: No hay pantalla (ni DISPLAY ni WAYLAND_DISPLAY)\n");
        fprintf(stderr,
                "Krellin: no display (DISPLAY and WAYLAND_DISPLAY are not set). To run "
                "without one, set SDL_VIDEODRIVER=offscreen or put dll = Headless.dll in "
                "cfg/motorcfg.txt.\n");
        TearDown();
        return 0;
    }
    if (!CreateWindowAndContext()) {
        TearDown();
        return 0;
    }
    SDL_AddEventWatch(&KrellinRenderer::EventWatch, this);
    presents_ = 0;
    screenshotPresents_ = ScreenshotPresents(getenv("CORRALON_SCREENSHOT_PRESENTS"));
    std::reverse(screenshotPresents_.begin(), screenshotPresents_.end());
    ready_ = true;
    UpdateViewport();
    BeginFrame();
    if (window) *window = window_;
    LogPrintf("     Graficos: OpenGL %s, %s, ventana %dx%d\n",
              reinterpret_cast<const char*>(gl_.GetString(GL_VERSION)),
              reinterpret_cast<const char*>(gl_.GetString(GL_RENDERER)), windowWidth_,
              windowHeight_);
    return 1;
}

bool KrellinRenderer::CreateWindowAndContext() {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE;
    if (settings_.fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    window_ = SDL_CreateWindow(kWindowTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               settings_.width, settings_.height, flags);
    if (!window_) {
        LogPrintf("     Graficos: No se ha podido crear la ventana: %s\n", SDL_GetError());
        return false;
    }
    context_ = SDL_GL_CreateContext(window_);
    if (!context_) {
        LogPrintf("     Graficos: No se ha podido crear el contexto OpenGL 3.3: %s\n",
                  SDL_GetError());
        return false;
    }
    const char* missing = "";
    if (!gl_.Load(&missing)) {
        LogPrintf("     Graficos: Falta la funcion OpenGL %s\n", missing);
        return false;
    }
    // No vsync where the driver has no swap control: nothing to do then.
    SDL_GL_SetSwapInterval(settings_.vsync ? 1 : 0);
    std::string error;
    if (!batch_.Create(&gl_, &error)) {
        LogPrintf("     Graficos: No se ha podido preparar el sombreador: %s\n",
                  error.c_str());
        return false;
    }
    const unsigned char white[4] = {255, 255, 255, 255};
    whiteTexture_ = Upload(white, 1, 1, 4);
    if (!whiteTexture_) {
        LogPrintf("     Graficos: No se ha podido crear la textura blanca\n");
        return false;
    }
    return true;
}

// Frees everything Init made, in reverse order; safe on a half-made start.
void KrellinRenderer::TearDown() {
    if (ready_) SDL_DelEventWatch(&KrellinRenderer::EventWatch, this);
    if (context_) {
        if (lastFrameDone_) gl_.DeleteSync(lastFrameDone_);
        for (GLuint name : gpuNames_)
            if (name) gl_.DeleteTextures(1, &name);
        if (whiteTexture_) gl_.DeleteTextures(1, &whiteTexture_);
        batch_.Destroy();
        SDL_GL_DeleteContext(context_);
    }
    if (window_) SDL_DestroyWindow(window_);
    if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    window_ = nullptr;
    context_ = nullptr;
    lastFrameDone_ = nullptr;
    videoStarted_ = ready_ = false;
    gl_ = GlApi();
    queue_.Clear();
    textures_.Clear();
    gpuNames_.clear();
    whiteTexture_ = 0;
    boundTexture_ = fontTexture_ = arrowTexture_ = 0;
    font_.Reset();
    wantFullscreenToggle_ = wantScreenshot_ = windowResized_ = false;
}

void KrellinRenderer::Shutdown() { TearDown(); }

// Runs wherever SDL queues the event; only raises flags for Present.
int KrellinRenderer::EventWatch(void* self, SDL_Event* event) {
    KrellinRenderer* renderer = static_cast<KrellinRenderer*>(self);
    if (!renderer->window_) return 0;
    const Uint32 id = SDL_GetWindowID(renderer->window_);
    if (event->type == SDL_KEYDOWN && !event->key.repeat && event->key.windowID == id) {
        const SDL_Keycode key = event->key.keysym.sym;
        if ((key == SDLK_RETURN || key == SDLK_KP_ENTER) && (event->key.keysym.mod & KMOD_ALT))
            renderer->wantFullscreenToggle_ = true;
        else if (key == SDLK_F12)
            renderer->wantScreenshot_ = true;
    } else if (event->type == SDL_WINDOWEVENT && event->window.windowID == id &&
               (event->window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                event->window.event == SDL_WINDOWEVENT_RESIZED)) {
        renderer->windowResized_ = true;
    }
    return 0;
}

void KrellinRenderer::UpdateViewport() {
    SDL_GL_GetDrawableSize(window_, &windowWidth_, &windowHeight_);
    picture_ = LetterboxRect(windowWidth_, windowHeight_);
}

void KrellinRenderer::BeginFrame() {
    gl_.Viewport(picture_.x, picture_.y, picture_.width, picture_.height);
    const bool bars = picture_.width != windowWidth_ || picture_.height != windowHeight_;
    gl_.Disable(GL_SCISSOR_TEST);
    if (bars) {
        gl_.ClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        gl_.Clear(GL_COLOR_BUFFER_BIT);
        // Nothing drawn may spill into the bars, whatever the view scale.
        gl_.Enable(GL_SCISSOR_TEST);
        gl_.Scissor(picture_.x, picture_.y, picture_.width, picture_.height);
    }
    gl_.ClearColor(clearColor_[0], clearColor_[1], clearColor_[2], clearColor_[3]);
    gl_.Clear(GL_COLOR_BUFFER_BIT);
}

void KrellinRenderer::Present() {
    if (!ready_) return;
    if (keepFrames_) {
        // assign reuses the kept storage once it is big enough.
        keptVertices_.assign(queue_.Vertices().begin(), queue_.Vertices().end());
        keptRuns_.assign(queue_.Runs().begin(), queue_.Runs().end());
        frameKept_ = true;
    }
    batch_.Flush(&queue_);
    drawCallsLastFrame_ = batch_.DrawCalls();
    batch_.ResetCounters();
    ++presents_;
    if (!screenshotPresents_.empty() && screenshotPresents_.back() == presents_) {
        screenshotPresents_.pop_back();
        wantScreenshot_ = true;
    }
    HandleRequests();
    SDL_GL_SwapWindow(window_);
    // At most one frame waits for the GPU. Without vsync (offscreen, or a
    // driver without swap control) a swap does not wait, and the frames the
    // driver queued, each with its orphaned vertex buffer, grew by 100 MB a
    // second and took seconds to drain at exit.
    if (lastFrameDone_) {
        gl_.ClientWaitSync(lastFrameDone_, GL_SYNC_FLUSH_COMMANDS_BIT, 1000000000);
        gl_.DeleteSync(lastFrameDone_);
    }
    lastFrameDone_ = gl_.FenceSync(GL_SYNC_GPU_COMMANDS_COMPLETE, 0);
    if (!presented_) {
        presented_ = true;
        StampFirstPresent();
    }
    // Without a window manager a switch to or from full screen may take
    // effect frames later and send no resize event: the size is checked on
    // every frame, not only when an event says so.
    int width = 0, height = 0;
    SDL_GL_GetDrawableSize(window_, &width, &height);
    if (windowResized_.exchange(false) || width != windowWidth_ || height != windowHeight_)
        UpdateViewport();
    BeginFrame();
}

// Screenshots read the finished back buffer, so they come before the swap;
// the full-screen switch only changes the window, seen from the next frame.
void KrellinRenderer::HandleRequests() {
    if (wantScreenshot_.exchange(false)) {
        if (!EnsureScreenshotFolder(kScreenshotFolder)) {
            LogPrintf("     Graficos: No se ha podido crear la carpeta %s\n",
                      kScreenshotFolder);
        } else {
            const std::string path = NextScreenshotPath(kScreenshotFolder, &screenshotCounter_);
            if (path.empty() || !SaveScreenshot(path.c_str()))
                LogPrintf("     Graficos: No se ha podido guardar la captura\n");
            else
                LogPrintf("     Graficos: Captura guardada en %s\n", path.c_str());
        }
    }
    if (wantFullscreenToggle_.exchange(false)) ToggleFullscreen();
}

void KrellinRenderer::ToggleFullscreen() {
    const bool full = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0;
    if (!full) {
        SDL_GetWindowSize(window_, &windowedWidth_, &windowedHeight_);
        SDL_GetWindowPosition(window_, &windowedX_, &windowedY_);
    }
    if (SDL_SetWindowFullscreen(window_, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
        LogPrintf("     Graficos: No se ha podido cambiar a pantalla completa: %s\n",
                  SDL_GetError());
    } else if (!full && OnBareX(window_)) {
        CoverDisplay(window_);
    } else if (full && windowedWidth_ > 0 && windowedHeight_ > 0) {
        // SDL keeps believing in the full-screen size when no window
        // manager put the window back; the window's own size is given again.
        SDL_SetWindowSize(window_, windowedWidth_, windowedHeight_);
        SDL_SetWindowPosition(window_, windowedX_, windowedY_);
    }
    windowResized_ = true;
}

bool KrellinRenderer::ReadFrame(int x, int y, int width, int height, unsigned char* rgba) {
    if (!ready_ || !rgba || width <= 0 || height <= 0 || x < 0 || y < 0 ||
        width > windowWidth_ - x || height > windowHeight_ - y)
        return false;
    batch_.Flush(&queue_);
    gl_.PixelStorei(GL_PACK_ALIGNMENT, 1);
    gl_.ReadBuffer(GL_BACK);
    // GL counts rows from the bottom; callers want them from the top.
    gl_.ReadPixels(x, windowHeight_ - y - height, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    const size_t rowBytes = static_cast<size_t>(width) * 4;
    std::vector<unsigned char> swap(rowBytes);
    for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
        unsigned char* a = rgba + top * rowBytes;
        unsigned char* b = rgba + bottom * rowBytes;
        std::copy(a, a + rowBytes, swap.data());
        std::copy(b, b + rowBytes, a);
        std::copy(swap.data(), swap.data() + rowBytes, b);
    }
    return gl_.GetError() == GL_NO_ERROR;
}

int KrellinRenderer::ReadPixels(int x, int y, int width, int height, unsigned char* rgba) {
    return ReadFrame(x, y, width, height, rgba) ? 1 : 0;
}

// The 4:3 picture without the bars, as opaque RGB.
bool KrellinRenderer::SaveScreenshot(const char* path) {
    if (!ready_ || !path) return false;
    const int top = windowHeight_ - picture_.y - picture_.height;
    std::vector<unsigned char> rgba(static_cast<size_t>(picture_.width) * picture_.height * 4);
    if (!ReadFrame(picture_.x, top, picture_.width, picture_.height, rgba.data())) return false;
    Picture picture;
    picture.width = picture_.width;
    picture.height = picture_.height;
    picture.bytesPerPixel = 3;
    picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height * 3);
    for (size_t i = 0, n = static_cast<size_t>(picture.width) * picture.height; i < n; ++i) {
        picture.pixels[i * 3] = rgba[i * 4];
        picture.pixels[i * 3 + 1] = rgba[i * 4 + 1];
        picture.pixels[i * 3 + 2] = rgba[i * 4 + 2];
    }
    return SavePicturePng(path, picture);
}

void KrellinRenderer::QueryView(float* a, float* b, float* c) {
    if (a) *a = static_cast<float>(ready_ ? windowWidth_ : 0);
    if (b) *b = static_cast<float>(ready_ ? windowHeight_ : 0);
    if (c) *c = ready_ ? viewScale_ : 0.0f;
}

void KrellinRenderer::SetRenderFlags(int a, int b) {
    if (!ready_) return;
    renderFlags_[0] = a;
    renderFlags_[1] = b;
}
