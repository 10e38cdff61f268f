#include "res/embedded_pictures.h"

#include <windows.h>

namespace lumbra {

std::span<const std::uint8_t> EmbeddedPicture(int resourceId) {
    // The pictures are linked into the executable itself, never into a DLL.
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(resourceId), RT_RCDATA);
    if (!info) return {};
    // A loaded resource lives with its module and is never freed.
    HGLOBAL loaded = LoadResource(module, info);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = SizeofResource(module, info);
    if (!bytes || size == 0) return {};
    return {static_cast<const std::uint8_t*>(bytes), size};
}

}  // namespace lumbra
