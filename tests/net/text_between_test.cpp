#include "net/text_between.h"

#include <gtest/gtest.h>

#include "net/code_page_936.h"

namespace lumbra {
namespace {

struct BetweenCase {
    const char* name;
    std::string whole;
    std::string start;
    std::string end;
    std::optional<int> position;
    std::optional<int> caseSensitive;
    std::string expected;
};

TEST(TextBetween, CutsTheFirstValueBetweenMarkers) {
    const BetweenCase cases[] = {
        {"one value", "<a>1</a>", "<a>", "</a>", {}, {}, "1"},
        {"first of two pairs", "<a>1</a><a>2</a>", "<a>", "</a>", {}, {}, "1"},
        {"given start position", "<a>1</a><a>2</a>", "<a>", "</a>", 2, {}, "2"},
        {"end only before start", "</a>x<a>y", "<a>", "</a>", {}, {}, ""},
        {"nothing between", "<a></a>", "<a>", "</a>", {}, {}, ""},
        {"no start marker", "x</a>", "<a>", "</a>", {}, {}, ""},
        {"case ignored by default", "<A>x</A>", "<a>", "</a>", {}, {}, "x"},
        {"case flag 1", "<A>x</A>", "<a>", "</a>", {}, 1, ""},
        // D0 CE spans the two characters of 中文, and only forms a character after "x".
        {"marker across a character boundary", "\xD6\xD0\xCE\xC4x\xD0\xCEy]", "\xD0\xCE", "]", {}, {}, "y"},
        {"lone lead byte before the end marker", "<a>\x81</a>", "<a>", "</a>", {}, {}, "\x81"},
        {"end marker cut off by the text's end", "<a>v\x81", "<a>", "\x81\x40", {}, {}, ""},
        {"lead byte at the very end", "<a>v\x81", "<a>", "\x81", {}, {}, "v"},
        {"start marker at the very end", "x<a>", "<a>", "</a>", {}, {}, ""},
    };
    for (BetweenCase c : cases) {
        EXPECT_EQ(TextBetween(c.whole, c.start, c.end, c.position, c.caseSensitive), c.expected) << c.name;
    }
}

TEST(TextBetween, QuoteWordBecomesADoubleQuoteInTheCallersMarkers) {
    std::string start = WideToGbk(L"value=#引号");
    std::string end = WideToGbk(L"#引号;");
    EXPECT_EQ(TextBetween("name=\"x\";value=\"42\";", start, end), "42");
    EXPECT_EQ(start, "value=\"");
    EXPECT_EQ(end, "\";");
}

TEST(TextBetween, ChineseMarkersAndValue) {
    const std::string whole = WideToGbk(L"版本：【2.1】更新：【今天】");
    std::string start = WideToGbk(L"更新：【");
    std::string end = WideToGbk(L"】");
    EXPECT_EQ(TextBetween(whole, start, end), WideToGbk(L"今天"));
}

}  // namespace
}  // namespace lumbra
