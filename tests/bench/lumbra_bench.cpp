// Start-up to filled lists against a loopback site, the three raw fetches alone, and filling
// a list from a 10,000-line text.
#include "app/activity_rows.h"
#include "app/loaders.h"
#include "app/process_objects.h"
#include "app/site_address.h"
#include "loopback_server.h"
#include "lumbra_process.h"
#include "net/web_page_access.h"

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

using namespace lumbra;
using Clock = std::chrono::steady_clock;
constexpr int kRuns = 5;
constexpr char kLoopbackSite[] = "http://127.0.0.1:";

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void Report(const char* what, std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    std::printf("%-44s min %8.1f ms   median %8.1f ms   (%zu runs)\n", what, samples.front(),
                samples[samples.size() / 2], samples.size());
}

std::string SiteFile(const char* name) {
    std::ifstream file(std::string(LUMBRA_SITE_FOLDER) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

bool ListsFilled(HWND window) {
    const auto lists = test::DescendantsOfClass(window, L"SysListView32");
    return lists.size() >= 2 && std::all_of(lists.begin(), lists.end(), [](HWND l) { return test::ListRowCount(l) > 0; });
}

// From CreateProcess to both lists filled; nothing when the program did not get there.
std::optional<double> StartUpRun() {
    const std::string exe = LUMBRA_EXE;
    const auto start = Clock::now();
    test::LumbraProcess lumbra(std::wstring(exe.begin(), exe.end()));
    if (!lumbra.Started()) return std::nullopt;
    HWND window = nullptr;
    while (Clock::now() - start < std::chrono::seconds(30)) {
        if (!window) window = test::FindProcessWindow(lumbra.Id(), test::kMainWindowClass);
        if (window && ListsFilled(window)) {
            const double elapsed = Milliseconds(Clock::now() - start);
            PostMessageW(window, WM_CLOSE, 0, 0);
            lumbra.WaitForExit(10000);
            return elapsed;
        }
        Sleep(2);
    }
    return std::nullopt;
}

double FillRun(const MainWindowControls& controls) {
    const auto start = Clock::now();
    FillActivityLists(controls);
    return Milliseconds(Clock::now() - start);
}

HWND CreateList(HWND parent) {
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 500, 300, parent,
                                nullptr, nullptr, nullptr);
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH;
        column.cx = i == 0 ? 350 : i == 1 ? 125 : 0;
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    }
    return list;
}

}  // namespace

int main() {
    const std::string site = LUMBRA_SITE;
    if (site.rfind(kLoopbackSite, 0) != 0) {
        std::printf("lumbra_bench: the program was built for %s, not a loopback site\n", site.c_str());
        return 1;
    }
    test::LoopbackServer server(static_cast<unsigned short>(std::stoi(site.substr(sizeof kLoopbackSite - 1))));
    if (!server.Listening()) {
        std::printf("lumbra_bench: port of %s is taken\n", site.c_str());
        return 1;
    }
    for (const char* name : {"rjxx.txt", "zxhd.txt", "rmhd.txt"}) {
        test::ScriptedAnswer answer;
        answer.body = SiteFile(name);
        server.Serve(std::string("/") + name, {answer});
    }

    std::vector<double> startUp;
    for (int run = 0; run < kRuns; ++run) {
        if (auto elapsed = StartUpRun()) startUp.push_back(*elapsed);
    }
    if (startUp.empty()) {
        std::printf("lumbra_bench: Lumbra never showed both lists\n");
        return 1;
    }
    Report("start to both lists filled", startUp);

    std::vector<double> fetches;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = Clock::now();
        for (const char* path : {"/rjxx.txt", "/zxhd.txt", "/rmhd.txt"}) FetchPageText(site + path);
        fetches.push_back(Milliseconds(Clock::now() - start));
    }
    Report("three raw fetches, one after another", fetches);

    ProcessObjects objects;
    for (int i = 0; i < 10000; ++i) {
        objects.latestActivityText += "Activity title number " + std::to_string(i) + "<hdbtbby>2026-12-" +
                                      std::to_string(i % 28 + 1) + "<hdsjbby>http://act.example/" + std::to_string(i) +
                                      ".html<hddzbby>\r\n";
    }
    std::vector<double> cutting;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = Clock::now();
        CutActivityRows(objects.activityRegex, objects.latestActivityText);
        cutting.push_back(Milliseconds(Clock::now() - start));
    }
    Report("cutting 10,000 rows out of the text", cutting);

    HWND window = CreateWindowExW(0, L"STATIC", L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 520, 340, nullptr,
                                  nullptr, nullptr, nullptr);
    MainWindowControls controls;
    controls.window = window;
    controls.latestList = CreateList(window);
    controls.hotList = CreateList(window);
    std::vector<double> filling;
    for (int run = 0; run < kRuns; ++run) filling.push_back(FillRun(controls));
    Report("filling a list with 10,000 rows", filling);
    DestroyWindow(window);
    return 0;
}
