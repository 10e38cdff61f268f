#include "net/text_primitives.h"

#include <gtest/gtest.h>

namespace lumbra::text {
namespace {

// 中文 in code page 936: D6 D0 | CE C4. 丄 is 81 41: its trailing byte is the letter 'A'.
const std::string kZhongWen = "\xD6\xD0\xCE\xC4";
const std::string kTrailA = "\x81\x41";

struct FindCase {
    const char* name;
    std::string text;
    std::string pattern;
    int start;
    bool caseSensitive;
    int expected;
};

TEST(TextFind, PositionsFollowCharactersAndCaseRules) {
    const FindCase cases[] = {
        {"first match", "abcabc", "c", 1, true, 3},
        {"from a start", "abcabc", "c", 4, true, 6},
        {"start below 1 means 1", "abc", "a", 0, true, 1},
        {"start past the end", "abc", "a", 9, true, -1},
        {"missing", "abc", "d", 1, true, -1},
        {"empty pattern, text", "abc", "", 1, true, 1},
        {"empty pattern, empty text", "", "", 1, true, -1},
        {"case ignored", "ABC", "b", 1, false, 2},
        {"case kept", "ABC", "b", 1, true, -1},
        {"not across two characters", kZhongWen, "\xD0\xCE", 1, true, -1},
        {"second character", kZhongWen, "\xCE\xC4", 1, true, 3},
        {"never on a trailing byte", kTrailA + "A", "A", 1, true, 3},
        {"trailing byte not folded", kTrailA, "a", 1, false, -1},
        {"lone lead byte at the end", "ab\x81", "\x81", 1, true, 3},
        {"pattern longer than the rest", "ab\x81", "\x81\x40", 1, true, -1},
        {"stray lead byte keeps the line feed", "\x81\n", "\n", 1, true, 2},
        {"bytes 80 and FF stand alone", "\x80\xFF", "\xFF", 1, true, 2},
    };
    for (const FindCase& c : cases) {
        EXPECT_EQ(Find(c.text, c.pattern, c.start, c.caseSensitive), c.expected) << c.name;
    }
}

TEST(TextReplaceAll, LeftToRightWithoutOverlap) {
    EXPECT_EQ(ReplaceAll("aXbXc", "X", "--"), "a--b--c");
    EXPECT_EQ(ReplaceAll("aaaaa", "aa", "b"), "bba");
    EXPECT_EQ(ReplaceAll("aXbx", "x", "-", false), "a-b-");
    EXPECT_EQ(ReplaceAll(kZhongWen, "\xD0\xCE", "?"), kZhongWen);
    EXPECT_EQ(ReplaceAll("abc", "", "-"), "abc");
}

TEST(TextSlices, CountsOutsideTheTextGiveWhatExists) {
    EXPECT_EQ(Left("abc", 0), "");
    EXPECT_EQ(Left("abc", 2), "ab");
    EXPECT_EQ(Left("abc", 9), "abc");
    EXPECT_EQ(Right("abc", -1), "");
    EXPECT_EQ(Right("abc", 2), "bc");
    EXPECT_EQ(Right("abc", 9), "abc");
    EXPECT_EQ(Middle("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Middle("abc", 2, 10), "bc");
    EXPECT_EQ(Middle("abc", 0, 1), "");
    EXPECT_EQ(Middle("abc", 4, 1), "");
    EXPECT_EQ(Middle("abc", 1, 0), "");
}

TEST(TextCleanUp, SpacesCaseNumbersAndZeroBytes) {
    EXPECT_EQ(TrimBoth("  a b  "), "a b");
    EXPECT_EQ(TrimBoth("   "), "");
    EXPECT_EQ(RemoveSpaces(" a b c "), "abc");
    EXPECT_EQ(Upper("ab" + kTrailA + "\x81\x61z"), "AB" + kTrailA + "\x81\x61Z");
    EXPECT_EQ(Lower("AB" + kTrailA), "ab" + kTrailA);
    EXPECT_LT(Compare("abc", "abd"), 0);
    EXPECT_GT(Compare("\xD6", "a"), 0);  // bytes compare unsigned
    EXPECT_EQ(Compare("abc", "abc"), 0);
    EXPECT_NE(Compare("abc", "ABC"), 0);
    EXPECT_LT(Compare("ab", "abc"), 0);
    EXPECT_EQ(ToNumber("8080/x"), 8080);
    EXPECT_EQ(ToNumber(" -7"), -7);
    EXPECT_EQ(ToNumber("x1"), 0);
    EXPECT_EQ(ToNumber("99999999999"), 2147483647);
    EXPECT_EQ(BytesToText(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(BytesToText(std::string("\0ab", 3)), "");
}

}  // namespace
}  // namespace lumbra::text
