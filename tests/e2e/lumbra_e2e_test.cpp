// Starts Lumbra.exe against a loopback copy of its site and checks what the user sees.
#include "lumbra_process.h"
#include "loopback_server.h"
#include "net/code_page_936.h"
#include "screenshot.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

namespace lumbra {
namespace {

using namespace test;

constexpr char kLoopbackSite[] = "http://127.0.0.1:";

std::wstring Widen(const char* ascii) { return std::wstring(ascii, ascii + strlen(ascii)); }

std::string SiteFile(const std::string& name) {
    std::ifstream file(std::string(LUMBRA_SITE_FOLDER) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

struct ActivityLine {
    std::wstring title, time, address;
};

// The lines of an activity file, cut by hand for the lines the bundled site holds.
std::vector<ActivityLine> ActivityLines(const std::string& file) {
    std::vector<ActivityLine> lines;
    std::istringstream in(file);
    for (std::string line; std::getline(in, line);) {
        const size_t title = line.find("<hdbtbby>"), time = line.find("<hdsjbby>"), address = line.find("<hddzbby>");
        if (title == std::string::npos || time == std::string::npos || address == std::string::npos) continue;
        lines.push_back({GbkToWide(line.substr(0, title)), GbkToWide(line.substr(title + 9, time - title - 9)),
                         GbkToWide(line.substr(time + 9, address - time - 9))});
    }
    return lines;
}

// The port of the compiled site when it is this machine's loopback address, else 0.
unsigned short SitePort() {
    const std::string site = LUMBRA_SITE;
    if (site.rfind(kLoopbackSite, 0) != 0) return 0;
    return static_cast<unsigned short>(std::stoi(site.substr(strlen(kLoopbackSite))));
}

class LumbraEndToEnd : public testing::Test {
protected:
    void SetUp() override {
        if (SitePort() == 0) GTEST_SKIP() << "the program was built for another site: " << LUMBRA_SITE;
    }

    // Waits for the process to end by itself and checks that it left nothing behind.
    void ExpectCleanExit(const LumbraProcess& lumbra) {
        EXPECT_EQ(lumbra.WaitForExit(15000), std::optional<DWORD>(0));
        EXPECT_TRUE(ProcessWindows(lumbra.Id()).empty());
    }
};

HWND ListWithHeader(HWND window, const std::wstring& header) {
    for (HWND list : DescendantsOfClass(window, L"SysListView32")) {
        if (RemoteHeaderText(list, 0) == header) return list;
    }
    return nullptr;
}

HWND DescendantWithTextPrefix(HWND window, const std::wstring& prefix) {
    for (HWND child : Descendants(window)) {
        if (SentWindowText(child).rfind(prefix, 0) == 0) return child;
    }
    return nullptr;
}

std::set<std::wstring> VisibleButtonTexts(HWND window) {
    std::set<std::wstring> texts;
    for (HWND button : DescendantsOfClass(window, L"Button")) {
        if (IsWindowVisible(button)) texts.insert(SentWindowText(button));
    }
    return texts;
}

// The navigation picture box whose top is at y in the window's client area.
HWND PictureBoxAt(HWND window, int y) {
    for (HWND box : DescendantsOfClass(window, L"LumbraPictureBox")) {
        RECT r{};
        GetWindowRect(box, &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        if (r.top == y && r.right - r.left == 88) return box;
    }
    return nullptr;
}

TEST_F(LumbraEndToEnd, ShowsTheSiteAndEndsWithCodeZeroWhenClosed) {
    LoopbackServer server(SitePort());
    if (!server.Listening()) GTEST_SKIP() << "port " << SitePort() << " is taken (is `make run` running?)";
    for (const char* name : {"rjxx.txt", "zxhd.txt", "rmhd.txt"}) {
        const std::string body = SiteFile(name);
        ASSERT_FALSE(body.empty()) << name;
        ScriptedAnswer answer;
        answer.body = body;
        server.Serve(std::string("/") + name, {answer});
    }

    LumbraProcess lumbra(Widen(LUMBRA_EXE));
    ASSERT_TRUE(lumbra.Started());
    HWND window = WaitForWindow([&] { return FindProcessWindow(lumbra.Id(), kMainWindowClass); }, 30000);
    ASSERT_NE(window, nullptr);

    HWND latest = WaitForWindow([&] { return ListWithHeader(window, L"[最新]活动名称"); }, 5000);
    HWND hot = WaitForWindow([&] { return ListWithHeader(window, L"[热门]活动名称"); }, 5000);
    ASSERT_NE(latest, nullptr);
    ASSERT_NE(hot, nullptr);
    const DWORD start = GetTickCount();
    while ((ListRowCount(latest) == 0 || ListRowCount(hot) == 0) && GetTickCount() - start < 30000) Sleep(50);

    const struct {
        HWND list;
        const char* file;
    } lists[] = {{latest, "zxhd.txt"}, {hot, "rmhd.txt"}};
    for (const auto& l : lists) {
        const auto lines = ActivityLines(SiteFile(l.file));
        ASSERT_EQ(ListRowCount(l.list), static_cast<int>(lines.size())) << l.file;
        for (int row : {0, static_cast<int>(lines.size()) - 1}) {
            EXPECT_EQ(RemoteCellText(l.list, row, 0), lines[static_cast<size_t>(row)].title) << l.file << row;
            EXPECT_EQ(RemoteCellText(l.list, row, 1), lines[static_cast<size_t>(row)].time) << l.file << row;
            EXPECT_EQ(RemoteCellText(l.list, row, 2), lines[static_cast<size_t>(row)].address) << l.file << row;
        }
    }

    HWND version = DescendantWithTextPrefix(window, L"当前版本:");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(SentWindowText(version), L"当前版本:1.0  -  最新版本:1.1  -");
    // The sixth announcement button appears 2.5 s after the start.
    const std::wstring sixth = L"公告：活动奖励以Kiwo官方页面说明为准";
    WaitForWindow([&] { return VisibleButtonTexts(window).count(sixth) ? window : nullptr; }, 10000);
    const auto buttons = VisibleButtonTexts(window);
    for (const wchar_t* caption : {L"公告：Lumbra 1.1 已发布，活动列表加载更快！", L"公告：双击活动标题即可打开活动页面",
                                   sixth.c_str()}) {
        EXPECT_EQ(buttons.count(caption), 1u) << testing::PrintToString(std::wstring(caption));
    }
    EXPECT_EQ(server.RequestCount("/zxhd.txt"), 1);
    // The help window opens in front of the main window.
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Sleep(300);
    SaveScreenshot(window, L"e2e_site");
    // The navigation picture box "最新活动" switches to the latest list's page.
    if (HWND latestPage = PictureBoxAt(window, 296)) {
        PostMessageW(latestPage, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        PostMessageW(latestPage, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
        WaitForWindow([&] { return IsWindowVisible(latest) ? latest : nullptr; }, 3000);
        Sleep(300);
        SaveScreenshot(window, L"e2e_latest_list");
    }

    PostMessageW(window, WM_CLOSE, 0, 0);
    ExpectCleanExit(lumbra);
}

// Without its texts the program says so and ends with code 0 once the message is closed.
class LumbraWithoutSite : public LumbraEndToEnd, public testing::WithParamInterface<bool> {};

std::wstring BoxTexts(HWND box) {
    std::wstring texts;
    for (HWND child : DescendantsOfClass(box, L"Static")) texts += SentWindowText(child) + L"|";
    return texts;
}

TEST_P(LumbraWithoutSite, ReportsTheFailureAndEnds) {
    const bool emptyBodies = GetParam();  // else nothing listens: every connection is refused
    std::optional<LoopbackServer> server;
    if (emptyBodies) {
        server.emplace(SitePort());  // no script: every file is answered with an empty body
        if (!server->Listening()) GTEST_SKIP() << "port " << SitePort() << " is taken";
    }
    LumbraProcess lumbra(Widen(LUMBRA_EXE));
    ASSERT_TRUE(lumbra.Started());
    HWND box = WaitForWindow([&] { return FindProcessWindow(lumbra.Id(), L"#32770", L"盒子提示："); }, 30000);
    ASSERT_NE(box, nullptr);
    if (emptyBodies) {
        // Both loaders give up after five attempts each; the hot list is never asked for.
        const DWORD start = GetTickCount();
        while ((server->RequestCount("/rjxx.txt") < 5 || server->RequestCount("/zxhd.txt") < 5) &&
               GetTickCount() - start < 10000) {
            Sleep(50);
        }
        Sleep(300);
        EXPECT_EQ(server->RequestCount("/rjxx.txt"), 5);
        EXPECT_EQ(server->RequestCount("/zxhd.txt"), 5);
        EXPECT_EQ(server->RequestCount("/rmhd.txt"), 0);
    }
    Sleep(500);  // fade-in
    const std::wstring texts = BoxTexts(box);
    EXPECT_TRUE(texts.find(L"抱歉,获取软件信息失败,确定后自动关闭盒子！") != std::wstring::npos ||
                texts.find(L"抱歉,获取最新活动失败,确定后自动关闭盒子！") != std::wstring::npos)
        << testing::PrintToString(texts);
    SaveScreenshot(box, emptyBodies ? L"e2e_empty_bodies" : L"e2e_unreachable");

    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ExpectCleanExit(lumbra);
}

// Closing the window ends the program at once, whatever its loaders are doing: here they are
// blocked in their failure messages.
TEST_F(LumbraEndToEnd, ClosingWhileTheLoadersWaitEndsWithCodeZero) {
    LumbraProcess lumbra(Widen(LUMBRA_EXE));
    ASSERT_TRUE(lumbra.Started());
    ASSERT_NE(WaitForWindow([&] { return FindProcessWindow(lumbra.Id(), L"#32770", L"盒子提示："); }, 30000), nullptr);
    HWND window = FindProcessWindow(lumbra.Id(), kMainWindowClass);
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_CLOSE, 0, 0);
    ExpectCleanExit(lumbra);
}

INSTANTIATE_TEST_SUITE_P(Sites, LumbraWithoutSite, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "EmptyBodies" : "Unreachable"; });

}  // namespace
}  // namespace lumbra
