#include "draw/solid_brush_object.h"

#include "draw/gdip_args.h"

namespace lumbra {

bool SolidBrushObject::Create(std::uint32_t argb) {
    Gdiplus::GpSolidFill* fill = nullptr;
    return Adopt(gdip::GdipCreateSolidFill(argb, &fill), fill);
}

bool SolidBrushObject::SetColor(std::uint32_t argb) { return TrackStatus(gdip::GdipSetSolidFillColor(Fill(), argb)); }

std::uint32_t SolidBrushObject::GetColor() const {
    return Read<Gdiplus::ARGB>([&](Gdiplus::ARGB* v) { return gdip::GdipGetSolidFillColor(Fill(), v); });
}

}  // namespace lumbra
