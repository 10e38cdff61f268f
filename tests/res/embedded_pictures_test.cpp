#include "res/embedded_pictures.h"
#include "res/resource_ids.h"
#include "screenshot.h"

#include <windows.h>
#include <gdiplus.h>
#include <shlwapi.h>
#include <gtest/gtest.h>

#include <memory>

namespace lumbra {
namespace {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

class GdiplusScope {
public:
    GdiplusScope() {
        GdiplusStartupInput input;
        GdiplusStartup(&token_, &input, nullptr);
    }
    ~GdiplusScope() { GdiplusShutdown(token_); }

private:
    ULONG_PTR token_ = 0;
};

struct BitmapDeleter {
    void operator()(GpBitmap* bitmap) const { GdipDisposeImage(bitmap); }
};
using BitmapPtr = std::unique_ptr<GpBitmap, BitmapDeleter>;

BitmapPtr Decode(std::span<const std::uint8_t> bytes) {
    IStream* stream = SHCreateMemStream(bytes.data(), static_cast<UINT>(bytes.size()));
    if (!stream) return nullptr;
    GpBitmap* bitmap = nullptr;
    const GpStatus status = GdipCreateBitmapFromStream(stream, &bitmap);
    stream->Release();
    return BitmapPtr(status == Ok ? bitmap : nullptr);
}

SIZE SizeOf(GpBitmap* bitmap) {
    UINT width = 0, height = 0;
    GdipGetImageWidth(bitmap, &width);
    GdipGetImageHeight(bitmap, &height);
    return {static_cast<LONG>(width), static_cast<LONG>(height)};
}

struct PictureCase {
    int id;
    LONG width, height;
};

class EmbeddedPictures : public ::testing::TestWithParam<PictureCase> {
protected:
    GdiplusScope gdiplus_;
};

TEST_P(EmbeddedPictures, AreJpegsOfTheirDesignSize) {
    const auto bytes = EmbeddedPicture(GetParam().id);
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xD8);
    BitmapPtr bitmap = Decode(bytes);
    ASSERT_TRUE(bitmap);
    const SIZE size = SizeOf(bitmap.get());
    EXPECT_EQ(size.cx, GetParam().width);
    EXPECT_EQ(size.cy, GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Res, EmbeddedPictures,
                         ::testing::Values(PictureCase{IDR_BANNER_JPEG, 597, 102},
                                           PictureCase{IDR_HELP_BANNER_JPEG, 206, 63}));

TEST(EmbeddedPicture, UnknownNumberGivesEmptySpan) {
    EXPECT_TRUE(EmbeddedPicture(4242).empty());
}

TEST(ProgramIcon, IsTheNamedGroupAndNotNumber129) {
    HINSTANCE self = GetModuleHandleW(nullptr);
    for (int size : {16, 32, 48}) {
        HANDLE icon = LoadImageW(self, L"DEFAULT_ICON", IMAGE_ICON, size, size, 0);
        EXPECT_TRUE(icon) << size;
        if (icon) DestroyIcon(static_cast<HICON>(icon));
    }
    EXPECT_FALSE(LoadImageW(self, MAKEINTRESOURCEW(129), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    EXPECT_TRUE(FindResourceW(self, MAKEINTRESOURCEW(1), RT_MANIFEST));
}

// A window showing every picture at its own size, so a person can look at them.
struct Gallery {
    BitmapPtr banner = Decode(EmbeddedPicture(IDR_BANNER_JPEG));
    BitmapPtr help = Decode(EmbeddedPicture(IDR_HELP_BANNER_JPEG));
    HICON icon48 = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"DEFAULT_ICON", IMAGE_ICON, 48, 48, 0));
    HICON icon16 = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"DEFAULT_ICON", IMAGE_ICON, 16, 16, 0));
    ~Gallery() {
        DestroyIcon(icon48);
        DestroyIcon(icon16);
    }

    void Paint(HDC dc) const {
        GpGraphics* graphics = nullptr;
        if (GdipCreateFromHDC(dc, &graphics) != Ok) return;
        GdipDrawImageRectI(graphics, banner.get(), 0, 0, 597, 102);
        GdipDrawImageRectI(graphics, help.get(), 0, 110, 206, 63);
        GdipDeleteGraphics(graphics);
        DrawIconEx(dc, 220, 115, icon48, 48, 48, 0, nullptr, DI_NORMAL);
        DrawIconEx(dc, 280, 131, icon16, 16, 16, 0, nullptr, DI_NORMAL);
    }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            reinterpret_cast<const Gallery*>(GetWindowLongPtrW(window, GWLP_USERDATA))->Paint(dc);
            EndPaint(window, &paint);
            return 0;
        }
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
};

TEST(Pictures, ShowInAWindow) {
    GdiplusScope gdiplus;
    Gallery gallery;
    ASSERT_TRUE(gallery.banner && gallery.help && gallery.icon48 && gallery.icon16);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = Gallery::Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    windowClass.hIcon = gallery.icon48;
    windowClass.hIconSm = gallery.icon16;
    windowClass.lpszClassName = L"LumbraPictureGallery";
    ASSERT_TRUE(RegisterClassExW(&windowClass));

    RECT frame{0, 0, 597, 180};
    AdjustWindowRect(&frame, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, FALSE);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Lumbra", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                  40, 40, frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
    ASSERT_TRUE(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&gallery));
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    GdiFlush();

    // The banner's teal ground shows at its bottom-left corner.
    HDC dc = GetDC(window);
    const COLORREF ground = GetPixel(dc, 4, 96);
    ReleaseDC(window, dc);
    EXPECT_GT(GetGValue(ground), GetRValue(ground) + 40);
    EXPECT_GT(GetBValue(ground), GetRValue(ground) + 40);

    EXPECT_FALSE(test::SaveScreenshot(window, L"res_pictures").empty());
    DestroyWindow(window);
    UnregisterClassW(windowClass.lpszClassName, windowClass.hInstance);
}

}  // namespace
}  // namespace lumbra
