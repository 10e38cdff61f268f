#pragma once
// A brush whose colour runs from a centre point out to the rim of a shape.
#include "draw/gradient_brush.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lumbra {

class PathObject;

struct PathGradientCalls {
    using Native = Gdiplus::GpPathGradient;
    static constexpr auto GetTransform = gdip::GdipGetPathGradientTransform;
    static constexpr auto SetTransform = gdip::GdipSetPathGradientTransform;
    static constexpr auto ResetTransform = gdip::GdipResetPathGradientTransform;
    static constexpr auto MultiplyTransform = gdip::GdipMultiplyPathGradientTransform;
    static constexpr auto TranslateTransform = gdip::GdipTranslatePathGradientTransform;
    static constexpr auto ScaleTransform = gdip::GdipScalePathGradientTransform;
    static constexpr auto RotateTransform = gdip::GdipRotatePathGradientTransform;
    static constexpr auto GetWrapMode = gdip::GdipGetPathGradientWrapMode;
    static constexpr auto SetWrapMode = gdip::GdipSetPathGradientWrapMode;
    static constexpr auto GetRect = gdip::GdipGetPathGradientRect;
    static constexpr auto GetRectI = gdip::GdipGetPathGradientRectI;
    static constexpr auto SetGammaCorrection = gdip::GdipSetPathGradientGammaCorrection;
    static constexpr auto GetGammaCorrection = gdip::GdipGetPathGradientGammaCorrection;
    static constexpr auto SetBlend = gdip::GdipSetPathGradientBlend;
    static constexpr auto GetBlend = gdip::GdipGetPathGradientBlend;
    static constexpr auto GetBlendCount = gdip::GdipGetPathGradientBlendCount;
    static constexpr auto SetPresetBlend = gdip::GdipSetPathGradientPresetBlend;
    static constexpr auto GetPresetBlend = gdip::GdipGetPathGradientPresetBlend;
    static constexpr auto GetPresetBlendCount = gdip::GdipGetPathGradientPresetBlendCount;
    static constexpr auto SetSigmaBlend = gdip::GdipSetPathGradientSigmaBlend;
    static constexpr auto SetLinearBlend = gdip::GdipSetPathGradientLinearBlend;
};

class PathGradientBrushObject : public GradientBrush<PathGradientCalls> {
public:
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
    using GradientBrush::GetInterpolationColorCount;
    bool GetFocusScales(float& scaleX, float& scaleY) const;
    bool SetFocusScales(float scaleX, float scaleY);
};

}  // namespace lumbra
