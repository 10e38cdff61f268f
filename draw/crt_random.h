#pragma once
// The seeded pseudo-random generator of the platform's C run time, reproduced so that sample
// positions (and so theme colours) are the same in every build. Pure logic: no platform header.
#include <cstdint>

namespace lumbra {

class CrtRandom {
public:
    void Seed(std::uint32_t seed) { state_ = seed; }
    // 0 … 0x7FFF.
    int Next();
    // lo … hi inclusive (lo when hi < lo).
    int Between(int lo, int hi);

private:
    std::uint32_t state_ = 1;
};

}  // namespace lumbra
