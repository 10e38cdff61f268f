#pragma once
// The transform and wrap-mode operations of the brushes that carry a matrix (the two gradients
// and the texture). They differ only in the library functions they call, which Calls names:
// Native, the brush's handle type, and per operation its flat function under the operation's
// name (GetTransform = GdipGetLineTransform, ..., SetWrapMode = GdipSetLineWrapMode).
#include "draw/brush_object.h"
#include "draw/gdip_args.h"
#include "draw/matrix_object.h"

#include <optional>
#include <utility>

namespace lumbra {

template <typename Calls>
class BrushTransforms : public BrushObject {
public:
    using Order = std::optional<int>;

    bool GetTransform(MatrixObject& target) const {
        MatrixObject matrix;
        if (!matrix.Create() || !TrackStatus(Calls::GetTransform(Native(), matrix.GetNativeHandle()))) return false;
        target = std::move(matrix);
        return true;
    }
    bool SetTransform(const MatrixObject& matrix) {
        return TrackStatus(Calls::SetTransform(Native(), matrix.GetNativeHandle()));
    }
    bool ResetTransform() { return TrackStatus(Calls::ResetTransform(Native())); }
    bool MultiplyTransform(const MatrixObject& matrix, Order order = std::nullopt) {
        return TrackStatus(Calls::MultiplyTransform(Native(), matrix.GetNativeHandle(), OrderOf(order)));
    }
    bool TranslateTransform(float dx, float dy, Order order = std::nullopt) {
        return TrackStatus(Calls::TranslateTransform(Native(), dx, dy, OrderOf(order)));
    }
    bool ScaleTransform(float sx, float sy, Order order = std::nullopt) {
        return TrackStatus(Calls::ScaleTransform(Native(), sx, sy, OrderOf(order)));
    }
    bool ScaleTransformAt(float sx, float sy, PointF centre, Order order = std::nullopt) {
        return AboutCentreOf(centre, order, [&](auto o) { return Calls::ScaleTransform(Native(), sx, sy, o); });
    }
    bool RotateTransform(float angle, Order order = std::nullopt) {
        return TrackStatus(Calls::RotateTransform(Native(), angle, OrderOf(order)));
    }
    bool RotateTransformAt(float angle, PointF centre, Order order = std::nullopt) {
        return AboutCentreOf(centre, order, [&](auto o) { return Calls::RotateTransform(Native(), angle, o); });
    }
    int GetWrapMode() const {
        return Read<Gdiplus::WrapMode>([&](auto* v) { return Calls::GetWrapMode(Native(), v); });
    }
    bool SetWrapMode(int mode) {
        return TrackStatus(Calls::SetWrapMode(Native(), static_cast<Gdiplus::WrapMode>(mode)));
    }

protected:
    using NativeBrush = typename Calls::Native;

    BrushTransforms() = default;
    BrushTransforms(BrushTransforms&&) noexcept = default;
    BrushTransforms& operator=(BrushTransforms&&) noexcept = default;
    ~BrushTransforms() = default;

    NativeBrush* Native() const { return static_cast<NativeBrush*>(handle_); }

private:
    template <typename Step>
    bool AboutCentreOf(PointF centre, Order order, Step step) {
        return AboutCentre(
            centre, order,
            [&](float dx, float dy, auto o) { return Calls::TranslateTransform(Native(), dx, dy, o); }, step);
    }
};

}  // namespace lumbra
