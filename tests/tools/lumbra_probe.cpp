// lumbra_probe NAME [SECONDS]
// Waits for Lumbra's main window with both activity lists filled and all announcements shown,
// saves a screenshot of it as NAME.png in the screenshot folder, prints the path and closes the
// window. Exits 1 when that does not happen within SECONDS (default 60).
#include "lumbra_process.h"
#include "screenshot.h"

#include <cstdio>
#include <cwchar>

namespace {

constexpr DWORD kRevealTime = 3000;  // ms until the last announcement button shows

bool ListsFilled(HWND window) {
    const auto lists = lumbra::test::DescendantsOfClass(window, L"SysListView32");
    if (lists.size() < 2) return false;
    for (HWND list : lists) {
        if (lumbra::test::ListRowCount(list) == 0) return false;
    }
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fwprintf(stderr, L"usage: lumbra_probe NAME [SECONDS]\n");
        return 2;
    }
    const DWORD timeout = (argc > 2 ? static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)) : 60) * 1000;
    const DWORD start = GetTickCount();
    HWND window = nullptr;
    DWORD found = 0;
    while (GetTickCount() - start < timeout) {
        if (!window && (window = FindWindowW(lumbra::test::kMainWindowClass, nullptr))) found = GetTickCount();
        if (window && ListsFilled(window) && GetTickCount() - found >= kRevealTime) {
            // The help window opens in front of the main window.
            SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            Sleep(300);
            const std::wstring path = lumbra::test::SaveScreenshot(window, argv[1]);
            PostMessageW(window, WM_CLOSE, 0, 0);
            if (path.empty()) {
                std::fwprintf(stderr, L"lumbra_probe: the screenshot could not be saved\n");
                return 1;
            }
            std::wprintf(L"%ls\n", path.c_str());
            return 0;
        }
        Sleep(100);
    }
    std::fwprintf(stderr, window ? L"lumbra_probe: the activity lists stayed empty\n"
                                 : L"lumbra_probe: the main window did not appear\n");
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    return 1;
}
