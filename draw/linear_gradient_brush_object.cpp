#include "draw/linear_gradient_brush_object.h"

namespace lumbra {
namespace {

constexpr Gdiplus::WrapMode kTile = Gdiplus::WrapModeTile;

}  // namespace

bool LinearGradientBrushObject::CreateFromPoints(const PointF& point1, const PointF& point2, std::uint32_t startArgb,
                                                 std::uint32_t endArgb) {
    Gdiplus::GpLineGradient* brush = nullptr;
    return Adopt(gdip::GdipCreateLineBrush(&point1, &point2, startArgb, endArgb, kTile, &brush), brush);
}

bool LinearGradientBrushObject::CreateFromPointsI(const Point& point1, const Point& point2, std::uint32_t startArgb,
                                                  std::uint32_t endArgb) {
    Gdiplus::GpLineGradient* brush = nullptr;
    return Adopt(gdip::GdipCreateLineBrushI(&point1, &point2, startArgb, endArgb, kTile, &brush), brush);
}

bool LinearGradientBrushObject::CreateFromRect(const RectF& rectangle, std::uint32_t startArgb, std::uint32_t endArgb,
                                               int mode) {
    Gdiplus::GpLineGradient* brush = nullptr;
    return Adopt(gdip::GdipCreateLineBrushFromRect(&rectangle, startArgb, endArgb,
                                                   static_cast<Gdiplus::LinearGradientMode>(mode), kTile, &brush),
                 brush);
}

bool LinearGradientBrushObject::CreateFromRectI(const Rect& rectangle, std::uint32_t startArgb, std::uint32_t endArgb,
                                                int mode) {
    Gdiplus::GpLineGradient* brush = nullptr;
    return Adopt(gdip::GdipCreateLineBrushFromRectI(&rectangle, startArgb, endArgb,
                                                    static_cast<Gdiplus::LinearGradientMode>(mode), kTile, &brush),
                 brush);
}

bool LinearGradientBrushObject::CreateFromRectWithAngle(const RectF& rectangle, std::uint32_t startArgb,
                                                        std::uint32_t endArgb, float angle, bool angleIsScalable) {
    Gdiplus::GpLineGradient* brush = nullptr;
    return Adopt(gdip::GdipCreateLineBrushFromRectWithAngle(&rectangle, startArgb, endArgb, angle,
                                                            angleIsScalable ? TRUE : FALSE, kTile, &brush),
                 brush);
}

bool LinearGradientBrushObject::CreateFromRectWithAngleI(const Rect& rectangle, std::uint32_t startArgb,
                                                         std::uint32_t endArgb, float angle, bool angleIsScalable) {
    Gdiplus::GpLineGradient* brush = nullptr;
    return Adopt(gdip::GdipCreateLineBrushFromRectWithAngleI(&rectangle, startArgb, endArgb, angle,
                                                             angleIsScalable ? TRUE : FALSE, kTile, &brush),
                 brush);
}

bool LinearGradientBrushObject::GetLinearColors(std::uint32_t& startArgb, std::uint32_t& endArgb) const {
    Gdiplus::ARGB colors[2] = {};
    if (!TrackStatus(gdip::GdipGetLineColors(Native(), colors))) return false;
    startArgb = colors[0];
    endArgb = colors[1];
    return true;
}

bool LinearGradientBrushObject::SetLinearColors(std::uint32_t startArgb, std::uint32_t endArgb) {
    return TrackStatus(gdip::GdipSetLineColors(Native(), startArgb, endArgb));
}

}  // namespace lumbra
