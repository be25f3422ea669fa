#include "runner/window/program_random.h"

void ProgramRandom::Reseed(std::uint32_t seed) {
    state_ = 0x853c49e6748fea9bULL ^ (static_cast<std::uint64_t>(seed) * 0x9E3779B97F4A7C15ULL);
}

double ProgramRandom::Next() {
    // splitmix64: small, fast and well spread for a handful of draws.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * (1.0 / 9007199254740992.0);
}
