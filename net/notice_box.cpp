#include "net/code_page_936.h"
#include "net/top_windows.h"
#include "net/web_page_access.h"

namespace lumbra {
namespace {

HWND FirstWindowOfThisProcess() {
    const DWORD self = GetCurrentProcessId();
    for (const TopWindowInfo& info : VisibleTopWindows()) {
        if (info.processId == self) return info.window;
    }
    return nullptr;
}

}  // namespace

int NoticeBox(const std::string& message, std::optional<UINT> iconAndButtons, std::optional<std::string> title,
              std::optional<HWND> owner) {
    const HWND ownerWindow = owner ? *owner : FirstWindowOfThisProcess();
    const std::wstring caption = title ? GbkToWide(*title) : std::wstring(L"友情提醒");
    return MessageBoxW(ownerWindow, GbkToWide(message).c_str(), caption.c_str(),
                       iconAndButtons.value_or(MB_ICONINFORMATION)) - 1;
}

}  // namespace lumbra
