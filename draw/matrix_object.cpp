#include "draw/matrix_object.h"

#include "draw/gdip_args.h"

namespace lumbra {

bool MatrixObject::Create() {
    Gdiplus::GpMatrix* matrix = nullptr;
    return Adopt(gdip::GdipCreateMatrix(&matrix), matrix);
}

bool MatrixObject::CreateFromElements(float m11, float m12, float m21, float m22, float dx, float dy) {
    Gdiplus::GpMatrix* matrix = nullptr;
    return Adopt(gdip::GdipCreateMatrix2(m11, m12, m21, m22, dx, dy, &matrix), matrix);
}

bool MatrixObject::CreateFromRect(const RectF& rectangle, std::span<const PointF, 3> points) {
    Gdiplus::GpMatrix* matrix = nullptr;
    return Adopt(gdip::GdipCreateMatrix3(&rectangle, points.data(), &matrix), matrix);
}

bool MatrixObject::CreateFromRectI(const Rect& rectangle, std::span<const Point, 3> points) {
    Gdiplus::GpMatrix* matrix = nullptr;
    return Adopt(gdip::GdipCreateMatrix3I(&rectangle, points.data(), &matrix), matrix);
}

bool MatrixObject::Clone(MatrixObject& target) const {
    Gdiplus::GpMatrix* matrix = nullptr;
    return target.Adopt(gdip::GdipCloneMatrix(handle_, &matrix), matrix);
}

bool MatrixObject::SetElements(float m11, float m12, float m21, float m22, float dx, float dy) {
    return TrackStatus(gdip::GdipSetMatrixElements(handle_, m11, m12, m21, m22, dx, dy));
}

std::array<float, 6> MatrixObject::GetElements() const {
    std::array<float, 6> elements{};
    if (!TrackStatus(gdip::GdipGetMatrixElements(handle_, elements.data()))) return {};
    return elements;
}

bool MatrixObject::Multiply(const MatrixObject& other, Order order) {
    return TrackStatus(gdip::GdipMultiplyMatrix(handle_, other.handle_, OrderOf(order)));
}

bool MatrixObject::Translate(float dx, float dy, Order order) {
    return TrackStatus(gdip::GdipTranslateMatrix(handle_, dx, dy, OrderOf(order)));
}

float MatrixObject::OffsetX() const { return GetElements()[4]; }

float MatrixObject::OffsetY() const { return GetElements()[5]; }

bool MatrixObject::Rotate(float angle, Order order) {
    return TrackStatus(gdip::GdipRotateMatrix(handle_, angle, OrderOf(order)));
}


bool MatrixObject::RotateAt(float angle, PointF centre, Order order) {
    return AboutCentre(
        centre, order, [&](float dx, float dy, auto o) { return gdip::GdipTranslateMatrix(handle_, dx, dy, o); },
        [&](auto o) { return gdip::GdipRotateMatrix(handle_, angle, o); });
}

bool MatrixObject::Invert() { return TrackStatus(gdip::GdipInvertMatrix(handle_)); }

bool MatrixObject::Scale(float sx, float sy, Order order) {
    return TrackStatus(gdip::GdipScaleMatrix(handle_, sx, sy, OrderOf(order)));
}

bool MatrixObject::ScaleAt(float sx, float sy, PointF centre, Order order) {
    return AboutCentre(
        centre, order, [&](float dx, float dy, auto o) { return gdip::GdipTranslateMatrix(handle_, dx, dy, o); },
        [&](auto o) { return gdip::GdipScaleMatrix(handle_, sx, sy, o); });
}

bool MatrixObject::Shear(float shearX, float shearY, Order order) {
    return TrackStatus(gdip::GdipShearMatrix(handle_, shearX, shearY, OrderOf(order)));
}

bool MatrixObject::Reset() { return SetElements(1, 0, 0, 1, 0, 0); }

bool MatrixObject::TransformPoints(std::span<PointF> points) const {
    return TrackStatus(gdip::GdipTransformMatrixPoints(handle_, points.data(), CountOf(points)));
}

bool MatrixObject::TransformPointsI(std::span<Point> points) const {
    return TrackStatus(gdip::GdipTransformMatrixPointsI(handle_, points.data(), CountOf(points)));
}

bool MatrixObject::TransformVectors(std::span<PointF> vectors) const {
    return TrackStatus(gdip::GdipVectorTransformMatrixPoints(handle_, vectors.data(), CountOf(vectors)));
}

bool MatrixObject::TransformVectorsI(std::span<Point> vectors) const {
    return TrackStatus(gdip::GdipVectorTransformMatrixPointsI(handle_, vectors.data(), CountOf(vectors)));
}

bool MatrixObject::IsInvertible() const {
    return Read<BOOL>([&](BOOL* v) { return gdip::GdipIsMatrixInvertible(handle_, v); }) != FALSE;
}

bool MatrixObject::IsIdentity() const {
    return Read<BOOL>([&](BOOL* v) { return gdip::GdipIsMatrixIdentity(handle_, v); }) != FALSE;
}

bool MatrixObject::Equals(const MatrixObject& other) const {
    return Read<BOOL>([&](BOOL* v) { return gdip::GdipIsMatrixEqual(handle_, other.handle_, v); }) != FALSE;
}

}  // namespace lumbra
