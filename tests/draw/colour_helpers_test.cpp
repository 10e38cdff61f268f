#include "draw_test_support.h"

#include "draw/color_convert.h"
#include "draw/crt_random.h"
#include "draw/image_records.h"
#include "draw/picture_colors.h"

#include <gtest/gtest.h>

namespace lumbra::test {
namespace {

TEST(ColourForms, ConvertBothWays) {
    EXPECT_EQ(Hex(ColorRefToArgb(0x00FF8000)), Hex(0xFF0080FF));
    EXPECT_EQ(Hex(ColorRefToArgb(0x00FF8000, 0)), Hex(0x000080FF));
    EXPECT_EQ(Hex(ColorRefToArgb(0x000000FF)), Hex(0xFFFF0000));
    EXPECT_EQ(Hex(ColorRefToArgb(0x000000FF, 0x40)), Hex(0x40FF0000));
    EXPECT_EQ(Hex(ColorRefToArgb(0x7F123456)), Hex(0xFF563412)) << "the top byte of a skin colour is ignored";

    std::uint8_t alpha = 0;
    EXPECT_EQ(Hex(ArgbToColorRef(0x80112233, &alpha)), Hex(0x00332211));
    EXPECT_EQ(alpha, 0x80);
    EXPECT_EQ(Hex(ArgbToColorRef(0xFF00FF00, &alpha)), Hex(0x0000FF00));
    EXPECT_EQ(alpha, 0xFF);
    EXPECT_EQ(Hex(ArgbToColorRef(0x12ABCDEF)), Hex(0x00EFCDAB));
}

TEST(CrtRandom, ReproducesTheRunTimeSequence) {
    CrtRandom random;
    random.Seed(1);
    EXPECT_EQ(random.Next(), 41);
    EXPECT_EQ(random.Next(), 18467);
    EXPECT_EQ(random.Next(), 6334);
    random.Seed(3);
    EXPECT_EQ(random.Next(), 48);  // (3·214013 + 2531011) >> 16
    random.Seed(1);
    EXPECT_EQ(random.Between(10, 19), 11);  // 41 mod 10
    EXPECT_EQ(random.Between(5, 5), 5);
    EXPECT_EQ(random.Between(0, 0x7FFF), 6334);
}

TEST(AveragePictureColor, OneColourPicture) {
    const ByteBuffer picture = SolidPicture(37, 23, 0xFF336699, kPngFormat);
    EXPECT_EQ(Hex(AveragePictureColor(picture, 2000)), Hex(0xFF996633));
}

TEST(AveragePictureColor, SameColourOnEveryCallAndMarginsPickTheStrip) {
    const ByteBuffer picture = TwoColourPicture(120, 80, 0xFFFF0000, 0xFF0000FF, kPngFormat);
    const std::uint32_t first = AveragePictureColor(picture, 2000);
    EXPECT_EQ(first, AveragePictureColor(picture, 2000));
    EXPECT_EQ(first >> 24, 0xFFu);
    // Both halves are sampled: red and blue both well present.
    EXPECT_GT(first & 0xFF, 0x40u) << Hex(first);
    EXPECT_GT((first >> 16) & 0xFF, 0x40u) << Hex(first);
    // The right strip is all blue.
    EXPECT_EQ(Hex(AveragePictureColor(picture, 500, 30)), Hex(0xFFFF0000));
    EXPECT_EQ(Hex(AveragePictureColor(picture, 500, 30, 10)), Hex(0xFFFF0000));
    // A margin larger than the picture samples all of it.
    EXPECT_EQ(AveragePictureColor(picture, 300, 1000), AveragePictureColor(picture, 300));
}

TEST(AveragePictureColor, UnloadablePictureIsBlack) {
    EXPECT_EQ(Hex(AveragePictureColor({}, 2000)), Hex(0xFF000000));
    EXPECT_EQ(Hex(AveragePictureColor({1, 2, 3}, 2000)), Hex(0xFF000000));
    EXPECT_EQ(Hex(AveragePictureColor(SolidPicture(4, 4, 0xFFFFFFFF, kPngFormat), 0)), Hex(0xFF000000));
}

TEST(FadePictureEdges, BandsStartWhereTheyShould) {
    constexpr std::uint32_t kPicture = 0xFF204060;
    const ByteBuffer faded = FadePictureEdges(SolidPicture(200, 100, kPicture, kJpegFormat), std::nullopt, 0xFFFFFF);
    ASSERT_FALSE(faded.empty());
    ASSERT_EQ(faded[1], 'P');
    BitmapObject result;
    ASSERT_TRUE(result.LoadFromBytes(faded));
    ASSERT_EQ(result.GetWidth(), 200);
    ASSERT_EQ(result.GetHeight(), 100);

    const std::uint32_t original = result.GetPixel(0, 0);
    EXPECT_TRUE(Near(original, kPicture, 6)) << Hex(original);
    // Right band: 60 columns (30 % of 200), from column 141 on.
    EXPECT_EQ(Hex(result.GetPixel(140, 20)), Hex(original));
    EXPECT_NE(result.GetPixel(141, 20), original);
    EXPECT_TRUE(Near(result.GetPixel(199, 20), 0xFFFFFFFF, 12)) << Hex(result.GetPixel(199, 20));
    // Bottom band from row 41 on.
    EXPECT_EQ(Hex(result.GetPixel(20, 40)), Hex(original));
    EXPECT_NE(result.GetPixel(20, 41), original);
    EXPECT_TRUE(Near(result.GetPixel(20, 99), 0xFFFFFFFF, 12)) << Hex(result.GetPixel(20, 99));

    // The left variant fades from the left edge and leaves the right side alone.
    const ByteBuffer left = FadePictureEdges(SolidPicture(200, 100, kPicture, kPngFormat), 50, 0x0000FF, false);
    BitmapObject leftResult;
    ASSERT_TRUE(leftResult.LoadFromBytes(left));
    EXPECT_TRUE(Near(leftResult.GetPixel(0, 20), 0xFFFF0000, 12)) << Hex(leftResult.GetPixel(0, 20));
    EXPECT_EQ(Hex(leftResult.GetPixel(60, 20)), Hex(kPicture));
    EXPECT_EQ(Hex(leftResult.GetPixel(199, 20)), Hex(kPicture));
}

TEST(FadePictureEdges, UnloadablePictureGivesNothing) {
    EXPECT_TRUE(FadePictureEdges({}, std::nullopt, 0).empty());
    EXPECT_TRUE(FadePictureEdges({'x'}, 10, 0).empty());
    // A fade wider than the picture still gives a picture of the same size.
    BitmapObject wide;
    ASSERT_TRUE(wide.LoadFromBytes(FadePictureEdges(SolidPicture(20, 10, 0xFF000000, kPngFormat), 500, 0xFFFFFF)));
    EXPECT_EQ(wide.GetWidth(), 20);
    EXPECT_EQ(wide.GetHeight(), 10);
}

}  // namespace
}  // namespace lumbra::test
