// The colour arithmetic and the C run-time generator over their whole input ranges.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>

#include "draw/color_convert.h"
#include "draw/crt_random.h"

namespace lumbra {
namespace {

TEST(NativeColour, RoundTripsKeepEveryChannel) {
    std::mt19937 engine(61);
    for (int round = 0; round < 200000; ++round) {
        const std::uint32_t colour = engine();
        const auto alpha = static_cast<std::uint8_t>(engine());
        const std::uint32_t argb = ColorRefToArgb(colour, alpha);
        ASSERT_EQ(argb >> 24, alpha);
        std::uint8_t back = 0;
        ASSERT_EQ(ArgbToColorRef(argb, &back), colour & 0xFFFFFF);
        ASSERT_EQ(back, alpha);
        ASSERT_EQ(ColorRefToArgb(ArgbToColorRef(colour), colour >> 24), colour) << "ARGB survives the other way";
        ASSERT_EQ(ColorRefToArgb(colour) >> 24, 0xFFu);
        // Red and blue trade places, green stays.
        ASSERT_EQ((argb >> 16) & 0xFF, colour & 0xFF);
        ASSERT_EQ((argb >> 8) & 0xFF, (colour >> 8) & 0xFF);
        ASSERT_EQ(argb & 0xFF, (colour >> 16) & 0xFF);
    }
}

TEST(NativeCrtRandom, KnownSequenceAndBoundsOverExtremeRanges) {
    CrtRandom generator;
    for (int expected : {41, 18467, 6334, 26500, 19169}) {
        EXPECT_EQ(generator.Next(), expected);
    }
    generator.Seed(1);
    EXPECT_EQ(generator.Next(), 41);

    std::mt19937 engine(62);
    for (int round = 0; round < 200000; ++round) {
        generator.Seed(engine());
        const int next = generator.Next();
        ASSERT_TRUE(next >= 0 && next <= 0x7FFF);
        const int edges[] = {INT_MIN, INT_MIN + 1, -1, 0, 1, 0x7FFF, INT_MAX - 1, INT_MAX};
        const int lo = engine() % 2 ? edges[engine() % 8] : static_cast<int>(engine());
        const int hi = engine() % 2 ? edges[engine() % 8] : static_cast<int>(engine());
        const int value = generator.Between(lo, hi);
        if (hi < lo) {
            ASSERT_EQ(value, lo);
        } else {
            ASSERT_TRUE(value >= lo && value <= hi) << lo << " " << hi << " " << value;
        }
    }
}

}  // namespace
}  // namespace lumbra
