#include "net/url_parts.h"

#include "net/text_primitives.h"

namespace lumbra {
namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text::Lower(text.substr(0, prefix.size())) == prefix;
}

bool IsSecure(std::string_view address) { return StartsWithIgnoringCase(address, "https://"); }

// The address without its scheme, whatever the letter case of the scheme.
std::string_view WithoutScheme(std::string_view address) {
    if (IsSecure(address)) return address.substr(8);
    if (StartsWithIgnoringCase(address, "http://")) return address.substr(7);
    return address;
}

// Host and port: everything up to the first "/" after the scheme.
std::string_view Authority(std::string_view address) {
    const std::string_view rest = WithoutScheme(address);
    return rest.substr(0, rest.find('/'));
}

}  // namespace

std::string UrlHost(std::string_view address) {
    const std::string_view authority = Authority(address);
    return text::Lower(authority.substr(0, authority.find(':')));
}

std::string UrlPath(std::string_view address) {
    const std::string_view rest = WithoutScheme(address);
    const size_t slash = rest.find('/');
    return slash == std::string_view::npos ? std::string("/") : std::string(rest.substr(slash));
}

int UrlPort(std::string_view address) {
    const std::string_view authority = Authority(address);
    const size_t colon = authority.find(':');
    if (colon == std::string_view::npos) return IsSecure(address) ? 443 : 80;
    return text::ToNumber(authority.substr(colon + 1));
}

}  // namespace lumbra
