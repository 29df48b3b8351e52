// The particle system drawing into the real headless renderer library.
#include <string>

#include "base/Library.h"
#include "tests/particles/ParticleFixture.h"

namespace {

TEST(ParticleHeadless, DrawsEveryKindIntoTheHeadlessRenderer) {
    void* library = PlatformLoadLibrary(CORRALON_GAME_DIR "/Headless.so");
    ASSERT_NE(nullptr, library) << PlatformLibraryError();
    auto create = reinterpret_cast<CreateRendererInstanceFn>(
        PlatformGetSymbol(library, "CreateRendererInstance"));
    auto callLog =
        reinterpret_cast<const char* (*)()>(PlatformGetSymbol(library, "HeadlessCallLog"));
    ASSERT_NE(nullptr, create);
    ASSERT_NE(nullptr, callLog);
    // Renderers are never deleted; keep it reachable for the leak checker.
    static Renderer* renderer = create();
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
