#include "draw/graphics_object.h"

#include "draw/gdip_args.h"
#include "draw/image_object.h"
#include "draw/matrix_object.h"
#include "draw/path_object.h"
#include "draw/region_object.h"

namespace lumbra {

void GraphicsObject::Flush(int intention) { gdip::GdipFlush(handle_, static_cast<Gdiplus::FlushIntention>(intention)); }

bool GraphicsObject::CreateFromHwnd(HWND window, std::optional<bool> useIcm) {
    Gdiplus::GpGraphics* graphics = nullptr;
    return Adopt(useIcm.value_or(false) ? gdip::GdipCreateFromHWNDICM(window, &graphics)
                                        : gdip::GdipCreateFromHWND(window, &graphics),
                 graphics);
}

bool GraphicsObject::CreateFromHdc(HDC dc, std::optional<HANDLE> device) {
    Gdiplus::GpGraphics* graphics = nullptr;
    return Adopt(device ? gdip::GdipCreateFromHDC2(dc, *device, &graphics) : gdip::GdipCreateFromHDC(dc, &graphics),
                 graphics);
}

bool GraphicsObject::CreateFromImage(const ImageObject& image) {
    Gdiplus::GpGraphics* graphics = nullptr;
    return Adopt(gdip::GdipGetImageGraphicsContext(image.GetNativeHandle(), &graphics), graphics);
}

HDC GraphicsObject::GetHdc() {
    return Read<HDC>([&](HDC* dc) { return gdip::GdipGetDC(handle_, dc); });
}

bool GraphicsObject::ReleaseHdc(HDC dc) { return TrackStatus(gdip::GdipReleaseDC(handle_, dc)); }

int GraphicsObject::GetCompositingMode() const {
    return Read<Gdiplus::CompositingMode>([&](auto* v) { return gdip::GdipGetCompositingMode(handle_, v); });
}

bool GraphicsObject::SetCompositingMode(int mode) {
    return TrackStatus(gdip::GdipSetCompositingMode(handle_, static_cast<Gdiplus::CompositingMode>(mode)));
}

bool GraphicsObject::GetRenderingOrigin(int& x, int& y) const {
    INT ox = 0, oy = 0;
    if (!TrackStatus(gdip::GdipGetRenderingOrigin(handle_, &ox, &oy))) return false;
    x = ox;
    y = oy;
    return true;
}

bool GraphicsObject::SetRenderingOrigin(int x, int y) { return TrackStatus(gdip::GdipSetRenderingOrigin(handle_, x, y)); }

int GraphicsObject::GetCompositingQuality() const {
    return Read<Gdiplus::CompositingQuality>([&](auto* v) { return gdip::GdipGetCompositingQuality(handle_, v); });
}

bool GraphicsObject::SetCompositingQuality(int quality) {
    return TrackStatus(gdip::GdipSetCompositingQuality(handle_, static_cast<Gdiplus::CompositingQuality>(quality)));
}

bool GraphicsObject::SetSmoothingMode(int mode) {
    return TrackStatus(gdip::GdipSetSmoothingMode(handle_, static_cast<Gdiplus::SmoothingMode>(mode)));
}

int GraphicsObject::GetSmoothingMode() const {
    return Read<Gdiplus::SmoothingMode>([&](auto* v) { return gdip::GdipGetSmoothingMode(handle_, v); });
}

bool GraphicsObject::SetTextRenderingHint(int hint) {
    return TrackStatus(gdip::GdipSetTextRenderingHint(handle_, static_cast<Gdiplus::TextRenderingHint>(hint)));
}

int GraphicsObject::GetTextRenderingHint() const {
    return Read<Gdiplus::TextRenderingHint>([&](auto* v) { return gdip::GdipGetTextRenderingHint(handle_, v); });
}

bool GraphicsObject::SetInterpolationMode(int mode) {
    return TrackStatus(gdip::GdipSetInterpolationMode(handle_, static_cast<Gdiplus::InterpolationMode>(mode)));
}

int GraphicsObject::GetInterpolationMode() const {
    return Read<Gdiplus::InterpolationMode>([&](auto* v) { return gdip::GdipGetInterpolationMode(handle_, v); });
}

bool GraphicsObject::SetPixelOffsetMode(int mode) {
    return TrackStatus(gdip::GdipSetPixelOffsetMode(handle_, static_cast<Gdiplus::PixelOffsetMode>(mode)));
}

int GraphicsObject::GetPixelOffsetMode() const {
    return Read<Gdiplus::PixelOffsetMode>([&](auto* v) { return gdip::GdipGetPixelOffsetMode(handle_, v); });
}

bool GraphicsObject::SetTransform(const MatrixObject& matrix) {
    return TrackStatus(gdip::GdipSetWorldTransform(handle_, matrix.GetNativeHandle()));
}

bool GraphicsObject::GetTransform(MatrixObject& target) const {
    MatrixObject matrix;
    if (!matrix.Create()) return false;
    if (!TrackStatus(gdip::GdipGetWorldTransform(handle_, matrix.GetNativeHandle()))) return false;
    target = std::move(matrix);
    return true;
}

bool GraphicsObject::ResetTransform() { return TrackStatus(gdip::GdipResetWorldTransform(handle_)); }

bool GraphicsObject::MultiplyTransform(const MatrixObject& matrix, Order order) {
    return TrackStatus(gdip::GdipMultiplyWorldTransform(handle_, matrix.GetNativeHandle(), OrderOf(order)));
}

bool GraphicsObject::TranslateTransform(float dx, float dy, Order order) {
    return TrackStatus(gdip::GdipTranslateWorldTransform(handle_, dx, dy, OrderOf(order)));
}

bool GraphicsObject::ScaleTransform(float sx, float sy, Order order) {
    return TrackStatus(gdip::GdipScaleWorldTransform(handle_, sx, sy, OrderOf(order)));
}


bool GraphicsObject::ScaleTransformAt(float sx, float sy, PointF centre, Order order) {
    return AboutCentre(
        centre, order, [&](float dx, float dy, auto o) { return gdip::GdipTranslateWorldTransform(handle_, dx, dy, o); },
        [&](auto o) { return gdip::GdipScaleWorldTransform(handle_, sx, sy, o); });
}

bool GraphicsObject::RotateTransform(float angle, Order order) {
    return TrackStatus(gdip::GdipRotateWorldTransform(handle_, angle, OrderOf(order)));
}

bool GraphicsObject::RotateTransformAt(float angle, PointF centre, Order order) {
    return AboutCentre(
        centre, order, [&](float dx, float dy, auto o) { return gdip::GdipTranslateWorldTransform(handle_, dx, dy, o); },
        [&](auto o) { return gdip::GdipRotateWorldTransform(handle_, angle, o); });
}

bool GraphicsObject::SetPageUnit(int unit) {
    return TrackStatus(gdip::GdipSetPageUnit(handle_, static_cast<Gdiplus::Unit>(unit)));
}

int GraphicsObject::GetPageUnit() const {
    return Read<Gdiplus::Unit>([&](auto* v) { return gdip::GdipGetPageUnit(handle_, v); });
}

bool GraphicsObject::SetPageScale(float scale) { return TrackStatus(gdip::GdipSetPageScale(handle_, scale)); }

float GraphicsObject::GetPageScale() const {
    return Read<float>([&](float* v) { return gdip::GdipGetPageScale(handle_, v); });
}

float GraphicsObject::GetDpiX() const {
    return Read<float>([&](float* v) { return gdip::GdipGetDpiX(handle_, v); });
}

float GraphicsObject::GetDpiY() const {
    return Read<float>([&](float* v) { return gdip::GdipGetDpiY(handle_, v); });
}

bool GraphicsObject::TransformPoints(int destinationSpace, int sourceSpace, std::span<PointF> points) const {
    return TrackStatus(gdip::GdipTransformPoints(handle_, static_cast<Gdiplus::CoordinateSpace>(destinationSpace),
                                                 static_cast<Gdiplus::CoordinateSpace>(sourceSpace), points.data(),
                                                 CountOf(points)));
}

bool GraphicsObject::TransformPointsI(int destinationSpace, int sourceSpace, std::span<Point> points) const {
    return TrackStatus(gdip::GdipTransformPointsI(handle_, static_cast<Gdiplus::CoordinateSpace>(destinationSpace),
                                                  static_cast<Gdiplus::CoordinateSpace>(sourceSpace), points.data(),
                                                  CountOf(points)));
}

std::uint32_t GraphicsObject::GetNearestColor(std::uint32_t argb) const {
    Gdiplus::ARGB color = argb;
    return TrackStatus(gdip::GdipGetNearestColor(handle_, &color)) ? color : 0;
}

bool GraphicsObject::SetClipGraphics(const GraphicsObject& other, ClipMode mode) {
    return TrackStatus(gdip::GdipSetClipGraphics(handle_, other.handle_, CombineOf(mode)));
}

bool GraphicsObject::SetClipPath(const PathObject& path, ClipMode mode) {
    return TrackStatus(gdip::GdipSetClipPath(handle_, path.GetNativeHandle(), CombineOf(mode)));
}

bool GraphicsObject::SetClipRect(float x, float y, float width, float height, ClipMode mode) {
    return TrackStatus(gdip::GdipSetClipRect(handle_, x, y, width, height, CombineOf(mode)));
}

bool GraphicsObject::SetClipRectI(int x, int y, int width, int height, ClipMode mode) {
    return TrackStatus(gdip::GdipSetClipRectI(handle_, x, y, width, height, CombineOf(mode)));
}

bool GraphicsObject::SetClipRegion(const RegionObject& region, ClipMode mode) {
    return TrackStatus(gdip::GdipSetClipRegion(handle_, region.GetNativeHandle(), CombineOf(mode)));
}

bool GraphicsObject::SetClipHrgn(HRGN region, ClipMode mode) {
    return TrackStatus(gdip::GdipSetClipHrgn(handle_, region, CombineOf(mode)));
}

bool GraphicsObject::ResetClip() { return TrackStatus(gdip::GdipResetClip(handle_)); }

bool GraphicsObject::TranslateClip(float dx, float dy) { return TrackStatus(gdip::GdipTranslateClip(handle_, dx, dy)); }

bool GraphicsObject::TranslateClipI(int dx, int dy) { return TrackStatus(gdip::GdipTranslateClipI(handle_, dx, dy)); }

bool GraphicsObject::GetClip(RegionObject& target) const {
    RegionObject region;
    if (!region.Create()) return false;
    if (!TrackStatus(gdip::GdipGetClip(handle_, region.GetNativeHandle()))) return false;
    target = std::move(region);
    return true;
}

RectF GraphicsObject::GetClipBounds() const {
    return Read<RectF>([&](RectF* v) { return gdip::GdipGetClipBounds(handle_, v); });
}

Rect GraphicsObject::GetClipBoundsI() const {
    return Read<Rect>([&](Rect* v) { return gdip::GdipGetClipBoundsI(handle_, v); });
}

RectF GraphicsObject::GetVisibleClipBounds() const {
    return Read<RectF>([&](RectF* v) { return gdip::GdipGetVisibleClipBounds(handle_, v); });
}

Rect GraphicsObject::GetVisibleClipBoundsI() const {
    return Read<Rect>([&](Rect* v) { return gdip::GdipGetVisibleClipBoundsI(handle_, v); });
}

bool GraphicsObject::IsClipEmpty() const {
    return Read<BOOL>([&](BOOL* v) { return gdip::GdipIsClipEmpty(handle_, v); }) != FALSE;
}

bool GraphicsObject::IsVisibleClipEmpty() const {
    return Read<BOOL>([&](BOOL* v) { return gdip::GdipIsVisibleClipEmpty(handle_, v); }) != FALSE;
}

bool GraphicsObject::IsVisiblePoint(float x, float y) const {
    return Read<BOOL>([&](BOOL* v) { return gdip::GdipIsVisiblePoint(handle_, x, y, v); }) != FALSE;
}

bool GraphicsObject::IsVisiblePointI(int x, int y) const {
    return Read<BOOL>([&](BOOL* v) { return gdip::GdipIsVisiblePointI(handle_, x, y, v); }) != FALSE;
}

bool GraphicsObject::IsVisibleRect(float x, float y, float width, float height) const {
    return Read<BOOL>([&](BOOL* v) { return gdip::GdipIsVisibleRect(handle_, x, y, width, height, v); }) != FALSE;
}

bool GraphicsObject::IsVisibleRectI(int x, int y, int width, int height) const {
    return Read<BOOL>([&](BOOL* v) { return gdip::GdipIsVisibleRectI(handle_, x, y, width, height, v); }) != FALSE;
}

unsigned GraphicsObject::Save() {
    return Read<Gdiplus::GraphicsState>([&](auto* v) { return gdip::GdipSaveGraphics(handle_, v); });
}

bool GraphicsObject::Restore(unsigned state) { return TrackStatus(gdip::GdipRestoreGraphics(handle_, state)); }

unsigned GraphicsObject::BeginContainer(const RectF& destination, const RectF& source, int unit) {
    return Read<Gdiplus::GraphicsContainer>([&](auto* v) {
        return gdip::GdipBeginContainer(handle_, &destination, &source, static_cast<Gdiplus::Unit>(unit), v);
    });
}

unsigned GraphicsObject::BeginContainerI(const Rect& destination, const Rect& source, int unit) {
    return Read<Gdiplus::GraphicsContainer>([&](auto* v) {
        return gdip::GdipBeginContainerI(handle_, &destination, &source, static_cast<Gdiplus::Unit>(unit), v);
    });
}

unsigned GraphicsObject::BeginContainerPlain() {
    return Read<Gdiplus::GraphicsContainer>([&](auto* v) { return gdip::GdipBeginContainer2(handle_, v); });
}

bool GraphicsObject::EndContainer(unsigned container) {
    return TrackStatus(gdip::GdipEndContainer(handle_, container));
}

bool GraphicsObject::AddComment(const ByteBuffer& data) {
    return TrackStatus(gdip::GdipComment(handle_, static_cast<UINT>(data.size()), data.data()));
}

}  // namespace lumbra
