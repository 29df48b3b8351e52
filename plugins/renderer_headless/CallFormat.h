#pragma once
// Text of one recorded call line.
#include <cstdarg>
#include <string>

// printf into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatV(const char* format, va_list args);

// The text between double quotes, with control characters escaped (\n, \t,
// \xNN) so every call stays on one line; everything else, Latin-1 and
// backslashes included, stays as it is. Null becomes (null) without quotes.
std::string Quoted(const char* text);

// Four colour or coordinate values as "%.3f %.3f %.3f %.3f".
std::string Floats4(float a, float b, float c, float d);
