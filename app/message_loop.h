#pragma once
// The user-interface thread's message loop.

namespace lumbra {

// Runs until WM_QUIT and returns its exit code.
int RunMessageLoop();

}  // namespace lumbra
