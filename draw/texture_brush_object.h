#pragma once
// A brush that repeats a picture.
#include "draw/brush_object.h"

#include <optional>

namespace lumbra {

class ImageObject;
class MatrixObject;

class TextureBrushObject : public BrushObject {
public:
    using Order = std::optional<int>;
    using Attributes = const Gdiplus::GpImageAttributes*;

    // wrap mode: 0 (tile) when not given.
    bool Create(const ImageObject& image, std::optional<int> wrapMode = std::nullopt);
    bool CreateFromRect(const ImageObject& image, float x, float y, float width, float height,
                        std::optional<int> wrapMode = std::nullopt);
    bool CreateFromRectI(const ImageObject& image, int x, int y, int width, int height,
                         std::optional<int> wrapMode = std::nullopt);
    bool CreateWithAttributes(const ImageObject& image, float x, float y, float width, float height,
                              Attributes attributes);
    bool CreateWithAttributesI(const ImageObject& image, int x, int y, int width, int height, Attributes attributes);
    bool GetTransform(MatrixObject& target) const;
    bool SetTransform(const MatrixObject& matrix);
    bool ResetTransform();
    bool MultiplyTransform(const MatrixObject& matrix, Order order = std::nullopt);
    bool TranslateTransform(float dx, float dy, Order order = std::nullopt);
    bool ScaleTransform(float sx, float sy, Order order = std::nullopt);
    bool ScaleTransformAt(float sx, float sy, PointF centre, Order order = std::nullopt);
    bool RotateTransform(float angle, Order order = std::nullopt);
    bool RotateTransformAt(float angle, PointF centre, Order order = std::nullopt);
    int GetWrapMode() const;
    bool SetWrapMode(int mode);
    // A copy of the brush's picture in target.
    bool GetImage(ImageObject& target) const;

private:
    Gdiplus::GpTexture* Texture() const { return static_cast<Gdiplus::GpTexture*>(handle_); }
};

}  // namespace lumbra
