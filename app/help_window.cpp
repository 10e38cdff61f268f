#include "app/help_window.h"

#include "app/control_table.h"
#include "app/design_font.h"
#include "app/embedded_bitmap.h"
#include "app/picture_box.h"
#include "app/window_thunk.h"
#include "res/resource_ids.h"
#include "skin/message_box.h"

#include <iterator>
#include <vector>

namespace lumbra {
namespace {

namespace hw = help_window;
using K = ControlKind;

constexpr wchar_t kClassName[] = L"LumbraHelpWindow";
constexpr wchar_t kCaption[] = L"Lumbra - 新手帮助 - ";
constexpr wchar_t kAnswerTitle[] = L"盒子提示：";
constexpr UINT kAnswerStyle = 0x40000;  // always on top, no icon, one OK button
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

constexpr ControlDef kLayout[] = {
    {K::PictureBox, hw::图片框1, kTheWindow, 133, 5, 206, 63, L""},
    {K::GroupBox, hw::分组框_新手上路_1, kTheWindow, 8, 76, 225, 72, L""},
    {K::Button, hw::按钮_认识盒子, hw::分组框_新手上路_1, 2, 7, 222, 63, L"认识Lumbra有什么用？"},
    {K::GroupBox, hw::分组框_新手上路_2, kTheWindow, 244, 76, 225, 72, L""},
    {K::Button, hw::按钮_为什么部分杀毒软件会报毒, hw::分组框_新手上路_2, 2, 7, 222, 63, L"为什么部分杀毒软件会报毒？"},
    {K::GroupBox, hw::分组框_新手上路_3, kTheWindow, 8, 151, 225, 72, L""},
    {K::Button, hw::按钮_最新活动几天以内更新的, hw::分组框_新手上路_3, 2, 7, 222, 63, L"最新活动类几天以内更新的？"},
    {K::GroupBox, hw::分组框_新手上路_4, kTheWindow, 244, 151, 225, 72, L""},
    {K::Button, hw::按钮_如何申请友情链接, hw::分组框_新手上路_4, 2, 7, 222, 63, L"如何申请友情链接？"},
    {K::Button, hw::按钮_关闭窗口, kTheWindow, 376, 230, 92, 23, L"关闭"},
};

struct Answer {
    int button;
    const wchar_t* text;
};

constexpr Answer kAnswers[] = {
    {hw::按钮_认识盒子,
     L"Lumbra,采用多线程获取最新Kiwo活动！\r\n\r\n让你随时随地的观看最新活动，不用上网自己找！\r\n\r\n"
     L"方便、好用、所以说是屌丝的好帮手！\r\n     "},
    {hw::按钮_为什么部分杀毒软件会报毒,
     L"Lumbra,由Qorin编程,每一个新生成的EXE文件对于杀软来说都是未知的！\r\n\r\n"
     L"都应判断为可疑,只不过许多语言生成EXE的统一特征已经被杀软认可了所以列为安全！\r\n\r\n"
     L"Qorin做外挂木马的太多了,不太安全,如果杀毒软件报毒,可能是误报！\r\n     "},
    {hw::按钮_最新活动几天以内更新的, L"最新活动类,是在1天内更新的,请你放心！"},
    {hw::按钮_如何申请友情链接,
     L"如何向Lumbra官网添加自己的网站链接？\r\n\r\n必须要以下条件：\r\n\r\n1、您的官网要有百度收录\r\n\r\n"
     L"2、每日IP访问大于1000\r\n\r\n3、添加本官网友情链接\r\n\r\n4、不能有色情、不良等内容！\r\n\r\n"
     L"完成以上4点,免费向官方客服^Aven申请！\r\n     "},
};

// One open help window at a time; its state lives from creation to WM_NCDESTROY.
class HelpWindow {
public:
    static HWND Load();

private:
    friend class WindowThunk<HelpWindow>;

    void OnNcCreate(HWND window);
    // The window is gone: so is this object.
    void OnNcDestroy();
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreate();
    void OnCommand(int id, WORD code);

    static HWND open_;
    HWND window_ = nullptr;
    ScopedFont font_;
    ScopedBitmap picture_;
    std::vector<HWND> controls_;
};

HWND HelpWindow::open_ = nullptr;

HWND HelpWindow::Load() {
    if (open_) {
        ShowWindow(open_, IsIconic(open_) ? SW_RESTORE : SW_SHOW);
        SetForegroundWindow(open_);
        return open_;
    }
    static const ATOM atom = [] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof(type);
        type.lpfnWndProc = WindowThunk<HelpWindow>::Procedure;
        type.hInstance = GetModuleHandleW(nullptr);
        type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        type.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        type.hIcon = static_cast<HICON>(LoadImageW(type.hInstance, L"DEFAULT_ICON", IMAGE_ICON, 0, 0,
                                                   LR_DEFAULTSIZE | LR_SHARED));
        type.lpszClassName = kClassName;
        return RegisterClassExW(&type);
    }();
    if (!atom) return nullptr;
    RECT frame{0, 0, hw::kClientWidth, hw::kClientHeight};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    HWND window = CreateWindowExW(0, kClassName, kCaption, kStyle, hw::kLeft, hw::kTop, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleW(nullptr),
                                  new HelpWindow);
    if (window) {
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
    }
    return window;
}

void HelpWindow::OnNcCreate(HWND window) {
    window_ = window;
    open_ = window;
}

void HelpWindow::OnNcDestroy() {
    open_ = nullptr;
    delete this;
}

LRESULT HelpWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void HelpWindow::OnCreate() {
    font_ = CreateDesignFont();
    controls_ = CreateControls(window_, kLayout, font_.Get());
    picture_ = LoadEmbeddedBitmap(IDR_HELP_BANNER_JPEG);
    SetPictureBoxPicture(controls_[hw::图片框1], picture_.Get());
}

void HelpWindow::OnCommand(int id, WORD code) {
    if (code != BN_CLICKED) return;
    if (id == hw::按钮_关闭窗口) {
        DestroyWindow(window_);
        return;
    }
    for (const Answer& answer : kAnswers) {
        if (answer.button == id) SkinnedMessageBox(window_, answer.text, kAnswerStyle, kAnswerTitle);
    }
}

}  // namespace

HWND LoadHelpWindow() { return HelpWindow::Load(); }

}  // namespace lumbra
