#include "app/embedded_bitmap.h"

#include "draw/bitmap_object.h"
#include "res/embedded_pictures.h"

namespace lumbra {

ScopedBitmap LoadEmbeddedBitmap(int resourceId) {
    const auto bytes = EmbeddedPicture(resourceId);
    BitmapObject picture;
    if (bytes.empty() || !picture.LoadFromBytes(ByteBuffer(bytes.begin(), bytes.end()))) return {};
    constexpr std::uint32_t kOpaqueWhite = 0xFFFFFFFF;
    return ScopedBitmap(picture.GetHBITMAP(kOpaqueWhite));
}

}  // namespace lumbra
