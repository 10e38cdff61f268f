#pragma once
// What the drawing tests share: GDI+ started for the whole run, pictures made on the spot and
// a surface whose pixels can be read back.
#include "draw/bitmap_object.h"
#include "draw/byte_buffer.h"
#include "draw/graphics_object.h"

#include <cstdint>
#include <string>

namespace lumbra::test {

// A width × height picture of one ARGB colour, encoded in format (a raw-format GUID text).
ByteBuffer SolidPicture(int width, int height, std::uint32_t argb, const std::string& format);
// Left half one colour, right half another: shows where a picture lands when drawn.
ByteBuffer TwoColourPicture(int width, int height, std::uint32_t leftArgb, std::uint32_t rightArgb,
                            const std::string& format);
// A 1×1 animated GIF of two frames whose delays are 10 and 20 hundredths of a second.
ByteBuffer TwoFrameGif();

// A 32-bit ARGB bitmap with a graphics on it, cleared to opaque white.
struct Surface {
    Surface(int width, int height);
    BitmapObject bitmap;
    GraphicsObject graphics;
    // Finishes drawing and reads a pixel.
    std::uint32_t Pixel(int x, int y);
};

// Each channel within tolerance.
bool Near(std::uint32_t a, std::uint32_t b, int tolerance);
std::string Hex(std::uint32_t value);

}  // namespace lumbra::test
