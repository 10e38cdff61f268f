#include "app/plain_containers.h"

#include <commctrl.h>

namespace lumbra {
namespace {

constexpr UINT_PTR kContainerSubclass = 1;

LRESULT ControlColour(HDC dc) {
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// The messages every container answers alike; false for the ones it leaves to its own procedure.
bool ContainerMessage(HWND container, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
        result = SendMessageW(GetAncestor(container, GA_ROOT), message, wParam, lParam);
        return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        result = ControlColour(reinterpret_cast<HDC>(wParam));
        return true;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(container, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        result = 1;
        return true;
    }
    default:
        return false;
    }
}

LRESULT CALLBACK TabPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ContainerMessage(page, message, wParam, lParam, result)) return result;
    return DefWindowProcW(page, message, wParam, lParam);
}

LRESULT CALLBACK GroupBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    LRESULT result = 0;
    if (ContainerMessage(box, message, wParam, lParam, result)) return result;
    if (message == WM_NCDESTROY) RemoveWindowSubclass(box, GroupBoxProc, kContainerSubclass);
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

void RegisterTabPageClass() {
    static const ATOM atom = [] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof(type);
        type.lpfnWndProc = TabPageProc;
        type.hInstance = GetModuleHandleW(nullptr);
        type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        type.lpszClassName = kTabPageClass;
        return RegisterClassExW(&type);
    }();
    (void)atom;
}

void MakeGroupBoxContainer(HWND groupBox) { SetWindowSubclass(groupBox, GroupBoxProc, kContainerSubclass, 0); }

}  // namespace lumbra
