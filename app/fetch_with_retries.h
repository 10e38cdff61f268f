#pragma once
// The loaders' download: a few attempts, because the site sometimes answers with nothing.
#include <string>

namespace lumbra {

constexpr int kFetchAttempts = 5;

// The first non-empty text of up to kFetchAttempts fetches of address; empty when all failed.
std::string FetchWithRetries(const std::string& address);

}  // namespace lumbra
