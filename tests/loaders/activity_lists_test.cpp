// Filling the two lists from the stored texts and opening the current row's page.
#include "app/loaders.h"
#include "app/process_objects.h"
#include "app/shell_opener.h"
#include "main_window_double.h"
#include "net/code_page_936.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <chrono>
#include <cstdio>

namespace lumbra {
namespace {

std::string Gbk(const std::wstring& text) { return WideToGbk(text); }

int RowCount(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

std::wstring Cell(HWND list, int row, int column) {
    std::wstring buffer(1 << 16, L'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    buffer.resize(static_cast<size_t>(SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                                   reinterpret_cast<LPARAM>(&item))));
    return buffer;
}

class ActivityLists : public testing::Test {
protected:
    const MainWindowControls& Controls() const { return window.Controls(); }

    ProcessObjects objects;
    test::MainWindowDouble window;
};

TEST_F(ActivityLists, AreFilledFromTheStoredTextsRowByRow) {
    objects.latestActivityText = Gbk(L"最新A<hdbtbby>04-06<hdsjbby>http://host/a<hddzbby>\r\n"
                                     L"最新B<hdbtbby>no time http://host/b<hddzbby>\r\n"
                                     L"最新C<hdbtbby>04-08<hdsjbby>http://host/c<hddzbby>\r\n");
    objects.hotActivityText = Gbk(L"热门<hdbtbby>05-01<hdsjbby>https://host/h<hddzbby>");
    // Rows left from before are replaced, not added to.
    FillActivityLists(Controls());
    FillActivityLists(Controls());

    HWND latest = Controls().latestList;
    ASSERT_EQ(RowCount(latest), 3);
    const std::wstring expected[3][3] = {{L"最新A", L"04-06", L"http://host/a"},
                                         {L"最新B", L"", L""},
                                         {L"最新C", L"04-08", L"http://host/c"}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            EXPECT_EQ(Cell(latest, row, column), expected[row][column]) << row << ',' << column;
        }
    }
    ASSERT_EQ(RowCount(Controls().hotList), 1);
    EXPECT_EQ(Cell(Controls().hotList, 0, 2), L"https://host/h");
}

TEST_F(ActivityLists, TextsWithoutTagsLeaveTheListsEmpty) {
    objects.latestActivityText = "no tags\r\n";
    FillActivityLists(Controls());
    EXPECT_EQ(RowCount(Controls().latestList), 0);
    EXPECT_EQ(RowCount(Controls().hotList), 0);
}

TEST_F(ActivityLists, HugeTextsFillWithoutHanging) {
    // Ten megabytes in ten thousand long lines, and one five-megabyte line with no line feed.
    const std::string title(1000, 'T');
    for (int i = 0; i < 10000; ++i) {
        objects.latestActivityText += title + "<hdbtbby>" + std::to_string(i) + "<hdsjbby>http://h/" +
                                      std::to_string(i) + "<hddzbby>\n";
    }
    objects.hotActivityText = std::string(5'000'000, 'x') + "<hdbtbby>1<hdsjbby>http://x<hddzbby>";
    const auto start = std::chrono::steady_clock::now();
    FillActivityLists(Controls());
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("filled 10,000 + 1 rows from %zu + %zu bytes in %.2f s\n", objects.latestActivityText.size(),
                objects.hotActivityText.size(), seconds);
    EXPECT_LT(seconds, 30.0);
    ASSERT_EQ(RowCount(Controls().latestList), 10000);
    EXPECT_EQ(Cell(Controls().latestList, 9999, 2), L"http://h/9999");
    ASSERT_EQ(RowCount(Controls().hotList), 1);
    EXPECT_EQ(Cell(Controls().hotList, 0, 2), L"http://x");
}

std::vector<std::wstring> opened;
void RecordOpen(const std::wstring& address) { opened.push_back(address); }

class OpeningActivities : public ActivityLists {
protected:
    void SetUp() override {
        opened.clear();
        previous = SetShellOpener(RecordOpen);
        objects.latestActivityText = Gbk(
            L"A<hdbtbby>1<hdsjbby>http://host/a<hddzbby>\n"
            L"B<hdbtbby>2<hdsjbby>https://host/b<hddzbby>\n"
            L"<hdbtbby>3<hdsjbby>http://host/untitled<hddzbby>\n"
            L"D<hdbtbby>4<hdsjbby>file:///C:/windows/system32/calc.exe<hddzbby>\n"
            L"E<hdbtbby>5<hdsjbby>C:\\windows\\system32\\calc.exe<hddzbby>\n"
            L"F<hdbtbby>6<hdsjbby>zelmar://message/?uin=1<hddzbby>\n"
            L"G<hdbtbby>7<hdsjbby> http://host/leading-space<hddzbby>\n"
            L"H<hdbtbby>8<hdsjbby>HTTP://HOST/H<hddzbby>\n");
        FillActivityLists(Controls());
    }
    void TearDown() override { SetShellOpener(previous); }

    void MakeCurrent(int row) {
        LVITEMW item{};
        item.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
        item.state = LVIS_FOCUSED | LVIS_SELECTED;
        SendMessageW(Controls().latestList, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }

    ShellOpener previous = nullptr;
};

TEST_F(OpeningActivities, OpensOnlyTheCurrentRowsWebAddress) {
    const struct {
        int row;
        std::vector<std::wstring> opened;
    } cases[] = {
        {1, {L"https://host/b"}},
        {0, {L"http://host/a"}},
        {2, {}},  // a row without title is never opened
        {3, {}},  // local files and programs are refused
        {4, {}},
        {5, {}},
        {6, {}},
        {7, {L"HTTP://HOST/H"}},
    };
    for (const auto& c : cases) {
        opened.clear();
        MakeCurrent(c.row);
        OpenCurrentActivity(Controls().latestList);
        EXPECT_EQ(opened, c.opened) << "row " << c.row;
    }
}

TEST_F(OpeningActivities, NothingWithoutACurrentRow) {
    OpenCurrentActivity(Controls().latestList);
    OpenCurrentActivity(Controls().hotList);
    EXPECT_TRUE(opened.empty());
}

}  // namespace
}  // namespace lumbra
