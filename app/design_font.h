#pragma once
// The font of the plain windows' controls.
#include "app/gdi_handles.h"

namespace lumbra {

// "宋体" 9 pt: characters 12 pixels high.
ScopedFont CreateDesignFont();

}  // namespace lumbra
