#pragma once
// Colours as the skin keeps them (0x00BBGGRR) and as the drawing library takes them
// (0xAARRGGBB). Pure logic: no platform header.
#include <cstdint>
#include <optional>

namespace lumbra {

// alpha: 255 when not given.
std::uint32_t ColorRefToArgb(std::uint32_t color, std::optional<std::uint8_t> alpha = std::nullopt);
// The alpha byte goes to alpha when asked for.
std::uint32_t ArgbToColorRef(std::uint32_t argb, std::uint8_t* alpha = nullptr);

}  // namespace lumbra
