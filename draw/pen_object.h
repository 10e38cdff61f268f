#pragma once
// A pen: colour or brush, width, caps, joins, dashes and its own transform.
#include "draw/gdip.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace lumbra {

class BrushObject;
class MatrixObject;

class PenObject : public DrawingObject<Gdiplus::GpPen, gdip::GdipDeletePen> {
public:
    using Order = std::optional<int>;

    // unit: 0 (world) when not given.
    bool Create(std::uint32_t argb, float width, std::optional<int> unit = std::nullopt);
    bool CreateWithBrush(const BrushObject& brush, float width, std::optional<int> unit = std::nullopt);
    bool Clone(PenObject& target) const;
    float GetWidth() const;
    bool SetWidth(float width);
    int GetUnit() const;
    bool SetUnit(int unit);
    bool SetLineCap(int startCap, int endCap, int dashCap);
    bool SetLineCapAll(int startCap, int endCap, int dashCap);
    bool SetStartCap(int cap);
    bool SetEndCap(int cap);
    bool SetDashCap(int cap);
    int GetStartCap() const;
    int GetEndCap() const;
    int GetDashCap() const;
    int GetDashCapAlt() const;
    bool SetLineJoin(int join);
    int GetLineJoin() const;
    bool SetCustomStartCap(Gdiplus::GpCustomLineCap* cap);
    // A new custom cap owned by the caller (GdipDeleteCustomLineCap).
    Gdiplus::GpCustomLineCap* GetCustomStartCap() const;
    bool SetCustomEndCap(Gdiplus::GpCustomLineCap* cap);
    Gdiplus::GpCustomLineCap* GetCustomEndCap() const;
    bool SetMiterLimit(float limit);
    float GetMiterLimit() const;
    bool SetAlignment(int alignment);
    int GetAlignment() const;
    bool SetTransform(const MatrixObject& matrix);
    bool GetTransform(MatrixObject& target) const;
    bool ResetTransform();
    bool MultiplyTransform(const MatrixObject& matrix, Order order = std::nullopt);
    bool RotateTransform(float angle, Order order = std::nullopt);
    bool RotateTransformAt(float angle, PointF centre, Order order = std::nullopt);
    bool ScaleTransform(float sx, float sy, Order order = std::nullopt);
    bool ScaleTransformAt(float sx, float sy, PointF centre, Order order = std::nullopt);
    bool TranslateTransform(float dx, float dy, Order order = std::nullopt);
    std::uint32_t GetColor() const;
    bool SetColor(std::uint32_t argb);
    bool SetBrush(const BrushObject& brush);
    // A new brush in target (of any brush kind; its type is GetBrushType's).
    bool GetBrush(BrushObject& target) const;
    int GetPenType() const;
    bool SetDashStyle(int style);
    int GetDashStyle() const;
    float GetDashOffset() const;
    bool SetDashOffset(float offset);
    bool GetDashPattern(std::vector<float>& target) const;
    bool SetDashPattern(const std::vector<float>& pattern);
    bool SetCompoundArray(const std::vector<float>& values);
    bool GetCompoundArray(std::vector<float>& target) const;
};

}  // namespace lumbra
