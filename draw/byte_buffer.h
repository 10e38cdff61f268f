#pragma once
// A counted byte array: embedded pictures and encoded images travel this way.
#include <cstdint>
#include <vector>

namespace lumbra {

using ByteBuffer = std::vector<std::uint8_t>;

}  // namespace lumbra
