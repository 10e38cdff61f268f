#pragma once
// Argument conversions shared by the drawing objects' operations.
#include "draw/gdip.h"

#include <optional>
#include <cstdint>
#include <span>
#include <vector>

namespace lumbra {

inline Gdiplus::MatrixOrder OrderOf(std::optional<int> order) {
    return static_cast<Gdiplus::MatrixOrder>(order.value_or(0));
}

inline Gdiplus::CombineMode CombineOf(std::optional<int> mode) {
    return static_cast<Gdiplus::CombineMode>(mode.value_or(0));
}

inline Gdiplus::FillMode FillOf(std::optional<int> mode) { return static_cast<Gdiplus::FillMode>(mode.value_or(0)); }

inline Gdiplus::Unit UnitOf(std::optional<int> unit, int fallback) {
    return static_cast<Gdiplus::Unit>(unit.value_or(fallback));
}

// A scale or rotation about a centre point: moved to the origin, stepped, moved back, in the
// matrix order that keeps the centre in place. translate(dx, dy, order) and step(order) are
// library calls. A failed step is reported with its own status (the move back still runs, so
// the transform is left as it was), never hidden behind the last call's success.
template <typename Translate, typename Step>
bool AboutCentre(PointF centre, std::optional<int> order, Translate translate, Step step) {
    const Gdiplus::MatrixOrder matrixOrder = OrderOf(order);
    const float sign = matrixOrder == Gdiplus::MatrixOrderAppend ? -1.0f : 1.0f;
    if (!TrackStatus(translate(sign * centre.X, sign * centre.Y, matrixOrder))) return false;
    const GpStatus stepped = step(matrixOrder);
    const GpStatus movedBack = translate(-sign * centre.X, -sign * centre.Y, matrixOrder);
    return TrackStatus(stepped != Gdiplus::Ok ? stepped : movedBack);
}

// The library's colour type is unsigned long; ours is std::uint32_t.
inline std::vector<Gdiplus::ARGB> ArgbArray(std::span<const std::uint32_t> colors) {
    return std::vector<Gdiplus::ARGB>(colors.begin(), colors.end());
}

template <typename T>
INT CountOf(std::span<T> items) {
    return static_cast<INT>(items.size());
}

// Reads one value through a getter; the value is zero when the call fails.
template <typename Value, typename Call>
Value Read(Call call) {
    Value value{};
    if (!TrackStatus(call(&value))) return Value{};
    return value;
}

}  // namespace lumbra
