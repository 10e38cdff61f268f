// GraphicsObject: outlines and fills.
#include "draw/brush_object.h"
#include "draw/gdip_args.h"
#include "draw/graphics_object.h"
#include "draw/path_object.h"
#include "draw/pen_object.h"
#include "draw/region_object.h"

namespace lumbra {

bool GraphicsObject::DrawLine(const PenObject& pen, float x1, float y1, float x2, float y2) {
    return TrackStatus(gdip::GdipDrawLine(handle_, pen.GetNativeHandle(), x1, y1, x2, y2));
}

bool GraphicsObject::DrawLineI(const PenObject& pen, int x1, int y1, int x2, int y2) {
    return TrackStatus(gdip::GdipDrawLineI(handle_, pen.GetNativeHandle(), x1, y1, x2, y2));
}

bool GraphicsObject::DrawLines(const PenObject& pen, std::span<const PointF> points) {
    return TrackStatus(gdip::GdipDrawLines(handle_, pen.GetNativeHandle(), points.data(), CountOf(points)));
}

bool GraphicsObject::DrawLinesI(const PenObject& pen, std::span<const Point> points) {
    return TrackStatus(gdip::GdipDrawLinesI(handle_, pen.GetNativeHandle(), points.data(), CountOf(points)));
}

bool GraphicsObject::DrawArc(const PenObject& pen, float x, float y, float width, float height, float start,
                             float sweep) {
    return TrackStatus(gdip::GdipDrawArc(handle_, pen.GetNativeHandle(), x, y, width, height, start, sweep));
}

bool GraphicsObject::DrawArcI(const PenObject& pen, int x, int y, int width, int height, float start, float sweep) {
    return TrackStatus(gdip::GdipDrawArcI(handle_, pen.GetNativeHandle(), x, y, width, height, start, sweep));
}

bool GraphicsObject::DrawBezier(const PenObject& pen, float x1, float y1, float x2, float y2, float x3, float y3,
                                float x4, float y4) {
    return TrackStatus(gdip::GdipDrawBezier(handle_, pen.GetNativeHandle(), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool GraphicsObject::DrawBezierI(const PenObject& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4,
                                 int y4) {
    return TrackStatus(gdip::GdipDrawBezierI(handle_, pen.GetNativeHandle(), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool GraphicsObject::DrawBeziers(const PenObject& pen, std::span<const PointF> points) {
    return TrackStatus(gdip::GdipDrawBeziers(handle_, pen.GetNativeHandle(), points.data(), CountOf(points)));
}

bool GraphicsObject::DrawBeziersI(const PenObject& pen, std::span<const Point> points) {
    return TrackStatus(gdip::GdipDrawBeziersI(handle_, pen.GetNativeHandle(), points.data(), CountOf(points)));
}

bool GraphicsObject::DrawRectangle(const PenObject& pen, float x, float y, float width, float height) {
    return TrackStatus(gdip::GdipDrawRectangle(handle_, pen.GetNativeHandle(), x, y, width, height));
}

bool GraphicsObject::DrawRectangleI(const PenObject& pen, int x, int y, int width, int height) {
    return TrackStatus(gdip::GdipDrawRectangleI(handle_, pen.GetNativeHandle(), x, y, width, height));
}

bool GraphicsObject::DrawRectangles(const PenObject& pen, std::span<const RectF> rectangles) {
    return TrackStatus(gdip::GdipDrawRectangles(handle_, pen.GetNativeHandle(), rectangles.data(), CountOf(rectangles)));
}

bool GraphicsObject::DrawRectanglesI(const PenObject& pen, std::span<const Rect> rectangles) {
    return TrackStatus(
        gdip::GdipDrawRectanglesI(handle_, pen.GetNativeHandle(), rectangles.data(), CountOf(rectangles)));
}

bool GraphicsObject::DrawEllipse(const PenObject& pen, float x, float y, float width, float height) {
    return TrackStatus(gdip::GdipDrawEllipse(handle_, pen.GetNativeHandle(), x, y, width, height));
}

bool GraphicsObject::DrawEllipseI(const PenObject& pen, int x, int y, int width, int height) {
    return TrackStatus(gdip::GdipDrawEllipseI(handle_, pen.GetNativeHandle(), x, y, width, height));
}

bool GraphicsObject::DrawPie(const PenObject& pen, float x, float y, float width, float height, float start,
                             float sweep) {
    return TrackStatus(gdip::GdipDrawPie(handle_, pen.GetNativeHandle(), x, y, width, height, start, sweep));
}

bool GraphicsObject::DrawPieI(const PenObject& pen, int x, int y, int width, int height, float start, float sweep) {
    return TrackStatus(gdip::GdipDrawPieI(handle_, pen.GetNativeHandle(), x, y, width, height, start, sweep));
}

bool GraphicsObject::DrawPolygon(const PenObject& pen, std::span<const PointF> points) {
    return TrackStatus(gdip::GdipDrawPolygon(handle_, pen.GetNativeHandle(), points.data(), CountOf(points)));
}

bool GraphicsObject::DrawPolygonI(const PenObject& pen, std::span<const Point> points) {
    return TrackStatus(gdip::GdipDrawPolygonI(handle_, pen.GetNativeHandle(), points.data(), CountOf(points)));
}

bool GraphicsObject::DrawPath(const PenObject& pen, const PathObject& path) {
    return TrackStatus(gdip::GdipDrawPath(handle_, pen.GetNativeHandle(), path.GetNativeHandle()));
}

bool GraphicsObject::DrawCurve(const PenObject& pen, std::span<const PointF> points) {
    return TrackStatus(gdip::GdipDrawCurve(handle_, pen.GetNativeHandle(), points.data(), CountOf(points)));
}

bool GraphicsObject::DrawCurveI(const PenObject& pen, std::span<const Point> points) {
    return TrackStatus(gdip::GdipDrawCurveI(handle_, pen.GetNativeHandle(), points.data(), CountOf(points)));
}

bool GraphicsObject::DrawCurve2(const PenObject& pen, std::span<const PointF> points, float tension) {
    return TrackStatus(gdip::GdipDrawCurve2(handle_, pen.GetNativeHandle(), points.data(), CountOf(points), tension));
}

bool GraphicsObject::DrawCurve2I(const PenObject& pen, std::span<const Point> points, float tension) {
    return TrackStatus(gdip::GdipDrawCurve2I(handle_, pen.GetNativeHandle(), points.data(), CountOf(points), tension));
}

bool GraphicsObject::DrawCurve3(const PenObject& pen, std::span<const PointF> points, int offset, int segments,
                                float tension) {
    return TrackStatus(
        gdip::GdipDrawCurve3(handle_, pen.GetNativeHandle(), points.data(), CountOf(points), offset, segments, tension));
}

bool GraphicsObject::DrawCurve3I(const PenObject& pen, std::span<const Point> points, int offset, int segments,
                                 float tension) {
    return TrackStatus(gdip::GdipDrawCurve3I(handle_, pen.GetNativeHandle(), points.data(), CountOf(points), offset,
                                             segments, tension));
}

bool GraphicsObject::DrawClosedCurve(const PenObject& pen, std::span<const PointF> points) {
    return TrackStatus(gdip::GdipDrawClosedCurve(handle_, pen.GetNativeHandle(), points.data(), CountOf(points)));
}

bool GraphicsObject::DrawClosedCurveI(const PenObject& pen, std::span<const Point> points) {
    return TrackStatus(gdip::GdipDrawClosedCurveI(handle_, pen.GetNativeHandle(), points.data(), CountOf(points)));
}

bool GraphicsObject::DrawClosedCurve2(const PenObject& pen, std::span<const PointF> points, float tension) {
    return TrackStatus(
        gdip::GdipDrawClosedCurve2(handle_, pen.GetNativeHandle(), points.data(), CountOf(points), tension));
}

bool GraphicsObject::DrawClosedCurve2I(const PenObject& pen, std::span<const Point> points, float tension) {
    return TrackStatus(
        gdip::GdipDrawClosedCurve2I(handle_, pen.GetNativeHandle(), points.data(), CountOf(points), tension));
}

bool GraphicsObject::Clear(std::uint32_t argb) {
    // The whole surface, whatever the clip: the library would honour it.
    RegionObject clip;
    if (!GetClip(clip)) return false;
    gdip::GdipResetClip(handle_);
    const GpStatus status = gdip::GdipGraphicsClear(handle_, argb);
    gdip::GdipSetClipRegion(handle_, clip.GetNativeHandle(), Gdiplus::CombineModeReplace);
    return TrackStatus(status);
}

bool GraphicsObject::FillRectangle(const BrushObject& brush, float x, float y, float width, float height) {
    return TrackStatus(gdip::GdipFillRectangle(handle_, brush.GetNativeHandle(), x, y, width, height));
}

bool GraphicsObject::FillRectangleRect(const BrushObject& brush, const RectF& r) {
    return TrackStatus(gdip::GdipFillRectangle(handle_, brush.GetNativeHandle(), r.X, r.Y, r.Width, r.Height));
}

bool GraphicsObject::FillRectangleI(const BrushObject& brush, int x, int y, int width, int height) {
    return TrackStatus(gdip::GdipFillRectangleI(handle_, brush.GetNativeHandle(), x, y, width, height));
}

bool GraphicsObject::FillRectangles(const BrushObject& brush, std::span<const RectF> rectangles) {
    return TrackStatus(
        gdip::GdipFillRectangles(handle_, brush.GetNativeHandle(), rectangles.data(), CountOf(rectangles)));
}

bool GraphicsObject::FillRectanglesI(const BrushObject& brush, std::span<const Rect> rectangles) {
    return TrackStatus(
        gdip::GdipFillRectanglesI(handle_, brush.GetNativeHandle(), rectangles.data(), CountOf(rectangles)));
}

bool GraphicsObject::FillPolygon(const BrushObject& brush, std::span<const PointF> points, std::optional<int> fillMode) {
    return TrackStatus(
        gdip::GdipFillPolygon(handle_, brush.GetNativeHandle(), points.data(), CountOf(points), FillOf(fillMode)));
}

bool GraphicsObject::FillPolygonI(const BrushObject& brush, std::span<const Point> points, std::optional<int> fillMode) {
    return TrackStatus(
        gdip::GdipFillPolygonI(handle_, brush.GetNativeHandle(), points.data(), CountOf(points), FillOf(fillMode)));
}

bool GraphicsObject::FillEllipse(const BrushObject& brush, float x, float y, float width, float height) {
    return TrackStatus(gdip::GdipFillEllipse(handle_, brush.GetNativeHandle(), x, y, width, height));
}

bool GraphicsObject::FillEllipseI(const BrushObject& brush, int x, int y, int width, int height) {
    return TrackStatus(gdip::GdipFillEllipseI(handle_, brush.GetNativeHandle(), x, y, width, height));
}

bool GraphicsObject::FillPie(const BrushObject& brush, float x, float y, float width, float height, float start,
                             float sweep) {
    return TrackStatus(gdip::GdipFillPie(handle_, brush.GetNativeHandle(), x, y, width, height, start, sweep));
}

bool GraphicsObject::FillPieI(const BrushObject& brush, int x, int y, int width, int height, float start, float sweep) {
    return TrackStatus(gdip::GdipFillPieI(handle_, brush.GetNativeHandle(), x, y, width, height, start, sweep));
}

bool GraphicsObject::FillPath(const BrushObject& brush, const PathObject& path) {
    return TrackStatus(gdip::GdipFillPath(handle_, brush.GetNativeHandle(), path.GetNativeHandle()));
}

bool GraphicsObject::FillClosedCurve(const BrushObject& brush, std::span<const PointF> points) {
    return TrackStatus(gdip::GdipFillClosedCurve(handle_, brush.GetNativeHandle(), points.data(), CountOf(points)));
}

bool GraphicsObject::FillClosedCurve2(const BrushObject& brush, std::span<const PointF> points, float tension,
                                      std::optional<int> fillMode) {
    return TrackStatus(gdip::GdipFillClosedCurve2(handle_, brush.GetNativeHandle(), points.data(), CountOf(points),
                                                  tension, FillOf(fillMode)));
}

bool GraphicsObject::FillClosedCurveI(const BrushObject& brush, std::span<const Point> points) {
    return TrackStatus(gdip::GdipFillClosedCurveI(handle_, brush.GetNativeHandle(), points.data(), CountOf(points)));
}

bool GraphicsObject::FillClosedCurve2I(const BrushObject& brush, std::span<const Point> points, float tension,
                                       std::optional<int> fillMode) {
    return TrackStatus(gdip::GdipFillClosedCurve2I(handle_, brush.GetNativeHandle(), points.data(), CountOf(points),
                                                   tension, FillOf(fillMode)));
}

bool GraphicsObject::FillRegion(const BrushObject& brush, const RegionObject& region) {
    return TrackStatus(gdip::GdipFillRegion(handle_, brush.GetNativeHandle(), region.GetNativeHandle()));
}

}  // namespace lumbra
