#include "app/tray_icon.h"

#include <shellapi.h>

#include <cwchar>
#include <utility>

namespace lumbra {
namespace {

constexpr UINT kIconId = 1;

}  // namespace

bool TrayIcon::Add(HWND window, UINT callbackMessage, HICON icon, const std::wstring& tip) {
    Remove();
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = callbackMessage;
    data.hIcon = icon;
    std::wcsncpy(data.szTip, tip.c_str(), std::size(data.szTip) - 1);
    if (!Shell_NotifyIconW(NIM_ADD, &data)) return false;
    window_ = window;
    return true;
}

void TrayIcon::Remove() {
    if (!window_) return;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = std::exchange(window_, nullptr);
    data.uID = kIconId;
    Shell_NotifyIconW(NIM_DELETE, &data);
}

}  // namespace lumbra
