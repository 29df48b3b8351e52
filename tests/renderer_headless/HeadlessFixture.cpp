#include "HeadlessFixture.h"

#include <sstream>

#include "base/Library.h"

void HeadlessTest::SetUp() {
    static void* library = nullptr;
    if (!library) library = PlatformLoadLibrary(CORRALON_GAME_DIR "/Headless.dll");
    ASSERT_NE(library, nullptr) << PlatformLibraryError();
    create_ = reinterpret_cast<CreateRendererInstanceFn>(
        PlatformGetSymbol(library, "CreateRendererInstance"));
    callLog_ = reinterpret_cast<CallLogFn>(PlatformGetSymbol(library, "HeadlessCallLog"));
    clearCallLog_ =
        reinterpret_cast<ClearCallLogFn>(PlatformGetSymbol(library, "HeadlessClearCallLog"));
    ASSERT_NE(create_, nullptr);
    ASSERT_NE(callLog_, nullptr);
    ASSERT_NE(clearCallLog_, nullptr);
    clearCallLog_();
}

Renderer* HeadlessTest::NewRenderer() { return create_(); }

std::vector<std::string> HeadlessTest::Lines() const {
    std::vector<std::string> lines;
    std::istringstream in(callLog_());
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

std::string HeadlessTest::LastLine() const {
    std::vector<std::string> lines = Lines();
    return lines.empty() ? std::string() : lines.back();
}
