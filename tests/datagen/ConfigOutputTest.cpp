#include <gtest/gtest.h>

#include "DatagenOutput.h"
#include "base/ConfigFile.h"

namespace {

void ExpectValue(const std::string& file, const char* section, const char* key,
                 const char* value) {
    SCOPED_TRACE(file + " " + key);
    ConfigFile config;
    ASSERT_EQ(config.Open((GeneratedFolder() + "\\" + file).c_str()), ConfigResult::kOk);
    config.Load();
    EXPECT_STREQ(config.GetValue(section, key), value);
}

}  // namespace

TEST(ConfigOutputTest, FilesReadBackToTheirValues) {
    ASSERT_FALSE(GeneratedFolder().empty());
    ExpectValue("cfg\\motorcfg.txt", "[dll]", "dll", "Krellin.dll");
    ExpectValue("cfg\\sonidocfg.txt", "[dll]", "dll", "PlimsaFMOD.dll");
    ExpectValue("cfg\\musicacfg.txt", "[musica]", "intro", "sonido\\intro.ogg");
    ExpectValue("cfg\\musicacfg.txt", "[musica]", "menu", "sonido\\menu.ogg");
    ExpectValue("cfg\\musicacfg.txt", "[musica]", "seleccionados", "sonido\\seleccion.ogg");
    ExpectValue("cfg\\musicacfg.txt", "[musica]", "creditos", "sonido\\creditos.ogg");
    ExpectValue("cfg\\krellin.txt", "[ventana]", "ancho", "800");
    ExpectValue("cfg\\krellin.txt", "[ventana]", "alto", "600");
    ExpectValue("cfg\\krellin.txt", "[ventana]", "pantallacompleta", "0");
    ExpectValue("cfg\\krellin.txt", "[ventana]", "vsync", "0");
}

TEST(ConfigOutputTest, FilesStartWithACommentAndEndWithANewline) {
    for (const char* file : {"motorcfg.txt", "sonidocfg.txt", "musicacfg.txt", "krellin.txt"}) {
        SCOPED_TRACE(file);
        std::string text = ReadWhole(GeneratedFolder() + "/cfg/" + file);
        ASSERT_GT(text.size(), 2u);
        EXPECT_EQ(text.substr(0, 2), "# ");
        EXPECT_EQ(text.back(), '\n');
        EXPECT_EQ(text.find('\r'), std::string::npos);
    }
}
