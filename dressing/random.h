// The process's one pseudo-random generator (user-interface thread only).
#pragma once

#include <cstdint>

void seedRandomGenerator(std::uint32_t seed);

// A whole number between a and b inclusive, in either order; negative bounds count as 0.
int randomBetween(int a, int b);
