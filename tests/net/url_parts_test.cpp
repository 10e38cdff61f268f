#include "net/url_parts.h"

#include <gtest/gtest.h>

namespace lumbra {
namespace {

struct UrlCase {
    std::string address;
    std::string host;
    std::string path;
    int port;
};

TEST(UrlParts, HostPathAndPort) {
    const UrlCase cases[] = {
        {"http://Host.Example:8080/X?y=1", "host.example", "/X?y=1", 8080},
        {"http://host", "host", "/", 80},
        {"host/a.txt", "host", "/a.txt", 80},
        {"host:81", "host", "/", 81},
        {"https://secure.example/p", "secure.example", "/p", 443},
        {"https://secure.example:8443", "secure.example", "/", 8443},
        {"HTTP://Up.Example/Path", "up.example", "/Path", 80},
        {"http://t/x", "t", "/x", 80},  // a host that also occurs inside the scheme
        {"http://host:abc/", "host", "/", 0},
        {"http://host/a/http://b", "host", "/a/http://b", 80},
    };
    for (const UrlCase& c : cases) {
        EXPECT_EQ(UrlHost(c.address), c.host) << c.address;
        EXPECT_EQ(UrlPath(c.address), c.path) << c.address;
        EXPECT_EQ(UrlPort(c.address), c.port) << c.address;
    }
}

}  // namespace
}  // namespace lumbra
