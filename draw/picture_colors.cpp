#include "draw/picture_colors.h"

#include "draw/bitmap_object.h"
#include "draw/color_convert.h"
#include "draw/crt_random.h"
#include "draw/graphics_object.h"
#include "draw/image_records.h"
#include "draw/linear_gradient_brush_object.h"

#include <algorithm>

namespace lumbra {
namespace {

template <typename Picture>
void Load(Picture& target, const ByteBuffer& picture, const std::string& path) {
    if (!path.empty()) {
        target.LoadFromFile(path);
    } else {
        target.LoadFromBytes(picture);
    }
}

// Sampling range of one axis: the last margin pixels when a margin is given.
std::pair<int, int> SampleRange(int size, std::optional<int> margin) {
    const int lo = margin && *margin >= 1 ? size - *margin : 0;
    return {std::max(lo, 0), std::max(size - 1, 0)};
}

bool FillBand(GraphicsObject& graphics, PointF from, PointF to, std::uint32_t startArgb, std::uint32_t endArgb,
              const RectF& band) {
    LinearGradientBrushObject brush;
    return brush.CreateFromPoints(from, to, startArgb, endArgb) && graphics.FillRectangleRect(brush, band);
}

}  // namespace

std::uint32_t AveragePictureColor(const ByteBuffer& picture, int samples, std::optional<int> rightMargin,
                                  std::optional<int> bottomMargin, const std::string& path) {
    if (samples < 1) return 0xFF000000;
    BitmapObject bitmap;
    Load(bitmap, picture, path);
    const auto [x0, x1] = SampleRange(bitmap.GetWidth(), rightMargin);
    const auto [y0, y1] = SampleRange(bitmap.GetHeight(), bottomMargin);

    CrtRandom random;
    std::uint64_t blue = 0, green = 0, red = 0;
    for (int i = 1; i <= samples; ++i) {
        random.Seed(static_cast<std::uint32_t>(3 * i));
        const int x = random.Between(x0, x1);
        random.Seed(static_cast<std::uint32_t>(i));
        const int y = random.Between(y0, y1);
        const std::uint32_t color = ArgbToColorRef(bitmap.GetPixel(x, y));
        blue += color >> 16;
        green += (color >> 8) & 0xFF;
        red += color & 0xFF;
    }
    bitmap.Dispose();
    const auto n = static_cast<std::uint64_t>(samples);
    return 0xFF000000u | static_cast<std::uint32_t>(blue / n) << 16 | static_cast<std::uint32_t>(green / n) << 8 |
           static_cast<std::uint32_t>(red / n);
}

ByteBuffer FadePictureEdges(const ByteBuffer& picture, std::optional<int> fadeWidth, std::uint32_t color,
                            std::optional<bool> rightSide, const std::string& path) {
    ImageObject image;
    Load(image, picture, path);
    const int width = image.GetWidth(), height = image.GetHeight();
    if (width <= 0 || height <= 0) return {};

    BitmapObject bitmap;
    GraphicsObject graphics;
    if (!bitmap.CreateBitmap(width, height) || !graphics.CreateFromImage(bitmap)) return {};
    graphics.SetCompositingQuality(3);
    graphics.DrawImageRect(image, 0, 0, static_cast<float>(width), static_cast<float>(height));

    const int fade = fadeWidth.value_or(static_cast<int>(0.3 * width));
    const auto w = static_cast<float>(width), h = static_cast<float>(height), f = static_cast<float>(fade);
    const std::uint32_t solid = ColorRefToArgb(color);
    const std::uint32_t clearWhite = ColorRefToArgb(0xFFFFFF, 0);
    if (rightSide.value_or(true)) {
        const auto t = static_cast<float>(width - fade);
        FillBand(graphics, PointF(t, 0), PointF(w, 0), clearWhite, solid, RectF(t + 1, 0, f, h));
    } else {
        FillBand(graphics, PointF(0, 0), PointF(f, 0), solid, clearWhite, RectF(0, 0, f, h));
    }
    const auto t2 = static_cast<float>(height - fade);
    FillBand(graphics, PointF(0, t2), PointF(0, h), ColorRefToArgb(color, 0), solid, RectF(0, t2 + 1, w, f));

    graphics.Dispose();
    return bitmap.SaveToBytes(std::string(kPngFormat));
}

}  // namespace lumbra
