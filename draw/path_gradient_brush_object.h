#pragma once
// A brush whose colour runs from a centre point out to the rim of a shape.
#include "draw/brush_object.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lumbra {

class MatrixObject;
class PathObject;

class PathGradientBrushObject : public BrushObject {
public:
    using Order = std::optional<int>;

    // wrap mode: 4 (clamp) when not given.
    bool CreateFromPoints(std::span<const PointF> points, std::optional<int> wrapMode = std::nullopt);
    bool CreateFromPointsI(std::span<const Point> points, std::optional<int> wrapMode = std::nullopt);
    bool CreateFromPath(const PathObject& path);
    std::uint32_t GetCenterColor() const;
    bool SetCenterColor(std::uint32_t argb);
    int GetPointCount() const;
    int GetSurroundColorCount() const;
    bool GetSurroundColors(std::vector<std::uint32_t>& target) const;
    // count: how many of colors to hand over (all when null or not positive); receives the
    // number the library took.
    bool SetSurroundColors(std::span<const std::uint32_t> colors, int* count = nullptr);
    // A new path in target holding the brush's outline.
    bool GetGraphicsPath(PathObject& target) const;
    // The outline into an existing path.
    bool GetGraphicsPathPlain(PathObject& path) const;
    PointF GetCenterPoint() const;
    Point GetCenterPointI() const;
    bool SetCenterPoint(const PointF& point);
    bool SetCenterPointI(const Point& point);
    RectF GetRectangle() const;
    Rect GetRectangleI() const;
    bool SetGammaCorrection(bool useGamma);
    bool GetGammaCorrection() const;
    bool SetBlend(const std::vector<float>& factors, const std::vector<float>& positions);
    bool GetBlend(std::vector<float>& factors, std::vector<float>& positions) const;
    int GetBlendCount() const;
    int GetInterpolationColorCount() const;
    bool GetFocusScales(float& scaleX, float& scaleY) const;
    bool SetFocusScales(float scaleX, float scaleY);
    bool SetInterpolationColors(const std::vector<std::uint32_t>& colors, const std::vector<float>& positions);
    bool GetInterpolationColors(std::vector<std::uint32_t>& colors, std::vector<float>& positions) const;
    bool SetBlendBellShape(float focus, float scale);
    bool SetBlendTriangularShape(float focus, float scale);
    int GetWrapMode() const;
    bool SetWrapMode(int mode);
    bool GetTransform(MatrixObject& target) const;
    bool SetTransform(const MatrixObject& matrix);
    bool ResetTransform();
    bool MultiplyTransform(const MatrixObject& matrix, Order order = std::nullopt);
    bool TranslateTransform(float dx, float dy, Order order = std::nullopt);
    bool ScaleTransform(float sx, float sy, Order order = std::nullopt);
    bool ScaleTransformAt(float sx, float sy, PointF centre, Order order = std::nullopt);
    bool RotateTransform(float angle, Order order = std::nullopt);
    bool RotateTransformAt(float angle, PointF centre, Order order = std::nullopt);

private:
    Gdiplus::GpPathGradient* Gradient() const { return static_cast<Gdiplus::GpPathGradient*>(handle_); }
};

}  // namespace lumbra
