// The character selection's load of its creatures (the list file, a preview
// of each creature, its behaviour bound, the log lines) against bare zlib
// inflation of the packed textures those previews must decode, measured side
// by side in one run. Goal: at most 1.3 times the bare inflation. Runs the
// game's three creatures, and 28 made by repeating them, in a private folder
// whose creature files link to the game folder's. The folder has no bmp\:
// the scroll picture the selection also loads is a renderer's bitmap load,
// measured on its own by BM_ScrollPicture.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "base/Memory.h"
#include "base/Plugin.h"
#include "creature/QvlFormat.h"
#include "creature/QvlRead.h"
#include "creature/QvlReader.h"
#include "fight/GestionJuego.h"
#include "effects/Particulas.h"
#include "menus/CharacterSelection.h"
#include "sdk/Bicho.h"
#include "sdk/GameSettings.h"
#include "support/testing/NullRenderer.h"

namespace {

const char* const kCreatures[] = {"rana", "brocanto", "truvaldino"};

struct Packed {
    std::vector<unsigned char> bytes;
    size_t size;  // inflated
};

// The packed textures a preview decodes: those the first animation's
// frames name, found the way the reader finds them.
std::vector<Packed> PreviewTextures(const std::string& path) {
    std::vector<Packed> out;
    QvlReader r(fopen(path.c_str(), "rb"));
    r.Seek(4L + r.Int());  // header text
    r.Int();
    r.Seek(r.Int());  // data block
    r.Int();
    const int32_t animationEnd = r.Int();
    char text[kQvlStringBuffer];
    for (int i = 0; i < 3; ++i) r.Int();
    r.String(text, sizeof text);
    r.String(text, sizeof text);
    int32_t more = r.Int();
    std::set<int> handles;
    while (r.Ok() && r.Tell() < animationEnd) {  // its frames
        r.Int();
        const int32_t end = r.Int();
        r.Float();
        r.Float();
        handles.insert(r.Int());
        r.Seek(end);
    }
    while (more != 0 && r.Ok()) {  // the other animations
        r.Int();
        const int32_t end = r.Int();
        for (int i = 0; i < 3; ++i) r.Int();
        r.String(text, sizeof text);
        r.String(text, sizeof text);
        more = r.Int();
        r.Seek(end);
    }
    r.Int();  // table
    r.Int();
    std::vector<int> map(static_cast<size_t>(r.Int()));
    for (int& entry : map) entry = r.Int();
    std::set<int> wanted;
    for (int h : handles)
        if (h >= 0 && static_cast<size_t>(h) < map.size() && map[h] >= 0) wanted.insert(map[h]);
    int position = 0;
    for (int entry : map) {
        if (entry == -1) continue;
        r.Int();
        const int32_t end = r.Int();
        if (wanted.count(position++)) {
            r.Int();
            const int w = r.Int(), h = r.Int(), bpp = r.Int();
            r.Int();
            r.String(text, sizeof text);
            Packed p{std::vector<unsigned char>(static_cast<size_t>(r.Int())),
                     static_cast<size_t>(w) * h * bpp};
            r.Bytes(p.bytes.data(), p.bytes.size());
            out.push_back(std::move(p));
        }
        r.Seek(end);
    }
    return out;
}

// Counts the textures the real preview creates, to check the walk above.
class CreatedTextures : public QvlObserver {
public:
    int count = 0;
    void Texture(int, const QvlTextureRecord& record) override { count += record.created != 0; }
};

// Hands out texture handles and keeps no pixels: the load without the
// renderer's own work of storing each texture.
class HandleRenderer : public NullRenderer {
public:
    TextureHandle CreateTexture(const unsigned char*, int, int, int, const char*) override {
        return ++next_;
    }

private:
    TextureHandle next_ = 0;
};

Renderer* Headless() {
    static Renderer* renderer =
        LoadPlugin<Renderer>(CORRALON_GAME_DIR "/Headless.dll", "CreateRendererInstance").object;
    return renderer;
}

// A private folder laid out like the game's: Bichos/ with links to the
// creature files and their behaviours, a logs folder, and a list of `count`
// creatures repeating the game's three.
struct Folder {
    std::string path;
    std::vector<std::vector<Packed>> packed;  // per list entry
    bool ok = false;

    explicit Folder(int count) {
        char pattern[] = "/tmp/corralon-bench-XXXXXX";
        if (!mkdtemp(pattern)) return;
        path = pattern;
        const std::string game = CORRALON_GAME_DIR;
        bool linked = mkdir((path + "/Bichos").c_str(), 0755) == 0 &&
                      mkdir((path + "/logs").c_str(), 0755) == 0;
        std::string list = "[Jugadores]\n";
        std::vector<std::vector<Packed>> perCreature;
        for (const char* name : kCreatures) {
            for (const char* ext : {".qvl", ".so"})
                linked = linked && symlink((game + "/Bichos/" + name + ext).c_str(),
                                           (path + "/Bichos/" + name + ext).c_str()) == 0;
            perCreature.push_back(PreviewTextures(game + "/Bichos/" + name + ".qvl"));
        }
        for (int i = 0; i < count; ++i) {
            list += std::string("bicho = Bichos\\") + kCreatures[i % 3] + ".qvl\n";
            packed.push_back(perCreature[i % 3]);
        }
        FILE* f = fopen((path + "/Bichos/bichos.txt").c_str(), "w");
        ok = linked && f && fputs(list.c_str(), f) >= 0;
        if (f) fclose(f);
    }
    ~Folder() {
        if (!path.empty() && system(("rm -rf '" + path + "'").c_str()) != 0) perror("rm");
    }
};

void InflateAll(const Folder& folder) {
    static std::vector<unsigned char> out;
    for (const std::vector<Packed>& creature : folder.packed)
        for (const Packed& p : creature) {
            out.resize(p.size);
            uLongf size = p.size;
            uncompress(out.data(), &size, p.bytes.data(), p.bytes.size());
            benchmark::DoNotOptimize(out.data());
        }
}

// CPU time of this thread: on a machine shared with other work the two
// sides are compared by what they cost, not by when they were let run.
double CpuSeconds() {
    rusage used;
    getrusage(RUSAGE_THREAD, &used);
    return static_cast<double>(used.ru_utime.tv_sec + used.ru_stime.tv_sec) +
           1e-6 * static_cast<double>(used.ru_utime.tv_usec + used.ru_stime.tv_usec);
}

// Arguments: the number of creatures, and 1 for the headless renderer (which
// keeps a copy of every texture, as a real renderer must) or 0 for one that
// only hands out handles.
void BM_SelectionLoad(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    HandleRenderer handles;
    Renderer* renderer = state.range(1) ? Headless() : &handles;
    Folder folder(count);
    char previous[4096];
    if (!Headless() || !folder.ok || !getcwd(previous, sizeof previous) ||
        chdir(folder.path.c_str()) != 0)
        return state.SkipWithError("no game folder, headless renderer or private folder");

    GameSettings settings;
    GestionJuego ladder;
    Particulas particles;
    particles.Init(renderer);
    MenuContext context;
    context.settings = &settings;
    context.ladder = &ladder;
    context.renderer = renderer;
    context.particles = &particles;
    CharacterSelection selection(context);

    // The walk must find exactly what the preview decodes.
    size_t walked = 0;
    for (const auto& creature : folder.packed) walked += creature.size();
    CreatedTextures seen;
    for (int i = 0; i < count; ++i) {
        Bicho* c = CreateBicho();
        c->Init(nullptr, Headless(), nullptr, nullptr, nullptr, nullptr);
        ReadQvl(*c, (std::string("Bichos/") + kCreatures[i % 3] + ".qvl").c_str(),
                QvlMode::kPreview, &seen);
        c->Release();
        DestroyBicho(c);
    }
    if (walked != static_cast<size_t>(seen.count)) {
        if (chdir(previous) != 0) perror("chdir");
        return state.SkipWithError("the texture walk disagrees with the preview");
    }

    // Both in turn, so a busy machine weighs on both alike.
    double load = 0.0, bare = 0.0;
    for (auto _ : state) {
        double start = CpuSeconds();
        selection.LoadCharacters();
        load += CpuSeconds() - start;
        state.PauseTiming();
        benchmark::DoNotOptimize(selection.count);
        selection.ReleaseCharacters();
        start = CpuSeconds();
        InflateAll(folder);
        bare += CpuSeconds() - start;
        state.ResumeTiming();
    }
    state.counters["textures"] = static_cast<double>(walked);
    state.counters["load_cpu_ms"] = 1e3 * load / static_cast<double>(state.iterations());
    state.counters["inflate_cpu_ms"] = 1e3 * bare / static_cast<double>(state.iterations());
    state.counters["vs_inflate"] = load / bare;
    particles.Shutdown();
    if (chdir(previous) != 0) perror("chdir");
}
BENCHMARK(BM_SelectionLoad)
    ->ArgsProduct({{3, 28}, {1, 0}})
    ->ArgNames({"creatures", "headless"})
    ->Unit(benchmark::kMillisecond);

// The scroll picture, loaded once per visit of the screen.
void BM_ScrollPicture(benchmark::State& state) {
    if (!Headless()) return state.SkipWithError("no headless renderer");
    for (auto _ : state) {
        TextureHandle scroll = Headless()->LoadTexture(CORRALON_GAME_DIR "/bmp/loflipo.bmp");
        if (!scroll) return state.SkipWithError("no bmp/loflipo.bmp in the game folder");
        Headless()->ReleaseTexture(scroll);
    }
}
BENCHMARK(BM_ScrollPicture)->Unit(benchmark::kMillisecond);

}  // namespace

// The game keeps freed memory for the next screen; so does its benchmark.
int main(int argc, char** argv) {
    KeepFreedMemory();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
