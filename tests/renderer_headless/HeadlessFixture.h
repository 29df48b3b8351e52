#pragma once
// Loads Headless.so from the game folder the way the game does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sdk/Renderer.h"

typedef const char* (*CallLogFn)();
typedef void (*ClearCallLogFn)();

class HeadlessTest : public ::testing::Test {
protected:
    void SetUp() override;
    // A fresh renderer object (never deleted, like in the game).
    Renderer* NewRenderer();
    std::vector<std::string> Lines() const;
    std::string LastLine() const;

    CallLogFn callLog_ = nullptr;
    ClearCallLogFn clearCallLog_ = nullptr;
    CreateRendererInstanceFn create_ = nullptr;
};
