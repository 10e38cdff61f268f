#include "draw/region_object.h"

#include "draw/gdip_args.h"
#include "draw/graphics_object.h"
#include "draw/matrix_object.h"
#include "draw/path_object.h"

#include <algorithm>

namespace lumbra {

bool RegionObject::Create() {
    Gdiplus::GpRegion* region = nullptr;
    return Adopt(gdip::GdipCreateRegion(&region), region);
}

bool RegionObject::CreateFromRect(const RectF& rectangle) {
    Gdiplus::GpRegion* region = nullptr;
    return Adopt(gdip::GdipCreateRegionRect(&rectangle, &region), region);
}

bool RegionObject::CreateFromRectI(const Rect& rectangle) {
    Gdiplus::GpRegion* region = nullptr;
    return Adopt(gdip::GdipCreateRegionRectI(&rectangle, &region), region);
}

bool RegionObject::CreateFromPath(const PathObject& path) {
    Gdiplus::GpRegion* region = nullptr;
    return Adopt(gdip::GdipCreateRegionPath(path.GetNativeHandle(), &region), region);
}

bool RegionObject::CreateFromHrgn(HRGN source) {
    Gdiplus::GpRegion* region = nullptr;
    return Adopt(gdip::GdipCreateRegionHrgn(source, &region), region);
}

bool RegionObject::CreateFromRegionData(const ByteBuffer& data, std::optional<int> size) {
    const INT count = std::clamp<INT>(size.value_or(static_cast<INT>(data.size())), 0, static_cast<INT>(data.size()));
    Gdiplus::GpRegion* region = nullptr;
    return Adopt(gdip::GdipCreateRegionRgnData(data.data(), count, &region), region);
}

bool RegionObject::Clone(RegionObject& target) const {
    Gdiplus::GpRegion* region = nullptr;
    return target.Adopt(gdip::GdipCloneRegion(handle_, &region), region);
}

bool RegionObject::MakeInfinite() { return TrackStatus(gdip::GdipSetInfinite(handle_)); }

bool RegionObject::MakeEmpty() { return TrackStatus(gdip::GdipSetEmpty(handle_)); }

bool RegionObject::CombineRect(const RectF& rectangle, Mode mode) {
    return TrackStatus(gdip::GdipCombineRegionRect(handle_, &rectangle, CombineOf(mode)));
}

bool RegionObject::CombineRectI(const Rect& rectangle, Mode mode) {
    return TrackStatus(gdip::GdipCombineRegionRectI(handle_, &rectangle, CombineOf(mode)));
}

bool RegionObject::CombineRegion(const RegionObject& other, Mode mode) {
    return TrackStatus(gdip::GdipCombineRegionRegion(handle_, other.handle_, CombineOf(mode)));
}

bool RegionObject::CombinePath(const PathObject& path, Mode mode) {
    return TrackStatus(gdip::GdipCombineRegionPath(handle_, path.GetNativeHandle(), CombineOf(mode)));
}

bool RegionObject::Translate(float dx, float dy) { return TrackStatus(gdip::GdipTranslateRegion(handle_, dx, dy)); }

bool RegionObject::TranslateI(int dx, int dy) { return TrackStatus(gdip::GdipTranslateRegionI(handle_, dx, dy)); }

bool RegionObject::Transform(const MatrixObject& matrix) {
    return TrackStatus(gdip::GdipTransformRegion(handle_, matrix.GetNativeHandle()));
}

RectF RegionObject::GetBounds(const GraphicsObject& graphics) const {
    return Read<RectF>([&](RectF* v) { return gdip::GdipGetRegionBounds(handle_, graphics.GetNativeHandle(), v); });
}

Rect RegionObject::GetBoundsI(const GraphicsObject& graphics) const {
    return Read<Rect>([&](Rect* v) { return gdip::GdipGetRegionBoundsI(handle_, graphics.GetNativeHandle(), v); });
}

int RegionObject::GetDataSize() const {
    return static_cast<int>(Read<UINT>([&](UINT* v) { return gdip::GdipGetRegionDataSize(handle_, v); }));
}

ByteBuffer RegionObject::GetData() const {
    const int size = GetDataSize();
    if (size <= 0) return {};
    ByteBuffer data(static_cast<std::size_t>(size));
    UINT filled = 0;
    if (!TrackStatus(gdip::GdipGetRegionData(handle_, data.data(), static_cast<UINT>(size), &filled))) return {};
    data.resize(std::min<std::size_t>(filled, data.size()));
    return data;
}

HRGN RegionObject::GetHrgn(const GraphicsObject& graphics) const {
    return Read<HRGN>([&](HRGN* v) { return gdip::GdipGetRegionHRgn(handle_, graphics.GetNativeHandle(), v); });
}

bool RegionObject::IsEmpty(const GraphicsObject& graphics) const {
    return Read<BOOL>([&](BOOL* v) { return gdip::GdipIsEmptyRegion(handle_, graphics.GetNativeHandle(), v); }) != FALSE;
}

bool RegionObject::IsInfinite(const GraphicsObject& graphics) const {
    return Read<BOOL>([&](BOOL* v) { return gdip::GdipIsInfiniteRegion(handle_, graphics.GetNativeHandle(), v); }) !=
           FALSE;
}

bool RegionObject::Equals(const RegionObject& other, const GraphicsObject& graphics) const {
    return Read<BOOL>([&](BOOL* v) {
               return gdip::GdipIsEqualRegion(handle_, other.handle_, graphics.GetNativeHandle(), v);
           }) != FALSE;
}

bool RegionObject::IsVisiblePoint(float x, float y, const GraphicsObject& graphics) const {
    return Read<BOOL>([&](BOOL* v) {
               return gdip::GdipIsVisibleRegionPoint(handle_, x, y, graphics.GetNativeHandle(), v);
           }) != FALSE;
}

bool RegionObject::IsVisiblePointI(int x, int y, const GraphicsObject& graphics) const {
    return Read<BOOL>([&](BOOL* v) {
               return gdip::GdipIsVisibleRegionPointI(handle_, x, y, graphics.GetNativeHandle(), v);
           }) != FALSE;
}

bool RegionObject::IsVisibleRect(float x, float y, float width, float height, const GraphicsObject& graphics) const {
    return Read<BOOL>([&](BOOL* v) {
               return gdip::GdipIsVisibleRegionRect(handle_, x, y, width, height, graphics.GetNativeHandle(), v);
           }) != FALSE;
}

bool RegionObject::IsVisibleRectI(int x, int y, int width, int height, const GraphicsObject& graphics) const {
    return Read<BOOL>([&](BOOL* v) {
               return gdip::GdipIsVisibleRegionRectI(handle_, x, y, width, height, graphics.GetNativeHandle(), v);
           }) != FALSE;
}

int RegionObject::GetRegionScansCount(const MatrixObject& matrix) const {
    return static_cast<int>(
        Read<UINT>([&](UINT* v) { return gdip::GdipGetRegionScansCount(handle_, v, matrix.GetNativeHandle()); }));
}

bool RegionObject::GetRegionScans(const MatrixObject& matrix, std::vector<RectF>& target) const {
    const int count = GetRegionScansCount(matrix);
    if (LastStatus() != 0) return false;
    std::vector<RectF> scans(static_cast<std::size_t>(count));
    INT filled = 0;
    if (!TrackStatus(gdip::GdipGetRegionScans(handle_, scans.data(), &filled, matrix.GetNativeHandle()))) return false;
    scans.resize(static_cast<std::size_t>(std::clamp(filled, 0, count)));
    target = std::move(scans);
    return true;
}

bool RegionObject::GetRegionScansI(const MatrixObject& matrix, std::vector<Rect>& target) const {
    const int count = GetRegionScansCount(matrix);
    if (LastStatus() != 0) return false;
    std::vector<Rect> scans(static_cast<std::size_t>(count));
    INT filled = 0;
    if (!TrackStatus(gdip::GdipGetRegionScansI(handle_, scans.data(), &filled, matrix.GetNativeHandle()))) return false;
    scans.resize(static_cast<std::size_t>(std::clamp(filled, 0, count)));
    target = std::move(scans);
    return true;
}

}  // namespace lumbra
