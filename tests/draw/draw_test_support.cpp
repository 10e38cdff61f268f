#include "draw_test_support.h"

#include "draw/gdiplus_session.h"
#include "draw/image_records.h"
#include "draw/solid_brush_object.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace lumbra::test {
namespace {

class GdiplusEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        session_ = std::make_unique<GdiplusSession>();
        ASSERT_TRUE(session_->Ok()) << "GdiplusStartup: " << session_->Status();
    }
    void TearDown() override { session_.reset(); }

private:
    std::unique_ptr<GdiplusSession> session_;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace

ByteBuffer TwoColourPicture(int width, int height, std::uint32_t leftArgb, std::uint32_t rightArgb,
                            const std::string& format) {
    BitmapObject bitmap;
    GraphicsObject graphics;
    if (!bitmap.CreateBitmap(width, height) || !graphics.CreateFromImage(bitmap)) return {};
    SolidBrushObject left, right;
    left.Create(leftArgb);
    right.Create(rightArgb);
    graphics.FillRectangleI(left, 0, 0, width / 2, height);
    graphics.FillRectangleI(right, width / 2, 0, width - width / 2, height);
    graphics.Dispose();
    return bitmap.SaveToBytes(format);
}

ByteBuffer SolidPicture(int width, int height, std::uint32_t argb, const std::string& format) {
    return TwoColourPicture(width, height, argb, argb, format);
}

ByteBuffer TwoFrameGif() {
    return {
        'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0,  // 1×1 screen, two-entry colour table
        0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF,                    // red, blue
        0x21, 0xFF, 0x0B, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 0x03, 0x01, 0x00, 0x00, 0x00,
        0x21, 0xF9, 0x04, 0x00, 10, 0, 0, 0x00,                // delay 10
        0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00,  // pixel of colour 0
        0x21, 0xF9, 0x04, 0x00, 20, 0, 0, 0x00,                // delay 20
        0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0x00, 0x02, 0x02, 0x4C, 0x01, 0x00,  // pixel of colour 1
        0x3B,
    };
}

Surface::Surface(int width, int height) {
    bitmap.CreateBitmap(width, height);
    graphics.CreateFromImage(bitmap);
    graphics.Clear(0xFFFFFFFF);
}

std::uint32_t Surface::Pixel(int x, int y) {
    graphics.Flush(1);
    return bitmap.GetPixel(x, y);
}

bool Near(std::uint32_t a, std::uint32_t b, int tolerance) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int ca = static_cast<int>((a >> shift) & 0xFF), cb = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(ca - cb) > tolerance) return false;
    }
    return true;
}

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

}  // namespace lumbra::test
