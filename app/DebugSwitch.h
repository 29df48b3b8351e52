#pragma once

// True when the command line after the program name is exactly "DebugInfo",
// optionally with one leading '-' or '/'.
bool ParseDebugInfoSwitch(const char* commandLine);
