#pragma once
// What the four brush kinds share. A brush read back from the library (a pen's brush, a
// clone) may be of any kind: GetBrushType tells which.
#include "draw/gdip.h"

namespace lumbra {

class BrushObject : public DrawingObject<Gdiplus::GpBrush, gdip::GdipDeleteBrush> {
public:
    bool Clone(BrushObject& target) const;
    int GetBrushType() const;

protected:
    BrushObject() = default;
    BrushObject(BrushObject&&) noexcept = default;
    BrushObject& operator=(BrushObject&&) noexcept = default;
    ~BrushObject() = default;
};

// A brush of whatever kind the library handed back.
class AnyBrushObject : public BrushObject {};

}  // namespace lumbra
