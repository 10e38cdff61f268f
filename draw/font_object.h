#pragma once
// A font: family, size, style and unit.
#include "draw/gdip.h"

#include <optional>
#include <string>

namespace lumbra {

class FontFamilyObject;
class GraphicsObject;

class FontObject : public DrawingObject<Gdiplus::GpFont, gdip::GdipDeleteFont> {
public:
    bool CreateFromFamily(const FontFamilyObject& family, float emSize, int style, int unit);
    // The system's default GUI font.
    bool CreateDefault();
    // A face that does not exist leaves the font empty.
    bool CreateFromName(const std::string& face, float emSize, int style, int unit);
    bool CreateFromNameW(const std::wstring& face, float emSize, int style, int unit);
    bool CreateFromHdc(HDC dc);
    // The GDI font's description when one is given and readable, else the font selected in dc.
    bool CreateFromHdcFont(HDC dc, std::optional<HFONT> font = std::nullopt);
    bool CreateFromLogFontA(HDC dc, const LOGFONTA& description);
    bool CreateFromLogFontW(HDC dc, const LOGFONTW& description);
    bool Clone(FontObject& target) const;
    bool GetLogFontA(const GraphicsObject& graphics, LOGFONTA& target) const;
    bool GetLogFontW(const GraphicsObject& graphics, LOGFONTW& target) const;
    bool GetFamily(FontFamilyObject& target) const;
    int GetStyle() const;
    float GetSize() const;
    int GetUnit() const;
    float GetHeight(const GraphicsObject& graphics) const;
    float GetHeightGivenDpi(float dpi) const;
};

}  // namespace lumbra
