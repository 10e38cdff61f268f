#pragma once
// Names of the window properties through which skinned windows find their records.

namespace lumbra {

// The window procedure that the skin replaced; a window carrying it is skinned already.
inline constexpr wchar_t kPropOldWindowProc[] = L"Hw_hProc";

}  // namespace lumbra
