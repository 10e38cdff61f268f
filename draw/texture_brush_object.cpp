#include "draw/texture_brush_object.h"

#include "draw/image_object.h"

namespace lumbra {
namespace {

Gdiplus::WrapMode WrapOf(std::optional<int> mode) { return static_cast<Gdiplus::WrapMode>(mode.value_or(0)); }

}  // namespace

bool TextureBrushObject::Create(const ImageObject& image, std::optional<int> wrapMode) {
    Gdiplus::GpTexture* brush = nullptr;
    return Adopt(gdip::GdipCreateTexture(image.GetNativeHandle(), WrapOf(wrapMode), &brush), brush);
}

bool TextureBrushObject::CreateFromRect(const ImageObject& image, float x, float y, float width, float height,
                                        std::optional<int> wrapMode) {
    Gdiplus::GpTexture* brush = nullptr;
    return Adopt(gdip::GdipCreateTexture2(image.GetNativeHandle(), WrapOf(wrapMode), x, y, width, height, &brush),
                 brush);
}

bool TextureBrushObject::CreateFromRectI(const ImageObject& image, int x, int y, int width, int height,
                                         std::optional<int> wrapMode) {
    Gdiplus::GpTexture* brush = nullptr;
    return Adopt(gdip::GdipCreateTexture2I(image.GetNativeHandle(), WrapOf(wrapMode), x, y, width, height, &brush),
                 brush);
}

bool TextureBrushObject::CreateWithAttributes(const ImageObject& image, float x, float y, float width, float height,
                                              Attributes attributes) {
    Gdiplus::GpTexture* brush = nullptr;
    return Adopt(gdip::GdipCreateTextureIA(image.GetNativeHandle(), attributes, x, y, width, height, &brush), brush);
}

bool TextureBrushObject::CreateWithAttributesI(const ImageObject& image, int x, int y, int width, int height,
                                               Attributes attributes) {
    Gdiplus::GpTexture* brush = nullptr;
    return Adopt(gdip::GdipCreateTextureIAI(image.GetNativeHandle(), attributes, x, y, width, height, &brush), brush);
}

bool TextureBrushObject::GetImage(ImageObject& target) const {
    Gdiplus::GpImage* image = nullptr;
    const GpStatus status = gdip::GdipGetTextureImage(Native(), &image);
    target.SetNativeHandle(status == Gdiplus::Ok ? image : nullptr);
    return TrackStatus(status);
}

}  // namespace lumbra
