#include "net/top_windows.h"

namespace lumbra {
namespace {

BOOL CALLBACK CollectVisible(HWND window, LPARAM list) {
    if (!IsWindowVisible(window)) return TRUE;
    TopWindowInfo info;
    info.window = window;
    info.threadId = GetWindowThreadProcessId(window, &info.processId);
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    info.title = title;
    wchar_t className[50] = {};
    GetClassNameW(window, className, 50);
    info.className = className;
    reinterpret_cast<std::vector<TopWindowInfo>*>(list)->push_back(std::move(info));
    return TRUE;
}

}  // namespace

// Each call builds its own list, so two threads asking at once cannot mix their answers.
std::vector<TopWindowInfo> VisibleTopWindows() {
    std::vector<TopWindowInfo> windows;
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

}  // namespace lumbra
