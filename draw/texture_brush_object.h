#pragma once
// A brush that repeats a picture.
#include "draw/brush_transforms.h"

#include <optional>

namespace lumbra {

class ImageObject;

struct TextureCalls {
    using Native = Gdiplus::GpTexture;
    static constexpr auto GetTransform = gdip::GdipGetTextureTransform;
    static constexpr auto SetTransform = gdip::GdipSetTextureTransform;
    static constexpr auto ResetTransform = gdip::GdipResetTextureTransform;
    static constexpr auto MultiplyTransform = gdip::GdipMultiplyTextureTransform;
    static constexpr auto TranslateTransform = gdip::GdipTranslateTextureTransform;
    static constexpr auto ScaleTransform = gdip::GdipScaleTextureTransform;
    static constexpr auto RotateTransform = gdip::GdipRotateTextureTransform;
    static constexpr auto GetWrapMode = gdip::GdipGetTextureWrapMode;
    static constexpr auto SetWrapMode = gdip::GdipSetTextureWrapMode;
};

class TextureBrushObject : public BrushTransforms<TextureCalls> {
public:
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
    // A copy of the brush's picture in target.
    bool GetImage(ImageObject& target) const;
};

}  // namespace lumbra
