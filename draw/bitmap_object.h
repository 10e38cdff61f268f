#pragma once
// A picture whose pixels can be made, read and written; the surface that painters draw
// into off screen.
#include "draw/image_object.h"

#include <cstdint>
#include <optional>

namespace lumbra {

class GraphicsObject;

class BitmapObject : public ImageObject {
public:
    static constexpr int kPixelFormat32bppARGB = 0x26200A;

    BitmapObject() = default;
    BitmapObject(BitmapObject&&) noexcept = default;
    BitmapObject& operator=(BitmapObject&&) noexcept = default;

    Gdiplus::GpBitmap* GetBitmapHandle() const { return static_cast<Gdiplus::GpBitmap*>(handle_); }

    bool LoadFromFile(const std::string& path, std::optional<bool> useIcm = std::nullopt) override;
    bool LoadFromFileW(const std::wstring& path, std::optional<bool> useIcm = std::nullopt) override;
    bool LoadFromBytes(const ByteBuffer& bytes, std::optional<bool> useIcm = std::nullopt) override;

    bool CreateFromScan0(int width, int height, int stride, int pixelFormat, void* scan0);
    // Pixels start fully transparent.
    bool CreateBitmap(int width, int height, std::optional<int> pixelFormat = std::nullopt);
    bool CreateFromGraphics(int width, int height, const GraphicsObject& graphics);
    bool CreateFromGdiDib(const BITMAPINFO* info, void* bits);
    bool CreateFromHBITMAP(HBITMAP bitmap, HPALETTE palette);
    bool CreateFromHICON(HICON icon);
    bool CreateFromResource(HINSTANCE module, const std::string& name);

    // New GDI objects owned by the caller (nullptr on failure).
    HBITMAP GetHBITMAP(std::uint32_t background) const;
    HICON GetHICON() const;

    bool CloneArea(const RectF& area, int pixelFormat, BitmapObject& target) const;
    bool CloneAreaI(const Rect& area, int pixelFormat, BitmapObject& target) const;
    bool LockBits(const Rect& area, int flags, int pixelFormat, Gdiplus::BitmapData& data);
    bool UnlockBits(Gdiplus::BitmapData& data);
    // ARGB; 0 when the call fails (outside the bitmap, for one).
    std::uint32_t GetPixel(int x, int y) const;
    bool SetPixel(int x, int y, std::uint32_t argb);
    bool SetResolution(float dpiX, float dpiY);
    // The auxiliary data that the effect returns is released at once.
    bool ApplyEffect(Gdiplus::CGpEffect* effect, std::optional<RECT> area = std::nullopt);

    // A new bitmap holding this one turned by angle degrees about its centre, by default
    // just large enough for the turned picture.
    bool RotateToBitmap(float angle, BitmapObject& target, std::optional<std::uint32_t> background = std::nullopt,
                        std::optional<int> interpolation = std::nullopt,
                        std::optional<SizeF> size = std::nullopt) const;
    static void GetRotatedSize(float width, float height, float angle, float& outWidth, float& outHeight);

private:
    bool AdoptBitmap(GpStatus status, Gdiplus::GpBitmap* const& bitmap);
};

}  // namespace lumbra
