#include "draw/bitmap_object.h"

#include "draw/graphics_object.h"
#include "draw/text_to_wide.h"

#include <algorithm>
#include <cmath>

namespace lumbra {

bool BitmapObject::AdoptBitmap(GpStatus status, Gdiplus::GpBitmap* const& bitmap) { return Adopt(status, bitmap); }

bool BitmapObject::LoadFromFile(const std::string& path, std::optional<bool> useIcm) {
    return LoadFromFileW(TextToWide(path), useIcm);
}

bool BitmapObject::LoadFromFileW(const std::wstring& path, std::optional<bool> useIcm) {
    Dispose();
    Gdiplus::GpBitmap* bitmap = nullptr;
    const GpStatus status = useIcm.value_or(false) ? gdip::GdipCreateBitmapFromFileICM(path.c_str(), &bitmap)
                                                   : gdip::GdipCreateBitmapFromFile(path.c_str(), &bitmap);
    return AdoptBitmap(status, bitmap);
}

bool BitmapObject::LoadFromBytes(const ByteBuffer& bytes, std::optional<bool> useIcm) {
    Dispose();
    IStream* stream = stream_.CreateFromBytes(bytes);
    Gdiplus::GpBitmap* bitmap = nullptr;
    const GpStatus status = !stream ? Gdiplus::OutOfMemory
                            : useIcm.value_or(false) ? gdip::GdipCreateBitmapFromStreamICM(stream, &bitmap)
                                                     : gdip::GdipCreateBitmapFromStream(stream, &bitmap);
    const bool loaded = AdoptBitmap(status, bitmap);
    if (!loaded) stream_.Release();
    return loaded;
}

bool BitmapObject::CreateFromScan0(int width, int height, int stride, int pixelFormat, void* scan0) {
    Dispose();
    Gdiplus::GpBitmap* bitmap = nullptr;
    return AdoptBitmap(gdip::GdipCreateBitmapFromScan0(width, height, stride, pixelFormat,
                                                       static_cast<BYTE*>(scan0), &bitmap),
                       bitmap);
}

bool BitmapObject::CreateBitmap(int width, int height, std::optional<int> pixelFormat) {
    return CreateFromScan0(width, height, 0, pixelFormat.value_or(kPixelFormat32bppARGB), nullptr);
}

bool BitmapObject::CreateFromGraphics(int width, int height, const GraphicsObject& graphics) {
    Dispose();
    Gdiplus::GpBitmap* bitmap = nullptr;
    return AdoptBitmap(gdip::GdipCreateBitmapFromGraphics(width, height, graphics.GetNativeHandle(), &bitmap), bitmap);
}

bool BitmapObject::CreateFromGdiDib(const BITMAPINFO* info, void* bits) {
    Dispose();
    Gdiplus::GpBitmap* bitmap = nullptr;
    return AdoptBitmap(gdip::GdipCreateBitmapFromGdiDib(info, bits, &bitmap), bitmap);
}

bool BitmapObject::CreateFromHBITMAP(HBITMAP source, HPALETTE palette) {
    Dispose();
    Gdiplus::GpBitmap* bitmap = nullptr;
    return AdoptBitmap(gdip::GdipCreateBitmapFromHBITMAP(source, palette, &bitmap), bitmap);
}

bool BitmapObject::CreateFromHICON(HICON icon) {
    Dispose();
    Gdiplus::GpBitmap* bitmap = nullptr;
    return AdoptBitmap(gdip::GdipCreateBitmapFromHICON(icon, &bitmap), bitmap);
}

bool BitmapObject::CreateFromResource(HINSTANCE module, const std::string& name) {
    Dispose();
    const std::wstring wide = TextToWide(name);
    Gdiplus::GpBitmap* bitmap = nullptr;
    return AdoptBitmap(gdip::GdipCreateBitmapFromResource(module, wide.c_str(), &bitmap), bitmap);
}

HBITMAP BitmapObject::GetHBITMAP(std::uint32_t background) const {
    HBITMAP result = nullptr;
    return TrackStatus(gdip::GdipCreateHBITMAPFromBitmap(GetBitmapHandle(), &result, background)) ? result : nullptr;
}

HICON BitmapObject::GetHICON() const {
    HICON result = nullptr;
    return TrackStatus(gdip::GdipCreateHICONFromBitmap(GetBitmapHandle(), &result)) ? result : nullptr;
}

bool BitmapObject::CloneArea(const RectF& area, int pixelFormat, BitmapObject& target) const {
    Gdiplus::GpBitmap* bitmap = nullptr;
    const GpStatus status = gdip::GdipCloneBitmapArea(area.X, area.Y, area.Width, area.Height, pixelFormat,
                                                      GetBitmapHandle(), &bitmap);
    target.Dispose();
    return target.AdoptBitmap(status, bitmap);
}

bool BitmapObject::CloneAreaI(const Rect& area, int pixelFormat, BitmapObject& target) const {
    Gdiplus::GpBitmap* bitmap = nullptr;
    const GpStatus status = gdip::GdipCloneBitmapAreaI(area.X, area.Y, area.Width, area.Height, pixelFormat,
                                                       GetBitmapHandle(), &bitmap);
    target.Dispose();
    return target.AdoptBitmap(status, bitmap);
}

bool BitmapObject::LockBits(const Rect& area, int flags, int pixelFormat, Gdiplus::BitmapData& data) {
    return TrackStatus(gdip::GdipBitmapLockBits(GetBitmapHandle(), &area, static_cast<UINT>(flags), pixelFormat, &data));
}

bool BitmapObject::UnlockBits(Gdiplus::BitmapData& data) {
    return TrackStatus(gdip::GdipBitmapUnlockBits(GetBitmapHandle(), &data));
}

std::uint32_t BitmapObject::GetPixel(int x, int y) const {
    Gdiplus::ARGB color = 0;
    return TrackStatus(gdip::GdipBitmapGetPixel(GetBitmapHandle(), x, y, &color)) ? color : 0;
}

bool BitmapObject::SetPixel(int x, int y, std::uint32_t argb) {
    return TrackStatus(gdip::GdipBitmapSetPixel(GetBitmapHandle(), x, y, argb));
}

bool BitmapObject::SetResolution(float dpiX, float dpiY) {
    return TrackStatus(gdip::GdipBitmapSetResolution(GetBitmapHandle(), dpiX, dpiY));
}

namespace {

// Effects came with GDI+ 1.1: looked up at run time, so the program still starts on a system
// (or links against an import library) without them.
using ApplyEffectCall = GpStatus(WINGDIPAPI*)(Gdiplus::GpBitmap*, Gdiplus::CGpEffect*, RECT*, BOOL, VOID**, INT*);

ApplyEffectCall ApplyEffectFunction() {
    HMODULE library = GetModuleHandleW(L"gdiplus.dll");
    return library ? reinterpret_cast<ApplyEffectCall>(
                         reinterpret_cast<void (*)()>(GetProcAddress(library, "GdipBitmapApplyEffect")))
                   : nullptr;
}

}  // namespace

bool BitmapObject::ApplyEffect(Gdiplus::CGpEffect* effect, std::optional<RECT> area) {
    static const ApplyEffectCall apply = ApplyEffectFunction();
    if (!apply) return TrackStatus(Gdiplus::NotImplemented);
    void* auxData = nullptr;
    INT auxSize = 0;
    const GpStatus status = apply(GetBitmapHandle(), effect, area ? &*area : nullptr, FALSE, &auxData, &auxSize);
    if (auxData) gdip::GdipFree(auxData);
    return TrackStatus(status);
}

void BitmapObject::GetRotatedSize(float width, float height, float angle, float& outWidth, float& outHeight) {
    const double radians = angle * 3.1415926535 / 180.0;
    const double c = std::cos(radians), s = std::sin(radians);
    const double hw = (width - 1) / 2.0, hh = (height - 1) / 2.0;
    // Corners (-hw,-hh), (hw,-hh), (hw,hh), (-hw,hh) turned; opposite pairs are 0-2 and 1-3.
    auto turnedX = [&](double x, double y) { return x * c - y * s; };
    auto turnedY = [&](double x, double y) { return x * s + y * c; };
    const double dx1 = std::fabs(turnedX(hw, hh) - turnedX(-hw, -hh));
    const double dx2 = std::fabs(turnedX(-hw, hh) - turnedX(hw, -hh));
    const double dy1 = std::fabs(turnedY(hw, hh) - turnedY(-hw, -hh));
    const double dy2 = std::fabs(turnedY(-hw, hh) - turnedY(hw, -hh));
    outWidth = static_cast<float>(std::max(dx1, dx2));
    outHeight = static_cast<float>(std::max(dy1, dy2));
}

bool BitmapObject::RotateToBitmap(float angle, BitmapObject& target, std::optional<std::uint32_t> background,
                                  std::optional<int> interpolation, std::optional<SizeF> size) const {
    const int width = GetWidth(), height = GetHeight();
    SizeF targetSize;
    if (size) {
        targetSize = *size;
    } else {
        GetRotatedSize(static_cast<float>(width), static_cast<float>(height), angle, targetSize.Width, targetSize.Height);
    }
    BitmapObject rotated;
    if (!rotated.CreateBitmap(static_cast<int>(targetSize.Width), static_cast<int>(targetSize.Height))) return false;
    if (!rotated.SetResolution(GetHorizontalResolution(), GetVerticalResolution())) return false;
    GraphicsObject graphics;
    if (!graphics.CreateFromImage(rotated)) return false;
    if (background && !graphics.Clear(*background)) return false;
    if (interpolation && !graphics.SetInterpolationMode(*interpolation)) return false;

    Gdiplus::GpMatrix* matrix = nullptr;
    if (!TrackStatus(gdip::GdipCreateMatrix(&matrix))) return false;
    const float cx = targetSize.Width / 2, cy = targetSize.Height / 2;
    gdip::GdipTranslateMatrix(matrix, cx, cy, Gdiplus::MatrixOrderPrepend);
    gdip::GdipRotateMatrix(matrix, angle, Gdiplus::MatrixOrderPrepend);
    gdip::GdipTranslateMatrix(matrix, -cx, -cy, Gdiplus::MatrixOrderPrepend);
    gdip::GdipTranslateMatrix(matrix, (targetSize.Width - static_cast<float>(width)) / 2,
                              (targetSize.Height - static_cast<float>(height)) / 2, Gdiplus::MatrixOrderPrepend);
    bool drawn = TrackStatus(gdip::GdipSetWorldTransform(graphics.GetNativeHandle(), matrix));
    gdip::GdipDeleteMatrix(matrix);
    drawn = drawn && graphics.DrawImage(*this, 0, 0);
    drawn = drawn && graphics.ResetTransform();
    graphics.Dispose();
    if (!drawn) return false;
    target = std::move(rotated);
    return true;
}

}  // namespace lumbra
