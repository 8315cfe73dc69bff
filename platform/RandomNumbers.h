#pragma once
// The choice generator: a linear congruential sequence, so that a seed gives
// the same choices on every machine.

#include <cstdint>

// One 32-bit state for the whole program, 0 at start.
extern uint32_t RandSeed;
// A number in 0 .. n - 1 (0 when n is 0); advances the state every time.
uint32_t RandomNumber(uint32_t n);
