// Address splitting over seeded random and deliberately malformed addresses.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "net/url_parts.h"
#include "tests/native/random_text.h"

namespace lumbra {
namespace {

using native::RandomText;

const std::vector<std::string> kPieces = {"http://", "HTTP://", "hTtPs://", "https:/", "Host", "EXAMPLE.com", ":", "::",
                                          ":99999999999", ":-1", ":8080", ":65536", ":0", "/", "//", "?q=A", "@",
                                          "\xD6\xD0", "\x81", "\xFF", std::string(1, '\0'), " "};

TEST(NativeUrlParts, HostPathAndPortOfAnyAddress) {
    RandomText random(11);
    for (int round = 0; round < 100000; ++round) {
        const std::string address = random.Mixed(kPieces, 8);
        const std::string host = UrlHost(address);
        const std::string path = UrlPath(address);
        const int port = UrlPort(address);

        ASSERT_LE(host.size(), address.size());
        ASSERT_EQ(host.find_first_of(":/"), std::string::npos) << host;
        ASSERT_EQ(path[0], '/');
        if (address.find('/') == std::string::npos) {
            ASSERT_EQ(path, "/");
        } else if (path != "/") {
            ASSERT_LE(path.size(), address.size());
            ASSERT_EQ(address.compare(address.size() - path.size(), path.size(), path), 0) << "path is the address's tail";
        }
        // A port other than the defaults needs a colon in the address.
        if (port != 80 && port != 443) {
            ASSERT_NE(address.find(':'), std::string::npos) << port;
        }
        if (port == 443) {
            ASSERT_TRUE(address.find(':') != std::string::npos || address.size() >= 8);
        }
    }
}

TEST(NativeUrlParts, AdversarialPorts) {
    const struct {
        const char* address;
        int port;
    } cases[] = {
        {"http://h:99999999999/x", INT_MAX},  // saturates; the caller refuses anything past 65535
        {"http://h:/x", 0},
        {"http://h:-1/x", -1},
        {"http://h:-99999999999", INT_MIN},
        {"http://h:8080:1/x", 8080},
        {"h:", 0},
        {":", 0},
        {"", 80},
        {"http://", 80},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UrlPort(c.address), c.port) << c.address;
    }
}

}  // namespace
}  // namespace lumbra
