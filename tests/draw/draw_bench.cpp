// Paints a 615×458 frame the way a skinned window does, into a memory bitmap, and prints the
// median time per frame next to a plain BitBlt of the same size. Not a test: run it by hand.
#include "draw/bitmap_object.h"
#include "draw/color_convert.h"
#include "draw/font_family_object.h"
#include "draw/gdiplus_session.h"
#include "draw/graphics_object.h"
#include "draw/image_records.h"
#include "draw/linear_gradient_brush_object.h"
#include "draw/path_object.h"
#include "draw/pen_object.h"
#include "draw/rounded_shapes.h"
#include "draw/solid_brush_object.h"
#include "draw/string_format_object.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace lumbra;

namespace {

constexpr int kWidth = 615, kHeight = 458, kFrames = 200;

// A background picture as the skin gets it: JPEG bytes.
ByteBuffer BackgroundJpeg() {
    BitmapObject bitmap;
    GraphicsObject graphics;
    bitmap.CreateBitmap(400, 300);
    graphics.CreateFromImage(bitmap);
    LinearGradientBrushObject brush;
    brush.CreateFromPoints(PointF(0, 0), PointF(400, 300), 0xFF1F6F8F, 0xFFE0F0F8);
    graphics.FillRectangle(brush, 0, 0, 400, 300);
    graphics.Dispose();
    return bitmap.SaveToBytes(std::string(kJpegFormat));
}

void PaintFrame(HDC dc, const ImageObject& background, const FontFamilyObject& family) {
    GraphicsObject g;
    g.CreateFromHdc(dc);
    g.SetSmoothingMode(4);
    g.SetInterpolationMode(7);
    g.SetPixelOffsetMode(3);
    g.SetCompositingQuality(2);

    PathObject frame;
    frame.Create();
    AddRoundedRectangle(frame, 0, 0, kWidth - 1, kHeight - 1, 10);
    g.SetClipPath(frame);
    g.DrawImageRect(background, 0, 0, kWidth, kHeight);

    // Title bar and gloss.
    LinearGradientBrushObject title;
    title.CreateFromPoints(PointF(0, 0), PointF(0, 30), ColorRefToArgb(0x8F6F1F, 200), ColorRefToArgb(0x8F6F1F, 60));
    g.FillRectangle(title, 0, 0, kWidth, 30);
    PathObject gloss;
    gloss.Create();
    AddTopRoundedRectangle(gloss, 0, 0, kWidth - 1, 15, 10);
    LinearGradientBrushObject shine;
    shine.CreateFromPoints(PointF(0, 0), PointF(0, 15), 0x32FFFFFF, 0x0AFFFFFF);
    g.FillPath(shine, gloss);
    g.ResetClip();

    // Two outline strokes.
    PenObject outer, inner;
    outer.Create(0xC0000000, 1);
    inner.Create(0x60FFFFFF, 1);
    g.DrawPath(outer, frame);
    PathObject innerFrame;
    innerFrame.Create();
    AddRoundedRectangle(innerFrame, 1, 1, kWidth - 3, kHeight - 3, 9);
    g.DrawPath(inner, innerFrame);

    // Halo text: the caption's outline widened in a translucent glow, then the caption.
    StringFormatObject format;
    format.Create();
    PathObject caption;
    caption.Create();
    caption.AddString("Lumbra \xBB\xEE\xB6\xAF\xBA\xD0\xD7\xD3", family, 14, RectF(34, 7, 400, 20), 0, format);
    PenObject halo;
    halo.Create(0x50FFFFFF, 4);
    halo.SetLineJoin(2);
    g.DrawPath(halo, caption);
    SolidBrushObject ink;
    ink.Create(0xFF000000);
    g.FillPath(ink, caption);
    g.Dispose();
}

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

template <typename Frame>
double MedianMilliseconds(Frame frame) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> samples;
    for (int i = 0; i < 5; ++i) frame();
    for (int i = 0; i < kFrames; ++i) {
        QueryPerformanceCounter(&start);
        frame();
        QueryPerformanceCounter(&end);
        samples.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                          static_cast<double>(frequency.QuadPart));
    }
    return Median(samples);
}

HBITMAP Dib(HDC dc) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    return CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

}  // namespace

int main() {
    GdiplusSession session;
    if (!session.Ok()) {
        std::fprintf(stderr, "GdiplusStartup failed: %d\n", session.Status());
        return 1;
    }
    ImageObject background;
    if (!background.LoadFromBytes(BackgroundJpeg())) return 1;
    FontFamilyObject family;
    if (!family.CreateFromName("\xCB\xCE\xCC\xE5")) family.GenericSansSerif();

    HDC source = CreateCompatibleDC(nullptr), target = CreateCompatibleDC(nullptr);
    HBITMAP sourceBitmap = Dib(source), targetBitmap = Dib(target);
    HGDIOBJ oldSource = SelectObject(source, sourceBitmap), oldTarget = SelectObject(target, targetBitmap);

    const double frame = MedianMilliseconds([&] { PaintFrame(source, background, family); });
    const double blit = MedianMilliseconds([&] { BitBlt(target, 0, 0, kWidth, kHeight, source, 0, 0, SRCCOPY); GdiFlush(); });
    std::printf("draw_bench: %dx%d, median of %d frames\n", kWidth, kHeight, kFrames);
    std::printf("  skinned frame: %.3f ms\n", frame);
    std::printf("  plain BitBlt:  %.3f ms\n", blit);

    SelectObject(source, oldSource);
    SelectObject(target, oldTarget);
    DeleteObject(sourceBitmap);
    DeleteObject(targetBitmap);
    DeleteDC(source);
    DeleteDC(target);
    return 0;
}
