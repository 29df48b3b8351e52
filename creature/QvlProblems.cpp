#include "creature/QvlProblems.h"

#include <cstdarg>
#include <cstdio>

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
    if (count_ <= kQvlLoggedProblems) LogPrintf("%s", text);
    if (observer_) observer_->Problem(text);
}
