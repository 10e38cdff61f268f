#include "draw/crt_random.h"

namespace lumbra {

int CrtRandom::Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
}

int CrtRandom::Between(int lo, int hi) {
    const int draw = Next();
    if (hi < lo) return lo;
    return lo + static_cast<int>(static_cast<std::int64_t>(draw) % (static_cast<std::int64_t>(hi) - lo + 1));
}

}  // namespace lumbra
