#pragma once
// Splitting a page address into host, path and port. Pure logic: no platform header.
#include <string>
#include <string_view>

namespace lumbra {

std::string UrlHost(std::string_view address);  // lower case, without scheme, port or path
std::string UrlPath(std::string_view address);  // from the first "/" after the host; "/" when none
int UrlPort(std::string_view address);          // 80 when the address names none

}  // namespace lumbra
