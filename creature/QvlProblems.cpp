#include "creature/QvlProblems.h"

#include <cstdarg>
#include <cstdio>

#include "base/Log.h"

void QvlProblems::Report(const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    ++count_;
    LogPrintf("%s", text);
    if (observer_) observer_->Problem(text);
}
