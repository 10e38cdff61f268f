#include "draw_test_support.h"

#include "draw/bitmap_object.h"
#include "draw/gdip.h"
#include "draw/image_encoders.h"
#include "draw/image_records.h"
#include "draw/text_to_wide.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace lumbra::test {
namespace {

constexpr int kInvalidParameter = 2;

bool StartsWith(const ByteBuffer& bytes, const ByteBuffer& prefix) {
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

const ByteBuffer kPngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

std::string TempPath(const char* name) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

TEST(TextToWide, ConvertsCodePage936BothWays) {
    const std::string gbk = "\xBA\xD0\xD7\xD3 ok";  // 盒子 ok
    EXPECT_EQ(TextToWide(gbk), L"盒子 ok");
    EXPECT_EQ(WideToText(L"盒子 ok"), gbk);
    EXPECT_EQ(TextToWide(std::string("ab\0cd", 5)), L"ab");
    EXPECT_EQ(TextToWide(""), L"");
}

TEST(ImageObject, PngRoundTripKeepsSignatureAndPixels) {
    const ByteBuffer png = TwoColourPicture(8, 4, 0xFF102030, 0x80C0D0E0, kPngFormat);
    ASSERT_TRUE(StartsWith(png, kPngSignature));

    BitmapObject loaded;
    ASSERT_TRUE(loaded.LoadFromBytes(png));
    EXPECT_EQ(loaded.GetWidth(), 8);
    EXPECT_EQ(loaded.GetHeight(), 4);
    EXPECT_EQ(loaded.GetRawFormat(), kPngFormat);

    const ByteBuffer again = loaded.SaveToBytes(std::string(kPngFormat));
    EXPECT_TRUE(StartsWith(again, kPngSignature));
    // Without a format the picture is written in its own.
    EXPECT_TRUE(StartsWith(loaded.SaveToBytes(), kPngSignature));

    BitmapObject reread;
    ASSERT_TRUE(reread.LoadFromBytes(again));
    EXPECT_EQ(Hex(reread.GetPixel(0, 0)), Hex(0xFF102030));
    EXPECT_EQ(Hex(reread.GetPixel(7, 3)), Hex(0x80C0D0E0));
}

TEST(ImageObject, JpegIsReencoded) {
    const ByteBuffer jpeg = SolidPicture(16, 16, 0xFF3366CC, kJpegFormat);
    ASSERT_GE(jpeg.size(), 4u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);

    ImageObject image;
    ASSERT_TRUE(image.LoadFromBytes(jpeg));
    EXPECT_EQ(image.GetRawFormat(), kJpegFormat);
    const ByteBuffer again = image.SaveToBytes();
    ASSERT_GE(again.size(), 2u);
    EXPECT_EQ(again[0], 0xFF);
    EXPECT_EQ(again[1], 0xD8);

    BitmapObject reread;
    ASSERT_TRUE(reread.LoadFromBytes(again));
    EXPECT_TRUE(Near(reread.GetPixel(8, 8), 0xFF3366CC, 12)) << Hex(reread.GetPixel(8, 8));
}

TEST(ImageObject, PictureStaysReadableAfterTheCallersBytesAreGone) {
    BitmapObject source;
    ImageObject image;
    {
        ByteBuffer png = SolidPicture(6, 6, 0xFF00FF00, kPngFormat);
        ASSERT_TRUE(image.LoadFromBytes(png));
        std::fill(png.begin(), png.end(), 0);
    }
    Surface surface(6, 6);
    EXPECT_TRUE(surface.graphics.DrawImage(image, 0, 0));
    EXPECT_EQ(Hex(surface.Pixel(3, 3)), Hex(0xFF00FF00));
}

TEST(ImageObject, CloneOutlivesTheOriginal) {
    ImageObject clone;
    {
        ImageObject image;
        ASSERT_TRUE(image.LoadFromBytes(SolidPicture(5, 3, 0xFFAA5500, kPngFormat)));
        ASSERT_TRUE(image.Clone(clone));
    }
    EXPECT_EQ(clone.GetWidth(), 5);
    Surface surface(5, 3);
    EXPECT_TRUE(surface.graphics.DrawImage(clone, 0, 0));
    EXPECT_EQ(Hex(surface.Pixel(2, 1)), Hex(0xFFAA5500));
}

TEST(ImageObject, FailedLoadsLeaveTheObjectEmpty) {
    const ByteBuffer garbage = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'};
    ByteBuffer truncated = SolidPicture(4, 4, 0xFF000000, kPngFormat);
    truncated.resize(12);
    for (const ByteBuffer& bytes : {ByteBuffer{}, garbage, truncated}) {
        ImageObject image;
        EXPECT_FALSE(image.LoadFromBytes(bytes));
        EXPECT_EQ(image.GetNativeHandle(), nullptr);
        EXPECT_EQ(image.GetWidth(), 0);
        EXPECT_NE(LastStatus(), 0);
        EXPECT_TRUE(image.SaveToBytes(std::string(kPngFormat)).empty());
        EXPECT_FALSE(image.Dispose());

        BitmapObject bitmap;
        EXPECT_FALSE(bitmap.LoadFromBytes(bytes));
        EXPECT_EQ(bitmap.GetHeight(), 0);
    }
    ImageObject missing;
    EXPECT_FALSE(missing.LoadFromFile(TempPath("lumbra-no-such-picture.png")));
    EXPECT_EQ(missing.GetNativeHandle(), nullptr);
    BitmapObject missingBitmap;
    EXPECT_FALSE(missingBitmap.LoadFromFileW(L"Z:\\no\\such\\picture.jpg"));
}

TEST(ImageObject, SavesToFilesAndRefusesUnknownFormats) {
    ImageObject image;
    ASSERT_TRUE(image.LoadFromBytes(SolidPicture(3, 2, 0xFF123456, kPngFormat)));
    const std::string path = TempPath("lumbra-draw-save.png");
    std::remove(path.c_str());

    const std::string unknown = "{12345678-0000-0000-0000-000000000000}";
    EXPECT_FALSE(image.SaveToFile(path, unknown));
    EXPECT_NE(LastStatus(), 0);
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(image.SaveToBytes(unknown).empty());
    EXPECT_TRUE(image.SaveToBytes(std::string("not a guid")).empty());

    ASSERT_TRUE(image.SaveToFile(path, std::string(kBmpFormat)));
    BitmapObject reread;
    ASSERT_TRUE(reread.LoadFromFile(path));
    EXPECT_EQ(reread.GetRawFormat(), kBmpFormat);
    EXPECT_EQ(Hex(reread.GetPixel(2, 1)), Hex(0xFF123456));
    reread.Dispose();
    std::remove(path.c_str());
}

TEST(ImageObject, EncodersAreListedAndParametersPassed) {
    const std::vector<EncoderInfo> encoders = GetImageEncoders();
    ASSERT_FALSE(encoders.empty());
    bool png = false;
    for (const EncoderInfo& encoder : encoders) png = png || (encoder.FormatID == kPngFormat && encoder.MimeType == "image/png");
    EXPECT_TRUE(png);
    EXPECT_FALSE(EncoderForFormat(kJpegFormat).empty());
    EXPECT_TRUE(EncoderForFormat("{00000000-0000-0000-0000-000000000000}").empty());

    // JPEG quality as an encoder parameter.
    ImageObject image;
    ASSERT_TRUE(image.LoadFromBytes(TwoColourPicture(64, 64, 0xFF205080, 0xFFE0A040, kPngFormat)));
    auto quality = [](std::uint32_t value) {
        EncoderParameterList list;
        EncoderParameterEntry entry;
        entry.Guid = "{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}";  // EncoderQuality
        entry.NumberOfValues = 1;
        entry.Type = 4;  // long
        entry.Values = {static_cast<std::uint8_t>(value), 0, 0, 0};
        list.Parameter.push_back(entry);
        return list;
    };
    // Wine's encoder takes the block but ignores the quality, so only the save is checked.
    const ByteBuffer low = image.SaveToBytes(std::string(kJpegFormat), quality(5));
    ASSERT_GE(low.size(), 2u);
    EXPECT_EQ(low[0], 0xFF);
    EXPECT_EQ(low[1], 0xD8);
    EncoderParameterList empty;
    EXPECT_FALSE(image.SaveToBytes(std::string(kJpegFormat), empty).empty());
}

TEST(ImageObject, AnimatedGifFramesAndDelays) {
    ImageObject gif;
    ASSERT_TRUE(gif.LoadFromBytes(TwoFrameGif()));
    EXPECT_EQ(gif.GetRawFormat(), kGifFormat);
    EXPECT_EQ(gif.GetFrameCount(kFrameDimensionTime), 2);
    std::vector<std::string> dimensions;
    ASSERT_TRUE(gif.GetFrameDimensionsList(dimensions));
    ASSERT_EQ(dimensions.size(), 1u);
    EXPECT_EQ(dimensions[0], kFrameDimensionTime);

    std::vector<int> delays;
    ASSERT_TRUE(gif.GetFrameDelays(delays));
    EXPECT_EQ(delays, (std::vector<int>{10, 20}));

    Surface surface(1, 1);
    ASSERT_TRUE(gif.SelectActiveFrame(kFrameDimensionTime, 1));
    surface.graphics.DrawImage(gif, 0, 0);
    EXPECT_EQ(Hex(surface.Pixel(0, 0)), Hex(0xFF0000FF));

    ImageObject still;
    ASSERT_TRUE(still.LoadFromBytes(SolidPicture(2, 2, 0xFF000000, kPngFormat)));
    std::vector<int> untouched = {7};
    EXPECT_FALSE(still.GetFrameDelays(untouched));
    EXPECT_EQ(untouched, std::vector<int>{7});
}

TEST(ImageObject, PropertyItemsAreRead) {
    ImageObject gif;
    ASSERT_TRUE(gif.LoadFromBytes(TwoFrameGif()));
    std::vector<int> ids;
    const int count = gif.GetPropertyIdList(ids);
    EXPECT_EQ(count, static_cast<int>(ids.size()));
    EXPECT_NE(std::find(ids.begin(), ids.end(), 0x5100), ids.end());

    PropertyItemRecord delays;
    ASSERT_TRUE(gif.GetPropertyItem(0x5100, delays));
    EXPECT_EQ(delays.Id, 0x5100);
    EXPECT_EQ(delays.Type, 4);  // long
    EXPECT_EQ(delays.Length, 8);
    EXPECT_EQ(delays.Value, (ByteBuffer{10, 0, 0, 0, 20, 0, 0, 0}));

    PropertyItemRecord missing;
    EXPECT_FALSE(gif.GetPropertyItem(0x010E, missing));
    EXPECT_NE(LastStatus(), 0);
    ImageObject empty;
    EXPECT_EQ(empty.GetPropertyIdList(ids), 0);
}

TEST(BitmapObject, CreatedBitmapStartsTransparent) {
    BitmapObject bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(3, 2));
    EXPECT_EQ(bitmap.GetPixelFormat(), BitmapObject::kPixelFormat32bppARGB);
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0u);
    EXPECT_EQ(LastStatus(), 0);
    ASSERT_TRUE(bitmap.SetPixel(2, 1, 0xFF010203));
    EXPECT_EQ(Hex(bitmap.GetPixel(2, 1)), Hex(0xFF010203));
}

TEST(BitmapObject, PixelOutsideTheBitmapIsZeroWithInvalidParameter) {
    BitmapObject bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(4, 4));
    bitmap.SetPixel(3, 3, 0xFFFFFFFF);
    for (const auto& [x, y] : {std::pair{4, 0}, {0, 4}, {-1, 0}, {0, -1}, {1000, 1000}}) {
        EXPECT_EQ(bitmap.GetPixel(x, y), 0u) << x << "," << y;
        EXPECT_EQ(LastStatus(), kInvalidParameter);
    }
    BitmapObject empty;
    EXPECT_EQ(empty.GetPixel(0, 0), 0u);
    EXPECT_EQ(LastStatus(), kInvalidParameter);
}

TEST(BitmapObject, JpegBecomesAGdiBitmap) {
    BitmapObject banner;
    ASSERT_TRUE(banner.LoadFromBytes(SolidPicture(59, 10, 0xFF008080, kJpegFormat)));
    HBITMAP gdiBitmap = banner.GetHBITMAP(0xFFFFFFFF);
    ASSERT_NE(gdiBitmap, nullptr);
    BITMAP info{};
    ASSERT_EQ(GetObjectW(gdiBitmap, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 59);
    EXPECT_EQ(info.bmHeight, 10);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, gdiBitmap);
    const COLORREF pixel = GetPixel(dc, 30, 5);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(gdiBitmap);
    EXPECT_TRUE(Near(pixel, RGB(0, 0x80, 0x80), 12)) << Hex(pixel);

    BitmapObject empty;
    EXPECT_EQ(empty.GetHBITMAP(0), nullptr);
}

TEST(BitmapObject, RotatedSizeAndRotation) {
    float width = 0, height = 0;
    BitmapObject::GetRotatedSize(5, 3, 90, width, height);
    EXPECT_NEAR(width, 2, 1e-4);
    EXPECT_NEAR(height, 4, 1e-4);
    BitmapObject::GetRotatedSize(11, 11, 45, width, height);
    EXPECT_NEAR(width, 10 * 1.41421356, 1e-3);
    EXPECT_NEAR(height, width, 1e-4);

    // A 40×20 picture, left half red, turned a quarter clockwise: the red half ends up on
    // top, and the bitmap is as large as the distances between the turned pixel centres.
    BitmapObject source;
    ASSERT_TRUE(source.LoadFromBytes(TwoColourPicture(40, 20, 0xFFFF0000, 0xFF0000FF, kPngFormat)));
    BitmapObject turned;
    ASSERT_TRUE(source.RotateToBitmap(90, turned, 0xFF00FF00, 5));
    ASSERT_EQ(turned.GetWidth(), 19);
    ASSERT_EQ(turned.GetHeight(), 39);
    EXPECT_EQ(turned.GetHorizontalResolution(), source.GetHorizontalResolution());
    EXPECT_EQ(Hex(turned.GetPixel(9, 5)), Hex(0xFFFF0000));
    EXPECT_EQ(Hex(turned.GetPixel(9, 33)), Hex(0xFF0000FF));

    // A given size larger than the picture leaves the background around it.
    BitmapObject framed;
    ASSERT_TRUE(source.RotateToBitmap(0, framed, 0xFF00FF00, 5, SizeF(60, 40)));
    EXPECT_EQ(Hex(framed.GetPixel(2, 2)), Hex(0xFF00FF00));
    EXPECT_EQ(Hex(framed.GetPixel(15, 20)), Hex(0xFFFF0000));
    EXPECT_EQ(Hex(framed.GetPixel(45, 20)), Hex(0xFF0000FF));

    BitmapObject empty, target;
    EXPECT_FALSE(empty.RotateToBitmap(30, target));
    EXPECT_EQ(target.GetNativeHandle(), nullptr);
}

}  // namespace
}  // namespace lumbra::test
