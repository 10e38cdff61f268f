#pragma once
// A stream over a movable memory block, so that pictures held in memory can be read by
// GDI+ (which reads them lazily: the stream must outlive the image made from it).
#include "draw/byte_buffer.h"

#include <windows.h>
#include <objidl.h>

#include <cstddef>
#include <optional>

namespace lumbra {

class MemoryStreamObject {
public:
    MemoryStreamObject() = default;
    ~MemoryStreamObject() { Release(); }
    MemoryStreamObject(const MemoryStreamObject&) = delete;
    MemoryStreamObject& operator=(const MemoryStreamObject&) = delete;
    MemoryStreamObject(MemoryStreamObject&& other) noexcept;
    MemoryStreamObject& operator=(MemoryStreamObject&& other) noexcept;

    // A private copy of the first count bytes (all when not given; never more than the
    // buffer holds). An empty buffer gives a zero-size block that grows when written.
    IStream* CreateFromBytes(const ByteBuffer& bytes, std::optional<std::size_t> count = std::nullopt);
    void Release();
    std::size_t GetSize() const;
    IStream* GetStream() const { return stream_; }
    HGLOBAL GetMemoryHandle() const { return block_; }
    // Takes over one reference of a stream created on a memory block; the stream decides
    // whether its block goes with it.
    bool Attach(IStream* stream);
    ByteBuffer ToBytes() const;

private:
    HGLOBAL block_ = nullptr;
    IStream* stream_ = nullptr;
};

}  // namespace lumbra
