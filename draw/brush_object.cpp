#include "draw/brush_object.h"

#include "draw/gdip_args.h"

namespace lumbra {

bool BrushObject::Clone(BrushObject& target) const {
    Gdiplus::GpBrush* brush = nullptr;
    return target.Adopt(gdip::GdipCloneBrush(handle_, &brush), brush);
}

int BrushObject::GetBrushType() const {
    return Read<Gdiplus::BrushType>([&](auto* v) { return gdip::GdipGetBrushType(handle_, v); });
}

}  // namespace lumbra
