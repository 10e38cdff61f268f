#pragma once
// A brush whose colour runs from one point to another and repeats beyond them
// (wrap mode 0, tile, unless changed).
#include "draw/brush_object.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace lumbra {

class MatrixObject;

class LinearGradientBrushObject : public BrushObject {
public:
    using Order = std::optional<int>;

    bool CreateFromPoints(const PointF& point1, const PointF& point2, std::uint32_t startArgb, std::uint32_t endArgb);
    bool CreateFromPointsI(const Point& point1, const Point& point2, std::uint32_t startArgb, std::uint32_t endArgb);
    bool CreateFromRect(const RectF& rectangle, std::uint32_t startArgb, std::uint32_t endArgb, int mode);
    bool CreateFromRectI(const Rect& rectangle, std::uint32_t startArgb, std::uint32_t endArgb, int mode);
    bool CreateFromRectWithAngle(const RectF& rectangle, std::uint32_t startArgb, std::uint32_t endArgb, float angle,
                                 bool angleIsScalable);
    bool CreateFromRectWithAngleI(const Rect& rectangle, std::uint32_t startArgb, std::uint32_t endArgb, float angle,
                                  bool angleIsScalable);
    bool GetLinearColors(std::uint32_t& startArgb, std::uint32_t& endArgb) const;
    bool SetLinearColors(std::uint32_t startArgb, std::uint32_t endArgb);
    RectF GetRectangle() const;
    Rect GetRectangleI() const;
    bool SetGammaCorrection(bool useGamma);
    bool GetGammaCorrection() const;
    // factors and positions pair up; positions run from 0 to 1.
    bool SetBlend(const std::vector<float>& factors, const std::vector<float>& positions);
    bool GetBlend(std::vector<float>& factors, std::vector<float>& positions) const;
    int GetBlendCount() const;
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
    Gdiplus::GpLineGradient* Line() const { return static_cast<Gdiplus::GpLineGradient*>(handle_); }
};

}  // namespace lumbra
