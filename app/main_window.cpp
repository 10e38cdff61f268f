#include "app/main_window.h"

#include "app/chat_buttons.h"
#include "app/control_table.h"
#include "app/design_font.h"
#include "app/embedded_bitmap.h"
#include "app/help_window.h"
#include "app/loaders.h"
#include "app/main_window_layout.h"
#include "app/picture_box.h"
#include "app/shell_opener.h"
#include "app/window_thunk.h"
#include "res/resource_ids.h"

#include <commctrl.h>

#include <iterator>

namespace lumbra {
namespace {

namespace mw = main_window;

constexpr wchar_t kClassName[] = L"LumbraMainWindow";
constexpr wchar_t kTrayTip[] = L"Lumbra";
constexpr wchar_t kCaption[] = L"Lumbra - 获取最新、最热门活动 - 1.0 - 测试版 -";
// The design lays the controls out in a frameless window; the plain frame goes around it.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

HICON LoadProgramIcon(int size) {
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), L"DEFAULT_ICON", IMAGE_ICON, size, size, LR_SHARED));
}

bool RegisterMainWindowClass(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof(type);
        type.lpfnWndProc = procedure;
        type.hInstance = GetModuleHandleW(nullptr);
        type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        type.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        type.hIcon = LoadProgramIcon(GetSystemMetrics(SM_CXICON));
        type.hIconSm = LoadProgramIcon(GetSystemMetrics(SM_CXSMICON));
        type.lpszClassName = kClassName;
        return RegisterClassExW(&type);
    }();
    return atom != 0;
}

int PageOfNavigationBox(int id) {
    for (size_t page = 0; page < std::size(mw::kNavigationBoxes); ++page) {
        if (mw::kNavigationBoxes[page] == id) return static_cast<int>(page);
    }
    return -1;
}

}  // namespace

MainWindow::MainWindow() = default;

MainWindow::~MainWindow() {
    if (window_) DestroyWindow(window_);
}

bool MainWindow::Load() {
    if (window_ || !RegisterMainWindowClass(WindowThunk<MainWindow>::Procedure)) return false;
    RECT frame{0, 0, mw::kClientWidth, mw::kClientHeight};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    CreateWindowExW(0, kClassName, L"", kStyle, mw::kLeft, mw::kTop, frame.right - frame.left,
                    frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!window_) return false;
    UpdateWindow(window_);
    return true;
}

HWND MainWindow::Control(int id) const {
    return id >= 0 && static_cast<size_t>(id) < controls_.size() ? controls_[static_cast<size_t>(id)] : nullptr;
}

int MainWindow::CurrentPage() const {
    return static_cast<int>(SendMessageW(Control(mw::高级选择夹_导航列表), TCM_GETCURSEL, 0, 0));
}

void MainWindow::SelectPage(int index) {
    if (index == CurrentPage()) return;
    HWND tab = Control(mw::高级选择夹_导航列表);
    SendMessageW(tab, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    ShowTabPage(tab, index);
}

void MainWindow::OnNcCreate(HWND window) { window_ = window; }

void MainWindow::OnNcDestroy() { window_ = nullptr; }

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_SIZE:
        // The navigation boxes and the tab control are repainted whole, not just the uncovered parts.
        if (wParam != SIZE_MINIMIZED) {
            for (int box : mw::kNavigationBoxes) InvalidateRect(Control(box), nullptr, TRUE);
            RedrawWindow(Control(mw::高级选择夹_导航列表), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        }
        return 0;
    case WM_WINDOWPOSCHANGED: {
        const LRESULT result = DefWindowProcW(window_, message, wParam, lParam);
        // A minimised window goes to the tray: no task-bar entry remains.
        if (IsIconic(window_) && IsWindowVisible(window_)) ShowWindow(window_, SW_HIDE);
        return result;
    }
    case kTrayEvent:
        OnTrayEvent();
        return 0;
    case kArmActivityTimer:
        activityTimer_.Start(window_, 1);
        return 0;
    case kEndProcess:
    case WM_CLOSE:
        Close();
        return 0;
    case WM_DESTROY:
        titleTimer_.Stop();
        activityTimer_.Stop();
        trayIcon_.Remove();
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void MainWindow::OnCreate() {
    font_ = CreateDesignFont();
    controls_ = CreateControls(window_, mw::Layout(), font_.Get());
    loaderControls_.window = window_;
    loaderControls_.versionLabel = Control(mw::透明标签_版本信息);
    for (size_t i = 0; i < loaderControls_.announcementButtons.size(); ++i) {
        loaderControls_.announcementButtons[i] = Control(mw::按钮_公告信息_1 + static_cast<int>(i));
    }
    loaderControls_.hotList = Control(mw::超级列表框_热门活动);
    loaderControls_.latestList = Control(mw::超级列表框_最新活动);
    titleTimer_.Start(window_, kTitleTimerPeriodMs);

    auto icon = reinterpret_cast<HICON>(GetClassLongPtrW(window_, GCLP_HICONSM));
    trayIcon_.Add(window_, kTrayEvent, icon, kTrayTip);
    SendMessageW(Control(mw::高级选择夹_导航列表), TCM_SETCURSEL, 0, 0);
    ShowTabPage(Control(mw::高级选择夹_导航列表), 0);
    banner_ = LoadEmbeddedBitmap(IDR_BANNER_JPEG);
    SetPictureBoxPicture(Control(mw::图片框_背景加工), banner_.Get());
    StartAnnouncementReveal(loaderControls_);
    StartSoftwareInfoLoader(loaderControls_);
    StartActivityLoader(loaderControls_);
    // Shown before the help window opens, so that the help window comes up in front of it.
    ShowWindow(window_, SW_SHOWNORMAL);
    LoadHelpWindow();
}

void MainWindow::OnCommand(int id, WORD code) {
    if (code == kPictureBoxPressed) {
        if (const int page = PageOfNavigationBox(id); page >= 0) SelectPage(page);
        return;
    }
    if (code == BN_CLICKED) {
        if (const auto link = ChatLinkOfButton(id)) OpenAddress(*link);
    }
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
    const auto id = static_cast<int>(header.idFrom);
    switch (header.code) {
    case NM_DBLCLK:
        if (id == mw::超级列表框_热门活动 || id == mw::超级列表框_最新活动) OpenCurrentActivity(header.hwndFrom);
        return 0;
    case TCN_SELCHANGE:
        if (id == mw::高级选择夹_导航列表) ShowTabPage(header.hwndFrom, CurrentPage());
        return 0;
    default:
        return 0;
    }
}

void MainWindow::OnTimer(UINT_PTR id) {
    if (id == titleTimer_.Id()) {
        // The same caption on every tick; setting it again would only repaint the title bar.
        wchar_t caption[64] = {};
        GetWindowTextW(window_, caption, static_cast<int>(std::size(caption)));
        if (lstrcmpW(caption, kCaption) != 0) SetWindowTextW(window_, kCaption);
    } else if (id == activityTimer_.Id()) {
        activityTimer_.Stop();
        FillActivityLists(loaderControls_);
    }
}

void MainWindow::OnTrayEvent() {
    if (!IsIconic(window_)) return;
    ShowWindow(window_, SW_RESTORE);  // also makes it visible again
    SetForegroundWindow(window_);
}

void MainWindow::Close() {
    trayIcon_.Remove();
    DestroyWindow(window_);
}

}  // namespace lumbra
