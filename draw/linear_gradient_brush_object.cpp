#include "draw/linear_gradient_brush_object.h"

#include "draw/gdip_args.h"
#include "draw/matrix_object.h"

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
    if (!TrackStatus(gdip::GdipGetLineColors(Line(), colors))) return false;
    startArgb = colors[0];
    endArgb = colors[1];
    return true;
}

bool LinearGradientBrushObject::SetLinearColors(std::uint32_t startArgb, std::uint32_t endArgb) {
    return TrackStatus(gdip::GdipSetLineColors(Line(), startArgb, endArgb));
}

RectF LinearGradientBrushObject::GetRectangle() const {
    return Read<RectF>([&](RectF* v) { return gdip::GdipGetLineRect(Line(), v); });
}

Rect LinearGradientBrushObject::GetRectangleI() const {
    return Read<Rect>([&](Rect* v) { return gdip::GdipGetLineRectI(Line(), v); });
}

bool LinearGradientBrushObject::SetGammaCorrection(bool useGamma) {
    return TrackStatus(gdip::GdipSetLineGammaCorrection(Line(), useGamma ? TRUE : FALSE));
}

bool LinearGradientBrushObject::GetGammaCorrection() const {
    return Read<BOOL>([&](BOOL* v) { return gdip::GdipGetLineGammaCorrection(Line(), v); }) != FALSE;
}

bool LinearGradientBrushObject::SetBlend(const std::vector<float>& factors, const std::vector<float>& positions) {
    if (positions.size() < factors.size()) return TrackStatus(Gdiplus::InvalidParameter);
    return TrackStatus(
        gdip::GdipSetLineBlend(Line(), factors.data(), positions.data(), static_cast<INT>(factors.size())));
}

bool LinearGradientBrushObject::GetBlend(std::vector<float>& factors, std::vector<float>& positions) const {
    const int count = GetBlendCount();
    if (LastStatus() != 0 || count <= 0) return false;
    std::vector<float> f(static_cast<std::size_t>(count)), p(static_cast<std::size_t>(count));
    if (!TrackStatus(gdip::GdipGetLineBlend(Line(), f.data(), p.data(), count))) return false;
    factors = std::move(f);
    positions = std::move(p);
    return true;
}

int LinearGradientBrushObject::GetBlendCount() const {
    return Read<INT>([&](INT* v) { return gdip::GdipGetLineBlendCount(Line(), v); });
}

bool LinearGradientBrushObject::SetInterpolationColors(const std::vector<std::uint32_t>& colors,
                                                       const std::vector<float>& positions) {
    if (positions.size() < colors.size()) return TrackStatus(Gdiplus::InvalidParameter);
    return TrackStatus(
        gdip::GdipSetLinePresetBlend(Line(), ArgbArray(colors).data(), positions.data(), static_cast<INT>(colors.size())));
}

bool LinearGradientBrushObject::GetInterpolationColors(std::vector<std::uint32_t>& colors,
                                                       std::vector<float>& positions) const {
    INT count = 0;
    if (!TrackStatus(gdip::GdipGetLinePresetBlendCount(Line(), &count)) || count <= 0) return false;
    std::vector<Gdiplus::ARGB> c(static_cast<std::size_t>(count));
    std::vector<float> p(static_cast<std::size_t>(count));
    if (!TrackStatus(gdip::GdipGetLinePresetBlend(Line(), c.data(), p.data(), count))) return false;
    colors.assign(c.begin(), c.end());
    positions = std::move(p);
    return true;
}

bool LinearGradientBrushObject::SetBlendBellShape(float focus, float scale) {
    return TrackStatus(gdip::GdipSetLineSigmaBlend(Line(), focus, scale));
}

bool LinearGradientBrushObject::SetBlendTriangularShape(float focus, float scale) {
    return TrackStatus(gdip::GdipSetLineLinearBlend(Line(), focus, scale));
}

int LinearGradientBrushObject::GetWrapMode() const {
    return Read<Gdiplus::WrapMode>([&](auto* v) { return gdip::GdipGetLineWrapMode(Line(), v); });
}

bool LinearGradientBrushObject::SetWrapMode(int mode) {
    return TrackStatus(gdip::GdipSetLineWrapMode(Line(), static_cast<Gdiplus::WrapMode>(mode)));
}

bool LinearGradientBrushObject::GetTransform(MatrixObject& target) const {
    MatrixObject matrix;
    if (!matrix.Create() || !TrackStatus(gdip::GdipGetLineTransform(Line(), matrix.GetNativeHandle()))) return false;
    target = std::move(matrix);
    return true;
}

bool LinearGradientBrushObject::SetTransform(const MatrixObject& matrix) {
    return TrackStatus(gdip::GdipSetLineTransform(Line(), matrix.GetNativeHandle()));
}

bool LinearGradientBrushObject::ResetTransform() { return TrackStatus(gdip::GdipResetLineTransform(Line())); }

bool LinearGradientBrushObject::MultiplyTransform(const MatrixObject& matrix, Order order) {
    return TrackStatus(gdip::GdipMultiplyLineTransform(Line(), matrix.GetNativeHandle(), OrderOf(order)));
}

bool LinearGradientBrushObject::TranslateTransform(float dx, float dy, Order order) {
    return TrackStatus(gdip::GdipTranslateLineTransform(Line(), dx, dy, OrderOf(order)));
}

bool LinearGradientBrushObject::ScaleTransform(float sx, float sy, Order order) {
    return TrackStatus(gdip::GdipScaleLineTransform(Line(), sx, sy, OrderOf(order)));
}

bool LinearGradientBrushObject::ScaleTransformAt(float sx, float sy, PointF centre, Order order) {
    return AboutCentre(
        centre, order, [&](float dx, float dy, auto o) { return gdip::GdipTranslateLineTransform(Line(), dx, dy, o); },
        [&](auto o) { return gdip::GdipScaleLineTransform(Line(), sx, sy, o); });
}

bool LinearGradientBrushObject::RotateTransform(float angle, Order order) {
    return TrackStatus(gdip::GdipRotateLineTransform(Line(), angle, OrderOf(order)));
}

bool LinearGradientBrushObject::RotateTransformAt(float angle, PointF centre, Order order) {
    return AboutCentre(
        centre, order, [&](float dx, float dy, auto o) { return gdip::GdipTranslateLineTransform(Line(), dx, dy, o); },
        [&](auto o) { return gdip::GdipRotateLineTransform(Line(), angle, o); });
}

}  // namespace lumbra
