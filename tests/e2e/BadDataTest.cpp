// The real program over a copy of the game folder with one piece of data
// damaged: it says what is wrong, reaches a fight, ends in order and never
// leaves a saved file short.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <regex>
#include <tuple>

#include "tests/e2e/GameRun.h"

namespace {

// Intro, menu, 1 PLAYER (ARCADE), the first creature, a little fight,
// Escape twice back to the menu, SALIR, and the credits to their end.
const char kSession[] =
    "0.1 *20\n0.1 +ESCAPE\n0.1 -ESCAPE\n0.1 *3\n"
    "0.1 +INSERT\n0.1 -INSERT\n0.1 +INSERT\n0.1 -INSERT\n0.1 *3\n0.1 +INSERT\n0.1 -INSERT\n"
    "0.1 *140\n0.1 +RIGHT +INSERT\n0.1 *20\n0.1 -RIGHT -INSERT\n"
    "0.1 +ESCAPE\n0.1 -ESCAPE\n0.1 +ESCAPE\n0.1 -ESCAPE\n0.1 *3\n"
    "0.1 +DOWN\n0.1 -DOWN\n0.1 +DOWN\n0.1 -DOWN\n0.1 +INSERT\n0.1 -INSERT\n0.5 *80\n";

// Saved files the game may rewrite whole or leave alone, never cut short.
const std::string kOptions("\x01\x00\x00\x20\x41\x01\x01\x00\x00\x00", 10);
const std::string kKeys("\xC8\xD0\xCB\xCD\xD2\xD3\xC7\xCF\xC9\xD1\x11\x1F\x1E\x20\x13\x21\x14\x22\x15\x23", 20);

struct Damage {
    const char* name;
    const char* shell;   // run inside the copy
    const char* logged;  // what the log must say; empty where it cannot be written
    bool readOnly;       // takes write permission away: root must run as somebody else
};

const Damage kDamages[] = {
    {"MissingIntroPicture", "rm bmp/huevohi.bmp", R"(No se ha podido cargar la imagen: bmp\\huevohi\.bmp)", false},
    {"TruncatedMenuPicture", "truncate -s 1000 bmp/MenuBgSD.bmp",
     R"(No se ha podido cargar la imagen: bmp\\MenuBgSD\.bmp)", false},
    {"TruncatedStagePicture", "truncate -s 100000 fondos/granja/granja.bmp",
     R"(Fondo: La imagen de fondo esta cortada: +fondos\\granja\\granja\.bmp)", false},
    {"CreatureCutInHalf", "truncate -s $(($(stat -c %s Bichos/rana.qvl) / 2)) Bichos/rana.qvl",
     R"(trozo de bicho: Bichos\\rana\.qvl\n.*\n.*el fichero esta cortado o roto)", false},
    {"CharacterListNamesMissingFiles",
     R"(printf '[Jugadores]\nbicho = Bichos\\nada.qvl\nbicho = Bichos\\brocanto.qvl\nbicho = Bichos\\otro.qvl\n' > Bichos/bichos.txt)",
     R"(no existe el fichero: Bichos\\nada\.qvl[\s\S]*no existe el fichero: Bichos\\otro\.qvl)", false},
    {"StageFileOfGarbage", "head -c 4000 bmp/star.bmp > fondos/granja/granja.txt",
     R"(Fondo: El fichero de fondos no tiene \[fondo\].*fondos\\granja\\granja\.txt)", false},
    {"MissingMusic", "rm sonido/menu.ogg", R"(Musica sonido\\menu\.ogg no encontrada)", false},
    {"EmptyCfgFolder", "rm -f cfg/*",
     R"(Error al leer el fichero de configuracion: cfg\\musicacfg\.txt[\s\S]*cfg\\motorcfg\.txt)", false},
    {"ReadOnlyCfgFolder", "chmod a-w cfg",
     R"(No se han podido guardar las teclas en cfg\\tecladoDI\.cfg: Permission denied\n.*No se han podido guardar las opciones en cfg\\config\.cfg: Permission denied)",
     true},
    // A rival's or a crash's leftover beside the saves stops nothing.
    {"LeftoverSaveFiles", "mkdir cfg/config.cfg.new && : > cfg/tecladoDI.cfg.new.999999999",
     R"(Fin del log)", false},
    // The menus still answer: the fight is reached with the default keys.
    {"KeyFileOfGarbage", "head -c 20 /dev/zero | tr '\\0' '\\377' > cfg/tecladoDI.cfg",
     R"(Teclado: cfg\\tecladoDI\.cfg: 20 teclas fuera de la tabla)", false},
    {"NamedPipeForAPicture", "rm bmp/huevohi.bmp && mkfifo bmp/huevohi.bmp",
     R"(No se ha podido cargar la imagen: bmp\\huevohi\.bmp)", false},
    {"ForgedPadName", "sed -i '1i 0.1 +PAD1=Pad%0A%20%20%20%20%20Forjada' session.txt",
     R"(Mando: conectado Pad%0A     Forjada como jugador 1\n)", false},
    {"ReadOnlyLogsFolder", "rm -f logs/* && chmod a-w logs", "", true},
};

void PrintTo(const Damage& damage, std::ostream* out) { *out << damage.name; }

// Whether this process may become another user (root in most containers).
bool CanBecomeNobody() {
    pid_t pid = fork();
    if (pid == 0) _exit(setgid(65534) == 0 && setuid(65534) == 0 ? 0 : 1);
    int status = 0;
    return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class BadData : public ::testing::TestWithParam<Damage> {};

TEST_P(BadData, EndsInOrderAndSaysWhatIsWrong) {
    const Damage& damage = GetParam();
    GameRun game;
    ASSERT_TRUE(game.copied());
    game.UseRenderer("Headless.dll");
    game.Write("session.txt", kSession);
    game.Write("cfg/config.cfg", kOptions);
    game.Write("cfg/tecladoDI.cfg", kKeys);
    ASSERT_EQ(system(("cd '" + game.Path("") + "' && " + damage.shell).c_str()), 0) << damage.shell;
    if (damage.readOnly && geteuid() == 0) {
        if (!CanBecomeNobody()) GTEST_SKIP() << "root here cannot become another user, so no folder is read-only to it";
        ASSERT_EQ(system(("chown -R 65534:65534 '" + game.Path("") + "'").c_str()), 0);
        game.RunAs(65534, 65534);
    }
    const std::string options = game.Read("cfg/config.cfg"), keys = game.Read("cfg/tecladoDI.cfg");

    game.Start({}, {"CORRALON_REPLAY=" + game.Path("session.txt"),
                    "CORRALON_HEADLESS_TRACE=" + game.Path("trace.txt")});
    EXPECT_EQ(game.Wait(60.0), 0) << "0 ends in order, -1 hung, 128 + n died of signal n";
    EXPECT_EQ(system(("chmod -R u+w '" + game.Path("") + "'").c_str()), 0);  // so the copy can go

    const std::string log = game.Read("logs/log.txt");
    if (*damage.logged) {
        EXPECT_TRUE(std::regex_search(log, std::regex(damage.logged))) << damage.logged << "\n" << log;
        EXPECT_NE(log.find("Fondo: Cargando fondo"), std::string::npos) << "no fight reached";
        EXPECT_NE(log.find("Fin del log"), std::string::npos);
    } else {
        EXPECT_EQ(log, "");
        EXPECT_NE(game.Read("trace.txt").find("\"ROUND\""), std::string::npos) << "no fight reached";
    }
    for (const auto& [name, before, whole] : {std::make_tuple("cfg/config.cfg", options, 10u),
                                               std::make_tuple("cfg/tecladoDI.cfg", keys, 20u)}) {
        const std::string after = game.Read(name);
        EXPECT_TRUE(after.size() == whole || after == before) << name << ": " << after.size() << " bytes";
    }
}

INSTANTIATE_TEST_SUITE_P(Damages, BadData, ::testing::ValuesIn(kDamages),
                         [](const ::testing::TestParamInfo<Damage>& info) { return info.param.name; });

}  // namespace
