#pragma once
// An area of the plane: rectangles and paths combined.
#include "draw/byte_buffer.h"
#include "draw/gdip.h"

#include <optional>
#include <vector>

namespace lumbra {

class GraphicsObject;
class MatrixObject;
class PathObject;

// mode: the library's combine mode, 0 replace (the default) … 5 complement.
class RegionObject : public DrawingObject<Gdiplus::GpRegion, gdip::GdipDeleteRegion> {
public:
    using Mode = std::optional<int>;

    // The infinite region.
    bool Create();
    bool CreateFromRect(const RectF& rectangle);
    bool CreateFromRectI(const Rect& rectangle);
    bool CreateFromPath(const PathObject& path);
    bool CreateFromHrgn(HRGN region);
    // size: how many bytes of data to read (all when not given; never more than it holds).
    bool CreateFromRegionData(const ByteBuffer& data, std::optional<int> size = std::nullopt);
    bool Clone(RegionObject& target) const;
    bool MakeInfinite();
    bool MakeEmpty();
    bool CombineRect(const RectF& rectangle, Mode mode = std::nullopt);
    bool CombineRectI(const Rect& rectangle, Mode mode = std::nullopt);
    bool CombineRegion(const RegionObject& other, Mode mode = std::nullopt);
    bool CombinePath(const PathObject& path, Mode mode = std::nullopt);
    bool Translate(float dx, float dy);
    bool TranslateI(int dx, int dy);
    bool Transform(const MatrixObject& matrix);
    RectF GetBounds(const GraphicsObject& graphics) const;
    Rect GetBoundsI(const GraphicsObject& graphics) const;
    int GetDataSize() const;
    ByteBuffer GetData() const;
    // A new GDI region owned by the caller.
    HRGN GetHrgn(const GraphicsObject& graphics) const;
    bool IsEmpty(const GraphicsObject& graphics) const;
    bool IsInfinite(const GraphicsObject& graphics) const;
    bool Equals(const RegionObject& other, const GraphicsObject& graphics) const;
    bool IsVisiblePoint(float x, float y, const GraphicsObject& graphics) const;
    bool IsVisiblePointI(int x, int y, const GraphicsObject& graphics) const;
    bool IsVisibleRect(float x, float y, float width, float height, const GraphicsObject& graphics) const;
    bool IsVisibleRectI(int x, int y, int width, int height, const GraphicsObject& graphics) const;
    int GetRegionScansCount(const MatrixObject& matrix) const;
    bool GetRegionScans(const MatrixObject& matrix, std::vector<RectF>& target) const;
    bool GetRegionScansI(const MatrixObject& matrix, std::vector<Rect>& target) const;
};

}  // namespace lumbra
