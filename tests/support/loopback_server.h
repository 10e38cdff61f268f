#pragma once
// A scripted HTTP server on 127.0.0.1 for tests of code that talks to the web site.
// One request per connection; every answer carries Content-Length and "Connection: close".
// Winsock stays inside the .cpp, so this header mixes with <windows.h> in any order.
#include <memory>
#include <string>
#include <vector>

namespace lumbra::test {

struct ScriptedAnswer {
    std::string body{};               // response body bytes
    std::string extraHeaders{};       // extra header lines, each ending "\r\n" (e.g. Set-Cookie)
    int status = 200;
    bool closeMidBody = false;        // announce Content-Length of the full body, send half, close
};

class LoopbackServer {
public:
    explicit LoopbackServer(unsigned short port = 0);  // 0: any free port; listens on 127.0.0.1
    ~LoopbackServer();                                 // stops its Winsock thread, joins it
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    bool Listening() const;                            // false when the port could not be bound
    unsigned short Port() const;
    std::string BaseAddress() const;                   // "http://127.0.0.1:<port>"
    // Answers for one path (path as requested, query included), given in order; the last one
    // repeats. Paths with no script get 404 with an empty body.
    void Serve(const std::string& path, std::vector<ScriptedAnswer> answers);
    std::vector<std::string> Requests() const;         // raw requests (head + body), arrival order
    int RequestCount(const std::string& path) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace lumbra::test
