#pragma once
// What the loaders and the list filling need of the main window: its controls and the
// messages through which a worker hands work to the user-interface thread.
#include <windows.h>

#include <array>

namespace lumbra {

struct MainWindowControls {
    HWND window = nullptr;                       // 窗口
    HWND versionLabel = nullptr;                 // 透明标签_版本信息
    std::array<HWND, 6> announcementButtons{};   // 按钮_公告信息_1 … 按钮_公告信息_6
    HWND hotList = nullptr;                      // 超级列表框_热门活动
    HWND latestList = nullptr;                   // 超级列表框_最新活动
};

// 时钟_读入活动资源: SetTimer works only for windows of the calling thread, so the activity
// loader posts kArmActivityTimer and the window arms the timer itself.
constexpr UINT_PTR kActivityTimerId = 1;
constexpr UINT kArmActivityTimer = WM_APP + 1;
// A loader whose text could not be had posts this once its message box is closed: the window
// removes its tray icon and the process ends with exit code 0.
constexpr UINT kEndProcess = WM_APP + 2;

}  // namespace lumbra
