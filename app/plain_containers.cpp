#include "app/plain_containers.h"

#include <commctrl.h>

namespace lumbra {
namespace {

constexpr UINT_PTR kContainerSubclass = 1;
constexpr UINT_PTR kLabelSubclass = 2;

bool IsTransparent(HWND control) { return (GetWindowLongPtrW(control, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0; }

LRESULT ControlColour(HDC dc, HWND control) {
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    if (IsTransparent(control)) {
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
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
        result = ControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
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

LRESULT CALLBACK TransparentLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
    case WM_SETTEXT: {
        // The label paints no background, so the old text would stay under the new one.
        const LRESULT result = DefSubclassProc(label, message, wParam, lParam);
        HWND parent = GetParent(label);
        RECT area;
        GetWindowRect(label, &area);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
        RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(label, TransparentLabelProc, kLabelSubclass);
        return DefSubclassProc(label, message, wParam, lParam);
    default:
        return DefSubclassProc(label, message, wParam, lParam);
    }
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

void MakeTransparentLabel(HWND label) { SetWindowSubclass(label, TransparentLabelProc, kLabelSubclass, 0); }

}  // namespace lumbra
