#pragma once
// Building the header block and body of one request. Pure logic: no platform header.
#include <string>
#include <string_view>
#include <vector>

namespace lumbra {

// Appends the default lines the caller's headers lack (searched ignoring case), the form lines
// of a POST and the cookie line; returns the request body (the form data of a POST).
std::string CompleteRequestHeaders(std::string& headers, bool post, std::string_view address,
                                   std::string_view formData, std::string_view cookies);

// The cookies of a raw response header block as name and data (attributes included).
struct CookieLine {
    std::string name;
    std::string data;
};
std::vector<CookieLine> SetCookieLines(std::string_view rawHeaders);

}  // namespace lumbra
