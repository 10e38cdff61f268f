// The help window: opened with the main window, four answers in topmost boxes, closing it alone.
#include "app/help_window.h"
#include "main_window_fixture.h"
#include "message_box_watcher.h"
#include "screenshot.h"

#include <algorithm>
#include <future>

namespace lumbra::test {
namespace {

namespace hw = help_window;

HWND HelpWindowOpen() { return FindWindowW(kHelpWindowClass, nullptr); }

BOOL CALLBACK TakeChildWithId(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<std::pair<int, HWND>*>(param);
    if (GetDlgCtrlID(child) != search->first) return TRUE;
    search->second = child;
    return FALSE;
}

// A descendant of window by its control identifier.
HWND Find(HWND window, int id) {
    std::pair<int, HWND> search{id, nullptr};
    EnumChildWindows(window, TakeChildWithId, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

using HelpWindowTest = MainWindowTest;

TEST_F(HelpWindowTest, OpensWithTheMainWindowInItsDesign) {
    HWND help = HelpWindowOpen();
    ASSERT_TRUE(help);
    EXPECT_TRUE(IsWindowVisible(help));
    EXPECT_EQ(WindowText(help), L"Lumbra - 新手帮助 - ");
    EXPECT_EQ(GetWindow(help, GW_OWNER), nullptr);
    // It comes up in front of the main window.
    HWND front = GetTopWindow(nullptr);
    while (front && front != help && front != window_.Window()) front = GetWindow(front, GW_HWNDNEXT);
    EXPECT_EQ(front, help);
    RECT frame, client;
    GetWindowRect(help, &frame);
    GetClientRect(help, &client);
    EXPECT_EQ(frame.left, 50);
    EXPECT_EQ(frame.top, 50);
    EXPECT_EQ(client.right, 480);
    EXPECT_EQ(client.bottom, 261);

    struct Expected {
        int id;
        int parent;  // 0: the window
        RECT place;
        const wchar_t* text;
    };
    const Expected controls[] = {
        {hw::图片框1, 0, {133, 5, 339, 68}, L""},
        {hw::分组框_新手上路_1, 0, {8, 76, 233, 148}, L""},
        {hw::按钮_认识盒子, hw::分组框_新手上路_1, {2, 7, 224, 70}, L"认识Lumbra有什么用？"},
        {hw::分组框_新手上路_2, 0, {244, 76, 469, 148}, L""},
        {hw::按钮_为什么部分杀毒软件会报毒, hw::分组框_新手上路_2, {2, 7, 224, 70}, L"为什么部分杀毒软件会报毒？"},
        {hw::分组框_新手上路_3, 0, {8, 151, 233, 223}, L""},
        {hw::按钮_最新活动几天以内更新的, hw::分组框_新手上路_3, {2, 7, 224, 70}, L"最新活动类几天以内更新的？"},
        {hw::分组框_新手上路_4, 0, {244, 151, 469, 223}, L""},
        {hw::按钮_如何申请友情链接, hw::分组框_新手上路_4, {2, 7, 224, 70}, L"如何申请友情链接？"},
        {hw::按钮_关闭窗口, 0, {376, 230, 468, 253}, L"关闭"},
    };
    for (const Expected& e : controls) {
        SCOPED_TRACE(e.id);
        HWND control = Find(help, e.id);
        ASSERT_TRUE(control);
        EXPECT_EQ(GetParent(control), e.parent ? Find(help, e.parent) : help);
        const RECT place = PlaceInParent(control);
        EXPECT_TRUE(EqualRect(&place, &e.place)) << place.left << ',' << place.top << ',' << place.right << ','
                                                  << place.bottom;
        EXPECT_EQ(WindowText(control), e.text);
    }

    RedrawWindow(help, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(100);
    EXPECT_FALSE(SaveScreenshot(help, L"help_window").empty());
}

TEST_F(HelpWindowTest, EachQuestionIsAnsweredInATopmostBox) {
    HWND help = HelpWindowOpen();
    ASSERT_TRUE(help);
    const std::pair<int, std::wstring> answers[] = {
        {hw::按钮_认识盒子,
         L"Lumbra,采用多线程获取最新Kiwo活动！\r\n\r\n让你随时随地的观看最新活动，不用上网自己找！\r\n\r\n"
         L"方便、好用、所以说是屌丝的好帮手！\r\n     "},
        {hw::按钮_为什么部分杀毒软件会报毒,
         L"Lumbra,由Qorin编程,每一个新生成的EXE文件对于杀软来说都是未知的！\r\n\r\n"
         L"都应判断为可疑,只不过许多语言生成EXE的统一特征已经被杀软认可了所以列为安全！\r\n\r\n"
         L"Qorin做外挂木马的太多了,不太安全,如果杀毒软件报毒,可能是误报！\r\n     "},
        {hw::按钮_最新活动几天以内更新的, L"最新活动类,是在1天内更新的,请你放心！"},
        {hw::按钮_如何申请友情链接,
         L"如何向Lumbra官网添加自己的网站链接？\r\n\r\n必须要以下条件：\r\n\r\n1、您的官网要有百度收录\r\n\r\n"
         L"2、每日IP访问大于1000\r\n\r\n3、添加本官网友情链接\r\n\r\n4、不能有色情、不良等内容！\r\n\r\n"
         L"完成以上4点,免费向官方客服^Aven申请！\r\n     "},
    };
    for (const auto& [button, text] : answers) {
        SCOPED_TRACE(button);
        CaughtBoxes().clear();
        auto seen = std::async(std::launch::async, AnswerNextMessageBox, GetCurrentThreadId(), 10000);
        SendMessageW(Find(help, button), BM_CLICK, 0, 0);  // returns once the box is closed
        const auto box = seen.get();
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->text, text);
        EXPECT_EQ(box->title, L"盒子提示：");
        EXPECT_EQ(box->owner, help);
        EXPECT_TRUE(box->exStyle & WS_EX_TOPMOST);
        EXPECT_FALSE(box->hasIcon);
        EXPECT_EQ(CaughtBoxes(), std::vector<HWND>{box->box});
        EXPECT_TRUE(IsWindow(help));
    }
}

TEST_F(HelpWindowTest, ClosingItLeavesTheProgramRunning) {
    HWND help = HelpWindowOpen();
    ASSERT_TRUE(help);
    EXPECT_EQ(LoadHelpWindow(), help);  // the open one comes forward, no second window

    SendMessageW(Find(help, hw::按钮_关闭窗口), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(help));
    help = LoadHelpWindow();
    ASSERT_TRUE(IsWindow(help));
    SendMessageW(help, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(help));

    MSG quit;
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    EXPECT_TRUE(IsWindowVisible(window_.Window()));
}

}  // namespace
}  // namespace lumbra::test
