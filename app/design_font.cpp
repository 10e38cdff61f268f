#include "app/design_font.h"

namespace lumbra {

ScopedFont CreateDesignFont() {
    // A negative height asks for the character height, not the line's.
    return ScopedFont(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体"));
}

}  // namespace lumbra
