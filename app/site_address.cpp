#include "app/site_address.h"

#include <utility>

namespace lumbra {
namespace {

std::string& SiteBase() {
    static std::string base = LUMBRA_SITE;
    return base;
}

}  // namespace

std::string SiteAddress(std::string_view path) {
    return SiteBase() + std::string(path);
}

void SetSiteBase(std::string base) {
    SiteBase() = std::move(base);
}

}  // namespace lumbra
