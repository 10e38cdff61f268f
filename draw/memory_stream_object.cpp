#include "draw/memory_stream_object.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace lumbra {

MemoryStreamObject::MemoryStreamObject(MemoryStreamObject&& other) noexcept
    : block_(std::exchange(other.block_, nullptr)), stream_(std::exchange(other.stream_, nullptr)) {}

MemoryStreamObject& MemoryStreamObject::operator=(MemoryStreamObject&& other) noexcept {
    if (this != &other) {
        Release();
        block_ = std::exchange(other.block_, nullptr);
        stream_ = std::exchange(other.stream_, nullptr);
    }
    return *this;
}

IStream* MemoryStreamObject::CreateFromBytes(const ByteBuffer& bytes, std::optional<std::size_t> count) {
    Release();
    const std::size_t size = std::min(count.value_or(bytes.size()), bytes.size());
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!block) return nullptr;
    if (size > 0) {
        void* address = GlobalLock(block);
        if (!address) {
            GlobalFree(block);
            return nullptr;
        }
        std::memcpy(address, bytes.data(), size);
        GlobalUnlock(block);
    }
    // The stream frees the block with its last reference: the library holds its own reference
    // to a stream it reads from, and a clone of the picture may still read after we let go.
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
        GlobalFree(block);
        return nullptr;
    }
    block_ = block;
    stream_ = stream;
    return stream_;
}

namespace {

// A stream that grew may have moved its bytes to another block: ask it which one it holds.
HGLOBAL CurrentBlock(IStream* stream, HGLOBAL known) {
    HGLOBAL block = nullptr;
    if (stream && SUCCEEDED(GetHGlobalFromStream(stream, &block)) && block) return block;
    return known;
}

}  // namespace

void MemoryStreamObject::Release() {
    if (stream_) stream_->Release();
    stream_ = nullptr;
    block_ = nullptr;
}

std::size_t MemoryStreamObject::GetSize() const {
    if (!stream_) return block_ ? GlobalSize(block_) : 0;
    // The block may be larger than what was written; the stream knows its own length.
    STATSTG stat{};
    if (FAILED(stream_->Stat(&stat, STATFLAG_NONAME))) return 0;
    return static_cast<std::size_t>(stat.cbSize.QuadPart);
}

bool MemoryStreamObject::Attach(IStream* stream) {
    Release();
    if (!stream) return false;
    HGLOBAL block = nullptr;
    if (FAILED(GetHGlobalFromStream(stream, &block)) || !block) return false;
    block_ = block;
    stream_ = stream;
    return true;
}

ByteBuffer MemoryStreamObject::ToBytes() const {
    const std::size_t size = GetSize();
    HGLOBAL block = CurrentBlock(stream_, block_);
    if (!block || size == 0 || size > GlobalSize(block)) return {};
    const void* address = GlobalLock(block);
    if (!address) return {};
    ByteBuffer bytes(static_cast<const std::uint8_t*>(address), static_cast<const std::uint8_t*>(address) + size);
    GlobalUnlock(block);
    return bytes;
}

}  // namespace lumbra
