#pragma once
// A brush of one colour.
#include "draw/brush_object.h"

#include <cstdint>

namespace lumbra {

class SolidBrushObject : public BrushObject {
public:
    bool Create(std::uint32_t argb);
    bool SetColor(std::uint32_t argb);
    std::uint32_t GetColor() const;

private:
    Gdiplus::GpSolidFill* Fill() const { return static_cast<Gdiplus::GpSolidFill*>(handle_); }
};

}  // namespace lumbra
