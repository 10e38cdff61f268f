#include "app/activity_rows.h"
#include "net/code_page_936.h"

#include <gtest/gtest.h>

#include <chrono>

namespace lumbra {
namespace {

struct WideRow {
    std::wstring title, time, address;
    bool operator==(const WideRow&) const = default;
};

void PrintTo(const WideRow& row, std::ostream* out) {
    *out << '{' << WideToGbk(row.title).size() << " bytes: " << testing::PrintToString(row.title) << ", "
         << testing::PrintToString(row.time) << ", " << testing::PrintToString(row.address) << '}';
}

std::vector<WideRow> Rows(const std::string& text) {
    RegexObject regex;
    std::vector<WideRow> rows;
    for (const auto& row : CutActivityRows(regex, text)) {
        rows.push_back({GbkToWide(row.title), GbkToWide(row.time), GbkToWide(row.address)});
    }
    return rows;
}

struct RowsCase {
    const char* name;
    std::wstring text;
    std::vector<WideRow> rows;
};

class ActivityRows : public testing::TestWithParam<RowsCase> {};

TEST_P(ActivityRows, AreCutPerLine) {
    EXPECT_EQ(Rows(WideToGbk(GetParam().text)), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ActivityRows,
    testing::Values(
        RowsCase{"ThreeLines",
                 L"活动A<hdbtbby>2014-04-06<hdsjbby>http://host/a.html<hddzbby>\n"
                 L"活动B<hdbtbby>2014-04-07<hdsjbby>http://host/b.html<hddzbby>\n"
                 L"活动C<hdbtbby>2014-04-08<hdsjbby>http://host/c.html<hddzbby>\n",
                 {{L"活动A", L"2014-04-06", L"http://host/a.html"},
                  {L"活动B", L"2014-04-07", L"http://host/b.html"},
                  {L"活动C", L"2014-04-08", L"http://host/c.html"}}},
        RowsCase{"CrLfLinesAndNoFinalLineFeed",
                 L"A<hdbtbby>1<hdsjbby>http://a<hddzbby>\r\nB<hdbtbby>2<hdsjbby>http://b<hddzbby>",
                 {{L"A", L"1", L"http://a"}, {L"B", L"2", L"http://b"}}},
        // A line missing a tag keeps its own cells empty; later rows keep their own pages.
        RowsCase{"MissingTagsDoNotShiftLaterRows",
                 L"A<hdbtbby>1<hdsjbby>http://a<hddzbby>\n"
                 L"B<hdbtbby>no time tag http://b<hddzbby>\n"
                 L"C<hdbtbby>3<hdsjbby>no address tag\n"
                 L"D<hdbtbby>4<hdsjbby>http://d<hddzbby>\n",
                 {{L"A", L"1", L"http://a"}, {L"B", L"", L""}, {L"C", L"3", L""}, {L"D", L"4", L"http://d"}}},
        RowsCase{"LinesWithoutTitleAreIgnored",
                 L"header\n<hdsjbby>http://stray<hddzbby>\nA<hdbtbby>1<hdsjbby>http://a<hddzbby>\n",
                 {{L"A", L"1", L"http://a"}}},
        RowsCase{"DoubleTitleTagRemovedTwice", L"A<hdbtbby>B<hdbtbby>1<hdsjbby>http://a<hddzbby>",
                 {{L"AB", L"B<hdbtbby>1", L"http://a"}}},
        RowsCase{"UpperCaseTagsFoundButTitleTagKept", L"A<HDBTBBY>1<HdSjBbY>http://a<HDDZBBY>",
                 {{L"A<HDBTBBY>", L"1", L"http://a"}}},
        RowsCase{"EmptyTitle", L"<hdbtbby>1<hdsjbby>http://a<hddzbby>", {{L"", L"1", L"http://a"}}},
        RowsCase{"NoTags", L"nothing here\r\nat all\r\n", {}},
        RowsCase{"Empty", L"", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ActivityRowsBadInput, InvalidCodePageBytesKeepTheRestOfTheRows) {
    const std::string text = "A\x80<hdbtbby>1<hdsjbby>http://a<hddzbby>\n"
                             "B\xFF<hdbtbby>2<hdsjbby>http://b<hddzbby>\n"
                             "C<hdbtbby>3<hdsjbby>http://c<hddzbby>\n\x81";
    RegexObject regex;
    const auto rows = CutActivityRows(regex, text);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].address, "http://a");
    EXPECT_EQ(rows[1].time, "2");
    EXPECT_EQ(rows[2].title, "C");
    EXPECT_EQ(rows[2].address, "http://c");
}

using Clock = std::chrono::steady_clock;

TEST(ActivityRowsBadInput, TenMegabytesOfLinesAreCutQuickly) {
    const std::string line = "some activity title here<hdbtbby>2014-04-06<hdsjbby>http://host/page.html<hddzbby>\r\n";
    std::string text;
    while (text.size() < 10'000'000) text += line;
    const size_t lines = text.size() / line.size();
    RegexObject regex;
    const auto start = Clock::now();
    const auto rows = CutActivityRows(regex, text);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(20));
    ASSERT_EQ(rows.size(), lines);
    EXPECT_EQ(rows.back().address, "http://host/page.html");
}

TEST(ActivityRowsBadInput, FiveMegabyteLineWithoutLineFeed) {
    std::string line(5'000'000, 'x');
    RegexObject regex;
    const auto start = Clock::now();
    EXPECT_TRUE(CutActivityRows(regex, line).empty());
    const auto rows = CutActivityRows(regex, line + "<hdbtbby>1<hdsjbby>http://a<hddzbby>");
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(20));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].title.size(), line.size());
    EXPECT_EQ(rows[0].address, "http://a");
}

}  // namespace
}  // namespace lumbra
