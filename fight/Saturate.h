#pragma once
// Score arithmetic that sticks at the ends of int instead of wrapping: a
// behaviour may set a life far above its maximum.
#include <climits>

inline int SaturatingAdd(int a, int b) {
    long long sum = static_cast<long long>(a) + b;
    if (sum > INT_MAX) return INT_MAX;
    if (sum < INT_MIN) return INT_MIN;
    return static_cast<int>(sum);
}

// A float cut toward zero, held inside int; not-a-number counts nothing.
inline int SaturatingInt(double value) {
    if (!(value == value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);
}
