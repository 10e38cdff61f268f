#pragma once
// The GDI+ flat interface and the handle holder that every drawing object is built on.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <utility>

namespace lumbra {

namespace gdip = Gdiplus::DllExports;
using GpStatus = Gdiplus::GpStatus;
using PointF = Gdiplus::PointF;
using Point = Gdiplus::Point;
using RectF = Gdiplus::RectF;
using Rect = Gdiplus::Rect;
using SizeF = Gdiplus::SizeF;

// Status of the last library call made by a drawing operation on this thread (0 = Ok).
int LastStatus();
// Stores status as LastStatus and tells whether it is Ok.
bool TrackStatus(GpStatus status);

void* AllocMemory(std::size_t bytes);
void FreeMemory(void* address);

// Owns one library object. Creating into an object that holds one releases the old first;
// Dispose returns to the empty state and answers false when there was nothing to release.
template <typename Handle, GpStatus(WINGDIPAPI* Delete)(Handle*)>
class DrawingObject {
public:
    DrawingObject() = default;
    ~DrawingObject() { Dispose(); }
    DrawingObject(const DrawingObject&) = delete;
    DrawingObject& operator=(const DrawingObject&) = delete;
    DrawingObject(DrawingObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    DrawingObject& operator=(DrawingObject&& other) noexcept {
        if (this != &other) {
            Dispose();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }

    Handle* GetNativeHandle() const { return handle_; }
    // Takes ownership of handle.
    void SetNativeHandle(Handle* handle) {
        if (handle != handle_) Dispose();
        handle_ = handle;
    }
    bool Dispose() {
        if (!handle_) return false;
        const GpStatus status = Delete(handle_);
        handle_ = nullptr;
        return TrackStatus(status);
    }

protected:
    // Stores what a creation call produced (nothing on failure). created is read by reference:
    // in Adopt(Create(&made), made) the arguments may be evaluated in either order.
    template <typename Created>
    bool Adopt(GpStatus status, Created* const& created) {
        SetNativeHandle(status == Gdiplus::Ok ? static_cast<Handle*>(created) : nullptr);
        return TrackStatus(status);
    }

    Handle* handle_ = nullptr;
};

// The handle of an object passed as an argument: none for an empty object.
template <typename Object>
auto HandleOf(const Object* object) -> decltype(object->GetNativeHandle()) {
    return object ? object->GetNativeHandle() : nullptr;
}

}  // namespace lumbra
