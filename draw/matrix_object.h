#pragma once
// A 3×2 affine matrix of the library.
#include "draw/gdip.h"

#include <array>
#include <optional>
#include <span>

namespace lumbra {

// order: 0 prepend (the default), 1 append.
class MatrixObject : public DrawingObject<Gdiplus::GpMatrix, gdip::GdipDeleteMatrix> {
public:
    using Order = std::optional<int>;

    // The identity.
    bool Create();
    bool CreateFromElements(float m11, float m12, float m21, float m22, float dx, float dy);
    // Maps the rectangle onto the parallelogram of three points (top-left, top-right, bottom-left).
    bool CreateFromRect(const RectF& rectangle, std::span<const PointF, 3> points);
    bool CreateFromRectI(const Rect& rectangle, std::span<const Point, 3> points);
    bool Clone(MatrixObject& target) const;
    bool SetElements(float m11, float m12, float m21, float m22, float dx, float dy);
    // m11, m12, m21, m22, dx, dy; zeros when the call fails.
    std::array<float, 6> GetElements() const;
    bool Multiply(const MatrixObject& other, Order order = std::nullopt);
    bool Translate(float dx, float dy, Order order = std::nullopt);
    float OffsetX() const;
    float OffsetY() const;
    bool Rotate(float angle, Order order = std::nullopt);
    bool RotateAt(float angle, PointF centre, Order order = std::nullopt);
    bool Invert();
    bool Scale(float sx, float sy, Order order = std::nullopt);
    bool ScaleAt(float sx, float sy, PointF centre, Order order = std::nullopt);
    bool Shear(float shearX, float shearY, Order order = std::nullopt);
    bool Reset();
    bool TransformPoints(std::span<PointF> points) const;
    bool TransformPointsI(std::span<Point> points) const;
    bool TransformVectors(std::span<PointF> vectors) const;
    bool TransformVectorsI(std::span<Point> vectors) const;
    bool IsInvertible() const;
    bool IsIdentity() const;
    bool Equals(const MatrixObject& other) const;
};

}  // namespace lumbra
