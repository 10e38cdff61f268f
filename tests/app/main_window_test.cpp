// The main window with plain controls: layout, pages, tray, caption, chat links, closing,
// and the loaders it starts.
#include "app/main_window_layout.h"
#include "main_window_fixture.h"
#include "screenshot.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace lumbra::test {
namespace {

namespace mw = main_window;

struct ExpectedControl {
    int id;
    const wchar_t* className;
    int parent;  // 0: the window
    RECT place;  // left, top, right, bottom in the parent's client area
    std::wstring text;
    bool visible;
};

// Whether text is a prefix of the control's text (the long label texts are checked by their start).
bool TextStartsWith(HWND control, const std::wstring& text) { return WindowText(control).rfind(text, 0) == 0; }

TEST_F(MainWindowTest, EveryControlIsInItsPlaceWithItsText) {
    const std::wstring pending = L"公告：正在获取,请销等...";
    const ExpectedControl expected[] = {
        {mw::图片框_背景加工, L"LumbraPictureBox", 0, {7, 26, 600, 128}, L"", true},
        {mw::图片框_软件首页, L"LumbraPictureBox", 0, {6, 136, 94, 216}, L"软件首页", true},
        {mw::图片框_热门活动, L"LumbraPictureBox", 0, {6, 216, 94, 296}, L"热门活动", true},
        {mw::图片框_最新活动, L"LumbraPictureBox", 0, {8, 296, 96, 376}, L"最新活动", true},
        {mw::图片框_友情链接, L"LumbraPictureBox", 0, {8, 376, 96, 456}, L"友情链接", true},
        {mw::高级选择夹_导航列表, WC_TABCONTROLW, 0, {97, 137, 605, 451}, L"", true},
        {mw::分组框_软件说明, L"Button", mw::页面_软件首页, {1, -4, 507, 103}, L"", true},
        {mw::透明标签1, L"LumbraTransparentLabel", mw::分组框_软件说明, {70, 14, 462, 97}, L"为了操作方便、快捷、才开发本作品、Lumbra、这是开始的第一步\r\n\r\n\r\n支持系统:", true},
        {mw::分组框_软件公告, L"Button", mw::页面_软件首页, {1, 102, 316, 285}, L"", true},
        {mw::按钮_公告信息_1, L"Button", mw::分组框_软件公告, {3, 10, 313, 36}, pending, false},
        {mw::按钮_公告信息_2, L"Button", mw::分组框_软件公告, {3, 38, 313, 64}, pending, false},
        {mw::按钮_公告信息_3, L"Button", mw::分组框_软件公告, {3, 67, 313, 93}, pending, false},
        {mw::按钮_公告信息_4, L"Button", mw::分组框_软件公告, {3, 95, 313, 121}, pending, false},
        {mw::按钮_公告信息_5, L"Button", mw::分组框_软件公告, {3, 123, 313, 149}, pending, false},
        {mw::按钮_公告信息_6, L"Button", mw::分组框_软件公告, {3, 152, 313, 178}, pending, false},
        {mw::分组框_软件信息, L"Button", mw::页面_软件首页, {1, 280, 316, 312}, L"", true},
        {mw::透明标签_版本信息, L"LumbraTransparentLabel", mw::分组框_软件信息, {9, 12, 304, 28}, L"当前版本:正在获取  -  最新版本:正在获取  -", true},
        {mw::分组框_客服链接, L"Button", mw::页面_软件首页, {316, 102, 507, 312}, L"", true},
        {mw::按钮_官方客服_Avi, L"Button", mw::分组框_客服链接, {5, 11, 184, 44}, L"   官方客服^Aven", true},
        {mw::按钮_官方客服_Lirae, L"Button", mw::分组框_客服链接, {5, 50, 182, 83}, L"   官方客服^Lirae", true},
        {mw::按钮_官方客服_Bosk, L"Button", mw::分组框_客服链接, {5, 89, 184, 122}, L"   官方客服^Bosk", true},
        {mw::按钮_官方客服_Kunder, L"Button", mw::分组框_客服链接, {5, 130, 184, 163}, L"   官方客服^Kunder", true},
        {mw::按钮_官方客服_Jexa, L"Button", mw::分组框_客服链接, {5, 171, 184, 204}, L"   官方客服^Jexa", true},
        {mw::超级列表框_热门活动, WC_LISTVIEWW, mw::页面_热门活动, {2, 3, 503, 312}, L"", true},
        {mw::超级列表框_最新活动, WC_LISTVIEWW, mw::页面_最新活动, {2, 3, 503, 312}, L"", true},
        {mw::分组框_下载社区, L"Button", mw::页面_友情链接, {1, 6, 507, 172}, L"下载社区", true},
        {mw::透明标签_下载站_友情链接, L"LumbraTransparentLabel", mw::分组框_下载社区, {6, 28, 502, 148}, L"", true},
        {mw::分组框_论坛社区, L"Button", mw::页面_友情链接, {1, 179, 507, 307}, L"论坛社区", true},
        {mw::透明标签3, L"LumbraTransparentLabel", mw::分组框_论坛社区, {-2, 30, 502, 117}, L"", true},
    };
    for (const ExpectedControl& e : expected) {
        HWND control = Control(e.id);
        SCOPED_TRACE(e.id);
        ASSERT_TRUE(IsWindow(control));
        wchar_t className[64] = {};
        GetClassNameW(control, className, 64);
        EXPECT_STREQ(className, e.className);
        EXPECT_EQ(GetParent(control), e.parent ? Control(e.parent) : window_.Window());
        const RECT place = PlaceInParent(control);
        EXPECT_EQ(place.left, e.place.left);
        EXPECT_EQ(place.top, e.place.top);
        EXPECT_EQ(place.right, e.place.right);
        EXPECT_EQ(place.bottom, e.place.bottom);
        EXPECT_TRUE(TextStartsWith(control, e.text)) << WindowText(control).size();
        EXPECT_EQ((GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0, e.visible);
        EXPECT_NE(SendMessageW(control, WM_GETFONT, 0, 0), 0);
    }
    // Partner names: four rows and three rows, each pair of rows two empty lines apart.
    for (auto [label, rows] : {std::pair{mw::透明标签_下载站_友情链接, 4}, std::pair{mw::透明标签3, 3}}) {
        const std::wstring text = WindowText(Control(label));
        int separators = 0;
        for (size_t at = text.find(L"\r\n\r\n\r\n"); at != std::wstring::npos; at = text.find(L"\r\n\r\n\r\n", at + 6)) {
            ++separators;
        }
        EXPECT_EQ(separators, rows - 1);
        EXPECT_EQ(text.find(L"\r\n\r\n\r\n\r\n"), std::wstring::npos);
    }
    // Labels draw over their parent's painting.
    for (int label : {mw::透明标签1, mw::透明标签_版本信息, mw::透明标签_下载站_友情链接, mw::透明标签3}) {
        EXPECT_TRUE(GetWindowLongPtrW(Control(label), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    }
}

TEST_F(MainWindowTest, WindowTabsAndListColumnsFollowTheDesign) {
    RECT frame, client;
    GetWindowRect(window_.Window(), &frame);
    GetClientRect(window_.Window(), &client);
    EXPECT_EQ(frame.left, 50);
    EXPECT_EQ(frame.top, 50);
    EXPECT_EQ(client.right, 615);
    EXPECT_EQ(client.bottom, 458);
    EXPECT_TRUE(GetWindowLongPtrW(window_.Window(), GWL_STYLE) & WS_MINIMIZEBOX);

    HWND tab = Control(mw::高级选择夹_导航列表);
    const wchar_t* pages[] = {L"软件首页", L"热门活动", L"最新活动", L"友情链接"};
    ASSERT_EQ(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0), 4);
    for (int i = 0; i < 4; ++i) {
        wchar_t text[32] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 32;
        SendMessageW(tab, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(text, pages[i]);
    }

    struct Columns {
        int list;
        const wchar_t* first;
    };
    for (const Columns& list : {Columns{mw::超级列表框_热门活动, L"[热门]活动名称"}, Columns{mw::超级列表框_最新活动, L"[最新]活动名称"}}) {
        HWND view = Control(list.list);
        EXPECT_TRUE(SendMessageW(view, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);
        EXPECT_EQ(GetWindowLongPtrW(view, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
        const std::pair<const wchar_t*, int> columns[] = {{list.first, 350}, {L"活动时间", 125}, {L"活动网址", 0}};
        EXPECT_EQ(SendMessageW(reinterpret_cast<HWND>(SendMessageW(view, LVM_GETHEADER, 0, 0)), HDM_GETITEMCOUNT, 0, 0), 3);
        for (int i = 0; i < 3; ++i) {
            wchar_t text[32] = {};
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.pszText = text;
            column.cchTextMax = 32;
            ASSERT_TRUE(SendMessageW(view, LVM_GETCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column)));
            EXPECT_STREQ(text, columns[i].first);
            EXPECT_EQ(column.cx, columns[i].second);
        }
    }
}

// Counts one message sent to a window.
class MessageCounter {
public:
    MessageCounter(HWND window, UINT message) : window_(window), message_(message) {
        SetWindowSubclass(window_, Count, reinterpret_cast<UINT_PTR>(this), 0);
    }
    ~MessageCounter() { RemoveWindowSubclass(window_, Count, reinterpret_cast<UINT_PTR>(this)); }
    int Value() const { return count_; }

private:
    static LRESULT CALLBACK Count(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR self, DWORD_PTR) {
        auto* counter = reinterpret_cast<MessageCounter*>(self);
        if (message == counter->message_) ++counter->count_;
        return DefSubclassProc(window, message, wParam, lParam);
    }
    HWND window_;
    UINT message_;
    int count_ = 0;
};

TEST_F(MainWindowTest, NavigationBoxesSwitchTheVisiblePage) {
    const HWND pages[] = {Control(mw::页面_软件首页), Control(mw::页面_热门活动), Control(mw::页面_最新活动),
                          Control(mw::页面_友情链接)};
    auto visiblePage = [&] {
        int shown = -1;
        for (int i = 0; i < 4; ++i) {
            if (IsWindowVisible(pages[i])) {
                if (shown != -1) return -2;  // two pages at once
                shown = i;
            }
        }
        return shown;
    };
    EXPECT_EQ(window_.CurrentPage(), 0);
    EXPECT_EQ(visiblePage(), 0);

    const std::pair<int, int> clicks[] = {{mw::图片框_最新活动, 2}, {mw::图片框_热门活动, 1}, {mw::图片框_友情链接, 3},
                                          {mw::图片框_软件首页, 0}, {mw::图片框_友情链接, 3}};
    for (auto [box, page] : clicks) {
        SendMessageW(Control(box), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        EXPECT_EQ(window_.CurrentPage(), page);
        EXPECT_EQ(visiblePage(), page);
    }

    // The current page's own box changes nothing: no page is shown or hidden.
    MessageCounter shows(pages[3], WM_SHOWWINDOW);
    SendMessageW(Control(mw::图片框_友情链接), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(shows.Value(), 0);
    EXPECT_EQ(visiblePage(), 3);

    // A selection made on the tab control itself shows its page as well.
    HWND tab = Control(mw::高级选择夹_导航列表);
    SendMessageW(tab, TCM_SETCURSEL, 1, 0);
    NMHDR change{tab, static_cast<UINT_PTR>(mw::高级选择夹_导航列表), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(window_.Window(), WM_NOTIFY, change.idFrom, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(visiblePage(), 1);
}

TEST_F(MainWindowTest, MinimisingHidesIntoTheTrayAndATrayEventRestores) {
    HWND window = window_.Window();
    RECT before;
    GetWindowRect(window, &before);

    // Shown: a tray event changes nothing.
    SendMessageW(window, kTrayEvent, 1, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsIconic(window));

    ShowWindow(window, SW_MINIMIZE);
    PumpFor(50);
    EXPECT_FALSE(IsWindowVisible(window));

    // Any event of the icon brings it back in the normal state.
    for (LPARAM event : {WM_MOUSEMOVE, WM_RBUTTONUP}) {
        ShowWindow(window, SW_MINIMIZE);
        SendMessageW(window, kTrayEvent, 1, event);
        PumpFor(50);
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_FALSE(IsIconic(window));
        RECT after;
        GetWindowRect(window, &after);
        EXPECT_TRUE(EqualRect(&before, &after));
    }
}

TEST_F(MainWindowTest, ResizingRepaintsTheNavigationBoxesAndTheTabWhole) {
    std::vector<HWND> repainted;
    for (int id : {mw::图片框_软件首页, mw::图片框_热门活动, mw::图片框_最新活动, mw::图片框_友情链接,
                   mw::高级选择夹_导航列表, mw::页面_软件首页}) {
        repainted.push_back(Control(id));
    }
    RedrawWindow(window_.Window(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    SendMessageW(window_.Window(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(615, 458));
    for (HWND control : repainted) {
        RECT client, update;
        GetClientRect(control, &client);
        ASSERT_TRUE(GetUpdateRect(control, &update, FALSE));
        EXPECT_TRUE(EqualRect(&client, &update));
    }
}

TEST_F(MainWindowTest, CaptionIsSetByTheFirstTickAndNeverAgain) {
    const std::wstring caption = L"Lumbra - 获取最新、最热门活动 - 1.0 - 测试版 -";
    EXPECT_EQ(WindowText(window_.Window()), L"");
    MessageCounter setTexts(window_.Window(), WM_SETTEXT);
    ASSERT_TRUE(PumpUntil([&] { return WindowText(window_.Window()) == caption; }, 2000));
    EXPECT_GE(GetTickCount64() - loadStarted_, 180u);
    EXPECT_EQ(setTexts.Value(), 1);
    PumpFor(1000);  // five more ticks
    EXPECT_EQ(setTexts.Value(), 1);
    EXPECT_EQ(WindowText(window_.Window()), caption);
}

TEST_F(MainWindowTest, CustomerServiceButtonsOpenTheirChatLinks) {
    const std::pair<int, std::wstring> buttons[] = {
        {mw::按钮_官方客服_Avi, L"zelmar://message/?uin=4417093321&Site=kiwo&Menu=yes"},
        {mw::按钮_官方客服_Lirae, L"zelmar://message/?uin=3860427719&Site=kiwo&Menu=yes"},
        {mw::按钮_官方客服_Bosk, L"zelmar://message/?uin=5203817&Site=kiwo&Menu=yes"},
        {mw::按钮_官方客服_Kunder, L"zelmar://message/?uin=6094381527&Site=kiwo&Menu=yes"},
        {mw::按钮_官方客服_Jexa, L"zelmar://message/?uin=731265098&Site=kiwo&Menu=yes"},
    };
    for (const auto& [button, link] : buttons) {
        OpenedAddresses().clear();
        SendMessageW(Control(button), BM_CLICK, 0, 0);
        ASSERT_EQ(OpenedAddresses().size(), 1u);
        EXPECT_EQ(OpenedAddresses()[0], link);
    }
    // Other buttons open nothing.
    OpenedAddresses().clear();
    SendMessageW(Control(mw::按钮_公告信息_1), BM_CLICK, 0, 0);
    EXPECT_TRUE(OpenedAddresses().empty());
}

TEST_F(MainWindowTest, LoadersFillTheWindowFromTheSite) {
    HWND latest = Control(mw::超级列表框_最新活动);
    HWND hot = Control(mw::超级列表框_热门活动);
    const std::wstring version = L"当前版本:1.0  -  最新版本:1.2  -";
    auto filled = [&] {
        if (SendMessageW(latest, LVM_GETITEMCOUNT, 0, 0) != 2 || SendMessageW(hot, LVM_GETITEMCOUNT, 0, 0) != 1) return false;
        if (WindowText(Control(mw::透明标签_版本信息)) != version) return false;
        for (int button = mw::按钮_公告信息_1; button <= mw::按钮_公告信息_6; ++button) {
            if (!(GetWindowLongPtrW(Control(button), GWL_STYLE) & WS_VISIBLE)) return false;
        }
        return true;
    };
    ASSERT_TRUE(PumpUntil(filled, 10000));
    EXPECT_EQ(WindowText(Control(mw::按钮_公告信息_1)), L"第一条公告");
    EXPECT_EQ(WindowText(Control(mw::按钮_公告信息_6)), L"公告：暂无内容！");

    // A double-click on the second latest activity opens its page.
    window_.SelectPage(2);
    LVITEMW state{};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(latest, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
    RECT row{LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(latest, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    SendMessageW(latest, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(row.left + 20, (row.top + row.bottom) / 2));
    ASSERT_EQ(OpenedAddresses().size(), 1u);
    EXPECT_EQ(OpenedAddresses()[0], L"http://host/z2.html");
}

TEST_F(MainWindowTest, ScreenshotsOfEveryPage) {
    ASSERT_TRUE(PumpUntil([&] { return SendMessageW(Control(mw::超级列表框_最新活动), LVM_GETITEMCOUNT, 0, 0) == 2; }));
    PumpFor(2600);  // every announcement button revealed
    if (HWND help = FindWindowW(kHelpWindowClass, nullptr)) ShowWindow(help, SW_HIDE);
    for (int page = 0; page < 4; ++page) {
        window_.SelectPage(page);
        RedrawWindow(window_.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpFor(100);
        EXPECT_FALSE(SaveScreenshot(window_.Window(), L"main_window_page_" + std::to_wstring(page)).empty());
    }
}

// Closing ends the message loop with exit code 0, also while the loaders are still at work.
TEST(MainWindowClose, EndsTheLoopWithZeroWhileLoading) {
    for (UINT request : {static_cast<UINT>(WM_CLOSE), kEndProcess}) {
        const int softwareRequests = Site().RequestCount("/rjxx.txt");
        const int hotRequests = Site().RequestCount("/rmhd.txt");
        {
            MainWindow window;
            ASSERT_TRUE(window.Load());
            PostMessageW(window.Window(), request, 0, 0);
            EXPECT_EQ(RunMessageLoop(), 0);
            EXPECT_EQ(window.Window(), nullptr);
        }
        if (HWND help = FindWindowW(kHelpWindowClass, nullptr)) DestroyWindow(help);
        WaitForLoaders(softwareRequests, hotRequests);
    }
}

}  // namespace
}  // namespace lumbra::test
