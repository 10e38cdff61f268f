#pragma once
// A brush whose colour runs from one point to another and repeats beyond them
// (wrap mode 0, tile, unless changed).
#include "draw/gradient_brush.h"

#include <cstdint>

namespace lumbra {

struct LinearGradientCalls {
    using Native = Gdiplus::GpLineGradient;
    static constexpr auto GetTransform = gdip::GdipGetLineTransform;
    static constexpr auto SetTransform = gdip::GdipSetLineTransform;
    static constexpr auto ResetTransform = gdip::GdipResetLineTransform;
    static constexpr auto MultiplyTransform = gdip::GdipMultiplyLineTransform;
    static constexpr auto TranslateTransform = gdip::GdipTranslateLineTransform;
    static constexpr auto ScaleTransform = gdip::GdipScaleLineTransform;
    static constexpr auto RotateTransform = gdip::GdipRotateLineTransform;
    static constexpr auto GetWrapMode = gdip::GdipGetLineWrapMode;
    static constexpr auto SetWrapMode = gdip::GdipSetLineWrapMode;
    static constexpr auto GetRect = gdip::GdipGetLineRect;
    static constexpr auto GetRectI = gdip::GdipGetLineRectI;
    static constexpr auto SetGammaCorrection = gdip::GdipSetLineGammaCorrection;
    static constexpr auto GetGammaCorrection = gdip::GdipGetLineGammaCorrection;
    static constexpr auto SetBlend = gdip::GdipSetLineBlend;
    static constexpr auto GetBlend = gdip::GdipGetLineBlend;
    static constexpr auto GetBlendCount = gdip::GdipGetLineBlendCount;
    static constexpr auto SetPresetBlend = gdip::GdipSetLinePresetBlend;
    static constexpr auto GetPresetBlend = gdip::GdipGetLinePresetBlend;
    static constexpr auto GetPresetBlendCount = gdip::GdipGetLinePresetBlendCount;
    static constexpr auto SetSigmaBlend = gdip::GdipSetLineSigmaBlend;
    static constexpr auto SetLinearBlend = gdip::GdipSetLineLinearBlend;
};

class LinearGradientBrushObject : public GradientBrush<LinearGradientCalls> {
public:
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
};

}  // namespace lumbra
