// rendercheck: draws the check scene with Krellin.so.
//   rendercheck                       window until closed
//   rendercheck --frames N            N frames, then prints the frame rate
//   rendercheck --screenshot out.png  one frame saved as PNG
// Runs in the game folder (where it lives), like the game.
#include <SDL.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/DataFolder.h"
#include "base/Plugin.h"
#include "plugins/renderer_gl/KrellinExports.h"
#include "support/rendercheck/CheckScene.h"

namespace {

int Usage() {
    fprintf(stderr, "uso: rendercheck [--frames N] [--screenshot fichero.png]\n");
    return 2;
}

std::string Absolute(const char* path) {
    if (path[0] == '/') return path;
    char cwd[4096];
    if (!getcwd(cwd, sizeof cwd)) return path;
    return std::string(cwd) + "/" + path;
}

}  // namespace

int main(int argc, char** argv) {
    long frames = -1;
    std::string screenshot;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--frames") == 0 && i + 1 < argc) {
            char* end = nullptr;
            frames = strtol(argv[++i], &end, 10);
            if (*end || frames < 1) return Usage();
        } else if (strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            screenshot = Absolute(argv[++i]);
        } else {
            return Usage();
        }
    }
    std::string left, searched;
    if (!EnterDataFolder(&left, &searched)) {
        fprintf(stderr, "rendercheck: no se encuentran los datos del juego en %s\n", searched.c_str());
        return 1;
    }

    auto plugin = LoadPlugin<Renderer>("Krellin.dll", "CreateRendererInstance");
    if (!plugin.libraryOpened) {
        fprintf(stderr, "rendercheck: no se puede cargar Krellin: %s\n", PlatformLibraryError());
        return 1;
    }
    auto save = reinterpret_cast<KrellinSaveScreenshotFn>(
        PlatformGetSymbol(plugin.library, "KrellinSaveScreenshot"));
    auto drawCalls =
        reinterpret_cast<KrellinDrawCallsFn>(PlatformGetSymbol(plugin.library, "KrellinDrawCalls"));
    Renderer* renderer = plugin.object;
    WindowHandle window = nullptr;
    if (!renderer || !save || !drawCalls || !renderer->Init(&window, nullptr)) {
        fprintf(stderr, "rendercheck: el renderer no arranca (mira logs/log.txt)\n");
        return 1;
    }
    renderer->SetClearColor(0, 0, 0, 0);
    renderer->SetRenderFlags(1, 1);
    CheckScene scene;
    if (!scene.Load(renderer)) fprintf(stderr, "rendercheck: faltan texturas\n");

    int status = 0;
    if (!screenshot.empty()) {
        scene.Draw(0.5f);
        if (!save(renderer, screenshot.c_str())) {
            fprintf(stderr, "rendercheck: no se pudo guardar %s\n", screenshot.c_str());
            status = 1;
        }
        renderer->Present();
    } else {
        const Uint64 start = SDL_GetPerformanceCounter();
        long drawn = 0;
        bool quit = false;
        while (!quit && (frames < 0 || drawn < frames)) {
            SDL_Event event;
            if (SDL_PollEvent(&event) && event.type == SDL_QUIT) quit = true;
            const double t = static_cast<double>(SDL_GetPerformanceCounter() - start) /
                             SDL_GetPerformanceFrequency();
            scene.Draw(static_cast<float>(t));
            renderer->Present();
            ++drawn;
        }
        const double seconds = static_cast<double>(SDL_GetPerformanceCounter() - start) /
                               SDL_GetPerformanceFrequency();
        printf("%ld frames en %.3f s: %.1f fps, %d llamadas de dibujo por frame\n", drawn,
               seconds, seconds > 0 ? drawn / seconds : 0.0, drawCalls(renderer));
    }
    scene.Release();
    renderer->Shutdown();
    return status;
}
