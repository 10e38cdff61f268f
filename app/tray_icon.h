#pragma once
// The window's icon in the notification area, removed with its owner.
#include <windows.h>

#include <string>

namespace lumbra {

class TrayIcon {
public:
    TrayIcon() = default;
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Events on the icon arrive at window as callbackMessage, the event in lParam.
    bool Add(HWND window, UINT callbackMessage, HICON icon, const std::wstring& tip);
    void Remove();

private:
    HWND window_ = nullptr;
};

}  // namespace lumbra
