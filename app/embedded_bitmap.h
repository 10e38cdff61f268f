#pragma once
// Pictures embedded in the program, decoded for plain GDI painting.
#include "app/gdi_handles.h"

namespace lumbra {

// The embedded picture with the given resource number as a bitmap; empty when it is missing
// or cannot be decoded. Needs the GDI+ session of the start-up.
ScopedBitmap LoadEmbeddedBitmap(int resourceId);

}  // namespace lumbra
