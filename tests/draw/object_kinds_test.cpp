#include "draw_test_support.h"

#include "draw/font_collection_object.h"
#include "draw/font_family_object.h"
#include "draw/font_object.h"
#include "draw/image_records.h"
#include "draw/linear_gradient_brush_object.h"
#include "draw/matrix_object.h"
#include "draw/memory_stream_object.h"
#include "draw/path_gradient_brush_object.h"
#include "draw/path_object.h"
#include "draw/pen_object.h"
#include "draw/region_object.h"
#include "draw/solid_brush_object.h"
#include "draw/string_format_object.h"
#include "draw/text_to_wide.h"
#include "draw/texture_brush_object.h"

#include <gtest/gtest.h>

#include <functional>

namespace lumbra::test {
namespace {

// Creates an object of one kind, then disposes it twice.
struct KindCase {
    const char* name;
    std::function<bool(bool secondDispose)> run;
};

template <typename Object, typename Create>
KindCase Kind(const char* name, Create create) {
    return {name, [create](bool second) {
                Object object;
                if (!create(object) || !object.GetNativeHandle()) return false;
                const bool first = object.Dispose();
                const bool again = object.Dispose();
                return second ? again : (first && object.GetNativeHandle() == nullptr);
            }};
}

TEST(DrawingObjects, EveryKindDisposesOnceAndRefusesTheSecondTime) {
    const ByteBuffer png = SolidPicture(4, 4, 0xFF808080, kPngFormat);
    ImageObject texture;
    ASSERT_TRUE(texture.LoadFromBytes(png));
    PathObject ellipse;
    ellipse.Create();
    ellipse.AddEllipse(0, 0, 10, 10);

    const std::vector<KindCase> kinds = {
        Kind<ImageObject>("image", [&](ImageObject& o) { return o.LoadFromBytes(png); }),
        Kind<BitmapObject>("bitmap", [](BitmapObject& o) { return o.CreateBitmap(3, 3); }),
        Kind<GraphicsObject>("graphics", [&](GraphicsObject& o) { return o.CreateFromImage(texture); }),
        Kind<PenObject>("pen", [](PenObject& o) { return o.Create(0xFF000000, 1); }),
        Kind<SolidBrushObject>("solid brush", [](SolidBrushObject& o) { return o.Create(0xFF000000); }),
        Kind<LinearGradientBrushObject>("linear gradient", [](LinearGradientBrushObject& o) {
            return o.CreateFromPoints(PointF(0, 0), PointF(5, 0), 0xFF000000, 0xFFFFFFFF);
        }),
        Kind<PathGradientBrushObject>("path gradient",
                                      [&](PathGradientBrushObject& o) { return o.CreateFromPath(ellipse); }),
        Kind<TextureBrushObject>("texture", [&](TextureBrushObject& o) { return o.Create(texture); }),
        Kind<PathObject>("path", [](PathObject& o) { return o.Create(); }),
        Kind<FontObject>("font", [](FontObject& o) { return o.CreateDefault(); }),
        Kind<FontFamilyObject>("family", [](FontFamilyObject& o) { return o.CreateFromName("\xCB\xCE\xCC\xE5"); }),
        Kind<StringFormatObject>("format", [](StringFormatObject& o) { return o.Create(); }),
        Kind<RegionObject>("region", [](RegionObject& o) { return o.CreateFromRect(RectF(0, 0, 5, 5)); }),
        Kind<MatrixObject>("matrix", [](MatrixObject& o) { return o.Create(); }),
    };
    for (const KindCase& kind : kinds) {
        EXPECT_TRUE(kind.run(false)) << kind.name;
        EXPECT_FALSE(kind.run(true)) << kind.name;
    }
}

TEST(DrawingObjects, EmptyObjectsAnswerZeroAndDrawNothing) {
    PenObject pen;
    SolidBrushObject brush;
    PathObject path;
    FontObject font;
    MatrixObject matrix;
    EXPECT_EQ(pen.GetWidth(), 0.0f);
    EXPECT_NE(LastStatus(), 0);
    EXPECT_EQ(brush.GetColor(), 0u);
    EXPECT_EQ(path.GetPointCount(), 0);
    EXPECT_EQ(font.GetSize(), 0.0f);
    EXPECT_EQ(matrix.OffsetX(), 0.0f);
    EXPECT_FALSE(path.AddLine(0, 0, 1, 1));

    Surface surface(10, 10);
    EXPECT_FALSE(surface.graphics.DrawLine(pen, 0, 5, 10, 5));
    EXPECT_FALSE(surface.graphics.FillRectangle(brush, 0, 0, 10, 10));
    EXPECT_EQ(surface.Pixel(5, 5), 0xFFFFFFFFu);
    GraphicsObject none;
    EXPECT_FALSE(none.Clear(0xFF000000));
    EXPECT_FALSE(none.Dispose());
}

TEST(DrawingObjects, CreatingAgainReplacesTheHeldObject) {
    PenObject pen;
    ASSERT_TRUE(pen.Create(0xFF000000, 1));
    ASSERT_TRUE(pen.Create(0xFF00FF00, 3));
    EXPECT_EQ(pen.GetWidth(), 3.0f);
    EXPECT_EQ(pen.GetColor(), 0xFF00FF00u);
    PenObject copy;
    ASSERT_TRUE(pen.Clone(copy));
    pen.Dispose();
    EXPECT_EQ(copy.GetWidth(), 3.0f);
}

TEST(MemoryStreamObject, HoldsAPrivateCopyAndGrowsWhenWritten) {
    MemoryStreamObject stream;
    ByteBuffer bytes = {1, 2, 3, 4, 5};
    ASSERT_NE(stream.CreateFromBytes(bytes, 3), nullptr);
    bytes.assign(5, 0);
    EXPECT_EQ(stream.GetSize(), 3u);
    EXPECT_EQ(stream.ToBytes(), (ByteBuffer{1, 2, 3}));
    EXPECT_NE(stream.GetMemoryHandle(), nullptr);
    ASSERT_NE(stream.CreateFromBytes(bytes, 100), nullptr) << "a count beyond the buffer is cut to it";
    EXPECT_EQ(stream.GetSize(), 5u);

    ASSERT_NE(stream.CreateFromBytes({}), nullptr);
    const char text[] = "grown";
    ULONG written = 0;
    ASSERT_EQ(stream.GetStream()->Write(text, 5, &written), S_OK);
    EXPECT_EQ(stream.ToBytes(), (ByteBuffer{'g', 'r', 'o', 'w', 'n'}));
    stream.Release();
    EXPECT_EQ(stream.GetStream(), nullptr);
    EXPECT_TRUE(stream.ToBytes().empty());
}

TEST(Fonts, CreationsAndFamilyNames) {
    FontObject byDefault;
    ASSERT_TRUE(byDefault.CreateDefault());
    EXPECT_GT(byDefault.GetSize(), 0);

    HDC screen = GetDC(nullptr);
    HFONT gdiFont = CreateFontW(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0, L"宋体");
    FontObject fromGdi;
    ASSERT_TRUE(fromGdi.CreateFromHdcFont(screen, gdiFont));
    EXPECT_EQ(fromGdi.GetStyle() & 1, 1) << "bold";
    // Without a font handle the DC's selected font is taken; it must be TrueType for GDI+.
    HGDIOBJ previous = SelectObject(screen, gdiFont);
    FontObject fromDc;
    EXPECT_TRUE(fromDc.CreateFromHdcFont(screen));
    SelectObject(screen, previous);
    DeleteObject(gdiFont);
    ReleaseDC(nullptr, screen);

    FontFamilyObject family;
    ASSERT_TRUE(family.CreateFromName("\xCB\xCE\xCC\xE5"));  // 宋体
    EXPECT_FALSE(family.GetFamilyName().empty());
    EXPECT_EQ(TextToWide(family.GetFamilyName()), family.GetFamilyNameW());
    EXPECT_GT(family.GetEmHeight(0), 0);

    FontObject font;
    ASSERT_TRUE(font.CreateFromFamily(family, 12, 2, 3));
    EXPECT_EQ(font.GetStyle() & 2, 2) << "italic";
    EXPECT_EQ(font.GetUnit(), 3);
    FontFamilyObject back;
    ASSERT_TRUE(font.GetFamily(back));
    EXPECT_EQ(back.GetFamilyNameW(), family.GetFamilyNameW());

    FontFamilyObject missing;
    EXPECT_FALSE(missing.CreateFromName("No Such Face Anywhere"));
    EXPECT_EQ(missing.GetFamilyName(), "");

    FontCollectionObject installed;
    ASSERT_TRUE(installed.CreateInstalled());
    const int count = installed.GetFamilyCount();
    ASSERT_GT(count, 0);
    std::vector<FontFamilyObject> families;
    ASSERT_TRUE(installed.GetFamilies(count, families));
    EXPECT_EQ(static_cast<int>(families.size()), count);
    EXPECT_FALSE(families[0].GetFamilyNameW().empty());
}

TEST(Regions, CombineAndQuery) {
    Surface surface(10, 10);
    RegionObject region;
    ASSERT_TRUE(region.CreateFromRect(RectF(0, 0, 10, 10)));
    ASSERT_TRUE(region.CombineRect(RectF(5, 0, 10, 10), 1));  // intersect
    const RectF bounds = region.GetBounds(surface.graphics);
    EXPECT_EQ(bounds.X, 5);
    EXPECT_EQ(bounds.Width, 5);
    EXPECT_FALSE(region.IsVisiblePoint(2, 2, surface.graphics));
    EXPECT_TRUE(region.IsVisiblePoint(7, 2, surface.graphics));

    RegionObject copy;
    const ByteBuffer data = region.GetData();
    ASSERT_FALSE(data.empty());
    ASSERT_TRUE(copy.CreateFromRegionData(data));
    EXPECT_TRUE(copy.Equals(region, surface.graphics));
    ASSERT_TRUE(copy.MakeEmpty());
    EXPECT_TRUE(copy.IsEmpty(surface.graphics));

    HRGN gdiRegion = region.GetHrgn(surface.graphics);
    ASSERT_NE(gdiRegion, nullptr);
    EXPECT_TRUE(PtInRegion(gdiRegion, 7, 2));
    EXPECT_FALSE(PtInRegion(gdiRegion, 2, 2));
    DeleteObject(gdiRegion);
}

}  // namespace
}  // namespace lumbra::test
