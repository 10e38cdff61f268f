#include "draw/pen_object.h"

#include "draw/brush_object.h"
#include "draw/gdip_args.h"
#include "draw/matrix_object.h"

namespace lumbra {

bool PenObject::Create(std::uint32_t argb, float width, std::optional<int> unit) {
    Gdiplus::GpPen* pen = nullptr;
    return Adopt(gdip::GdipCreatePen1(argb, width, UnitOf(unit, 0), &pen), pen);
}

bool PenObject::CreateWithBrush(const BrushObject& brush, float width, std::optional<int> unit) {
    Gdiplus::GpPen* pen = nullptr;
    return Adopt(gdip::GdipCreatePen2(brush.GetNativeHandle(), width, UnitOf(unit, 0), &pen), pen);
}

bool PenObject::Clone(PenObject& target) const {
    Gdiplus::GpPen* pen = nullptr;
    return target.Adopt(gdip::GdipClonePen(handle_, &pen), pen);
}

float PenObject::GetWidth() const {
    return Read<float>([&](float* v) { return gdip::GdipGetPenWidth(handle_, v); });
}

bool PenObject::SetWidth(float width) { return TrackStatus(gdip::GdipSetPenWidth(handle_, width)); }

int PenObject::GetUnit() const {
    return Read<Gdiplus::Unit>([&](auto* v) { return gdip::GdipGetPenUnit(handle_, v); });
}

bool PenObject::SetUnit(int unit) { return TrackStatus(gdip::GdipSetPenUnit(handle_, static_cast<Gdiplus::Unit>(unit))); }

bool PenObject::SetLineCap(int startCap, int endCap, int dashCap) {
    return TrackStatus(gdip::GdipSetPenLineCap197819(handle_, static_cast<Gdiplus::LineCap>(startCap),
                                                     static_cast<Gdiplus::LineCap>(endCap),
                                                     static_cast<Gdiplus::DashCap>(dashCap)));
}

bool PenObject::SetLineCapAll(int startCap, int endCap, int dashCap) { return SetLineCap(startCap, endCap, dashCap); }

bool PenObject::SetStartCap(int cap) {
    return TrackStatus(gdip::GdipSetPenStartCap(handle_, static_cast<Gdiplus::LineCap>(cap)));
}

bool PenObject::SetEndCap(int cap) {
    return TrackStatus(gdip::GdipSetPenEndCap(handle_, static_cast<Gdiplus::LineCap>(cap)));
}

bool PenObject::SetDashCap(int cap) {
    return TrackStatus(gdip::GdipSetPenDashCap197819(handle_, static_cast<Gdiplus::DashCap>(cap)));
}

int PenObject::GetStartCap() const {
    return Read<Gdiplus::LineCap>([&](auto* v) { return gdip::GdipGetPenStartCap(handle_, v); });
}

int PenObject::GetEndCap() const {
    return Read<Gdiplus::LineCap>([&](auto* v) { return gdip::GdipGetPenEndCap(handle_, v); });
}

int PenObject::GetDashCap() const {
    return Read<Gdiplus::DashCap>([&](auto* v) { return gdip::GdipGetPenDashCap197819(handle_, v); });
}

int PenObject::GetDashCapAlt() const { return GetDashCap(); }

bool PenObject::SetLineJoin(int join) {
    return TrackStatus(gdip::GdipSetPenLineJoin(handle_, static_cast<Gdiplus::LineJoin>(join)));
}

int PenObject::GetLineJoin() const {
    return Read<Gdiplus::LineJoin>([&](auto* v) { return gdip::GdipGetPenLineJoin(handle_, v); });
}

bool PenObject::SetCustomStartCap(Gdiplus::GpCustomLineCap* cap) {
    return TrackStatus(gdip::GdipSetPenCustomStartCap(handle_, cap));
}

Gdiplus::GpCustomLineCap* PenObject::GetCustomStartCap() const {
    return Read<Gdiplus::GpCustomLineCap*>([&](auto* v) { return gdip::GdipGetPenCustomStartCap(handle_, v); });
}

bool PenObject::SetCustomEndCap(Gdiplus::GpCustomLineCap* cap) {
    return TrackStatus(gdip::GdipSetPenCustomEndCap(handle_, cap));
}

Gdiplus::GpCustomLineCap* PenObject::GetCustomEndCap() const {
    return Read<Gdiplus::GpCustomLineCap*>([&](auto* v) { return gdip::GdipGetPenCustomEndCap(handle_, v); });
}

bool PenObject::SetMiterLimit(float limit) { return TrackStatus(gdip::GdipSetPenMiterLimit(handle_, limit)); }

float PenObject::GetMiterLimit() const {
    return Read<float>([&](float* v) { return gdip::GdipGetPenMiterLimit(handle_, v); });
}

bool PenObject::SetAlignment(int alignment) {
    return TrackStatus(gdip::GdipSetPenMode(handle_, static_cast<Gdiplus::PenAlignment>(alignment)));
}

int PenObject::GetAlignment() const {
    return Read<Gdiplus::PenAlignment>([&](auto* v) { return gdip::GdipGetPenMode(handle_, v); });
}

bool PenObject::SetTransform(const MatrixObject& matrix) {
    return TrackStatus(gdip::GdipSetPenTransform(handle_, matrix.GetNativeHandle()));
}

bool PenObject::GetTransform(MatrixObject& target) const {
    MatrixObject matrix;
    if (!matrix.Create() || !TrackStatus(gdip::GdipGetPenTransform(handle_, matrix.GetNativeHandle()))) return false;
    target = std::move(matrix);
    return true;
}

bool PenObject::ResetTransform() { return TrackStatus(gdip::GdipResetPenTransform(handle_)); }

bool PenObject::MultiplyTransform(const MatrixObject& matrix, Order order) {
    return TrackStatus(gdip::GdipMultiplyPenTransform(handle_, matrix.GetNativeHandle(), OrderOf(order)));
}

bool PenObject::RotateTransform(float angle, Order order) {
    return TrackStatus(gdip::GdipRotatePenTransform(handle_, angle, OrderOf(order)));
}

bool PenObject::RotateTransformAt(float angle, PointF centre, Order order) {
    return AboutCentre(
        centre, order, [&](float dx, float dy, auto o) { return gdip::GdipTranslatePenTransform(handle_, dx, dy, o); },
        [&](auto o) { return gdip::GdipRotatePenTransform(handle_, angle, o); });
}

bool PenObject::ScaleTransform(float sx, float sy, Order order) {
    return TrackStatus(gdip::GdipScalePenTransform(handle_, sx, sy, OrderOf(order)));
}

bool PenObject::ScaleTransformAt(float sx, float sy, PointF centre, Order order) {
    return AboutCentre(
        centre, order, [&](float dx, float dy, auto o) { return gdip::GdipTranslatePenTransform(handle_, dx, dy, o); },
        [&](auto o) { return gdip::GdipScalePenTransform(handle_, sx, sy, o); });
}

bool PenObject::TranslateTransform(float dx, float dy, Order order) {
    return TrackStatus(gdip::GdipTranslatePenTransform(handle_, dx, dy, OrderOf(order)));
}

std::uint32_t PenObject::GetColor() const {
    return Read<Gdiplus::ARGB>([&](Gdiplus::ARGB* v) { return gdip::GdipGetPenColor(handle_, v); });
}

bool PenObject::SetColor(std::uint32_t argb) { return TrackStatus(gdip::GdipSetPenColor(handle_, argb)); }

bool PenObject::SetBrush(const BrushObject& brush) {
    return TrackStatus(gdip::GdipSetPenBrushFill(handle_, brush.GetNativeHandle()));
}

bool PenObject::GetBrush(BrushObject& target) const {
    Gdiplus::GpBrush* brush = nullptr;
    const GpStatus status = gdip::GdipGetPenBrushFill(handle_, &brush);
    target.SetNativeHandle(status == Gdiplus::Ok ? brush : nullptr);
    return TrackStatus(status);
}

int PenObject::GetPenType() const {
    return Read<Gdiplus::PenType>([&](auto* v) { return gdip::GdipGetPenFillType(handle_, v); });
}

bool PenObject::SetDashStyle(int style) {
    return TrackStatus(gdip::GdipSetPenDashStyle(handle_, static_cast<Gdiplus::DashStyle>(style)));
}

int PenObject::GetDashStyle() const {
    return Read<Gdiplus::DashStyle>([&](auto* v) { return gdip::GdipGetPenDashStyle(handle_, v); });
}

float PenObject::GetDashOffset() const {
    return Read<float>([&](float* v) { return gdip::GdipGetPenDashOffset(handle_, v); });
}

bool PenObject::SetDashOffset(float offset) { return TrackStatus(gdip::GdipSetPenDashOffset(handle_, offset)); }

bool PenObject::GetDashPattern(std::vector<float>& target) const {
    INT count = 0;
    if (!TrackStatus(gdip::GdipGetPenDashCount(handle_, &count))) return false;
    std::vector<float> pattern(static_cast<std::size_t>(count));
    if (count > 0 && !TrackStatus(gdip::GdipGetPenDashArray(handle_, pattern.data(), count))) return false;
    target = std::move(pattern);
    return true;
}

bool PenObject::SetDashPattern(const std::vector<float>& pattern) {
    return TrackStatus(gdip::GdipSetPenDashArray(handle_, pattern.data(), static_cast<INT>(pattern.size())));
}

bool PenObject::SetCompoundArray(const std::vector<float>& values) {
    return TrackStatus(gdip::GdipSetPenCompoundArray(handle_, values.data(), static_cast<INT>(values.size())));
}

bool PenObject::GetCompoundArray(std::vector<float>& target) const {
    INT count = 0;
    if (!TrackStatus(gdip::GdipGetPenCompoundCount(handle_, &count))) return false;
    std::vector<float> values(static_cast<std::size_t>(count));
    if (count > 0 && !TrackStatus(gdip::GdipGetPenCompoundArray(handle_, values.data(), count))) return false;
    target = std::move(values);
    return true;
}

}  // namespace lumbra
