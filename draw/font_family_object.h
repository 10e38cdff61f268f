#pragma once
// A font family (a face without size or style).
#include "draw/gdip.h"

#include <string>

namespace lumbra {

class FontCollectionObject;

class FontFamilyObject : public DrawingObject<Gdiplus::GpFontFamily, gdip::GdipDeleteFontFamily> {
public:
    // collection: the installed fonts when null or empty. A face that does not exist leaves
    // the object empty.
    bool CreateFromName(const std::string& name, const FontCollectionObject* collection = nullptr);
    bool CreateFromNameW(const std::wstring& name, const FontCollectionObject* collection = nullptr);
    bool GenericSansSerif();
    bool GenericSerif();
    bool GenericMonospace();
    bool Clone(FontFamilyObject& target) const;
    // Code page 936 text; empty on failure.
    std::string GetFamilyName() const;
    std::wstring GetFamilyNameW() const;
    bool IsStyleAvailable(int style) const;
    int GetEmHeight(int style) const;
    int GetCellAscent(int style) const;
    int GetCellDescent(int style) const;
    int GetLineSpacing(int style) const;
};

}  // namespace lumbra
