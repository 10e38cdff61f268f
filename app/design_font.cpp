#include "app/design_font.h"

namespace lumbra {
namespace {

ScopedFont CreateSongti(int height) {
    return ScopedFont(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体"));
}

}  // namespace

// A negative height asks for the character height, a positive one for the line height.
ScopedFont CreateDesignFont() { return CreateSongti(-12); }

ScopedFont CreateLabelFont() { return CreateSongti(12); }

}  // namespace lumbra
