#pragma once
// A path: the figures from which the skin builds every rounded frame and clip.
#include "draw/gdip.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lumbra {

class FontFamilyObject;
class GraphicsObject;
class MatrixObject;
class PenObject;
class StringFormatObject;

class PathObject : public DrawingObject<Gdiplus::GpPath, gdip::GdipDeletePath> {
public:
    // fill mode: 0 (alternate) when not given.
    bool Create(std::optional<int> fillMode = std::nullopt);
    bool CreateFromPoints(std::span<const PointF> points, std::span<const std::uint8_t> types,
                          std::optional<int> fillMode = std::nullopt);
    bool CreateFromPointsI(std::span<const Point> points, std::span<const std::uint8_t> types,
                           std::optional<int> fillMode = std::nullopt);
    bool Clone(PathObject& target) const;
    bool Reset();
    int GetFillMode() const;
    bool SetFillMode(int mode);
    bool GetPathData(std::vector<PointF>& points, std::vector<std::uint8_t>& types) const;
    bool GetPathTypes(std::vector<std::uint8_t>& target) const;
    bool GetPathPoints(std::vector<PointF>& target) const;
    bool GetPathPointsI(std::vector<Point>& target) const;
    bool StartFigure();
    bool CloseFigure();
    bool CloseAllFigures();
    bool SetMarker();
    bool ClearMarkers();
    bool Reverse();
    PointF GetLastPoint() const;

    bool AddLine(float x1, float y1, float x2, float y2);
    bool AddLineI(int x1, int y1, int x2, int y2);
    bool AddLines(std::span<const PointF> points);
    bool AddLinesI(std::span<const Point> points);
    bool AddArc(float x, float y, float width, float height, float start, float sweep);
    bool AddArcI(int x, int y, int width, int height, float start, float sweep);
    bool AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
    bool AddBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    bool AddBeziers(std::span<const PointF> points);
    bool AddBeziersI(std::span<const Point> points);
    bool AddCurve(std::span<const PointF> points);
    bool AddCurve2(std::span<const PointF> points, float tension);
    bool AddCurve3(std::span<const PointF> points, int offset, int segments, float tension);
    bool AddCurveI(std::span<const Point> points);
    bool AddCurve2I(std::span<const Point> points, float tension);
    bool AddCurve3I(std::span<const Point> points, int offset, int segments, float tension);
    bool AddClosedCurve(std::span<const PointF> points);
    bool AddClosedCurve2(std::span<const PointF> points, float tension);
    bool AddClosedCurveI(std::span<const Point> points);
    bool AddClosedCurve2I(std::span<const Point> points, float tension);
    bool AddRectangle(float x, float y, float width, float height);
    // Corners of percentage % of the width and height (clamped into 1..100), closed.
    bool AddRoundRectangle(float x, float y, float width, float height, int percentage);
    bool AddRectangles(std::span<const RectF> rectangles);
    bool AddRectangleI(int x, int y, int width, int height);
    bool AddRectanglesI(std::span<const Rect> rectangles);
    bool AddEllipse(float x, float y, float width, float height);
    bool AddEllipseI(int x, int y, int width, int height);
    bool AddPie(float x, float y, float width, float height, float start, float sweep);
    bool AddPieI(int x, int y, int width, int height, float start, float sweep);
    bool AddPolygon(std::span<const PointF> points);
    bool AddPolygonI(std::span<const Point> points);
    bool AddPath(const PathObject& other, bool connect);
    // Texts are code page 936; the W twins take UTF-16.
    bool AddString(const std::string& text, const FontFamilyObject& family, int emSize, const RectF& layout,
                   int style, const StringFormatObject& format);
    bool AddStringW(const std::wstring& text, const FontFamilyObject& family, int emSize, const RectF& layout,
                    int style, const StringFormatObject& format);
    bool AddStringI(const std::string& text, const FontFamilyObject& family, int emSize, const Rect& layout,
                    int style, const StringFormatObject& format);
    bool AddStringIW(const std::wstring& text, const FontFamilyObject& family, int emSize, const Rect& layout,
                     int style, const StringFormatObject& format);

    bool Transform(const MatrixObject& matrix);
    bool Flatten(const MatrixObject& matrix, float flatness);
    bool Widen(const PenObject& pen, const MatrixObject& matrix, float flatness);
    bool Outline(const MatrixObject& matrix, float flatness);
    bool Warp(const MatrixObject& matrix, std::span<const PointF> destination, const RectF& source, int warpMode,
              float flatness);
    int GetPointCount() const;
    RectF GetBounds(const MatrixObject& matrix, const PenObject& pen) const;
    Rect GetBoundsI(const MatrixObject& matrix, const PenObject& pen) const;
    bool IsVisible(float x, float y, const GraphicsObject& graphics) const;
    bool IsVisibleI(int x, int y, const GraphicsObject& graphics) const;
    bool IsOutlineVisible(float x, float y, const PenObject& pen, const GraphicsObject& graphics) const;
    bool IsOutlineVisibleI(int x, int y, const PenObject& pen, const GraphicsObject& graphics) const;
};

}  // namespace lumbra
