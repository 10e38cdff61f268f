#pragma once
// A set of font families. The installed collection belongs to the library: nothing here
// releases it.
#include "draw/gdip.h"

#include <vector>

namespace lumbra {

class FontFamilyObject;

class FontCollectionObject {
public:
    Gdiplus::GpFontCollection* GetNativeHandle() const { return handle_; }
    void SetNativeHandle(Gdiplus::GpFontCollection* handle) { handle_ = handle; }

    // The fonts installed on the system.
    bool CreateInstalled();
    int GetFamilyCount() const;
    // Replaces target by up to count new families of the collection.
    bool GetFamilies(int count, std::vector<FontFamilyObject>& target) const;

private:
    Gdiplus::GpFontCollection* handle_ = nullptr;
};

}  // namespace lumbra
