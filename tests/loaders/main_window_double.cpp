#include "main_window_double.h"

#include <commctrl.h>

namespace lumbra::test {
namespace {

constexpr wchar_t kClassName[] = L"LumbraMainWindowDouble";

HWND CreateList(HWND parent, int y) {
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS,
                                0, y, 500, 150, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    const int widths[] = {350, 125, 0};
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH;
        column.cx = widths[i];
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    }
    return list;
}

}  // namespace

MainWindowDouble::MainWindowDouble() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);  // fails harmlessly when a previous test registered it

    HWND window = CreateWindowExW(0, kClassName, L"loaders", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 620, 560,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), this);
    controls_.window = window;
    controls_.versionLabel = CreateWindowExW(0, L"STATIC", L"当前版本:正在获取  -  最新版本:正在获取  -",
                                             WS_CHILD | WS_VISIBLE, 0, 0, 300, 16, window, nullptr, nullptr, nullptr);
    for (int i = 0; i < 6; ++i) {
        controls_.announcementButtons[static_cast<size_t>(i)] =
            CreateWindowExW(0, L"BUTTON", L"公告：正在获取,请销等...", WS_CHILD | BS_PUSHBUTTON, 0, 20 + 28 * i,
                            310, 26, window, nullptr, nullptr, nullptr);
    }
    controls_.hotList = CreateList(window, 200);
    controls_.latestList = CreateList(window, 360);
}

MainWindowDouble::~MainWindowDouble() {
    DestroyWindow(controls_.window);
}

LRESULT CALLBACK MainWindowDouble::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MainWindowDouble*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        break;
    case kArmActivityTimer:
        ++self->armTimerCount_;
        return 0;
    case kEndProcess:
        ++self->endProcessCount_;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return done();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return true;
}

void PumpFor(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace lumbra::test
