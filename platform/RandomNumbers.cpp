#include "platform/RandomNumbers.h"

uint32_t RandSeed = 0;

uint32_t RandomNumber(uint32_t n) {
    RandSeed = RandSeed * 134775813u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(RandSeed) * n) >> 32);
}
