#pragma once
// Addresses on the program's web site, whose base is compiled in (LUMBRA_SITE).
#include <string>
#include <string_view>

namespace lumbra {

// The site's base followed by path ("/rjxx.txt").
std::string SiteAddress(std::string_view path);
// Points the program at another site; tests use it before any loader starts.
void SetSiteBase(std::string base);

}  // namespace lumbra
