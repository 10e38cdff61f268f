#pragma once
// The font of the plain windows' controls.
#include "app/gdi_handles.h"

namespace lumbra {

// "宋体" 9 pt: characters 12 pixels high.
ScopedFont CreateDesignFont();
// The same face in lines 12 pixels apart, as the design's multi-line labels are laid out;
// faces that stand in for "宋体" have taller lines at the same character size.
ScopedFont CreateLabelFont();

}  // namespace lumbra
