#pragma once
// What the theme takes from a background picture: its average colour, and the picture with
// its edges faded into the theme colour.
#include "draw/byte_buffer.h"

#include <cstdint>
#include <optional>
#include <string>

namespace lumbra {

// The average of samples pseudo-random pixels (the same ones for every call), in skin form
// with 0xFF in the top byte; the margins restrict sampling to the right and bottom strips.
// The file at path is read instead of picture when path is not empty. Black when the picture
// does not load.
std::uint32_t AveragePictureColor(const ByteBuffer& picture, int samples,
                                  std::optional<int> rightMargin = std::nullopt,
                                  std::optional<int> bottomMargin = std::nullopt, const std::string& path = {});

// The picture as PNG with its bottom band and its right (or left) band running into color
// (skin form); the bands are fadeWidth wide, 30 % of the width when not given. Empty when the
// picture does not load.
ByteBuffer FadePictureEdges(const ByteBuffer& picture, std::optional<int> fadeWidth, std::uint32_t color,
                            std::optional<bool> rightSide = std::nullopt, const std::string& path = {});

}  // namespace lumbra
