#include "creature/QvlProblems.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "base/Log.h"

QvlProblems::~QvlProblems() {
    if (count_ > kQvlLoggedProblems)
        LogPrintf("     Bicho: Carga de datos, %d problemas mas sin anotar\n",
                  count_ - kQvlLoggedProblems);
}

void QvlProblems::Report(const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    ++count_;
    // The text carries names from the file: logged escaped, its own line
    // end restored.
    size_t length = strlen(text);
    const bool line = length > 0 && text[length - 1] == '\n';
    if (line) text[length - 1] = '\0';
    if (count_ <= kQvlLoggedProblems) LogPrintf(line ? "%s\n" : "%s", text);
    if (line) text[length - 1] = '\n';
    if (observer_) observer_->Problem(text);
}
