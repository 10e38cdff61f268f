#include "loopback_server.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

namespace lumbra::test {
namespace {

// Bounds that keep a misbehaving client from holding the server thread.
constexpr int kPollMilliseconds = 50;
constexpr auto kConnectionDeadline = std::chrono::seconds(5);
constexpr size_t kMaxRequestBytes = 16 * 1024 * 1024;

class SocketHandle {
public:
    SocketHandle() = default;
    explicit SocketHandle(SOCKET s) : socket_(s) {}
    ~SocketHandle() {
        if (socket_ != INVALID_SOCKET) closesocket(socket_);
    }
    SocketHandle(const SocketHandle&) = delete;
    SocketHandle& operator=(const SocketHandle&) = delete;
    SocketHandle& operator=(SocketHandle&& other) noexcept {
        std::swap(socket_, other.socket_);
        return *this;
    }
    SOCKET Get() const { return socket_; }
    bool Valid() const { return socket_ != INVALID_SOCKET; }

private:
    SOCKET socket_ = INVALID_SOCKET;
};

class WinsockSession {
public:
    WinsockSession() {
        WSADATA data{};
        started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    ~WinsockSession() {
        if (started_) WSACleanup();
    }
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;
    bool Started() const { return started_; }

private:
    bool started_ = false;
};

bool Readable(SOCKET s, int milliseconds) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    timeval wait{milliseconds / 1000, (milliseconds % 1000) * 1000};
    return select(0, &set, nullptr, nullptr, &wait) > 0;
}

bool SendAll(SOCKET s, const char* data, size_t size) {
    while (size > 0) {
        int sent = send(s, data, static_cast<int>(std::min<size_t>(size, 64 * 1024)), 0);
        if (sent <= 0) return false;
        data += sent;
        size -= static_cast<size_t>(sent);
    }
    return true;
}

std::string LowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// Content-Length of a request head, 0 when it names none.
size_t ContentLength(const std::string& head) {
    std::string lower = LowerAscii(head);
    size_t at = lower.find("\r\ncontent-length:");
    if (at == std::string::npos) return 0;
    at += std::strlen("\r\ncontent-length:");
    while (at < lower.size() && lower[at] == ' ') ++at;
    size_t length = 0;
    while (at < lower.size() && lower[at] >= '0' && lower[at] <= '9') {
        length = length * 10 + static_cast<size_t>(lower[at] - '0');
        if (length > kMaxRequestBytes) return kMaxRequestBytes;
        ++at;
    }
    return length;
}

std::string RequestPath(const std::string& request) {
    size_t first = request.find(' ');
    if (first == std::string::npos) return {};
    size_t second = request.find(' ', first + 1);
    size_t lineEnd = request.find("\r\n");
    if (second == std::string::npos || second > lineEnd) second = lineEnd;
    return request.substr(first + 1, second - first - 1);
}

const char* ReasonPhrase(int status) {
    switch (status) {
    case 200: return "OK";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 304: return "Not Modified";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

}  // namespace

struct LoopbackServer::Impl {
    struct Script {
        std::vector<ScriptedAnswer> answers;
        size_t next = 0;
    };

    WinsockSession winsock;
    SocketHandle listener;
    unsigned short port = 0;
    std::atomic<bool> stopping{false};
    mutable std::mutex mutex;
    std::map<std::string, Script> scripts;
    std::vector<std::string> requests;
    std::map<std::string, int> counts;
    std::thread thread;  // started last, joined first

    explicit Impl(unsigned short wanted) {
        if (!winsock.Started()) return;
        SocketHandle s(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
        if (!s.Valid()) return;
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(wanted);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (bind(s.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return;
        if (listen(s.Get(), SOMAXCONN) != 0) return;
        int size = sizeof address;
        if (getsockname(s.Get(), reinterpret_cast<sockaddr*>(&address), &size) != 0) return;
        port = ntohs(address.sin_port);
        listener = std::move(s);
        thread = std::thread([this] { AcceptLoop(); });
    }

    ~Impl() {
        stopping = true;
        if (thread.joinable()) thread.join();
    }

    void AcceptLoop() {
        while (!stopping) {
            if (!Readable(listener.Get(), kPollMilliseconds)) continue;
            SocketHandle connection(accept(listener.Get(), nullptr, nullptr));
            if (connection.Valid()) Answer(connection);
        }
    }

    // Reads one request (head and Content-Length body) within the deadline; empty if none came.
    std::string ReadRequest(SOCKET s) {
        std::string request;
        size_t wanted = std::string::npos;
        auto deadline = std::chrono::steady_clock::now() + kConnectionDeadline;
        char chunk[8192];
        while (!stopping && std::chrono::steady_clock::now() < deadline) {
            if (wanted != std::string::npos && request.size() >= wanted) break;
            if (!Readable(s, kPollMilliseconds)) continue;
            int got = recv(s, chunk, sizeof chunk, 0);
            if (got <= 0) break;
            request.append(chunk, static_cast<size_t>(got));
            if (request.size() > kMaxRequestBytes) break;
            if (wanted == std::string::npos) {
                size_t headEnd = request.find("\r\n\r\n");
                if (headEnd != std::string::npos) {
                    wanted = headEnd + 4 + ContentLength(request.substr(0, headEnd + 2));
                }
            }
        }
        return request;
    }

    ScriptedAnswer NextAnswer(const std::string& path, const std::string& request) {
        std::lock_guard lock(mutex);
        requests.push_back(request);
        ++counts[path];
        auto found = scripts.find(path);
        if (found == scripts.end() || found->second.answers.empty()) {
            ScriptedAnswer missing;
            missing.status = 404;
            return missing;
        }
        Script& script = found->second;
        size_t index = std::min(script.next, script.answers.size() - 1);
        if (script.next < script.answers.size()) ++script.next;
        return script.answers[index];
    }

    void Answer(const SocketHandle& connection) {
        std::string request = ReadRequest(connection.Get());
        if (request.find("\r\n\r\n") == std::string::npos) return;
        ScriptedAnswer answer = NextAnswer(RequestPath(request), request);

        std::string head = "HTTP/1.1 " + std::to_string(answer.status) + " " +
                           ReasonPhrase(answer.status) + "\r\n";
        head += "Content-Length: " + std::to_string(answer.body.size()) + "\r\n";
        head += "Connection: close\r\n";
        head += answer.extraHeaders;
        head += "\r\n";
        size_t bodyBytes = answer.closeMidBody ? answer.body.size() / 2 : answer.body.size();
        if (SendAll(connection.Get(), head.data(), head.size())) {
            SendAll(connection.Get(), answer.body.data(), bodyBytes);
        }
        // Let the client read everything before the socket goes: half-close, then drain briefly.
        shutdown(connection.Get(), SD_SEND);
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        char sink[1024];
        while (std::chrono::steady_clock::now() < deadline && Readable(connection.Get(), kPollMilliseconds)) {
            if (recv(connection.Get(), sink, sizeof sink, 0) <= 0) break;
        }
    }
};

LoopbackServer::LoopbackServer(unsigned short port) : impl_(std::make_unique<Impl>(port)) {}

LoopbackServer::~LoopbackServer() = default;

bool LoopbackServer::Listening() const { return impl_->listener.Valid(); }

unsigned short LoopbackServer::Port() const { return impl_->port; }

std::string LoopbackServer::BaseAddress() const {
    return "http://127.0.0.1:" + std::to_string(impl_->port);
}

void LoopbackServer::Serve(const std::string& path, std::vector<ScriptedAnswer> answers) {
    std::lock_guard lock(impl_->mutex);
    impl_->scripts[path] = Impl::Script{std::move(answers), 0};
}

std::vector<std::string> LoopbackServer::Requests() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->requests;
}

int LoopbackServer::RequestCount(const std::string& path) const {
    std::lock_guard lock(impl_->mutex);
    auto found = impl_->counts.find(path);
    return found == impl_->counts.end() ? 0 : found->second;
}

}  // namespace lumbra::test
