// The three workers against a loopback site: captions, retries, stored texts and the failure path.
#include "app/loaders.h"
#include "app/process_objects.h"
#include "app/site_address.h"
#include "loopback_server.h"
#include "lumbra_process.h"
#include "main_window_double.h"
#include "net/code_page_936.h"
#include "screenshot.h"

#include <gtest/gtest.h>

namespace lumbra {
namespace {

using test::LoopbackServer;
using test::PumpUntil;
using test::ScriptedAnswer;
using test::WindowText;

std::string Gbk(const std::wstring& text) { return WideToGbk(text); }

ScriptedAnswer Body(std::string body, bool closeMidBody = false) {
    ScriptedAnswer answer;
    answer.body = std::move(body);
    answer.closeMidBody = closeMidBody;
    return answer;
}

const std::wstring kPlaceholder = L"公告：正在获取,请销等...";
const std::wstring kNoAnnouncement = L"公告：暂无内容！";

class Loaders : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.Listening());
        SetSiteBase(server.BaseAddress());
    }

    const MainWindowControls& Controls() const { return window.Controls(); }
    HWND Button(int n) const { return Controls().announcementButtons[static_cast<size_t>(n - 1)]; }

    ProcessObjects objects;
    LoopbackServer server;
    test::MainWindowDouble window;
};

TEST_F(Loaders, SoftwareInfoIsRetriedUntilATextArrives) {
    // An empty body and a body starting with a zero byte both count as failed attempts.
    server.Serve("/rjxx.txt", {Body(""),
                               Body(std::string("\0sdjasd", 7)),
                               Body(Gbk(L"sdjasd（1.1）akxsds\r\nxksdfs（第一）ksdjsd\r\n"
                                        L"dqwknd（第三\r\n续）oosdka\r\nxaskno（第六）dwqhbs"))});
    StartSoftwareInfoLoader(Controls());
    ASSERT_TRUE(PumpUntil([&] { return WindowText(Button(6)) != kPlaceholder; }, 20000));

    EXPECT_EQ(WindowText(Controls().versionLabel), L"当前版本:1.0  -  最新版本:1.1  -");
    const std::wstring expected[] = {L"第一", kNoAnnouncement, L"第三\r\n续", kNoAnnouncement, kNoAnnouncement, L"第六"};
    for (int n = 1; n <= 6; ++n) EXPECT_EQ(WindowText(Button(n)), expected[n - 1]) << "button " << n;
    EXPECT_EQ(server.RequestCount("/rjxx.txt"), 3);
    EXPECT_EQ(objects.softwareInfo.currentVersion, "1.0");
    test::PumpFor(200);
    EXPECT_EQ(window.EndProcessCount(), 0);
}

TEST_F(Loaders, SoftwareInfoUsesABodyCutOffMidway) {
    const std::string head = Gbk(L"sdjasd（2.5）akxsds");
    server.Serve("/rjxx.txt", {Body(head + std::string(head.size(), ' ') + Gbk(L"xksdfs（lost）ksdjsd"), true)});
    StartSoftwareInfoLoader(Controls());
    ASSERT_TRUE(PumpUntil([&] { return WindowText(Button(6)) != kPlaceholder; }, 20000));
    EXPECT_EQ(WindowText(Controls().versionLabel), L"当前版本:1.0  -  最新版本:2.5  -");
    EXPECT_EQ(WindowText(Button(1)), kNoAnnouncement);
    EXPECT_EQ(server.RequestCount("/rjxx.txt"), 1);
}

TEST_F(Loaders, SoftwareInfoShowsAMegabyteAnnouncement) {
    const std::wstring big(1 << 19, L'公');  // a megabyte in code page 936
    server.Serve("/rjxx.txt", {Body(Gbk(L"xksdfs（" + big + L"）ksdjsd"))});
    StartSoftwareInfoLoader(Controls());
    ASSERT_TRUE(PumpUntil([&] { return WindowText(Button(1)) != kPlaceholder; }, 30000));
    EXPECT_EQ(WindowText(Button(1)), big);
}

TEST_F(Loaders, AnnouncementsAppearOneByOne) {
    StartAnnouncementReveal(Controls());
    const DWORD start = GetTickCount();
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(Button(1)) != FALSE; }, 1000));
    EXPECT_FALSE(IsWindowVisible(Button(2)));
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(Button(6)) != FALSE; }, 5000));
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, 2400u);
    EXPECT_LE(elapsed, 4000u);
    for (int n = 1; n <= 6; ++n) EXPECT_TRUE(IsWindowVisible(Button(n))) << "button " << n;
}

TEST_F(Loaders, ActivityTextsAreRetriedStoredAndHandedToTheWindow) {
    const std::string latest = Gbk(L"活动A<hdbtbby>2014-04-06<hdsjbby>http://host/a.html<hddzbby>\r\n");
    const std::string hot = Gbk(L"热门B<hdbtbby>2014-05-01<hdsjbby>http://host/b.html<hddzbby>\r\n");
    server.Serve("/zxhd.txt", {Body(""), Body(""), Body(latest)});
    server.Serve("/rmhd.txt", {Body(hot)});
    StartActivityLoader(Controls());
    ASSERT_TRUE(PumpUntil([&] { return window.ArmTimerCount() > 0; }, 20000));

    EXPECT_EQ(objects.latestActivityText, latest);
    EXPECT_EQ(objects.hotActivityText, hot);
    EXPECT_EQ(server.RequestCount("/zxhd.txt"), 3);
    EXPECT_EQ(server.RequestCount("/rmhd.txt"), 1);
    test::PumpFor(200);
    EXPECT_EQ(window.ArmTimerCount(), 1);
    EXPECT_EQ(window.EndProcessCount(), 0);
}

// The failure path: five attempts, the message box owned by the window, and only once it is
// closed the request to end the process.
struct FailureCase {
    const char* name;
    void (*start)(const MainWindowControls&);
    const char* failingPath;
    const char* servedPath;  // answered with a text first, or null
    std::wstring message;
    bool exclamationIcon;  // style 48 shows one, the activity lists' 0x40000 none
};

class LoaderFailure : public Loaders, public testing::WithParamInterface<FailureCase> {};

HWND FindOwnedMessageBox(HWND owner) {
    for (HWND window : test::TopLevelWindows()) {
        if (test::ClassOf(window) == L"#32770" && GetWindow(window, GW_OWNER) == owner) return window;
    }
    return nullptr;
}

std::wstring ChildTexts(HWND box) {
    std::wstring texts;
    for (HWND child : test::Descendants(box)) texts += WindowText(child) + L"\n";
    return texts;
}

bool ShowsIcon(HWND box) {
    for (HWND child : test::Descendants(box)) {
        if (IsWindowVisible(child) && SendMessageW(child, STM_GETICON, 0, 0) != 0) return true;
    }
    return false;
}

TEST_P(LoaderFailure, IsReportedAndEndsTheProgramWhenClosed) {
    const FailureCase& c = GetParam();
    if (c.servedPath != nullptr) server.Serve(c.servedPath, {Body("x<hdbtbby>1<hdsjbby>http://x<hddzbby>")});
    c.start(Controls());

    HWND box = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (box = FindOwnedMessageBox(Controls().window)) != nullptr; }, 30000));
    PumpUntil([&] { return IsWindowVisible(box) != FALSE; }, 2000);
    test::PumpFor(400);  // let it fade in for the screenshot
    test::SaveScreenshot(box, std::wstring(L"load_failure_") + std::wstring(c.name, c.name + strlen(c.name)));

    EXPECT_EQ(WindowText(box), L"盒子提示：");
    EXPECT_NE(ChildTexts(box).find(c.message), std::wstring::npos) << testing::PrintToString(ChildTexts(box));
    EXPECT_EQ(ShowsIcon(box), c.exclamationIcon);
    EXPECT_EQ(server.RequestCount(c.failingPath), 5);
    EXPECT_EQ(window.EndProcessCount(), 0);
    if (std::string(c.failingPath) == "/zxhd.txt") {
        EXPECT_EQ(server.RequestCount("/rmhd.txt"), 0);
    }

    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(PumpUntil([&] { return window.EndProcessCount() == 1; }, 5000));
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(window.ArmTimerCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Loaders, LoaderFailure,
    testing::Values(FailureCase{"software_info", StartSoftwareInfoLoader, "/rjxx.txt", nullptr,
                                L"抱歉,获取软件信息失败,确定后自动关闭盒子！", true},
                    FailureCase{"latest", StartActivityLoader, "/zxhd.txt", nullptr,
                                L"抱歉,获取最新活动失败,确定后自动关闭盒子！", false},
                    FailureCase{"hot", StartActivityLoader, "/rmhd.txt", "/zxhd.txt",
                                L"抱歉,获取热门活动失败,确定后自动关闭盒子！", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumbra
