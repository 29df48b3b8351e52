#pragma once
// Problem lines of a load: written to the log and shown to an observer.
#include "creature/QvlRead.h"

// A broken file can hold thousands of faults (every cut string is one); the
// log keeps the first ones and a count of the rest, so one bad download does
// not flood it each time a screen loads it. The observer sees them all.
constexpr int kQvlLoggedProblems = 32;

class QvlProblems {
public:
    explicit QvlProblems(QvlObserver* observer) : observer_(observer) {}
    ~QvlProblems();
    QvlProblems(const QvlProblems&) = delete;
    QvlProblems& operator=(const QvlProblems&) = delete;
    void Report(const char* format, ...) __attribute__((format(printf, 2, 3)));
    int Count() const { return count_; }

private:
    QvlObserver* observer_;
    int count_ = 0;
};
