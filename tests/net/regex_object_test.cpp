#include "net/regex_object.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "net/code_page_936.h"

namespace lumbra {
namespace {

const std::string kTag = "<hdbtbby>";
const std::string kRow = ".*<hdbtbby>";

std::vector<std::string> AllMatches(const RegexObject& regex) {
    std::vector<std::string> texts;
    for (int i = 1; i <= regex.MatchCount(); ++i) texts.push_back(regex.MatchText(i));
    return texts;
}

// As the activity lists run it: letter case ignored, not multiline, global.
std::vector<std::string> Rows(const std::string& subject) {
    RegexObject regex;
    EXPECT_TRUE(regex.Run(kRow, subject, 0, 0));
    return AllMatches(regex);
}

template <typename Work>
double Milliseconds(Work work) {
    const auto begin = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
}

TEST(RegexObject, GreedyRowsStopAtLineFeeds) {
    using Texts = std::vector<std::string>;
    EXPECT_EQ(Rows("a" + kTag + "b" + kTag + "\nc" + kTag), (Texts{"a" + kTag + "b" + kTag, "c" + kTag}));
    EXPECT_EQ(Rows("x1" + kTag + "\r\nx2" + kTag + "\r\nno tag\r\n"), (Texts{"x1" + kTag, "x2" + kTag}));
    EXPECT_EQ(Rows("t<HDBTBBY>"), (Texts{"t<HDBTBBY>"}));
    EXPECT_EQ(Rows("nothing here\r\n"), Texts{});
}

TEST(RegexObject, DotTakesCarriageReturnButNotLineFeed) {
    RegexObject regex;
    ASSERT_TRUE(regex.Run("a.b", "a\rb a\nb a.b"));
    EXPECT_EQ(AllMatches(regex), (std::vector<std::string>{"a\rb", "a.b"}));
    ASSERT_TRUE(regex.Run("a[.]b|a\\.c", "axb a.b a.c"));
    EXPECT_EQ(AllMatches(regex), (std::vector<std::string>{"a.b", "a.c"}));
    ASSERT_TRUE(regex.Run("[^.]+", "ab.c"));
    EXPECT_EQ(AllMatches(regex), (std::vector<std::string>{"ab", "c"}));
}

TEST(RegexObject, FlagsForCaseLinesAndGlobal) {
    RegexObject regex;
    ASSERT_TRUE(regex.Run("<TAG>", "<tag>", 1));
    EXPECT_EQ(regex.MatchCount(), 0);
    ASSERT_TRUE(regex.Run(WideToGbk(L"жa"), WideToGbk(L"ЖA")));  // letters beyond ASCII fold too
    EXPECT_EQ(regex.MatchCount(), 1);
    ASSERT_TRUE(regex.Run("^x.", "x1\nx2"));  // multiline by default
    EXPECT_EQ(regex.MatchCount(), 2);
    ASSERT_TRUE(regex.Run("^x.", "x1\nx2", 0, 0));
    EXPECT_EQ(AllMatches(regex), (std::vector<std::string>{"x1"}));
    ASSERT_TRUE(regex.Run("x.$", "x1\nx2", 0, 0));
    EXPECT_EQ(AllMatches(regex), (std::vector<std::string>{"x2"}));
    ASSERT_TRUE(regex.Run("x.", "x1x2x3", 0, 1, 0));
    EXPECT_EQ(AllMatches(regex), (std::vector<std::string>{"x1"}));
}

TEST(RegexObject, ChineseTextMatchesByCharacterWithByteOffsets) {
    const std::string subject = WideToGbk(L"标题一<hdbtbby>\n标题二<HDBTBBY>\n");
    RegexObject regex;
    ASSERT_TRUE(regex.Run(WideToGbk(L"标题.") + kTag, subject));
    ASSERT_EQ(regex.MatchCount(), 2);
    int position = 0;
    EXPECT_EQ(regex.MatchText(2, &position), WideToGbk(L"标题二<HDBTBBY>"));
    EXPECT_EQ(position, 16);  // 6 bytes of text, the 9-byte tag, the line feed
    EXPECT_EQ(regex.MatchText(3, &position), "");
    EXPECT_EQ(position, -1);
}

TEST(RegexObject, SubmatchesAndReplacement) {
    RegexObject regex;
    ASSERT_TRUE(regex.Run("(\\d+)-(\\d+)", WideToGbk(L"中1-2 文33-44")));
    EXPECT_EQ(regex.SubmatchCount(), 2);
    int position = 0;
    EXPECT_EQ(regex.SubmatchText(2, 2, &position), "44");
    EXPECT_EQ(position, 11);
    EXPECT_EQ(regex.ReplaceAll("[$2:$1]"), WideToGbk(L"中[2:1] 文[44:33]"));
    EXPECT_EQ(regex.GetPattern(), "(\\d+)-(\\d+)");
}

TEST(RegexObject, SecondRunReplacesTheFirstAndCopiesKeepTheirOwn) {
    RegexObject regex;
    ASSERT_TRUE(regex.Run("a+", "a aa aaa"));
    const RegexObject copy = regex;
    ASSERT_TRUE(regex.Run("b", "b"));
    EXPECT_EQ(AllMatches(regex), (std::vector<std::string>{"b"}));
    EXPECT_EQ(AllMatches(copy), (std::vector<std::string>{"a", "aa", "aaa"}));
    EXPECT_EQ(copy.GetPattern(), "a+");
}

TEST(RegexObject, RejectedPatternReportsFalseAndNoMatches) {
    RegexObject regex;
    ASSERT_TRUE(regex.Run("a", "a"));
    for (const char* pattern : {"(", "[a", "a{2,1}", "*a"}) {
        EXPECT_FALSE(regex.Run(pattern, "a(a[a")) << pattern;
        EXPECT_EQ(regex.MatchCount(), 0) << pattern;
        EXPECT_EQ(regex.MatchText(1), "") << pattern;
        EXPECT_EQ(regex.SubmatchCount(), 0) << pattern;
    }
}

TEST(RegexObject, InvalidBytesInTheSubjectAreSafe) {
    RegexObject regex;
    const std::string subject = std::string("\x80z\xFF\x81\nx", 6) + kTag + "\x81";
    ASSERT_TRUE(regex.Run(kRow, subject));
    int position = 0;
    ASSERT_EQ(regex.MatchCount(), 1);
    EXPECT_EQ(regex.MatchText(1, &position), "x" + kTag);
    EXPECT_EQ(position, 5);
}

TEST(RegexObject, HugeLinesMatchQuickly) {
    RegexObject regex;
    const std::string noLineFeed(5 * 1024 * 1024, 'x');
    bool ran = false;
    const double fiveMegabytes = Milliseconds([&] { ran = regex.Run(kRow, noLineFeed, 0, 0); });
    EXPECT_TRUE(ran);
    EXPECT_EQ(regex.MatchCount(), 0);

    const std::string tenMillion = std::string(10'000'000 - kTag.size(), 'y') + kTag;
    const double tenMillionCharacters = Milliseconds([&] { ran = regex.Run(kRow, tenMillion, 0, 0); });
    EXPECT_TRUE(ran);
    ASSERT_EQ(regex.MatchCount(), 1);
    EXPECT_EQ(regex.MatchText(1).size(), tenMillion.size());

    std::printf("5 MB line without a tag: %.0f ms; 10M-character line: %.0f ms\n", fiveMegabytes,
                tenMillionCharacters);
    EXPECT_LT(fiveMegabytes, 5000);
    EXPECT_LT(tenMillionCharacters, 5000);
}

}  // namespace
}  // namespace lumbra
