#include "app/picture_box.h"

#include "app/gdi_handles.h"

namespace lumbra {
namespace {

enum Slot { kPictureSlot = 0, kFontSlot = 1, kSlotCount = 2 };

HBITMAP PictureOf(HWND box) { return reinterpret_cast<HBITMAP>(GetWindowLongPtrW(box, kPictureSlot * sizeof(LONG_PTR))); }
HFONT FontOf(HWND box) { return reinterpret_cast<HFONT>(GetWindowLongPtrW(box, kFontSlot * sizeof(LONG_PTR))); }

void PaintPicture(HDC dc, HBITMAP picture, const RECT& client) {
    BITMAP info{};
    GetObjectW(picture, sizeof(info), &info);
    MemoryDC source(dc);
    ScopedSelection selected(source.Get(), picture);
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);
    // Whatever the picture does not cover keeps the plain background.
    ExcludeClipRect(dc, 0, 0, info.bmWidth, info.bmHeight);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
}

void PaintPlaceholder(HWND box, HDC dc, RECT client) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &client, EDGE_ETCHED, BF_RECT);
    wchar_t text[64] = {};
    GetWindowTextW(box, text, 64);
    ScopedSelection font(dc, FontOf(box));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, text, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void Paint(HWND box) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(box, &paint);
    RECT client;
    GetClientRect(box, &client);
    if (HBITMAP picture = PictureOf(box)) {
        PaintPicture(dc, picture, client);
    } else {
        PaintPlaceholder(box, dc, client);
    }
    EndPaint(box, &paint);
}

LRESULT CALLBACK PictureBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint(box);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // painting covers every pixel
    case WM_LBUTTONDOWN:
        SendMessageW(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), kPictureBoxPressed),
                     reinterpret_cast<LPARAM>(box));
        return 0;
    case WM_SETFONT:
        SetWindowLongPtrW(box, kFontSlot * sizeof(LONG_PTR), static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam)) InvalidateRect(box, nullptr, FALSE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(FontOf(box));
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcW(box, message, wParam, lParam);
        InvalidateRect(box, nullptr, FALSE);
        return result;
    }
    default:
        return DefWindowProcW(box, message, wParam, lParam);
    }
}

}  // namespace

void RegisterPictureBoxClass() {
    static const ATOM atom = [] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof(type);
        type.lpfnWndProc = PictureBoxProc;
        type.cbWndExtra = kSlotCount * sizeof(LONG_PTR);
        type.hInstance = GetModuleHandleW(nullptr);
        type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        type.lpszClassName = kPictureBoxClass;
        return RegisterClassExW(&type);
    }();
    (void)atom;
}

void SetPictureBoxPicture(HWND box, HBITMAP picture) {
    SetWindowLongPtrW(box, kPictureSlot * sizeof(LONG_PTR), reinterpret_cast<LONG_PTR>(picture));
    InvalidateRect(box, nullptr, FALSE);
}

}  // namespace lumbra
