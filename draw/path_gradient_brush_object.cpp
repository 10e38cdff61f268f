#include "draw/path_gradient_brush_object.h"

#include "draw/gdip_args.h"
#include "draw/matrix_object.h"
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
    return Read<Gdiplus::ARGB>([&](Gdiplus::ARGB* v) { return gdip::GdipGetPathGradientCenterColor(Gradient(), v); });
}

bool PathGradientBrushObject::SetCenterColor(std::uint32_t argb) {
    return TrackStatus(gdip::GdipSetPathGradientCenterColor(Gradient(), argb));
}

int PathGradientBrushObject::GetPointCount() const {
    return Read<INT>([&](INT* v) { return gdip::GdipGetPathGradientPointCount(Gradient(), v); });
}

int PathGradientBrushObject::GetSurroundColorCount() const {
    return Read<INT>([&](INT* v) { return gdip::GdipGetPathGradientSurroundColorCount(Gradient(), v); });
}

bool PathGradientBrushObject::GetSurroundColors(std::vector<std::uint32_t>& target) const {
    // The library wants room for one colour per point of the outline.
    INT count = GetPointCount();
    if (LastStatus() != 0 || count <= 0) return false;
    std::vector<Gdiplus::ARGB> colors(static_cast<std::size_t>(count));
    if (!TrackStatus(gdip::GdipGetPathGradientSurroundColorsWithCount(Gradient(), colors.data(), &count))) return false;
    colors.resize(static_cast<std::size_t>(std::clamp<INT>(count, 0, static_cast<INT>(colors.size()))));
    target.assign(colors.begin(), colors.end());
    return true;
}

bool PathGradientBrushObject::SetSurroundColors(std::span<const std::uint32_t> colors, int* count) {
    const INT size = CountOf(colors);
    INT taken = count && *count > 0 ? std::min<INT>(*count, size) : size;
    const bool set = TrackStatus(gdip::GdipSetPathGradientSurroundColorsWithCount(Gradient(), ArgbArray(colors).data(), &taken));
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
    return TrackStatus(gdip::GdipGetPathGradientPath(Gradient(), path.GetNativeHandle()));
}

PointF PathGradientBrushObject::GetCenterPoint() const {
    return Read<PointF>([&](PointF* v) { return gdip::GdipGetPathGradientCenterPoint(Gradient(), v); });
}

Point PathGradientBrushObject::GetCenterPointI() const {
    return Read<Point>([&](Point* v) { return gdip::GdipGetPathGradientCenterPointI(Gradient(), v); });
}

bool PathGradientBrushObject::SetCenterPoint(const PointF& point) {
    return TrackStatus(gdip::GdipSetPathGradientCenterPoint(Gradient(), &point));
}

bool PathGradientBrushObject::SetCenterPointI(const Point& point) {
    return TrackStatus(gdip::GdipSetPathGradientCenterPointI(Gradient(), &point));
}

RectF PathGradientBrushObject::GetRectangle() const {
    return Read<RectF>([&](RectF* v) { return gdip::GdipGetPathGradientRect(Gradient(), v); });
}

Rect PathGradientBrushObject::GetRectangleI() const {
    return Read<Rect>([&](Rect* v) { return gdip::GdipGetPathGradientRectI(Gradient(), v); });
}

bool PathGradientBrushObject::SetGammaCorrection(bool useGamma) {
    return TrackStatus(gdip::GdipSetPathGradientGammaCorrection(Gradient(), useGamma ? TRUE : FALSE));
}

bool PathGradientBrushObject::GetGammaCorrection() const {
    return Read<BOOL>([&](BOOL* v) { return gdip::GdipGetPathGradientGammaCorrection(Gradient(), v); }) != FALSE;
}

bool PathGradientBrushObject::SetBlend(const std::vector<float>& factors, const std::vector<float>& positions) {
    if (positions.size() < factors.size()) return TrackStatus(Gdiplus::InvalidParameter);
    return TrackStatus(
        gdip::GdipSetPathGradientBlend(Gradient(), factors.data(), positions.data(), static_cast<INT>(factors.size())));
}

bool PathGradientBrushObject::GetBlend(std::vector<float>& factors, std::vector<float>& positions) const {
    const int count = GetBlendCount();
    if (LastStatus() != 0 || count <= 0) return false;
    std::vector<float> f(static_cast<std::size_t>(count)), p(static_cast<std::size_t>(count));
    if (!TrackStatus(gdip::GdipGetPathGradientBlend(Gradient(), f.data(), p.data(), count))) return false;
    factors = std::move(f);
    positions = std::move(p);
    return true;
}

int PathGradientBrushObject::GetBlendCount() const {
    return Read<INT>([&](INT* v) { return gdip::GdipGetPathGradientBlendCount(Gradient(), v); });
}

int PathGradientBrushObject::GetInterpolationColorCount() const {
    return Read<INT>([&](INT* v) { return gdip::GdipGetPathGradientPresetBlendCount(Gradient(), v); });
}

bool PathGradientBrushObject::GetFocusScales(float& scaleX, float& scaleY) const {
    float x = 0, y = 0;
    if (!TrackStatus(gdip::GdipGetPathGradientFocusScales(Gradient(), &x, &y))) return false;
    scaleX = x;
    scaleY = y;
    return true;
}

bool PathGradientBrushObject::SetFocusScales(float scaleX, float scaleY) {
    return TrackStatus(gdip::GdipSetPathGradientFocusScales(Gradient(), scaleX, scaleY));
}

bool PathGradientBrushObject::SetInterpolationColors(const std::vector<std::uint32_t>& colors,
                                                     const std::vector<float>& positions) {
    if (positions.size() < colors.size()) return TrackStatus(Gdiplus::InvalidParameter);
    return TrackStatus(gdip::GdipSetPathGradientPresetBlend(Gradient(), ArgbArray(colors).data(), positions.data(),
                                                            static_cast<INT>(colors.size())));
}

bool PathGradientBrushObject::GetInterpolationColors(std::vector<std::uint32_t>& colors,
                                                     std::vector<float>& positions) const {
    const int count = GetInterpolationColorCount();
    if (LastStatus() != 0 || count <= 0) return false;
    std::vector<Gdiplus::ARGB> c(static_cast<std::size_t>(count));
    std::vector<float> p(static_cast<std::size_t>(count));
    if (!TrackStatus(gdip::GdipGetPathGradientPresetBlend(Gradient(), c.data(), p.data(), count))) return false;
    colors.assign(c.begin(), c.end());
    positions = std::move(p);
    return true;
}

bool PathGradientBrushObject::SetBlendBellShape(float focus, float scale) {
    return TrackStatus(gdip::GdipSetPathGradientSigmaBlend(Gradient(), focus, scale));
}

bool PathGradientBrushObject::SetBlendTriangularShape(float focus, float scale) {
    return TrackStatus(gdip::GdipSetPathGradientLinearBlend(Gradient(), focus, scale));
}

int PathGradientBrushObject::GetWrapMode() const {
    return Read<Gdiplus::WrapMode>([&](auto* v) { return gdip::GdipGetPathGradientWrapMode(Gradient(), v); });
}

bool PathGradientBrushObject::SetWrapMode(int mode) {
    return TrackStatus(gdip::GdipSetPathGradientWrapMode(Gradient(), static_cast<Gdiplus::WrapMode>(mode)));
}

bool PathGradientBrushObject::GetTransform(MatrixObject& target) const {
    MatrixObject matrix;
    if (!matrix.Create() || !TrackStatus(gdip::GdipGetPathGradientTransform(Gradient(), matrix.GetNativeHandle())))
        return false;
    target = std::move(matrix);
    return true;
}

bool PathGradientBrushObject::SetTransform(const MatrixObject& matrix) {
    return TrackStatus(gdip::GdipSetPathGradientTransform(Gradient(), matrix.GetNativeHandle()));
}

bool PathGradientBrushObject::ResetTransform() { return TrackStatus(gdip::GdipResetPathGradientTransform(Gradient())); }

bool PathGradientBrushObject::MultiplyTransform(const MatrixObject& matrix, Order order) {
    return TrackStatus(gdip::GdipMultiplyPathGradientTransform(Gradient(), matrix.GetNativeHandle(), OrderOf(order)));
}

bool PathGradientBrushObject::TranslateTransform(float dx, float dy, Order order) {
    return TrackStatus(gdip::GdipTranslatePathGradientTransform(Gradient(), dx, dy, OrderOf(order)));
}

bool PathGradientBrushObject::ScaleTransform(float sx, float sy, Order order) {
    return TrackStatus(gdip::GdipScalePathGradientTransform(Gradient(), sx, sy, OrderOf(order)));
}

bool PathGradientBrushObject::ScaleTransformAt(float sx, float sy, PointF centre, Order order) {
    return AboutCentre(
        centre, order,
        [&](float dx, float dy, auto o) { return gdip::GdipTranslatePathGradientTransform(Gradient(), dx, dy, o); },
        [&](auto o) { return gdip::GdipScalePathGradientTransform(Gradient(), sx, sy, o); });
}

bool PathGradientBrushObject::RotateTransform(float angle, Order order) {
    return TrackStatus(gdip::GdipRotatePathGradientTransform(Gradient(), angle, OrderOf(order)));
}

bool PathGradientBrushObject::RotateTransformAt(float angle, PointF centre, Order order) {
    return AboutCentre(
        centre, order,
        [&](float dx, float dy, auto o) { return gdip::GdipTranslatePathGradientTransform(Gradient(), dx, dy, o); },
        [&](auto o) { return gdip::GdipRotatePathGradientTransform(Gradient(), angle, o); });
}

}  // namespace lumbra
