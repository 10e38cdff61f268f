#include "draw/font_object.h"

#include "draw/font_family_object.h"
#include "draw/gdip_args.h"
#include "draw/graphics_object.h"
#include "draw/text_to_wide.h"

#include <vector>

namespace lumbra {
namespace {

// The face GDI actually draws a font with. The default GUI font names "MS Shell Dlg", a
// substitute that GDI+ refuses as not TrueType; the realised outline face is what the user sees.
bool RealisedFace(HDC dc, HFONT font, LOGFONTW& description) {
    HGDIOBJ previous = SelectObject(dc, font);
    const UINT size = GetOutlineTextMetricsW(dc, 0, nullptr);
    std::vector<std::uint8_t> block(size);
    auto* metrics = reinterpret_cast<OUTLINETEXTMETRICW*>(block.data());
    const bool read = size > 0 && GetOutlineTextMetricsW(dc, size, metrics) != 0;
    SelectObject(dc, previous);
    if (!read) return false;
    const auto offset = reinterpret_cast<std::uintptr_t>(metrics->otmpFamilyName);
    if (offset == 0 || offset >= size) return false;
    const auto* family = reinterpret_cast<const wchar_t*>(block.data() + offset);
    lstrcpynW(description.lfFaceName, family, LF_FACESIZE);
    return true;
}

}  // namespace

bool FontObject::CreateFromFamily(const FontFamilyObject& family, float emSize, int style, int unit) {
    Gdiplus::GpFont* font = nullptr;
    return Adopt(gdip::GdipCreateFont(family.GetNativeHandle(), emSize, style, static_cast<Gdiplus::Unit>(unit), &font),
                 font);
}

bool FontObject::CreateDefault() {
    LOGFONTW description{};
    if (!GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(description), &description)) {
        SetNativeHandle(nullptr);
        return TrackStatus(Gdiplus::GenericError);
    }
    HDC screen = GetDC(nullptr);
    bool created = CreateFromLogFontW(screen, description);
    if (!created && RealisedFace(screen, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), description))
        created = CreateFromLogFontW(screen, description);
    ReleaseDC(nullptr, screen);
    return created;
}

bool FontObject::CreateFromName(const std::string& face, float emSize, int style, int unit) {
    return CreateFromNameW(TextToWide(face), emSize, style, unit);
}

bool FontObject::CreateFromNameW(const std::wstring& face, float emSize, int style, int unit) {
    FontFamilyObject family;
    if (!family.CreateFromNameW(face)) {
        SetNativeHandle(nullptr);
        return false;
    }
    return CreateFromFamily(family, emSize, style, unit);
}

bool FontObject::CreateFromHdc(HDC dc) {
    Gdiplus::GpFont* font = nullptr;
    return Adopt(gdip::GdipCreateFontFromDC(dc, &font), font);
}

bool FontObject::CreateFromHdcFont(HDC dc, std::optional<HFONT> font) {
    LOGFONTW description{};
    if (font && *font && GetObjectW(*font, sizeof(description), &description)) return CreateFromLogFontW(dc, description);
    return CreateFromHdc(dc);
}

bool FontObject::CreateFromLogFontA(HDC dc, const LOGFONTA& description) {
    Gdiplus::GpFont* font = nullptr;
    return Adopt(gdip::GdipCreateFontFromLogfontA(dc, &description, &font), font);
}

bool FontObject::CreateFromLogFontW(HDC dc, const LOGFONTW& description) {
    Gdiplus::GpFont* font = nullptr;
    return Adopt(gdip::GdipCreateFontFromLogfontW(dc, &description, &font), font);
}

bool FontObject::Clone(FontObject& target) const {
    Gdiplus::GpFont* font = nullptr;
    return target.Adopt(gdip::GdipCloneFont(handle_, &font), font);
}

bool FontObject::GetLogFontA(const GraphicsObject& graphics, LOGFONTA& target) const {
    return TrackStatus(gdip::GdipGetLogFontA(handle_, graphics.GetNativeHandle(), &target));
}

bool FontObject::GetLogFontW(const GraphicsObject& graphics, LOGFONTW& target) const {
    return TrackStatus(gdip::GdipGetLogFontW(handle_, graphics.GetNativeHandle(), &target));
}

bool FontObject::GetFamily(FontFamilyObject& target) const {
    Gdiplus::GpFontFamily* family = nullptr;
    const GpStatus status = gdip::GdipGetFamily(handle_, &family);
    target.SetNativeHandle(status == Gdiplus::Ok ? family : nullptr);
    return TrackStatus(status);
}

int FontObject::GetStyle() const {
    return Read<INT>([&](INT* v) { return gdip::GdipGetFontStyle(handle_, v); });
}

float FontObject::GetSize() const {
    return Read<float>([&](float* v) { return gdip::GdipGetFontSize(handle_, v); });
}

int FontObject::GetUnit() const {
    return Read<Gdiplus::Unit>([&](auto* v) { return gdip::GdipGetFontUnit(handle_, v); });
}

float FontObject::GetHeight(const GraphicsObject& graphics) const {
    return Read<float>([&](float* v) { return gdip::GdipGetFontHeight(handle_, graphics.GetNativeHandle(), v); });
}

float FontObject::GetHeightGivenDpi(float dpi) const {
    return Read<float>([&](float* v) { return gdip::GdipGetFontHeightGivenDPI(handle_, dpi, v); });
}

}  // namespace lumbra
