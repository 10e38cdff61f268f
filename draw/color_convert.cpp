#include "draw/color_convert.h"

namespace lumbra {

std::uint32_t ColorRefToArgb(std::uint32_t color, std::optional<std::uint8_t> alpha) {
    const std::uint32_t red = color & 0xFF, green = (color >> 8) & 0xFF, blue = (color >> 16) & 0xFF;
    return static_cast<std::uint32_t>(alpha.value_or(255)) << 24 | red << 16 | green << 8 | blue;
}

std::uint32_t ArgbToColorRef(std::uint32_t argb, std::uint8_t* alpha) {
    if (alpha) *alpha = static_cast<std::uint8_t>(argb >> 24);
    const std::uint32_t red = (argb >> 16) & 0xFF, green = (argb >> 8) & 0xFF, blue = argb & 0xFF;
    return blue << 16 | green << 8 | red;
}

}  // namespace lumbra
