#include "tools/datagen/creatures/Content.h"

#include <cstring>

#include "base/ConfigFile.h"

bool ReadGameContent(const std::string& path, GameContent& content, std::string& reason) {
    ConfigFile file;
    if (file.Open(path.c_str()) != ConfigResult::kOk) {
        reason = "cannot read " + path;
        return false;
    }
    content = GameContent();
    std::string section;
    TokenKind kind;
    char* text;
    char* value;
    bool ok = true;
    while (ok && file.NextToken(&kind, &text, &value) == ConfigResult::kOk) {
        if (kind == TokenKind::kSection) {
            section = text;
        } else if (kind == TokenKind::kEntry && (!*text || !value || !*value)) {
            reason = path + ": an entry of " + section + " is empty";
            ok = false;
        } else if (kind == TokenKind::kEntry && section == "[bichos]") {
            content.creatures.push_back(
                {text, std::string("Bichos\\") + text + ".qvl", value});
        } else if (kind == TokenKind::kEntry && section == "[fondos]" && strcmp(text, "fondo") == 0) {
            content.stages.push_back(value);
        }
        delete[] text;
    }
    file.Close();
    return ok;
}
