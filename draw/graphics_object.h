#pragma once
// The drawing surface: created on a device context, a window or a picture; fills, outlines,
// text and pictures drawn with the other drawing objects.
#include "draw/byte_buffer.h"
#include "draw/gdip.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lumbra {

class BrushObject;
class FontObject;
class ImageObject;
class MatrixObject;
class PathObject;
class PenObject;
class RegionObject;
class StringFormatObject;

// order: 0 prepend (the default), 1 append. Clip modes: 0 replace (the default) … 5 complement.
class GraphicsObject : public DrawingObject<Gdiplus::GpGraphics, gdip::GdipDeleteGraphics> {
public:
    using Order = std::optional<int>;
    using ClipMode = std::optional<int>;
    using Attributes = const Gdiplus::GpImageAttributes*;

    void Flush(int intention);
    bool CreateFromHwnd(HWND window, std::optional<bool> useIcm = std::nullopt);
    bool CreateFromHdc(HDC dc, std::optional<HANDLE> device = std::nullopt);
    // Dispose the graphics before the picture.
    bool CreateFromImage(const ImageObject& image);
    HDC GetHdc();
    bool ReleaseHdc(HDC dc);

    int GetCompositingMode() const;
    bool SetCompositingMode(int mode);
    bool GetRenderingOrigin(int& x, int& y) const;
    bool SetRenderingOrigin(int x, int y);
    int GetCompositingQuality() const;
    bool SetCompositingQuality(int quality);
    bool SetSmoothingMode(int mode);
    int GetSmoothingMode() const;
    bool SetTextRenderingHint(int hint);
    int GetTextRenderingHint() const;
    bool SetInterpolationMode(int mode);
    int GetInterpolationMode() const;
    bool SetPixelOffsetMode(int mode);
    int GetPixelOffsetMode() const;

    bool SetTransform(const MatrixObject& matrix);
    bool GetTransform(MatrixObject& target) const;
    bool ResetTransform();
    bool MultiplyTransform(const MatrixObject& matrix, Order order = std::nullopt);
    bool TranslateTransform(float dx, float dy, Order order = std::nullopt);
    bool ScaleTransform(float sx, float sy, Order order = std::nullopt);
    bool ScaleTransformAt(float sx, float sy, PointF centre, Order order = std::nullopt);
    bool RotateTransform(float angle, Order order = std::nullopt);
    bool RotateTransformAt(float angle, PointF centre, Order order = std::nullopt);
    bool SetPageUnit(int unit);
    int GetPageUnit() const;
    bool SetPageScale(float scale);
    float GetPageScale() const;
    float GetDpiX() const;
    float GetDpiY() const;
    // Converts the points in place.
    bool TransformPoints(int destinationSpace, int sourceSpace, std::span<PointF> points) const;
    bool TransformPointsI(int destinationSpace, int sourceSpace, std::span<Point> points) const;
    std::uint32_t GetNearestColor(std::uint32_t argb) const;

    bool DrawLine(const PenObject& pen, float x1, float y1, float x2, float y2);
    bool DrawLineI(const PenObject& pen, int x1, int y1, int x2, int y2);
    bool DrawLines(const PenObject& pen, std::span<const PointF> points);
    bool DrawLinesI(const PenObject& pen, std::span<const Point> points);
    bool DrawArc(const PenObject& pen, float x, float y, float width, float height, float start, float sweep);
    bool DrawArcI(const PenObject& pen, int x, int y, int width, int height, float start, float sweep);
    bool DrawBezier(const PenObject& pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
    bool DrawBezierI(const PenObject& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    bool DrawBeziers(const PenObject& pen, std::span<const PointF> points);
    bool DrawBeziersI(const PenObject& pen, std::span<const Point> points);
    bool DrawRectangle(const PenObject& pen, float x, float y, float width, float height);
    bool DrawRectangleI(const PenObject& pen, int x, int y, int width, int height);
    bool DrawRectangles(const PenObject& pen, std::span<const RectF> rectangles);
    bool DrawRectanglesI(const PenObject& pen, std::span<const Rect> rectangles);
    bool DrawEllipse(const PenObject& pen, float x, float y, float width, float height);
    bool DrawEllipseI(const PenObject& pen, int x, int y, int width, int height);
    bool DrawPie(const PenObject& pen, float x, float y, float width, float height, float start, float sweep);
    bool DrawPieI(const PenObject& pen, int x, int y, int width, int height, float start, float sweep);
    bool DrawPolygon(const PenObject& pen, std::span<const PointF> points);
    bool DrawPolygonI(const PenObject& pen, std::span<const Point> points);
    bool DrawPath(const PenObject& pen, const PathObject& path);
    bool DrawCurve(const PenObject& pen, std::span<const PointF> points);
    bool DrawCurveI(const PenObject& pen, std::span<const Point> points);
    bool DrawCurve2(const PenObject& pen, std::span<const PointF> points, float tension);
    bool DrawCurve2I(const PenObject& pen, std::span<const Point> points, float tension);
    bool DrawCurve3(const PenObject& pen, std::span<const PointF> points, int offset, int segments, float tension);
    bool DrawCurve3I(const PenObject& pen, std::span<const Point> points, int offset, int segments, float tension);
    bool DrawClosedCurve(const PenObject& pen, std::span<const PointF> points);
    bool DrawClosedCurveI(const PenObject& pen, std::span<const Point> points);
    bool DrawClosedCurve2(const PenObject& pen, std::span<const PointF> points, float tension);
    bool DrawClosedCurve2I(const PenObject& pen, std::span<const Point> points, float tension);

    // The whole surface, whatever the clip.
    bool Clear(std::uint32_t argb);
    bool FillRectangle(const BrushObject& brush, float x, float y, float width, float height);
    bool FillRectangleRect(const BrushObject& brush, const RectF& rectangle);
    bool FillRectangleI(const BrushObject& brush, int x, int y, int width, int height);
    bool FillRectangles(const BrushObject& brush, std::span<const RectF> rectangles);
    bool FillRectanglesI(const BrushObject& brush, std::span<const Rect> rectangles);
    bool FillPolygon(const BrushObject& brush, std::span<const PointF> points, std::optional<int> fillMode = std::nullopt);
    bool FillPolygonI(const BrushObject& brush, std::span<const Point> points, std::optional<int> fillMode = std::nullopt);
    bool FillEllipse(const BrushObject& brush, float x, float y, float width, float height);
    bool FillEllipseI(const BrushObject& brush, int x, int y, int width, int height);
    bool FillPie(const BrushObject& brush, float x, float y, float width, float height, float start, float sweep);
    bool FillPieI(const BrushObject& brush, int x, int y, int width, int height, float start, float sweep);
    bool FillPath(const BrushObject& brush, const PathObject& path);
    bool FillClosedCurve(const BrushObject& brush, std::span<const PointF> points);
    bool FillClosedCurve2(const BrushObject& brush, std::span<const PointF> points, float tension,
                          std::optional<int> fillMode = std::nullopt);
    bool FillClosedCurveI(const BrushObject& brush, std::span<const Point> points);
    bool FillClosedCurve2I(const BrushObject& brush, std::span<const Point> points, float tension,
                           std::optional<int> fillMode = std::nullopt);
    bool FillRegion(const BrushObject& brush, const RegionObject& region);

    // Texts are code page 936; the W twins take UTF-16.
    bool DrawString(const std::string& text, const FontObject& font, const BrushObject& brush, const RectF& layout,
                    const StringFormatObject& format);
    bool DrawStringW(const std::wstring& text, const FontObject& font, const BrushObject& brush, const RectF& layout,
                     const StringFormatObject& format);
    bool MeasureString(const std::string& text, const FontObject& font, const RectF& layout,
                       const StringFormatObject& format, RectF& bounds) const;
    bool MeasureStringW(const std::wstring& text, const FontObject& font, const RectF& layout,
                        const StringFormatObject& format, RectF& bounds) const;
    // Replaces target by count regions, one per character range of the format.
    bool MeasureCharacterRanges(const std::string& text, const FontObject& font, const RectF& layout,
                                const StringFormatObject& format, int count, std::vector<RegionObject>& target) const;
    bool MeasureCharacterRangesW(const std::wstring& text, const FontObject& font, const RectF& layout,
                                 const StringFormatObject& format, int count, std::vector<RegionObject>& target) const;
    // flags: 1 (the glyph codes are characters) when not given.
    bool DrawDriverString(const std::string& text, const FontObject& font, const BrushObject& brush,
                          std::span<const PointF> positions, std::optional<int> flags, const MatrixObject& matrix);
    bool DrawDriverStringW(const std::wstring& text, const FontObject& font, const BrushObject& brush,
                           std::span<const PointF> positions, std::optional<int> flags, const MatrixObject& matrix);
    bool SetTextContrast(int contrast);
    int GetTextContrast() const;

    // source unit: 2 (pixel) when not given.
    bool DrawImage(const ImageObject& image, float x, float y);
    bool DrawImageI(const ImageObject& image, int x, int y);
    bool DrawCachedBitmap(Gdiplus::GpCachedBitmap* cached, int x, int y);
    // The whole picture stretched into the rectangle.
    bool DrawImageRect(const ImageObject& image, float x, float y, float width, float height,
                       std::optional<int> sourceUnit = std::nullopt);
    bool DrawImageRectI(const ImageObject& image, int x, int y, int width, int height,
                        std::optional<int> sourceUnit = std::nullopt);
    // The picture's top-left, top-right and bottom-left corners go to the three points.
    bool DrawImagePoints(const ImageObject& image, float x1, float y1, float x2, float y2, float x3, float y3);
    bool DrawImagePointsI(const ImageObject& image, int x1, int y1, int x2, int y2, int x3, int y3);
    bool DrawImagePointRect(const ImageObject& image, float x, float y, float sourceX, float sourceY,
                            float sourceWidth, float sourceHeight, std::optional<int> sourceUnit = std::nullopt);
    bool DrawImagePointRectI(const ImageObject& image, int x, int y, int sourceX, int sourceY, int sourceWidth,
                             int sourceHeight, std::optional<int> sourceUnit = std::nullopt);
    bool DrawImageRectRect(const ImageObject& image, float x, float y, float width, float height, float sourceX,
                           float sourceY, float sourceWidth, float sourceHeight,
                           std::optional<int> sourceUnit = std::nullopt, Attributes attributes = nullptr);
    bool DrawImageRectRectI(const ImageObject& image, int x, int y, int width, int height, int sourceX, int sourceY,
                            int sourceWidth, int sourceHeight, std::optional<int> sourceUnit = std::nullopt,
                            Attributes attributes = nullptr);
    bool DrawImagePointsRect(const ImageObject& image, float x1, float y1, float x2, float y2, float x3, float y3,
                             float sourceX, float sourceY, float sourceWidth, float sourceHeight,
                             std::optional<int> sourceUnit = std::nullopt, Attributes attributes = nullptr);
    bool DrawImagePointsRectI(const ImageObject& image, int x1, int y1, int x2, int y2, int x3, int y3, int sourceX,
                              int sourceY, int sourceWidth, int sourceHeight,
                              std::optional<int> sourceUnit = std::nullopt, Attributes attributes = nullptr);

    using Metafile = const Gdiplus::GpMetafile*;
    using MetafileCallback = Gdiplus::EnumerateMetafileProc;
    bool EnumerateMetafileDestPoint(Metafile metafile, const PointF& destination, MetafileCallback callback,
                                    void* data, Attributes attributes = nullptr);
    bool EnumerateMetafileDestPointI(Metafile metafile, const Point& destination, MetafileCallback callback,
                                     void* data, Attributes attributes = nullptr);
    bool EnumerateMetafileDestPoints(Metafile metafile, std::span<const PointF> destination,
                                     MetafileCallback callback, void* data, Attributes attributes = nullptr);
    bool EnumerateMetafileDestPointsI(Metafile metafile, std::span<const Point> destination,
                                      MetafileCallback callback, void* data, Attributes attributes = nullptr);
    bool EnumerateMetafileDestRect(Metafile metafile, const RectF& destination, MetafileCallback callback,
                                   void* data, Attributes attributes = nullptr);
    bool EnumerateMetafileDestRectI(Metafile metafile, const Rect& destination, MetafileCallback callback,
                                    void* data, Attributes attributes = nullptr);
    bool EnumerateMetafileSrcRectDestPoint(Metafile metafile, const PointF& destination, const RectF& source,
                                           int sourceUnit, MetafileCallback callback, void* data,
                                           Attributes attributes = nullptr);
    bool EnumerateMetafileSrcRectDestPointI(Metafile metafile, const Point& destination, const Rect& source,
                                            int sourceUnit, MetafileCallback callback, void* data,
                                            Attributes attributes = nullptr);
    bool EnumerateMetafileSrcRectDestPoints(Metafile metafile, std::span<const PointF> destination,
                                            const RectF& source, int sourceUnit, MetafileCallback callback,
                                            void* data, Attributes attributes = nullptr);
    bool EnumerateMetafileSrcRectDestPointsI(Metafile metafile, std::span<const Point> destination,
                                             const Rect& source, int sourceUnit, MetafileCallback callback,
                                             void* data, Attributes attributes = nullptr);
    bool EnumerateMetafileSrcRectDestRect(Metafile metafile, const RectF& destination, const RectF& source,
                                          int sourceUnit, MetafileCallback callback, void* data,
                                          Attributes attributes = nullptr);
    bool EnumerateMetafileSrcRectDestRectI(Metafile metafile, const Rect& destination, const Rect& source,
                                           int sourceUnit, MetafileCallback callback, void* data,
                                           Attributes attributes = nullptr);

    bool SetClipGraphics(const GraphicsObject& other, ClipMode mode = std::nullopt);
    bool SetClipPath(const PathObject& path, ClipMode mode = std::nullopt);
    bool SetClipRect(float x, float y, float width, float height, ClipMode mode = std::nullopt);
    bool SetClipRectI(int x, int y, int width, int height, ClipMode mode = std::nullopt);
    bool SetClipRegion(const RegionObject& region, ClipMode mode = std::nullopt);
    bool SetClipHrgn(HRGN region, ClipMode mode = std::nullopt);
    bool ResetClip();
    bool TranslateClip(float dx, float dy);
    bool TranslateClipI(int dx, int dy);
    bool GetClip(RegionObject& target) const;
    RectF GetClipBounds() const;
    Rect GetClipBoundsI() const;
    RectF GetVisibleClipBounds() const;
    Rect GetVisibleClipBoundsI() const;
    bool IsClipEmpty() const;
    bool IsVisibleClipEmpty() const;
    bool IsVisiblePoint(float x, float y) const;
    bool IsVisiblePointI(int x, int y) const;
    bool IsVisibleRect(float x, float y, float width, float height) const;
    bool IsVisibleRectI(int x, int y, int width, int height) const;

    unsigned Save();
    bool Restore(unsigned state);
    unsigned BeginContainer(const RectF& destination, const RectF& source, int unit);
    unsigned BeginContainerI(const Rect& destination, const Rect& source, int unit);
    unsigned BeginContainerPlain();
    bool EndContainer(unsigned container);
    bool AddComment(const ByteBuffer& data);
};

}  // namespace lumbra
