// The program's one pseudo-random generator: colour names reseed it, the
// screen-saver document draw and the "random" colour take numbers from it.
#pragma once

#include <cstdint>

class ProgramRandom {
public:
    void Reseed(std::uint32_t seed);
    // A number in [0, 1).
    double Next();

private:
    std::uint64_t state_ = 0x853c49e6748fea9bULL;
};
