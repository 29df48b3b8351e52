// The particle system drawing into the real headless renderer library.
#include <string>

#include "base/Plugin.h"
#include "tests/effects/ParticleFixture.h"

namespace {

TEST(ParticleHeadless, DrawsEveryKindIntoTheHeadlessRenderer) {
    // Renderers are never deleted; keep it reachable for the leak checker.
    static auto plugin = LoadPlugin<Renderer>(CORRALON_GAME_DIR "/Headless.so", "CreateRendererInstance");
    ASSERT_NE(nullptr, plugin.object) << PlatformLibraryError();
    Renderer* renderer = plugin.object;
    auto callLog =
        reinterpret_cast<const char* (*)()>(PlatformGetSymbol(plugin.library, "HeadlessCallLog"));
    ASSERT_NE(nullptr, callLog);
    Particulas particles;
    particles.Init(renderer);
    for (int kind = 1; kind <= 17; ++kind)
        particles.Emitir(1, kind % 2 == 0, MakeEmision(kind, 0.5f, 0.5f, 0.01f, 0.01f));
    particles.DrawBack(0, 0, 0.016f);
    particles.DrawFront(0, 0, 0.016f);
    const std::string log = callLog();
    EXPECT_NE(std::string::npos, log.find("LoadTextureKeyed \"bmp\\sangre256.bmp\" 255 0 255"))
        << log.substr(0, 400);
    EXPECT_NE(std::string::npos, log.find("LoadTexture \"bmp\\humo.bmp\""));
    EXPECT_NE(std::string::npos, log.find("DrawParticleBatch 2"));
    EXPECT_NE(std::string::npos, log.find("SetOverlayMode 1 5"));
    particles.Shutdown();
}

}  // namespace
