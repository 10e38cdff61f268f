#include "draw_test_support.h"

#include "draw/brush_object.h"
#include "draw/font_object.h"
#include "draw/image_records.h"
#include "draw/linear_gradient_brush_object.h"
#include "draw/matrix_object.h"
#include "draw/path_gradient_brush_object.h"
#include "draw/path_object.h"
#include "draw/pen_object.h"
#include "draw/region_object.h"
#include "draw/rounded_shapes.h"
#include "draw/solid_brush_object.h"
#include "draw/string_format_object.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumbra::test {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFF, kBlack = 0xFF000000, kRed = 0xFFFF0000, kBlue = 0xFF0000FF;
constexpr int kNotImplemented = 6;

int Channel(std::uint32_t argb, int shift) { return static_cast<int>((argb >> shift) & 0xFF); }

TEST(GraphicsPixels, RoundedRectangleCornersAndEdges) {
    Surface surface(60, 40);
    PathObject path;
    ASSERT_TRUE(path.Create());
    ASSERT_TRUE(AddRoundedRectangle(path, 10, 10, 40, 20, 10));
    SolidBrushObject black;
    ASSERT_TRUE(black.Create(kBlack));
    ASSERT_TRUE(surface.graphics.FillPath(black, path));

    struct Case { int x, y; std::uint32_t expected; };
    for (const Case& c : std::vector<Case>{
             {30, 20, kBlack},                                         // inside
             {30, 10, kBlack}, {30, 9, kWhite},                        // top edge
             {30, 29, kBlack}, {30, 31, kWhite},                       // bottom edge
             {10, 20, kBlack}, {8, 20, kWhite},                        // left edge
             {49, 20, kBlack}, {51, 20, kWhite},                       // right edge
             {10, 10, kWhite}, {49, 10, kWhite}, {10, 29, kWhite},     // cut corners
             {49, 29, kWhite}, {48, 28, kBlack}, {47, 29, kBlack},      // the larger bottom-right corner
             {15, 12, kBlack}, {45, 12, kBlack},                       // just inside the arcs
         })
        EXPECT_EQ(Hex(surface.Pixel(c.x, c.y)), Hex(c.expected)) << c.x << "," << c.y;
}

TEST(GraphicsPixels, RoundedShapesClampAndStayOpen) {
    auto points = [](int corner) {
        PathObject path;
        path.Create();
        AddRoundedRectangle(path, 0, 0, 300, 300, corner);
        std::vector<PointF> result;
        path.GetPathPoints(result);
        return result;
    };
    auto same = [](const std::vector<PointF>& a, const std::vector<PointF>& b) {
        if (a.size() != b.size() || a.empty()) return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (a[i].X != b[i].X || a[i].Y != b[i].Y) return false;
        return true;
    };
    EXPECT_TRUE(same(points(0), points(1)));
    EXPECT_TRUE(same(points(500), points(100)));
    EXPECT_FALSE(same(points(20), points(100)));

    auto roundPoints = [](int percentage) {
        PathObject path;
        path.Create();
        EXPECT_TRUE(path.AddRoundRectangle(0, 0, 100, 50, percentage));
        std::vector<PointF> result;
        path.GetPathPoints(result);
        return result;
    };
    EXPECT_TRUE(same(roundPoints(0), roundPoints(1)));
    EXPECT_TRUE(same(roundPoints(150), roundPoints(100)));

    PathObject top;
    ASSERT_TRUE(top.Create());
    ASSERT_TRUE(AddTopRoundedRectangle(top, 5, 5, 40, 20, 10));
    std::vector<PointF> topPoints;
    std::vector<std::uint8_t> types;
    ASSERT_TRUE(top.GetPathData(topPoints, types));
    ASSERT_FALSE(topPoints.empty());
    EXPECT_EQ(topPoints.front().X, 5);
    EXPECT_EQ(topPoints.front().Y, 25);
    EXPECT_EQ(topPoints.back().X, 45);
    EXPECT_EQ(topPoints.back().Y, 25);
    EXPECT_EQ(types.back() & 0x80, 0) << "the figure stays open";
}

TEST(GraphicsPixels, GlowOutlineStrokesWithGrowingWidth) {
    Surface surface(40, 40);
    PathObject path;
    path.Create();
    path.AddRectangle(10, 10, 20, 20);
    ASSERT_TRUE(DrawGlowOutline(surface.graphics, path, 3, 0xDDCA22, 120));
    const std::uint32_t onLine = surface.Pixel(20, 10);
    EXPECT_NE(onLine, kWhite);
    EXPECT_LT(Channel(onLine, 16), Channel(onLine, 0)) << "the skin colour's red is its low byte: " << Hex(onLine);
    EXPECT_EQ(Hex(surface.Pixel(20, 6)), Hex(kWhite));
    EXPECT_EQ(Hex(surface.Pixel(20, 20)), Hex(kWhite));
}

TEST(GraphicsPixels, PenWithoutUnitDrawsOnePixelLines) {
    Surface surface(30, 12);
    PenObject pen;
    ASSERT_TRUE(pen.Create(kBlack, 1));
    EXPECT_EQ(pen.GetUnit(), 0);
    EXPECT_EQ(pen.GetWidth(), 1.0f);
    ASSERT_TRUE(surface.graphics.DrawLine(pen, 0, 5, 30, 5));
    int dark = 0;
    for (int y = 0; y < 12; ++y) dark += surface.Pixel(15, y) != kWhite;
    EXPECT_EQ(dark, 1);
}

TEST(GraphicsPixels, LinearGradientTilesBeyondItsSegment) {
    Surface surface(100, 4);
    LinearGradientBrushObject brush;
    ASSERT_TRUE(brush.CreateFromPoints(PointF(0, 0), PointF(20, 0), kBlack, kWhite));
    EXPECT_EQ(brush.GetWrapMode(), 0);
    ASSERT_TRUE(surface.graphics.FillRectangle(brush, 0, 0, 100, 4));
    const int early = Channel(surface.Pixel(2, 1), 8), late = Channel(surface.Pixel(18, 1), 8);
    EXPECT_LT(early, 50);
    EXPECT_GT(late, 200);
    for (int x : {2, 10, 18})
        for (int repeat : {20, 40, 60, 80})
            EXPECT_TRUE(Near(surface.Pixel(x, 1), surface.Pixel(x + repeat, 1), 8)) << x << "+" << repeat;
}

TEST(GraphicsPixels, PathGradientCentreAndRim) {
    Surface surface(61, 61);
    PathObject circle;
    circle.Create();
    circle.AddEllipse(0, 0, 60, 60);
    PathGradientBrushObject brush;
    ASSERT_TRUE(brush.CreateFromPath(circle));
    ASSERT_TRUE(brush.SetCenterPoint(PointF(30, 30)));
    const PointF centre = brush.GetCenterPoint();
    EXPECT_EQ(centre.X, 30);
    EXPECT_EQ(centre.Y, 30);
    ASSERT_TRUE(brush.SetCenterColor(kRed));
    const std::vector<std::uint32_t> rim = {kBlue};
    int taken = 0;
    ASSERT_TRUE(brush.SetSurroundColors(rim, &taken));
    EXPECT_EQ(taken, 1);
    ASSERT_TRUE(surface.graphics.FillPath(brush, circle));

    const std::uint32_t middle = surface.Pixel(30, 30), edge = surface.Pixel(30, 2);
    EXPECT_GT(Channel(middle, 16), 200) << Hex(middle);
    EXPECT_LT(Channel(middle, 0), 55) << Hex(middle);
    EXPECT_GT(Channel(edge, 0), 180) << Hex(edge);
    EXPECT_LT(Channel(edge, 16), 75) << Hex(edge);
    EXPECT_EQ(Hex(surface.Pixel(1, 1)), Hex(kWhite));

    PathGradientBrushObject fromPoints;
    const PointF triangle[] = {PointF(0, 0), PointF(10, 0), PointF(5, 8)};
    ASSERT_TRUE(fromPoints.CreateFromPoints(triangle));
    EXPECT_EQ(fromPoints.GetWrapMode(), 4);
    EXPECT_EQ(fromPoints.GetPointCount(), 3);
}

TEST(GraphicsPixels, ClipByPathXorAndClearIgnoringTheClip) {
    Surface surface(40, 40);
    PathObject square;
    square.Create();
    square.AddRectangle(10, 10, 20, 20);
    SolidBrushObject red, blue;
    red.Create(kRed);
    blue.Create(kBlue);

    ASSERT_TRUE(surface.graphics.SetClipPath(square));
    ASSERT_TRUE(surface.graphics.FillRectangle(red, 0, 0, 40, 40));
    EXPECT_EQ(Hex(surface.Pixel(20, 20)), Hex(kRed));
    EXPECT_EQ(Hex(surface.Pixel(5, 5)), Hex(kWhite));

    ASSERT_TRUE(surface.graphics.ResetClip());
    ASSERT_TRUE(surface.graphics.SetClipPath(square, 3));
    ASSERT_TRUE(surface.graphics.FillRectangle(blue, 0, 0, 40, 40));
    EXPECT_EQ(Hex(surface.Pixel(20, 20)), Hex(kRed));
    EXPECT_EQ(Hex(surface.Pixel(5, 5)), Hex(kBlue));
    EXPECT_EQ(Hex(surface.Pixel(35, 35)), Hex(kBlue));
    EXPECT_FALSE(surface.graphics.IsVisiblePoint(20, 20));
    EXPECT_TRUE(surface.graphics.IsVisiblePoint(5, 5));

    ASSERT_TRUE(surface.graphics.Clear(0xFF00FF00));
    EXPECT_EQ(Hex(surface.Pixel(20, 20)), Hex(0xFF00FF00));
    EXPECT_EQ(Hex(surface.Pixel(5, 5)), Hex(0xFF00FF00));

    RegionObject clip;
    ASSERT_TRUE(surface.graphics.GetClip(clip));
    EXPECT_FALSE(clip.IsVisiblePoint(20, 20, surface.graphics));
    EXPECT_TRUE(clip.IsVisiblePoint(5, 5, surface.graphics));
}

TEST(GraphicsPixels, TextInSongTiIsDrawn) {
    Surface surface(200, 40);
    FontObject font;
    ASSERT_TRUE(font.CreateFromName("\xCB\xCE\xCC\xE5", 20, 0, 2)) << "宋体 must resolve; status " << LastStatus();
    EXPECT_EQ(font.GetSize(), 20.0f);
    SolidBrushObject black;
    black.Create(kBlack);
    StringFormatObject format;
    ASSERT_TRUE(format.Create());
    const RectF layout(0, 0, 200, 40);
    const std::string text = "\xBA\xD0\xD7\xD3\xCC\xE1\xCA\xBE";  // 盒子提示
    RectF bounds;
    ASSERT_TRUE(surface.graphics.MeasureString(text, font, layout, format, bounds));
    EXPECT_GT(bounds.Width, 40);
    EXPECT_GT(bounds.Height, 15);
    ASSERT_TRUE(surface.graphics.DrawString(text, font, black, layout, format));
    int inked = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x) inked += surface.Pixel(x, y) != kWhite;
    EXPECT_GT(inked, 60);

    Surface blank(50, 20);
    EXPECT_TRUE(blank.graphics.DrawString("", font, black, RectF(0, 0, 50, 20), format));
    for (int x = 0; x < 50; ++x) ASSERT_EQ(blank.Pixel(x, 10), kWhite);

    FontObject unknown;
    EXPECT_FALSE(unknown.CreateFromName("No Such Face Anywhere", 12, 0, 2));
    EXPECT_EQ(unknown.GetNativeHandle(), nullptr);
    EXPECT_FALSE(blank.graphics.DrawString("x", unknown, black, RectF(0, 0, 50, 20), format));
}

TEST(GraphicsPixels, CharacterRangesAreMeasured) {
    Surface surface(200, 40);
    FontObject font;
    ASSERT_TRUE(font.CreateFromName("\xCB\xCE\xCC\xE5", 16, 0, 2));
    StringFormatObject format;
    format.Create();
    const Gdiplus::CharacterRange ranges[] = {Gdiplus::CharacterRange(0, 1), Gdiplus::CharacterRange(2, 1)};
    ASSERT_TRUE(format.SetMeasurableCharacterRanges(ranges));
    EXPECT_EQ(format.GetMeasurableCharacterRangeCount(), 2);
    std::vector<RegionObject> regions;
    ASSERT_TRUE(surface.graphics.MeasureCharacterRanges("ABC", font, RectF(0, 0, 200, 40), format, 2, regions));
    ASSERT_EQ(regions.size(), 2u);
    const RectF first = regions[0].GetBounds(surface.graphics), third = regions[1].GetBounds(surface.graphics);
    EXPECT_GT(first.Width, 0);
    EXPECT_GT(third.X, first.X + first.Width - 0.5f);
    EXPECT_FALSE(surface.graphics.MeasureCharacterRanges("ABC", font, RectF(0, 0, 200, 40), format, 0, regions));
    EXPECT_EQ(regions.size(), 2u);
}

TEST(GraphicsPixels, PictureStretchedByDrawImageRect) {
    Surface surface(20, 20);
    ImageObject picture;
    ASSERT_TRUE(picture.LoadFromBytes(TwoColourPicture(100, 50, kRed, kBlue, kPngFormat)));
    ASSERT_TRUE(surface.graphics.DrawImageRect(picture, 0, 0, 10, 10));
    EXPECT_EQ(Hex(surface.Pixel(2, 5)), Hex(kRed));
    EXPECT_EQ(Hex(surface.Pixel(7, 5)), Hex(kBlue));
    EXPECT_EQ(Hex(surface.Pixel(2, 9)), Hex(kRed));
    EXPECT_EQ(Hex(surface.Pixel(12, 5)), Hex(kWhite));
    EXPECT_EQ(Hex(surface.Pixel(5, 12)), Hex(kWhite));

    ImageObject empty;
    EXPECT_FALSE(surface.graphics.DrawImageRect(empty, 0, 0, 10, 10));
    EXPECT_EQ(Hex(surface.Pixel(2, 5)), Hex(kRed));

    // The picture's corners land on the three points: a mirror image.
    Surface mirrored(20, 10);
    ASSERT_TRUE(mirrored.graphics.DrawImagePoints(picture, 20, 0, 0, 0, 20, 10));
    EXPECT_EQ(Hex(mirrored.Pixel(3, 5)), Hex(kBlue));
    EXPECT_EQ(Hex(mirrored.Pixel(16, 5)), Hex(kRed));
}

TEST(GraphicsPixels, DeviceContextSurface) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -8, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(dc, dib);
    {
        GraphicsObject graphics;
        ASSERT_TRUE(graphics.CreateFromHdc(dc));
        SolidBrushObject red;
        red.Create(kRed);
        ASSERT_TRUE(graphics.FillRectangleI(red, 0, 0, 8, 8));
        EXPECT_TRUE(graphics.Dispose());
        EXPECT_FALSE(graphics.Dispose());
    }
    EXPECT_EQ(GetPixel(dc, 2, 2), RGB(255, 0, 0));
    EXPECT_NE(GetPixel(dc, 12, 2), RGB(255, 0, 0));
    SelectObject(dc, previous);
    DeleteObject(dib);
    DeleteDC(dc);
}

TEST(GraphicsTransforms, PointsAreWrittenBackAndCentresStay) {
    Surface surface(10, 10);
    GraphicsObject& g = surface.graphics;
    constexpr int kWorld = 0, kDevice = 2;
    ASSERT_TRUE(g.TranslateTransform(5, 7));
    PointF points[] = {PointF(1, 1), PointF(0, 0)};
    ASSERT_TRUE(g.TransformPoints(kDevice, kWorld, points));
    EXPECT_EQ(points[0].X, 6);
    EXPECT_EQ(points[0].Y, 8);
    EXPECT_EQ(points[1].X, 5);

    for (int order : {0, 1}) {
        ASSERT_TRUE(g.ResetTransform());
        ASSERT_TRUE(g.ScaleTransformAt(2, 3, PointF(10, 10), order));
        PointF scaled[] = {PointF(10, 10), PointF(11, 11)};
        g.TransformPoints(kDevice, kWorld, scaled);
        EXPECT_NEAR(scaled[0].X, 10, 1e-4) << order;
        EXPECT_NEAR(scaled[0].Y, 10, 1e-4) << order;
        EXPECT_NEAR(scaled[1].X, 12, 1e-4) << order;
        EXPECT_NEAR(scaled[1].Y, 13, 1e-4) << order;

        ASSERT_TRUE(g.ResetTransform());
        ASSERT_TRUE(g.RotateTransformAt(90, PointF(10, 10), order));
        PointF turned[] = {PointF(11, 10)};
        g.TransformPoints(kDevice, kWorld, turned);
        EXPECT_NEAR(turned[0].X, 10, 1e-4) << order;
        EXPECT_NEAR(turned[0].Y, 11, 1e-4) << order;
    }

    // After a translation, "at" in append order keeps the device point, in prepend order the
    // world point.
    ASSERT_TRUE(g.ResetTransform());
    g.TranslateTransform(100, 0);
    g.ScaleTransformAt(2, 2, PointF(0, 0), 1);
    MatrixObject appended;
    ASSERT_TRUE(g.GetTransform(appended));
    const auto elements = appended.GetElements();
    EXPECT_EQ(elements[0], 2);
    EXPECT_EQ(elements[4], 200);

    MatrixObject matrix;
    ASSERT_TRUE(matrix.Create());
    ASSERT_TRUE(matrix.ScaleAt(2, 2, PointF(5, 5)));
    PointF fixed[] = {PointF(5, 5), PointF(6, 5)};
    ASSERT_TRUE(matrix.TransformPoints(fixed));
    EXPECT_EQ(fixed[0].X, 5);
    EXPECT_EQ(fixed[1].X, 7);
    ASSERT_TRUE(matrix.Reset());
    EXPECT_TRUE(matrix.IsIdentity());
}

TEST(GraphicsTransforms, UnimplementedCallsPassTheirStatusThrough) {
    Surface surface(10, 10);
    EXPECT_FALSE(surface.graphics.AddComment({1, 2, 3, 4}));
    EXPECT_EQ(LastStatus(), kNotImplemented);

    PathObject path;
    path.Create();
    path.AddRectangle(0, 0, 10, 10);
    MatrixObject none;
    EXPECT_FALSE(path.Outline(none, 0.25f));
    EXPECT_EQ(LastStatus(), kNotImplemented);
    const PointF destination[] = {PointF(0, 0), PointF(10, 0), PointF(0, 10), PointF(10, 10)};
    EXPECT_FALSE(path.Warp(none, destination, RectF(0, 0, 10, 10), 0, 0.25f));
    EXPECT_EQ(LastStatus(), kNotImplemented);
}

}  // namespace
}  // namespace lumbra::test
