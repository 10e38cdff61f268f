#include "draw/path_gradient_brush_object.h"

#include "draw/gdip_args.h"
#include "draw/path_object.h"

#include <algorithm>

namespace lumbra {
namespace {

constexpr int kClamp = 4;

}  // namespace

bool PathGradientBrushObject::CreateFromPoints(std::span<const PointF> points, std::optional<int> wrapMode) {
    Gdiplus::GpPathGradient* brush = nullptr;
    return Adopt(gdip::GdipCreatePathGradient(points.data(), CountOf(points),
                                              static_cast<Gdiplus::WrapMode>(wrapMode.value_or(kClamp)), &brush),
                 brush);
}

bool PathGradientBrushObject::CreateFromPointsI(std::span<const Point> points, std::optional<int> wrapMode) {
    Gdiplus::GpPathGradient* brush = nullptr;
    return Adopt(gdip::GdipCreatePathGradientI(points.data(), CountOf(points),
                                               static_cast<Gdiplus::WrapMode>(wrapMode.value_or(kClamp)), &brush),
                 brush);
}

bool PathGradientBrushObject::CreateFromPath(const PathObject& path) {
    Gdiplus::GpPathGradient* brush = nullptr;
    return Adopt(gdip::GdipCreatePathGradientFromPath(path.GetNativeHandle(), &brush), brush);
}

std::uint32_t PathGradientBrushObject::GetCenterColor() const {
    return Read<Gdiplus::ARGB>([&](Gdiplus::ARGB* v) { return gdip::GdipGetPathGradientCenterColor(Native(), v); });
}

bool PathGradientBrushObject::SetCenterColor(std::uint32_t argb) {
    return TrackStatus(gdip::GdipSetPathGradientCenterColor(Native(), argb));
}

int PathGradientBrushObject::GetPointCount() const {
    return Read<INT>([&](INT* v) { return gdip::GdipGetPathGradientPointCount(Native(), v); });
}

int PathGradientBrushObject::GetSurroundColorCount() const {
    return Read<INT>([&](INT* v) { return gdip::GdipGetPathGradientSurroundColorCount(Native(), v); });
}

bool PathGradientBrushObject::GetSurroundColors(std::vector<std::uint32_t>& target) const {
    // The library wants room for one colour per point of the outline.
    INT count = GetPointCount();
    if (LastStatus() != 0 || count <= 0) return false;
    std::vector<Gdiplus::ARGB> colors(static_cast<std::size_t>(count));
    if (!TrackStatus(gdip::GdipGetPathGradientSurroundColorsWithCount(Native(), colors.data(), &count))) return false;
    colors.resize(static_cast<std::size_t>(std::clamp<INT>(count, 0, static_cast<INT>(colors.size()))));
    target.assign(colors.begin(), colors.end());
    return true;
}

bool PathGradientBrushObject::SetSurroundColors(std::span<const std::uint32_t> colors, int* count) {
    const INT size = CountOf(colors);
    INT taken = count && *count > 0 ? std::min<INT>(*count, size) : size;
    const bool set = TrackStatus(gdip::GdipSetPathGradientSurroundColorsWithCount(Native(), ArgbArray(colors).data(), &taken));
    if (count) *count = taken;
    return set;
}

bool PathGradientBrushObject::GetGraphicsPath(PathObject& target) const {
    PathObject path;
    if (!path.Create() || !GetGraphicsPathPlain(path)) return false;
    target = std::move(path);
    return true;
}

bool PathGradientBrushObject::GetGraphicsPathPlain(PathObject& path) const {
    return TrackStatus(gdip::GdipGetPathGradientPath(Native(), path.GetNativeHandle()));
}

PointF PathGradientBrushObject::GetCenterPoint() const {
    return Read<PointF>([&](PointF* v) { return gdip::GdipGetPathGradientCenterPoint(Native(), v); });
}

Point PathGradientBrushObject::GetCenterPointI() const {
    return Read<Point>([&](Point* v) { return gdip::GdipGetPathGradientCenterPointI(Native(), v); });
}

bool PathGradientBrushObject::SetCenterPoint(const PointF& point) {
    return TrackStatus(gdip::GdipSetPathGradientCenterPoint(Native(), &point));
}

bool PathGradientBrushObject::SetCenterPointI(const Point& point) {
    return TrackStatus(gdip::GdipSetPathGradientCenterPointI(Native(), &point));
}

bool PathGradientBrushObject::GetFocusScales(float& scaleX, float& scaleY) const {
    float x = 0, y = 0;
    if (!TrackStatus(gdip::GdipGetPathGradientFocusScales(Native(), &x, &y))) return false;
    scaleX = x;
    scaleY = y;
    return true;
}

bool PathGradientBrushObject::SetFocusScales(float scaleX, float scaleY) {
    return TrackStatus(gdip::GdipSetPathGradientFocusScales(Native(), scaleX, scaleY));
}

}  // namespace lumbra
