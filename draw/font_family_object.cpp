#include "draw/font_family_object.h"

#include "draw/font_collection_object.h"
#include "draw/gdip_args.h"
#include "draw/text_to_wide.h"

namespace lumbra {

bool FontFamilyObject::CreateFromName(const std::string& name, const FontCollectionObject* collection) {
    return CreateFromNameW(TextToWide(name), collection);
}

bool FontFamilyObject::CreateFromNameW(const std::wstring& name, const FontCollectionObject* collection) {
    Gdiplus::GpFontFamily* family = nullptr;
    return Adopt(gdip::GdipCreateFontFamilyFromName(name.c_str(), HandleOf(collection), &family), family);
}

bool FontFamilyObject::GenericSansSerif() {
    Gdiplus::GpFontFamily* family = nullptr;
    return Adopt(gdip::GdipGetGenericFontFamilySansSerif(&family), family);
}

bool FontFamilyObject::GenericSerif() {
    Gdiplus::GpFontFamily* family = nullptr;
    return Adopt(gdip::GdipGetGenericFontFamilySerif(&family), family);
}

bool FontFamilyObject::GenericMonospace() {
    Gdiplus::GpFontFamily* family = nullptr;
    return Adopt(gdip::GdipGetGenericFontFamilyMonospace(&family), family);
}

bool FontFamilyObject::Clone(FontFamilyObject& target) const {
    Gdiplus::GpFontFamily* family = nullptr;
    return target.Adopt(gdip::GdipCloneFontFamily(handle_, &family), family);
}

std::string FontFamilyObject::GetFamilyName() const { return WideToText(GetFamilyNameW()); }

std::wstring FontFamilyObject::GetFamilyNameW() const {
    WCHAR name[LF_FACESIZE] = {};
    if (!TrackStatus(gdip::GdipGetFamilyName(handle_, name, 0))) return {};
    name[LF_FACESIZE - 1] = L'\0';
    return name;
}

bool FontFamilyObject::IsStyleAvailable(int style) const {
    return Read<BOOL>([&](BOOL* v) { return gdip::GdipIsStyleAvailable(handle_, style, v); }) != FALSE;
}

int FontFamilyObject::GetEmHeight(int style) const {
    return Read<UINT16>([&](UINT16* v) { return gdip::GdipGetEmHeight(handle_, style, v); });
}

int FontFamilyObject::GetCellAscent(int style) const {
    return Read<UINT16>([&](UINT16* v) { return gdip::GdipGetCellAscent(handle_, style, v); });
}

int FontFamilyObject::GetCellDescent(int style) const {
    return Read<UINT16>([&](UINT16* v) { return gdip::GdipGetCellDescent(handle_, style, v); });
}

int FontFamilyObject::GetLineSpacing(int style) const {
    return Read<UINT16>([&](UINT16* v) { return gdip::GdipGetLineSpacing(handle_, style, v); });
}

}  // namespace lumbra
