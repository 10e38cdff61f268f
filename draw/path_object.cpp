#include "draw/path_object.h"

#include "draw/font_family_object.h"
#include "draw/gdip_args.h"
#include "draw/graphics_object.h"
#include "draw/matrix_object.h"
#include "draw/pen_object.h"
#include "draw/string_format_object.h"
#include "draw/text_to_wide.h"

#include <algorithm>

namespace lumbra {
namespace {

// The library's layout of path data; the caller provides both arrays.
struct PathDataBlock {
    INT Count;
    PointF* Points;
    BYTE* Types;
};

}  // namespace

bool PathObject::Create(std::optional<int> fillMode) {
    Gdiplus::GpPath* path = nullptr;
    return Adopt(gdip::GdipCreatePath(FillOf(fillMode), &path), path);
}

bool PathObject::CreateFromPoints(std::span<const PointF> points, std::span<const std::uint8_t> types,
                                  std::optional<int> fillMode) {
    // One type per point: never let the library read past either array.
    const INT count = static_cast<INT>(std::min(points.size(), types.size()));
    Gdiplus::GpPath* path = nullptr;
    return Adopt(gdip::GdipCreatePath2(points.data(), types.data(), count, FillOf(fillMode), &path), path);
}

bool PathObject::CreateFromPointsI(std::span<const Point> points, std::span<const std::uint8_t> types,
                                   std::optional<int> fillMode) {
    const INT count = static_cast<INT>(std::min(points.size(), types.size()));
    Gdiplus::GpPath* path = nullptr;
    return Adopt(gdip::GdipCreatePath2I(points.data(), types.data(), count, FillOf(fillMode), &path), path);
}

bool PathObject::Clone(PathObject& target) const {
    Gdiplus::GpPath* path = nullptr;
    return target.Adopt(gdip::GdipClonePath(handle_, &path), path);
}

bool PathObject::Reset() { return TrackStatus(gdip::GdipResetPath(handle_)); }

int PathObject::GetFillMode() const {
    return Read<Gdiplus::FillMode>([&](auto* v) { return gdip::GdipGetPathFillMode(handle_, v); });
}

bool PathObject::SetFillMode(int mode) {
    return TrackStatus(gdip::GdipSetPathFillMode(handle_, static_cast<Gdiplus::FillMode>(mode)));
}

bool PathObject::GetPathData(std::vector<PointF>& points, std::vector<std::uint8_t>& types) const {
    const int count = GetPointCount();
    if (LastStatus() != 0) return false;
    std::vector<PointF> p(static_cast<std::size_t>(count));
    std::vector<std::uint8_t> t(static_cast<std::size_t>(count));
    PathDataBlock data{count, p.data(), t.data()};
    if (count > 0 && !TrackStatus(gdip::GdipGetPathData(handle_, reinterpret_cast<Gdiplus::GpPathData*>(&data))))
        return false;
    points = std::move(p);
    types = std::move(t);
    return true;
}

bool PathObject::GetPathTypes(std::vector<std::uint8_t>& target) const {
    const int count = GetPointCount();
    if (LastStatus() != 0) return false;
    std::vector<std::uint8_t> types(static_cast<std::size_t>(count));
    if (count > 0 && !TrackStatus(gdip::GdipGetPathTypes(handle_, types.data(), count))) return false;
    target = std::move(types);
    return true;
}

bool PathObject::GetPathPoints(std::vector<PointF>& target) const {
    const int count = GetPointCount();
    if (LastStatus() != 0) return false;
    std::vector<PointF> points(static_cast<std::size_t>(count));
    if (count > 0 && !TrackStatus(gdip::GdipGetPathPoints(handle_, points.data(), count))) return false;
    target = std::move(points);
    return true;
}

bool PathObject::GetPathPointsI(std::vector<Point>& target) const {
    const int count = GetPointCount();
    if (LastStatus() != 0) return false;
    std::vector<Point> points(static_cast<std::size_t>(count));
    if (count > 0 && !TrackStatus(gdip::GdipGetPathPointsI(handle_, points.data(), count))) return false;
    target = std::move(points);
    return true;
}

bool PathObject::StartFigure() { return TrackStatus(gdip::GdipStartPathFigure(handle_)); }

bool PathObject::CloseFigure() { return TrackStatus(gdip::GdipClosePathFigure(handle_)); }

bool PathObject::CloseAllFigures() { return TrackStatus(gdip::GdipClosePathFigures(handle_)); }

bool PathObject::SetMarker() { return TrackStatus(gdip::GdipSetPathMarker(handle_)); }

bool PathObject::ClearMarkers() { return TrackStatus(gdip::GdipClearPathMarkers(handle_)); }

bool PathObject::Reverse() { return TrackStatus(gdip::GdipReversePath(handle_)); }

PointF PathObject::GetLastPoint() const {
    return Read<PointF>([&](PointF* v) { return gdip::GdipGetPathLastPoint(handle_, v); });
}

bool PathObject::AddLine(float x1, float y1, float x2, float y2) {
    return TrackStatus(gdip::GdipAddPathLine(handle_, x1, y1, x2, y2));
}

bool PathObject::AddLineI(int x1, int y1, int x2, int y2) {
    return TrackStatus(gdip::GdipAddPathLineI(handle_, x1, y1, x2, y2));
}

bool PathObject::AddLines(std::span<const PointF> points) {
    return TrackStatus(gdip::GdipAddPathLine2(handle_, points.data(), CountOf(points)));
}

bool PathObject::AddLinesI(std::span<const Point> points) {
    return TrackStatus(gdip::GdipAddPathLine2I(handle_, points.data(), CountOf(points)));
}

bool PathObject::AddArc(float x, float y, float width, float height, float start, float sweep) {
    return TrackStatus(gdip::GdipAddPathArc(handle_, x, y, width, height, start, sweep));
}

bool PathObject::AddArcI(int x, int y, int width, int height, float start, float sweep) {
    return TrackStatus(gdip::GdipAddPathArcI(handle_, x, y, width, height, start, sweep));
}

bool PathObject::AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) {
    return TrackStatus(gdip::GdipAddPathBezier(handle_, x1, y1, x2, y2, x3, y3, x4, y4));
}

bool PathObject::AddBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return TrackStatus(gdip::GdipAddPathBezierI(handle_, x1, y1, x2, y2, x3, y3, x4, y4));
}

bool PathObject::AddBeziers(std::span<const PointF> points) {
    return TrackStatus(gdip::GdipAddPathBeziers(handle_, points.data(), CountOf(points)));
}

bool PathObject::AddBeziersI(std::span<const Point> points) {
    return TrackStatus(gdip::GdipAddPathBeziersI(handle_, points.data(), CountOf(points)));
}

bool PathObject::AddCurve(std::span<const PointF> points) {
    return TrackStatus(gdip::GdipAddPathCurve(handle_, points.data(), CountOf(points)));
}

bool PathObject::AddCurve2(std::span<const PointF> points, float tension) {
    return TrackStatus(gdip::GdipAddPathCurve2(handle_, points.data(), CountOf(points), tension));
}

bool PathObject::AddCurve3(std::span<const PointF> points, int offset, int segments, float tension) {
    return TrackStatus(gdip::GdipAddPathCurve3(handle_, points.data(), CountOf(points), offset, segments, tension));
}

bool PathObject::AddCurveI(std::span<const Point> points) {
    return TrackStatus(gdip::GdipAddPathCurveI(handle_, points.data(), CountOf(points)));
}

bool PathObject::AddCurve2I(std::span<const Point> points, float tension) {
    return TrackStatus(gdip::GdipAddPathCurve2I(handle_, points.data(), CountOf(points), tension));
}

bool PathObject::AddCurve3I(std::span<const Point> points, int offset, int segments, float tension) {
    return TrackStatus(gdip::GdipAddPathCurve3I(handle_, points.data(), CountOf(points), offset, segments, tension));
}

bool PathObject::AddClosedCurve(std::span<const PointF> points) {
    return TrackStatus(gdip::GdipAddPathClosedCurve(handle_, points.data(), CountOf(points)));
}

bool PathObject::AddClosedCurve2(std::span<const PointF> points, float tension) {
    return TrackStatus(gdip::GdipAddPathClosedCurve2(handle_, points.data(), CountOf(points), tension));
}

bool PathObject::AddClosedCurveI(std::span<const Point> points) {
    return TrackStatus(gdip::GdipAddPathClosedCurveI(handle_, points.data(), CountOf(points)));
}

bool PathObject::AddClosedCurve2I(std::span<const Point> points, float tension) {
    return TrackStatus(gdip::GdipAddPathClosedCurve2I(handle_, points.data(), CountOf(points), tension));
}

bool PathObject::AddRectangle(float x, float y, float width, float height) {
    return TrackStatus(gdip::GdipAddPathRectangle(handle_, x, y, width, height));
}

bool PathObject::AddRoundRectangle(float x, float y, float width, float height, int percentage) {
    const int p = std::clamp(percentage, 1, 100);
    const auto cw = static_cast<float>(static_cast<int>(width * static_cast<float>(p) / 100));
    const auto ch = static_cast<float>(static_cast<int>(height * static_cast<float>(p) / 100));
    gdip::GdipAddPathArc(handle_, x + width - cw, y, cw, ch, 270, 90);
    gdip::GdipAddPathArc(handle_, x + width - cw, y + height - ch, cw, ch, 0, 90);
    gdip::GdipAddPathArc(handle_, x, y + height - ch, cw, ch, 90, 90);
    gdip::GdipAddPathArc(handle_, x, y, cw, ch, 180, 90);
    return CloseFigure();
}

bool PathObject::AddRectangles(std::span<const RectF> rectangles) {
    return TrackStatus(gdip::GdipAddPathRectangles(handle_, rectangles.data(), CountOf(rectangles)));
}

bool PathObject::AddRectangleI(int x, int y, int width, int height) {
    return TrackStatus(gdip::GdipAddPathRectangleI(handle_, x, y, width, height));
}

bool PathObject::AddRectanglesI(std::span<const Rect> rectangles) {
    return TrackStatus(gdip::GdipAddPathRectanglesI(handle_, rectangles.data(), CountOf(rectangles)));
}

bool PathObject::AddEllipse(float x, float y, float width, float height) {
    return TrackStatus(gdip::GdipAddPathEllipse(handle_, x, y, width, height));
}

bool PathObject::AddEllipseI(int x, int y, int width, int height) {
    return TrackStatus(gdip::GdipAddPathEllipseI(handle_, x, y, width, height));
}

bool PathObject::AddPie(float x, float y, float width, float height, float start, float sweep) {
    return TrackStatus(gdip::GdipAddPathPie(handle_, x, y, width, height, start, sweep));
}

bool PathObject::AddPieI(int x, int y, int width, int height, float start, float sweep) {
    return TrackStatus(gdip::GdipAddPathPieI(handle_, x, y, width, height, start, sweep));
}

bool PathObject::AddPolygon(std::span<const PointF> points) {
    return TrackStatus(gdip::GdipAddPathPolygon(handle_, points.data(), CountOf(points)));
}

bool PathObject::AddPolygonI(std::span<const Point> points) {
    return TrackStatus(gdip::GdipAddPathPolygonI(handle_, points.data(), CountOf(points)));
}

bool PathObject::AddPath(const PathObject& other, bool connect) {
    return TrackStatus(gdip::GdipAddPathPath(handle_, other.handle_, connect ? TRUE : FALSE));
}

bool PathObject::AddString(const std::string& text, const FontFamilyObject& family, int emSize, const RectF& layout,
                           int style, const StringFormatObject& format) {
    return AddStringW(TextToWide(text), family, emSize, layout, style, format);
}

bool PathObject::AddStringW(const std::wstring& text, const FontFamilyObject& family, int emSize,
                            const RectF& layout, int style, const StringFormatObject& format) {
    return TrackStatus(gdip::GdipAddPathString(handle_, text.c_str(), static_cast<INT>(text.size()),
                                               family.GetNativeHandle(), style, static_cast<float>(emSize), &layout,
                                               format.GetNativeHandle()));
}

bool PathObject::AddStringI(const std::string& text, const FontFamilyObject& family, int emSize, const Rect& layout,
                            int style, const StringFormatObject& format) {
    return AddStringIW(TextToWide(text), family, emSize, layout, style, format);
}

bool PathObject::AddStringIW(const std::wstring& text, const FontFamilyObject& family, int emSize, const Rect& layout,
                             int style, const StringFormatObject& format) {
    return TrackStatus(gdip::GdipAddPathStringI(handle_, text.c_str(), static_cast<INT>(text.size()),
                                                family.GetNativeHandle(), style, static_cast<float>(emSize), &layout,
                                                format.GetNativeHandle()));
}

bool PathObject::Transform(const MatrixObject& matrix) {
    return TrackStatus(gdip::GdipTransformPath(handle_, matrix.GetNativeHandle()));
}

bool PathObject::Flatten(const MatrixObject& matrix, float flatness) {
    return TrackStatus(gdip::GdipFlattenPath(handle_, matrix.GetNativeHandle(), flatness));
}

bool PathObject::Widen(const PenObject& pen, const MatrixObject& matrix, float flatness) {
    return TrackStatus(gdip::GdipWidenPath(handle_, pen.GetNativeHandle(), matrix.GetNativeHandle(), flatness));
}

bool PathObject::Outline(const MatrixObject& matrix, float flatness) {
    return TrackStatus(gdip::GdipWindingModeOutline(handle_, matrix.GetNativeHandle(), flatness));
}

bool PathObject::Warp(const MatrixObject& matrix, std::span<const PointF> destination, const RectF& source,
                      int warpMode, float flatness) {
    return TrackStatus(gdip::GdipWarpPath(handle_, matrix.GetNativeHandle(), destination.data(), CountOf(destination),
                                          source.X, source.Y, source.Width, source.Height,
                                          static_cast<Gdiplus::WarpMode>(warpMode), flatness));
}

int PathObject::GetPointCount() const {
    return Read<INT>([&](INT* v) { return gdip::GdipGetPointCount(handle_, v); });
}

RectF PathObject::GetBounds(const MatrixObject& matrix, const PenObject& pen) const {
    return Read<RectF>([&](RectF* v) {
        return gdip::GdipGetPathWorldBounds(handle_, v, matrix.GetNativeHandle(), pen.GetNativeHandle());
    });
}

Rect PathObject::GetBoundsI(const MatrixObject& matrix, const PenObject& pen) const {
    return Read<Rect>([&](Rect* v) {
        return gdip::GdipGetPathWorldBoundsI(handle_, v, matrix.GetNativeHandle(), pen.GetNativeHandle());
    });
}

bool PathObject::IsVisible(float x, float y, const GraphicsObject& graphics) const {
    return Read<BOOL>([&](BOOL* v) {
               return gdip::GdipIsVisiblePathPoint(handle_, x, y, graphics.GetNativeHandle(), v);
           }) != FALSE;
}

bool PathObject::IsVisibleI(int x, int y, const GraphicsObject& graphics) const {
    return Read<BOOL>([&](BOOL* v) {
               return gdip::GdipIsVisiblePathPointI(handle_, x, y, graphics.GetNativeHandle(), v);
           }) != FALSE;
}

bool PathObject::IsOutlineVisible(float x, float y, const PenObject& pen, const GraphicsObject& graphics) const {
    return Read<BOOL>([&](BOOL* v) {
               return gdip::GdipIsOutlineVisiblePathPoint(handle_, x, y, pen.GetNativeHandle(),
                                                          graphics.GetNativeHandle(), v);
           }) != FALSE;
}

bool PathObject::IsOutlineVisibleI(int x, int y, const PenObject& pen, const GraphicsObject& graphics) const {
    return Read<BOOL>([&](BOOL* v) {
               return gdip::GdipIsOutlineVisiblePathPointI(handle_, x, y, pen.GetNativeHandle(),
                                                           graphics.GetNativeHandle(), v);
           }) != FALSE;
}

}  // namespace lumbra
