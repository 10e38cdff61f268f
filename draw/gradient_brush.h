#pragma once
// What the linear and the path gradient share beyond the transform: bounds, gamma, blend
// factors, preset colours and the bell and triangular shapes. Calls names the flat functions
// as for BrushTransforms, plus GetRect, SetBlend, GetPresetBlend, SetSigmaBlend and the like.
#include "draw/brush_transforms.h"

#include <cstdint>
#include <vector>

namespace lumbra {

template <typename Calls>
class GradientBrush : public BrushTransforms<Calls> {
public:
    RectF GetRectangle() const {
        return Read<RectF>([&](RectF* v) { return Calls::GetRect(this->Native(), v); });
    }
    Rect GetRectangleI() const {
        return Read<Rect>([&](Rect* v) { return Calls::GetRectI(this->Native(), v); });
    }
    bool SetGammaCorrection(bool useGamma) {
        return TrackStatus(Calls::SetGammaCorrection(this->Native(), useGamma ? TRUE : FALSE));
    }
    bool GetGammaCorrection() const {
        return Read<BOOL>([&](BOOL* v) { return Calls::GetGammaCorrection(this->Native(), v); }) != FALSE;
    }
    // factors and positions pair up; positions run from 0 to 1.
    bool SetBlend(const std::vector<float>& factors, const std::vector<float>& positions) {
        if (positions.size() < factors.size()) return TrackStatus(Gdiplus::InvalidParameter);
        return TrackStatus(
            Calls::SetBlend(this->Native(), factors.data(), positions.data(), static_cast<INT>(factors.size())));
    }
    bool GetBlend(std::vector<float>& factors, std::vector<float>& positions) const {
        const int count = GetBlendCount();
        if (LastStatus() != 0 || count <= 0) return false;
        std::vector<float> f(static_cast<std::size_t>(count)), p(static_cast<std::size_t>(count));
        if (!TrackStatus(Calls::GetBlend(this->Native(), f.data(), p.data(), count))) return false;
        factors = std::move(f);
        positions = std::move(p);
        return true;
    }
    int GetBlendCount() const {
        return Read<INT>([&](INT* v) { return Calls::GetBlendCount(this->Native(), v); });
    }
    bool SetInterpolationColors(const std::vector<std::uint32_t>& colors, const std::vector<float>& positions) {
        if (positions.size() < colors.size()) return TrackStatus(Gdiplus::InvalidParameter);
        return TrackStatus(Calls::SetPresetBlend(this->Native(), ArgbArray(colors).data(), positions.data(),
                                                 static_cast<INT>(colors.size())));
    }
    bool GetInterpolationColors(std::vector<std::uint32_t>& colors, std::vector<float>& positions) const {
        const int count = GetInterpolationColorCount();
        if (LastStatus() != 0 || count <= 0) return false;
        std::vector<Gdiplus::ARGB> c(static_cast<std::size_t>(count));
        std::vector<float> p(static_cast<std::size_t>(count));
        if (!TrackStatus(Calls::GetPresetBlend(this->Native(), c.data(), p.data(), count))) return false;
        colors.assign(c.begin(), c.end());
        positions = std::move(p);
        return true;
    }
    bool SetBlendBellShape(float focus, float scale) {
        return TrackStatus(Calls::SetSigmaBlend(this->Native(), focus, scale));
    }
    bool SetBlendTriangularShape(float focus, float scale) {
        return TrackStatus(Calls::SetLinearBlend(this->Native(), focus, scale));
    }

protected:
    GradientBrush() = default;
    GradientBrush(GradientBrush&&) noexcept = default;
    GradientBrush& operator=(GradientBrush&&) noexcept = default;
    ~GradientBrush() = default;

    // Public only where the brush kind offers it.
    int GetInterpolationColorCount() const {
        return Read<INT>([&](INT* v) { return Calls::GetPresetBlendCount(this->Native(), v); });
    }
};

}  // namespace lumbra
