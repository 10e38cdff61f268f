#include "app/transparent_label.h"

#include "app/gdi_handles.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace lumbra {
namespace {

constexpr int kDesignLinePitch = 12;

HFONT FontOf(HWND label) { return reinterpret_cast<HFONT>(GetWindowLongPtrW(label, 0)); }

std::vector<std::wstring_view> Lines(std::wstring_view text) {
    std::vector<std::wstring_view> lines;
    for (size_t start = 0;;) {
        const size_t end = text.find(L"\r\n", start);
        lines.push_back(text.substr(start, end == std::wstring_view::npos ? std::wstring_view::npos : end - start));
        if (end == std::wstring_view::npos) return lines;
        start = end + 2;
    }
}

void Paint(HWND label) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(label, &paint);
    RECT client;
    GetClientRect(label, &client);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(label)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(label, text.data(), static_cast<int>(text.size()))));

    ScopedSelection font(dc, FontOf(label));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const std::vector<std::wstring_view> lines = Lines(text);
    int pitch = kDesignLinePitch;
    if (lines.size() > 1) {
        const int room = (client.bottom - metrics.tmAscent) / static_cast<int>(lines.size() - 1);
        pitch = std::clamp(room, 1, kDesignLinePitch);
    }
    int y = 0;
    for (std::wstring_view line : lines) {
        RECT area{0, y, client.right, client.bottom};
        if (!line.empty()) {
            DrawTextW(dc, line.data(), static_cast<int>(line.size()), &area, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
        }
        y += pitch;
    }
    EndPaint(label, &paint);
}

// The label paints no background, so a new text first has the parent repaint behind it.
void RepaintBehind(HWND label) {
    HWND parent = GetParent(label);
    RECT area;
    GetWindowRect(label, &area);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT CALLBACK TransparentLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint(label);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcW(label, message, wParam, lParam);
        RepaintBehind(label);
        return result;
    }
    case WM_SETFONT:
        SetWindowLongPtrW(label, 0, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam)) RepaintBehind(label);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(FontOf(label));
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    default:
        return DefWindowProcW(label, message, wParam, lParam);
    }
}

}  // namespace

void RegisterTransparentLabelClass() {
    static const ATOM atom = [] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof(type);
        type.lpfnWndProc = TransparentLabelProc;
        type.cbWndExtra = sizeof(LONG_PTR);
        type.hInstance = GetModuleHandleW(nullptr);
        type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        type.lpszClassName = kTransparentLabelClass;
        return RegisterClassExW(&type);
    }();
    (void)atom;
}

}  // namespace lumbra
