// GraphicsObject: pictures and metafiles.
#include "draw/gdip_args.h"
#include "draw/graphics_object.h"
#include "draw/image_object.h"

namespace lumbra {
namespace {

constexpr int kPixelUnit = 2;

}  // namespace

bool GraphicsObject::DrawImage(const ImageObject& image, float x, float y) {
    return TrackStatus(gdip::GdipDrawImage(handle_, image.GetNativeHandle(), x, y));
}

bool GraphicsObject::DrawImageI(const ImageObject& image, int x, int y) {
    return TrackStatus(gdip::GdipDrawImageI(handle_, image.GetNativeHandle(), x, y));
}

bool GraphicsObject::DrawCachedBitmap(Gdiplus::GpCachedBitmap* cached, int x, int y) {
    return TrackStatus(gdip::GdipDrawCachedBitmap(handle_, cached, x, y));
}

bool GraphicsObject::DrawImageRect(const ImageObject& image, float x, float y, float width, float height,
                                   std::optional<int> sourceUnit) {
    const auto sourceWidth = static_cast<float>(image.GetWidth());
    const auto sourceHeight = static_cast<float>(image.GetHeight());
    return TrackStatus(gdip::GdipDrawImageRectRect(handle_, image.GetNativeHandle(), x, y, width, height, 0, 0,
                                                   sourceWidth, sourceHeight, UnitOf(sourceUnit, kPixelUnit), nullptr,
                                                   nullptr, nullptr));
}

bool GraphicsObject::DrawImageRectI(const ImageObject& image, int x, int y, int width, int height,
                                    std::optional<int> sourceUnit) {
    return TrackStatus(gdip::GdipDrawImageRectRectI(handle_, image.GetNativeHandle(), x, y, width, height, 0, 0,
                                                    image.GetWidth(), image.GetHeight(),
                                                    UnitOf(sourceUnit, kPixelUnit), nullptr, nullptr, nullptr));
}

bool GraphicsObject::DrawImagePoints(const ImageObject& image, float x1, float y1, float x2, float y2, float x3,
                                     float y3) {
    const PointF points[3] = {PointF(x1, y1), PointF(x2, y2), PointF(x3, y3)};
    return TrackStatus(gdip::GdipDrawImagePoints(handle_, image.GetNativeHandle(), points, 3));
}

bool GraphicsObject::DrawImagePointsI(const ImageObject& image, int x1, int y1, int x2, int y2, int x3, int y3) {
    const Point points[3] = {Point(x1, y1), Point(x2, y2), Point(x3, y3)};
    return TrackStatus(gdip::GdipDrawImagePointsI(handle_, image.GetNativeHandle(), points, 3));
}

bool GraphicsObject::DrawImagePointRect(const ImageObject& image, float x, float y, float sourceX, float sourceY,
                                        float sourceWidth, float sourceHeight, std::optional<int> sourceUnit) {
    return TrackStatus(gdip::GdipDrawImagePointRect(handle_, image.GetNativeHandle(), x, y, sourceX, sourceY,
                                                    sourceWidth, sourceHeight, UnitOf(sourceUnit, kPixelUnit)));
}

bool GraphicsObject::DrawImagePointRectI(const ImageObject& image, int x, int y, int sourceX, int sourceY,
                                         int sourceWidth, int sourceHeight, std::optional<int> sourceUnit) {
    return TrackStatus(gdip::GdipDrawImagePointRectI(handle_, image.GetNativeHandle(), x, y, sourceX, sourceY,
                                                     sourceWidth, sourceHeight, UnitOf(sourceUnit, kPixelUnit)));
}

bool GraphicsObject::DrawImageRectRect(const ImageObject& image, float x, float y, float width, float height,
                                       float sourceX, float sourceY, float sourceWidth, float sourceHeight,
                                       std::optional<int> sourceUnit, Attributes attributes) {
    return TrackStatus(gdip::GdipDrawImageRectRect(handle_, image.GetNativeHandle(), x, y, width, height, sourceX,
                                                   sourceY, sourceWidth, sourceHeight, UnitOf(sourceUnit, kPixelUnit),
                                                   attributes, nullptr, nullptr));
}

bool GraphicsObject::DrawImageRectRectI(const ImageObject& image, int x, int y, int width, int height, int sourceX,
                                        int sourceY, int sourceWidth, int sourceHeight, std::optional<int> sourceUnit,
                                        Attributes attributes) {
    return TrackStatus(gdip::GdipDrawImageRectRectI(handle_, image.GetNativeHandle(), x, y, width, height, sourceX,
                                                    sourceY, sourceWidth, sourceHeight,
                                                    UnitOf(sourceUnit, kPixelUnit), attributes, nullptr, nullptr));
}

bool GraphicsObject::DrawImagePointsRect(const ImageObject& image, float x1, float y1, float x2, float y2, float x3,
                                         float y3, float sourceX, float sourceY, float sourceWidth,
                                         float sourceHeight, std::optional<int> sourceUnit, Attributes attributes) {
    const PointF points[3] = {PointF(x1, y1), PointF(x2, y2), PointF(x3, y3)};
    return TrackStatus(gdip::GdipDrawImagePointsRect(handle_, image.GetNativeHandle(), points, 3, sourceX, sourceY,
                                                     sourceWidth, sourceHeight, UnitOf(sourceUnit, kPixelUnit),
                                                     attributes, nullptr, nullptr));
}

bool GraphicsObject::DrawImagePointsRectI(const ImageObject& image, int x1, int y1, int x2, int y2, int x3, int y3,
                                          int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                                          std::optional<int> sourceUnit, Attributes attributes) {
    const Point points[3] = {Point(x1, y1), Point(x2, y2), Point(x3, y3)};
    return TrackStatus(gdip::GdipDrawImagePointsRectI(handle_, image.GetNativeHandle(), points, 3, sourceX, sourceY,
                                                      sourceWidth, sourceHeight, UnitOf(sourceUnit, kPixelUnit),
                                                      attributes, nullptr, nullptr));
}

bool GraphicsObject::EnumerateMetafileDestPoint(Metafile metafile, const PointF& destination,
                                                MetafileCallback callback, void* data, Attributes attributes) {
    return TrackStatus(gdip::GdipEnumerateMetafileDestPoint(handle_, metafile, destination, callback, data, attributes));
}

bool GraphicsObject::EnumerateMetafileDestPointI(Metafile metafile, const Point& destination,
                                                 MetafileCallback callback, void* data, Attributes attributes) {
    return TrackStatus(
        gdip::GdipEnumerateMetafileDestPointI(handle_, metafile, destination, callback, data, attributes));
}

bool GraphicsObject::EnumerateMetafileDestPoints(Metafile metafile, std::span<const PointF> destination,
                                                 MetafileCallback callback, void* data, Attributes attributes) {
    return TrackStatus(gdip::GdipEnumerateMetafileDestPoints(handle_, metafile, destination.data(),
                                                             CountOf(destination), callback, data, attributes));
}

bool GraphicsObject::EnumerateMetafileDestPointsI(Metafile metafile, std::span<const Point> destination,
                                                  MetafileCallback callback, void* data, Attributes attributes) {
    return TrackStatus(gdip::GdipEnumerateMetafileDestPointsI(handle_, metafile, destination.data(),
                                                              CountOf(destination), callback, data, attributes));
}

bool GraphicsObject::EnumerateMetafileDestRect(Metafile metafile, const RectF& destination, MetafileCallback callback,
                                               void* data, Attributes attributes) {
    return TrackStatus(gdip::GdipEnumerateMetafileDestRect(handle_, metafile, destination, callback, data, attributes));
}

bool GraphicsObject::EnumerateMetafileDestRectI(Metafile metafile, const Rect& destination,
                                                MetafileCallback callback, void* data, Attributes attributes) {
    return TrackStatus(gdip::GdipEnumerateMetafileDestRectI(handle_, metafile, destination, callback, data, attributes));
}

bool GraphicsObject::EnumerateMetafileSrcRectDestPoint(Metafile metafile, const PointF& destination,
                                                       const RectF& source, int sourceUnit, MetafileCallback callback,
                                                       void* data, Attributes attributes) {
    return TrackStatus(gdip::GdipEnumerateMetafileSrcRectDestPoint(
        handle_, metafile, destination, source, static_cast<Gdiplus::Unit>(sourceUnit), callback, data, attributes));
}

bool GraphicsObject::EnumerateMetafileSrcRectDestPointI(Metafile metafile, const Point& destination,
                                                        const Rect& source, int sourceUnit, MetafileCallback callback,
                                                        void* data, Attributes attributes) {
    return TrackStatus(gdip::GdipEnumerateMetafileSrcRectDestPointI(
        handle_, metafile, destination, source, static_cast<Gdiplus::Unit>(sourceUnit), callback, data, attributes));
}

bool GraphicsObject::EnumerateMetafileSrcRectDestPoints(Metafile metafile, std::span<const PointF> destination,
                                                        const RectF& source, int sourceUnit,
                                                        MetafileCallback callback, void* data, Attributes attributes) {
    return TrackStatus(gdip::GdipEnumerateMetafileSrcRectDestPoints(handle_, metafile, destination.data(),
                                                                    CountOf(destination), source,
                                                                    static_cast<Gdiplus::Unit>(sourceUnit), callback,
                                                                    data, attributes));
}

bool GraphicsObject::EnumerateMetafileSrcRectDestPointsI(Metafile metafile, std::span<const Point> destination,
                                                         const Rect& source, int sourceUnit,
                                                         MetafileCallback callback, void* data,
                                                         Attributes attributes) {
    return TrackStatus(gdip::GdipEnumerateMetafileSrcRectDestPointsI(handle_, metafile, destination.data(),
                                                                     CountOf(destination), source,
                                                                     static_cast<Gdiplus::Unit>(sourceUnit), callback,
                                                                     data, attributes));
}

bool GraphicsObject::EnumerateMetafileSrcRectDestRect(Metafile metafile, const RectF& destination,
                                                      const RectF& source, int sourceUnit, MetafileCallback callback,
                                                      void* data, Attributes attributes) {
    return TrackStatus(gdip::GdipEnumerateMetafileSrcRectDestRect(
        handle_, metafile, destination, source, static_cast<Gdiplus::Unit>(sourceUnit), callback, data, attributes));
}

bool GraphicsObject::EnumerateMetafileSrcRectDestRectI(Metafile metafile, const Rect& destination, const Rect& source,
                                                       int sourceUnit, MetafileCallback callback, void* data,
                                                       Attributes attributes) {
    return TrackStatus(gdip::GdipEnumerateMetafileSrcRectDestRectI(
        handle_, metafile, destination, source, static_cast<Gdiplus::Unit>(sourceUnit), callback, data, attributes));
}

}  // namespace lumbra
