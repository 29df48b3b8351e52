// Stage files: what each section sets, the defaults, the capacity of ten
// actors, and the farm stage the game ships.
#include <unistd.h>

#include <array>
#include <cstdio>

#include "effects/Particulas.h"
#include "sdk/Bicho.h"
#include "tests/fight/StageSupport.h"

namespace {

struct FileCase {
    const char* name;
    const char* text;  // null: no file at all
    float ancho, alto, suelo, pollo1x, pollo2x;
    std::vector<std::array<float, 3>> actors;  // x, y, floor
    const char* music;
    std::string log;
};

const char kParse[] = "     Fondo: Error de parseo. No se pueden definir varios fondos\n";

std::string ManyActors(int count) {
    std::string text = "[fondo]\n";
    for (int i = 0; i < count; ++i) text += "[actor]\nx = 0.0" + std::to_string(i) + "\n";
    return text;
}

std::vector<std::array<float, 3>> TenActors() {
    std::vector<std::array<float, 3>> out;
    for (int i = 0; i < 10; ++i) out.push_back({i / 100.0f, 0.7f, 0.7f});
    return out;
}

TEST_F(StageTest, StageFilesSetGeometryActorsAndMusic) {
    const std::string many = ManyActors(12);
    const FileCase cases[] = {
        {"every key", "[fondo]\nancho = 2.0\nalto = 1.5\nsuelo = 0.8\npollo1x = 0.3\n"
                      "pollo2x = 1.7\n[musica]\nogg = sonido\\x.ogg\n",
         2.0f, 1.5f, 0.8f, 0.3f, 1.7f, {}, "sonido\\x.ogg", ""},
        {"second [fondo] goes on into the first", "[fondo]\nancho = 2.0\nsuelo = 0.8\n[fondo]\nancho = 3.0\n",
         3.0f, 1.0f, 0.8f, 0.2f, 0.8f, {}, "", kParse},
        {"second [fondo] goes on into the actor before it", "[fondo]\nancho = 2.0\n[actor]\nx = 0.5\n[fondo]\npollo1x = 0.4\nx = 0.9\n",
         2.0f, 1.0f, 0.9f, 0.2f, 0.8f, {{0.9f, 0.7f, 0.7f}}, "", kParse},
        {"actor defaults and keys", "[fondo]\n[actor]\n[actor]\nx = 0.1\ny = 0.2\nsuelo = 0.3\n",
         1.0f, 1.0f, 0.9f, 0.2f, 0.8f, {{0.6f, 0.7f, 0.7f}, {0.1f, 0.2f, 0.3f}}, "", ""},
        {"stray and unknown keys", "ancho = 5\n[fondo]\nanchura = 3\nAncho = 4\n[otro]\nancho = 6\n[musica]\nmp3 = a\n",
         1.0f, 1.0f, 0.9f, 0.2f, 0.8f, {}, "", ""},
        {"no [fondo]", "[musica]\nogg = m.ogg\n", 1.0f, 1.0f, 0.9f, 0.2f, 0.8f, {}, "m.ogg",
         "     Fondo: El fichero de fondos no tiene [fondo], se usan los valores por defecto:  escena.txt\n"},
        {"missing file", nullptr, 1.0f, 1.0f, 0.9f, 0.2f, 0.8f, {}, "",
         "     Fondo: Error al leer el fichero de fondos:  escena.txt\n"},
        {"eleven and twelve actors", many.c_str(), 1.0f, 1.0f, 0.9f, 0.2f, 0.8f, TenActors(), "",
         "     Fondo: Solo caben 10 actores, se ignora el actor 11:  escena.txt\n"
         "     Fondo: Solo caben 10 actores, se ignora el actor 12:  escena.txt\n"},
    };
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.name);
        unlink("escena.txt");
        TestFolder::Write("logs/log.txt", "");
        renderer.keyed.clear();
        sound.music.clear();
        if (c.text)
            LoadText(c.text);
        else
            stage.Load("escena.txt", &renderer, nullptr, &sound, &settings);
        ASSERT_NE(stage.geometry, nullptr);
        const GeometriaFondo& g = *stage.geometry;
        EXPECT_EQ((std::array<float, 5>{g.ancho, g.alto, g.suelo, g.pollo1x, g.pollo2x}),
                  (std::array<float, 5>{c.ancho, c.alto, c.suelo, c.pollo1x, c.pollo2x}));
        ASSERT_EQ(stage.actorCount, static_cast<int>(c.actors.size()));
        for (int i = 0; i < stage.actorCount; ++i) {
            Bicho* a = stage.actors[i];
            EXPECT_EQ((std::array<float, 3>{a->GetX(), a->GetY(), a->GetGround()}), c.actors[i]) << i;
            EXPECT_EQ(a->stage, &stage);
            EXPECT_EQ(a->settings, &settings);
        }
        EXPECT_EQ(sound.music, std::vector<std::string>{c.music});
        EXPECT_EQ(Log(), c.log);
        EXPECT_EQ((std::array<float, 3>{stage.tintR, stage.tintG, stage.tintB}),
                  (std::array<float, 3>{1, 1, 1}));
    }
}

TEST_F(StageTest, APictureNamedAgainReplacesTheFirstTiles) {
    TestFolder::Write("a.bmp", MakeBmp({512, 256, 24, 0, 0}));
    TestFolder::Write("b.bmp", MakeBmp({256, 256, 24, 0, 0}));
    LoadText("[fondo]\nimagen = a.bmp\nimagen = b.bmp\n");
    ASSERT_EQ(stage.geometry->columns * stage.geometry->rows, 1);
    EXPECT_EQ(renderer.live.count(stage.geometry->tiles[0]), 1u);
    EXPECT_EQ(renderer.live.size(), 1u);  // the second picture's one tile
}

// The farm with its real picture, actors and behaviours.
TEST_F(StageTest, TheFarmStageLoadsPictureActorsAndMusic) {
    for (const char* dir : {"fondos", "Bichos"})
        ASSERT_EQ(symlink((std::string(CORRALON_GAME_DIR) + "/" + dir).c_str(), dir), 0);
    std::string bmp = TestFolder::Read("fondos/granja/granja.bmp");
    ASSERT_GE(bmp.size(), 54u);
    int width = static_cast<unsigned char>(bmp[18]) | static_cast<unsigned char>(bmp[19]) << 8;
    Particulas particles;
    ASSERT_EQ(particles.Init(&renderer), 0);
    Bicho* fighters[2] = {CreateBicho(), CreateBicho()};
    for (Bicho* f : fighters) f->Init(nullptr, &renderer, &particles, &sound, &settings, &stage);

    stage.Load(kDefaultStageFile, &renderer, &particles, &sound, &settings);
    stage.SetFighters(fighters[0], fighters[1]);
    stage.RestartRound();
    for (int frame = 0; frame < 30; ++frame) stage.Draw(1.0f / 60.0f);

    ASSERT_NE(stage.geometry, nullptr);
    EXPECT_EQ(stage.geometry->columns, width / 256);
    EXPECT_EQ(stage.geometry->ancho, 2.0f);
    EXPECT_EQ(fighters[1]->GetX(), 1.3f);
    EXPECT_EQ(stage.camX, -0.5f);
    ASSERT_EQ(stage.actorCount, 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_NE(stage.actors[i]->animations, nullptr) << i;
        EXPECT_NE(stage.actors[i]->action, nullptr) << i;
        EXPECT_EQ(stage.actors[i]->opponent, fighters[1]) << i;
    }
    EXPECT_EQ(sound.music, std::vector<std::string>{"sonido\\granja.ogg"});
    EXPECT_EQ(Log().find("Fondo:"), std::string::npos) << Log();

    stage.Release();
    for (Bicho* f : fighters) {
        f->Release();
        DestroyBicho(f);
    }
    particles.Shutdown();
}

}  // namespace
