#pragma once
// MainWindow (窗口): banner, navigation picture boxes over a four-page tab control, the
// announcements, version line, customer-service buttons, activity lists and partner links.
// It lives in the tray while minimised; closing it ends the message loop with exit code 0.
#include "app/gdi_handles.h"
#include "app/main_window_controls.h"
#include "app/tray_icon.h"
#include "app/window_timer.h"

#include <windows.h>

#include <vector>

namespace lumbra {

// Events on the tray icon.
constexpr UINT kTrayEvent = WM_APP + 10;
constexpr UINT_PTR kTitleTimerId = 2;  // 时钟_更改标题
constexpr UINT kTitleTimerPeriodMs = 200;

template <typename Window>
class WindowThunk;

class MainWindow {
public:
    MainWindow();
    // Destroys the window if it is still open.
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates and shows the window, which runs its creation event: tray icon, page 0, banner,
    // the three loaders, the help window. The object must outlive the loaders' work.
    bool Load();

    HWND Window() const { return window_; }
    // A control by its identifier (main_window_layout.h).
    HWND Control(int id) const;
    int CurrentPage() const;
    void SelectPage(int index);

private:
    friend class WindowThunk<MainWindow>;

    void OnNcCreate(HWND window);
    void OnNcDestroy();
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    void OnCreate();
    void OnCommand(int id, WORD code);
    LRESULT OnNotify(const NMHDR& header);
    void OnTimer(UINT_PTR id);
    void OnTrayEvent();
    void Close();

    HWND window_ = nullptr;
    ScopedFont font_;
    ScopedBitmap banner_;
    std::vector<HWND> controls_;
    MainWindowControls loaderControls_;
    TrayIcon trayIcon_;
    WindowTimer titleTimer_{kTitleTimerId};
    WindowTimer activityTimer_{kActivityTimerId};  // 时钟_读入活动资源
};

}  // namespace lumbra
