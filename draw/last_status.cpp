#include "draw/gdip.h"

namespace lumbra {
namespace {

// Per thread: the tab animations draw from their own threads, and the value only means
// something right after an operation on the same thread.
thread_local int lastStatus = 0;

}  // namespace

int LastStatus() { return lastStatus; }

bool TrackStatus(GpStatus status) {
    lastStatus = static_cast<int>(status);
    return status == Gdiplus::Ok;
}

void* AllocMemory(std::size_t bytes) { return gdip::GdipAlloc(bytes); }

void FreeMemory(void* address) { gdip::GdipFree(address); }

}  // namespace lumbra
