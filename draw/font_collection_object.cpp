#include "draw/font_collection_object.h"

#include "draw/font_family_object.h"
#include "draw/gdip_args.h"

#include <algorithm>

namespace lumbra {

bool FontCollectionObject::CreateInstalled() {
    Gdiplus::GpFontCollection* collection = nullptr;
    const GpStatus status = gdip::GdipNewInstalledFontCollection(&collection);
    handle_ = status == Gdiplus::Ok ? collection : nullptr;
    return TrackStatus(status);
}

int FontCollectionObject::GetFamilyCount() const {
    return Read<INT>([&](INT* v) { return gdip::GdipGetFontCollectionFamilyCount(handle_, v); });
}

bool FontCollectionObject::GetFamilies(int count, std::vector<FontFamilyObject>& target) const {
    if (count < 0) return TrackStatus(Gdiplus::InvalidParameter);
    std::vector<Gdiplus::GpFontFamily*> handles(static_cast<std::size_t>(count), nullptr);
    INT found = 0;
    if (!TrackStatus(gdip::GdipGetFontCollectionFamilyList(handle_, count, handles.data(), &found))) return false;
    // The list lends the collection's own families: each entry gets a clone it owns.
    std::vector<FontFamilyObject> families(static_cast<std::size_t>(std::clamp(found, 0, count)));
    for (std::size_t i = 0; i < families.size(); ++i) {
        Gdiplus::GpFontFamily* clone = nullptr;
        if (!TrackStatus(gdip::GdipCloneFontFamily(handles[i], &clone))) return false;
        families[i].SetNativeHandle(clone);
    }
    target = std::move(families);
    return true;
}

}  // namespace lumbra
