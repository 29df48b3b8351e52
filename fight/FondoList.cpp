// Which stage a fight uses: the stage list "fondos\fondos.txt".
#include <cstring>
#include <string>
#include <vector>

#include "base/ConfigFile.h"
#include "base/Log.h"
#include "base/Random.h"
#include "fight/Fondo.h"

const char kDefaultStageFile[] = "fondos\\granja\\granja.txt";
const char kStageListFile[] = "fondos\\fondos.txt";

namespace {

const size_t kMaxStages = 100;

void CopyPath(char* stagePath, const char* value) {
    strncpy(stagePath, value, Fondo::kPathSize - 1);
    stagePath[Fondo::kPathSize - 1] = '\0';
}

}  // namespace

void ChooseStage(const char* characterName, char* stagePath) {
    ConfigFile list;
    if (list.Open(kStageListFile) != ConfigResult::kOk) {
        LogPrintf("     Fondo: No se puede abrir la lista de fondos:  %s\n", kStageListFile);
        return;
    }
    std::vector<std::string> stages;
    bool inStages = false;
    bool inCharacters = false;
    TokenKind kind;
    char* text;
    char* value;
    while (list.NextToken(&kind, &text, &value) == ConfigResult::kOk) {
        bool found = false;
        if (kind == TokenKind::kSection) {
            inStages = strcmp(text, "[fondos]") == 0;
            inCharacters = strcmp(text, "[personajes]") == 0;
        } else if (kind == TokenKind::kEntry && inStages && strcmp(text, "fondo") == 0) {
            if (stages.size() < kMaxStages)
                stages.emplace_back(value);
            else
                LogPrintf("     Fondo: La lista de fondos pasa de %d, se ignora:  %s\n",
                          static_cast<int>(kMaxStages), value);
        } else if (kind == TokenKind::kEntry && inCharacters && characterName &&
                   strcmp(text, characterName) == 0) {
            CopyPath(stagePath, value);
            found = true;
        }
        delete[] text;
        if (found) return;
    }
    if (stages.empty()) return;
    if (!characterName)
        CopyPath(stagePath, stages[GameRandom().Next() % stages.size()].c_str());
    else
        CopyPath(stagePath, stages.front().c_str());
}
