#pragma once
#include <cstdint>
#include <span>

namespace lumbra {

// The bytes of an embedded picture (an RCDATA resource of the program's own module, numbered
// as in res/resource_ids.h). They stay valid as long as the module is loaded; the span is
// empty when the resource is missing.
std::span<const std::uint8_t> EmbeddedPicture(int resourceId);

}  // namespace lumbra
