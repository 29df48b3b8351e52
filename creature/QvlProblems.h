#pragma once
// Problem lines of a load: written to the log and shown to an observer.
#include "creature/QvlRead.h"

class QvlProblems {
public:
    explicit QvlProblems(QvlObserver* observer) : observer_(observer) {}
    void Report(const char* format, ...) __attribute__((format(printf, 2, 3)));
    int Count() const { return count_; }

private:
    QvlObserver* observer_;
    int count_ = 0;
};
