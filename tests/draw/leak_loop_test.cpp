// Creates, uses and disposes every drawing object kind 10,000 times; the process's memory and
// GDI object count must stay flat.
#include "draw_test_support.h"

#include "draw/font_family_object.h"
#include "draw/font_object.h"
#include "draw/image_records.h"
#include "draw/linear_gradient_brush_object.h"
#include "draw/matrix_object.h"
#include "draw/memory_stream_object.h"
#include "draw/path_gradient_brush_object.h"
#include "draw/path_object.h"
#include "draw/pen_object.h"
#include "draw/picture_colors.h"
#include "draw/region_object.h"
#include "draw/rounded_shapes.h"
#include "draw/solid_brush_object.h"
#include "draw/string_format_object.h"
#include "draw/texture_brush_object.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace lumbra::test {
namespace {

struct Usage {
    std::size_t pagefile = 0, workingSet = 0;
    DWORD gdiObjects = 0;
};

// Wine answers 0 to GetGuiResources. There, the live GDI objects show through the handle table:
// a burst of new handles fills the free slots first, so the highest slot index it reaches
// less the burst's size is about the number of live objects.
DWORD GdiObjectCount() {
    if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return count;
    constexpr int kBurst = 4000;
    std::vector<HRGN> burst;
    DWORD highest = 0;
    for (int i = 0; i < kBurst; ++i) {
        HRGN region = CreateRectRgn(0, 0, 1, 1);
        if (!region) break;
        burst.push_back(region);
        highest = std::max(highest, static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(region) & 0xFFFF));
    }
    for (HRGN region : burst) DeleteObject(region);
    return highest > burst.size() ? highest - static_cast<DWORD>(burst.size()) : 0;
}

Usage Measure() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return {counters.PagefileUsage, counters.WorkingSetSize, GdiObjectCount()};
}

void UseEveryKind(const ByteBuffer& png, const ByteBuffer& jpeg, bool encode) {
    MemoryStreamObject stream;
    stream.CreateFromBytes(png);
    ImageObject image;
    image.LoadFromBytes(jpeg);
    BitmapObject bitmap;
    bitmap.CreateBitmap(48, 32);
    BitmapObject picture;
    picture.LoadFromBytes(png);
    GraphicsObject graphics;
    graphics.CreateFromImage(bitmap);
    graphics.SetSmoothingMode(4);

    PathObject path;
    path.Create();
    AddRoundedRectangle(path, 1, 1, 45, 29, 8);
    graphics.SetClipPath(path);
    graphics.DrawImageRect(image, 0, 0, 48, 32);

    LinearGradientBrushObject linear;
    linear.CreateFromPoints(PointF(0, 0), PointF(0, 32), 0x80FFFFFF, 0x10000000);
    graphics.FillPath(linear, path);
    PathGradientBrushObject radial;
    radial.CreateFromPath(path);
    radial.SetCenterColor(0xFFFF0000);
    graphics.FillRectangle(radial, 0, 0, 48, 32);
    TextureBrushObject texture;
    texture.Create(picture);
    graphics.FillEllipse(texture, 4, 4, 10, 10);
    SolidBrushObject solid;
    solid.Create(0xFF000000);
    PenObject pen;
    pen.Create(0xFF336699, 1);
    graphics.ResetClip();
    DrawGlowOutline(graphics, path, 2, 0xDDCA22, 120);

    FontFamilyObject family;
    family.CreateFromName("\xCB\xCE\xCC\xE5");
    FontObject font;
    font.CreateFromFamily(family, 12, 0, 2);
    StringFormatObject format;
    format.Create();
    graphics.DrawString("\xBA\xD0\xD7\xD3", font, solid, RectF(0, 0, 48, 32), format);

    RegionObject region;
    region.CreateFromPath(path);
    HRGN gdiRegion = region.GetHrgn(graphics);
    DeleteObject(gdiRegion);
    MatrixObject matrix;
    matrix.Create();
    matrix.RotateAt(30, PointF(24, 16));
    graphics.SetTransform(matrix);
    graphics.DrawImage(picture, 0, 0);
    graphics.Dispose();

    HBITMAP gdiBitmap = bitmap.GetHBITMAP(0);
    DeleteObject(gdiBitmap);
    if (encode) {
        const ByteBuffer saved = bitmap.SaveToBytes(std::string(kPngFormat));
        AveragePictureColor(saved, 50);
    }
}

TEST(LeakLoop, EveryKindTenThousandTimesStaysFlat) {
    const ByteBuffer png = SolidPicture(16, 16, 0xFF204080, kPngFormat);
    const ByteBuffer jpeg = SolidPicture(64, 48, 0xFF806040, kJpegFormat);
    for (int i = 0; i < 300; ++i) UseEveryKind(png, jpeg, i % 20 == 0);
    const Usage before = Measure();
    {
        // The GDI probe sees a handle that is not given back.
        HRGN kept = CreateRectRgn(0, 0, 1, 1);
        const DWORD withOne = GdiObjectCount();
        DeleteObject(kept);
        ASSERT_GE(withOne, before.gdiObjects + 1) << "the GDI object count does not see new objects";
    }
    constexpr int kRounds = 10000;
    const DWORD started = GetTickCount();
    std::size_t settled = 0;
    for (int i = 0; i < kRounds; ++i) {
        UseEveryKind(png, jpeg, i % 20 == 0);
        if (i % 2000 == 1999) {
            PROCESS_MEMORY_COUNTERS c{};
            c.cb = sizeof c;
            GetProcessMemoryInfo(GetCurrentProcess(), &c, sizeof c);
            std::printf("  after %5d rounds: pagefile usage %zu KB\n", i + 1, static_cast<std::size_t>(c.PagefileUsage / 1024));
            if (settled == 0) settled = c.PagefileUsage;
        }
    }
    const DWORD elapsed = GetTickCount() - started;
    const Usage after = Measure();

    std::printf("leak loop: %d rounds in %lu ms\n", kRounds, static_cast<unsigned long>(elapsed));
    std::printf("  pagefile usage %zu KB -> %zu KB (%+lld KB)\n", before.pagefile / 1024, after.pagefile / 1024,
                (static_cast<long long>(after.pagefile) - static_cast<long long>(before.pagefile)) / 1024);
    std::printf("  working set    %zu KB -> %zu KB (%+lld KB)\n", before.workingSet / 1024, after.workingSet / 1024,
                (static_cast<long long>(after.workingSet) - static_cast<long long>(before.workingSet)) / 1024);
    std::printf("  GDI objects    %lu -> %lu\n", static_cast<unsigned long>(before.gdiObjects),
                static_cast<unsigned long>(after.gdiObjects));

    // A leak of one small object per round would show as hundreds of kilobytes; once the heap
    // has settled nothing may grow at all.
    EXPECT_LT(static_cast<long long>(after.pagefile) - static_cast<long long>(before.pagefile), 1024 * 1024);
    EXPECT_LT(static_cast<long long>(after.pagefile) - static_cast<long long>(settled), 64 * 1024);
    EXPECT_LE(after.gdiObjects, before.gdiObjects + 2);
}

}  // namespace
}  // namespace lumbra::test
