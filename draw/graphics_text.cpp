// GraphicsObject: text.
#include "draw/brush_object.h"
#include "draw/font_object.h"
#include "draw/gdip_args.h"
#include "draw/graphics_object.h"
#include "draw/matrix_object.h"
#include "draw/region_object.h"
#include "draw/string_format_object.h"
#include "draw/text_to_wide.h"

namespace lumbra {

bool GraphicsObject::DrawString(const std::string& text, const FontObject& font, const BrushObject& brush,
                                const RectF& layout, const StringFormatObject& format) {
    return DrawStringW(TextToWide(text), font, brush, layout, format);
}

bool GraphicsObject::DrawStringW(const std::wstring& text, const FontObject& font, const BrushObject& brush,
                                 const RectF& layout, const StringFormatObject& format) {
    return TrackStatus(gdip::GdipDrawString(handle_, text.c_str(), static_cast<INT>(text.size()), font.GetNativeHandle(),
                                            &layout, format.GetNativeHandle(), brush.GetNativeHandle()));
}

bool GraphicsObject::MeasureString(const std::string& text, const FontObject& font, const RectF& layout,
                                   const StringFormatObject& format, RectF& bounds) const {
    return MeasureStringW(TextToWide(text), font, layout, format, bounds);
}

bool GraphicsObject::MeasureStringW(const std::wstring& text, const FontObject& font, const RectF& layout,
                                    const StringFormatObject& format, RectF& bounds) const {
    return TrackStatus(gdip::GdipMeasureString(handle_, text.c_str(), static_cast<INT>(text.size()),
                                               font.GetNativeHandle(), &layout, format.GetNativeHandle(), &bounds,
                                               nullptr, nullptr));
}

bool GraphicsObject::MeasureCharacterRanges(const std::string& text, const FontObject& font, const RectF& layout,
                                            const StringFormatObject& format, int count,
                                            std::vector<RegionObject>& target) const {
    return MeasureCharacterRangesW(TextToWide(text), font, layout, format, count, target);
}

bool GraphicsObject::MeasureCharacterRangesW(const std::wstring& text, const FontObject& font, const RectF& layout,
                                             const StringFormatObject& format, int count,
                                             std::vector<RegionObject>& target) const {
    if (count < 1) return false;
    std::vector<RegionObject> regions(static_cast<std::size_t>(count));
    std::vector<Gdiplus::GpRegion*> handles;
    for (RegionObject& region : regions) {
        if (!region.Create()) return false;
        handles.push_back(region.GetNativeHandle());
    }
    if (!TrackStatus(gdip::GdipMeasureCharacterRanges(handle_, text.c_str(), static_cast<INT>(text.size()),
                                                      font.GetNativeHandle(), layout, format.GetNativeHandle(), count,
                                                      handles.data())))
        return false;
    target = std::move(regions);
    return true;
}

bool GraphicsObject::DrawDriverString(const std::string& text, const FontObject& font, const BrushObject& brush,
                                      std::span<const PointF> positions, std::optional<int> flags,
                                      const MatrixObject& matrix) {
    return DrawDriverStringW(TextToWide(text), font, brush, positions, flags, matrix);
}

bool GraphicsObject::DrawDriverStringW(const std::wstring& text, const FontObject& font, const BrushObject& brush,
                                       std::span<const PointF> positions, std::optional<int> flags,
                                       const MatrixObject& matrix) {
    // One position per glyph: never let the library read past the caller's array.
    const std::size_t length = std::min(text.size(), positions.size());
    return TrackStatus(gdip::GdipDrawDriverString(handle_, reinterpret_cast<const UINT16*>(text.c_str()),
                                                  static_cast<INT>(length), font.GetNativeHandle(),
                                                  brush.GetNativeHandle(), positions.data(), flags.value_or(1),
                                                  matrix.GetNativeHandle()));
}

bool GraphicsObject::SetTextContrast(int contrast) {
    return TrackStatus(gdip::GdipSetTextContrast(handle_, static_cast<UINT>(contrast)));
}

int GraphicsObject::GetTextContrast() const {
    return static_cast<int>(Read<UINT>([&](UINT* v) { return gdip::GdipGetTextContrast(handle_, v); }));
}

}  // namespace lumbra
