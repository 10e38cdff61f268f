#include "screenshot.h"

#include <gdiplus.h>

#include <cstdlib>

namespace lumbra::test {
namespace {

// image/png encoder of GDI+.
constexpr CLSID kPngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

std::wstring ScreenshotFolder() {
    const wchar_t* folder = _wgetenv(L"LUMBRA_SCREENSHOTS");
    return folder ? folder : L".";
}

}  // namespace

std::wstring SaveScreenshot(HWND window, const std::wstring& name) {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (window && !GetWindowRect(window, &area)) return {};
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return {};

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    std::wstring path = ScreenshotFolder() + L"/" + name + L".png";
    bool saved = false;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok) {
        Gdiplus::GpBitmap* image = nullptr;
        if (Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) == Gdiplus::Ok) {
            saved = Gdiplus::DllExports::GdipSaveImageToFile(image, path.c_str(), &kPngEncoder, nullptr) == Gdiplus::Ok;
            Gdiplus::DllExports::GdipDisposeImage(image);
        }
        Gdiplus::GdiplusShutdown(token);
    }
    DeleteObject(bitmap);
    return saved ? path : std::wstring{};
}

}  // namespace lumbra::test
