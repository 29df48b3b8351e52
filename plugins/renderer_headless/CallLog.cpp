#include "plugins/renderer_headless/CallLog.h"

#include "base/Files.h"

CallLog::~CallLog() { CloseTrace(); }

void CallLog::Add(const std::string& line) {
    if (lines_.size() >= kMaxLines) lines_.pop_front();
    lines_.push_back(line);
    if (trace_) {
        fputs(line.c_str(), trace_);
        fputc('\n', trace_);
    }
}

const char* CallLog::Text() {
    joined_.clear();
    size_t size = 0;
    for (const std::string& line : lines_) size += line.size() + 1;
    joined_.reserve(size);
    for (const std::string& line : lines_) {
        joined_ += line;
        joined_ += '\n';
    }
    return joined_.c_str();
}

void CallLog::Clear() {
    lines_.clear();
    joined_.clear();
    joined_.shrink_to_fit();
}

bool CallLog::OpenTrace(const char* path) {
    CloseTrace();
    if (!path || !*path) return false;
    trace_ = PlatformOpenFile(path, "ab");
    return trace_ != nullptr;
}

void CallLog::FlushTrace() {
    if (trace_) fflush(trace_);
}

void CallLog::CloseTrace() {
    if (trace_) fclose(trace_);
    trace_ = nullptr;
}

CallLog& HeadlessLog() {
    static CallLog log;
    return log;
}
