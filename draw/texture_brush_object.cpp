#include "draw/texture_brush_object.h"

#include "draw/gdip_args.h"
#include "draw/image_object.h"
#include "draw/matrix_object.h"

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

bool TextureBrushObject::GetTransform(MatrixObject& target) const {
    MatrixObject matrix;
    if (!matrix.Create() || !TrackStatus(gdip::GdipGetTextureTransform(Texture(), matrix.GetNativeHandle())))
        return false;
    target = std::move(matrix);
    return true;
}

bool TextureBrushObject::SetTransform(const MatrixObject& matrix) {
    return TrackStatus(gdip::GdipSetTextureTransform(Texture(), matrix.GetNativeHandle()));
}

bool TextureBrushObject::ResetTransform() { return TrackStatus(gdip::GdipResetTextureTransform(Texture())); }

bool TextureBrushObject::MultiplyTransform(const MatrixObject& matrix, Order order) {
    return TrackStatus(gdip::GdipMultiplyTextureTransform(Texture(), matrix.GetNativeHandle(), OrderOf(order)));
}

bool TextureBrushObject::TranslateTransform(float dx, float dy, Order order) {
    return TrackStatus(gdip::GdipTranslateTextureTransform(Texture(), dx, dy, OrderOf(order)));
}

bool TextureBrushObject::ScaleTransform(float sx, float sy, Order order) {
    return TrackStatus(gdip::GdipScaleTextureTransform(Texture(), sx, sy, OrderOf(order)));
}

bool TextureBrushObject::ScaleTransformAt(float sx, float sy, PointF centre, Order order) {
    return AboutCentre(
        centre, order,
        [&](float dx, float dy, auto o) { return gdip::GdipTranslateTextureTransform(Texture(), dx, dy, o); },
        [&](auto o) { return gdip::GdipScaleTextureTransform(Texture(), sx, sy, o); });
}

bool TextureBrushObject::RotateTransform(float angle, Order order) {
    return TrackStatus(gdip::GdipRotateTextureTransform(Texture(), angle, OrderOf(order)));
}

bool TextureBrushObject::RotateTransformAt(float angle, PointF centre, Order order) {
    return AboutCentre(
        centre, order,
        [&](float dx, float dy, auto o) { return gdip::GdipTranslateTextureTransform(Texture(), dx, dy, o); },
        [&](auto o) { return gdip::GdipRotateTextureTransform(Texture(), angle, o); });
}

int TextureBrushObject::GetWrapMode() const {
    return Read<Gdiplus::WrapMode>([&](auto* v) { return gdip::GdipGetTextureWrapMode(Texture(), v); });
}

bool TextureBrushObject::SetWrapMode(int mode) {
    return TrackStatus(gdip::GdipSetTextureWrapMode(Texture(), static_cast<Gdiplus::WrapMode>(mode)));
}

bool TextureBrushObject::GetImage(ImageObject& target) const {
    Gdiplus::GpImage* image = nullptr;
    const GpStatus status = gdip::GdipGetTextureImage(Texture(), &image);
    target.SetNativeHandle(status == Gdiplus::Ok ? image : nullptr);
    return TrackStatus(status);
}

}  // namespace lumbra
