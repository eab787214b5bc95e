#include "simhost/studio/net_socket.h"

#include <algorithm>
#include <cerrno>
#include <mutex>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
// winsock2.h first: iphlpapi.h needs its types.
#include <iphlpapi.h>
#else
#include <fcntl.h>
#include <ifaddrs.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace simhost::net {

namespace {

#ifdef _WIN32
using Native = SOCKET;
constexpr int kSendFlags = 0;

void CloseNative(Native socket) { closesocket(socket); }

int PollNative(pollfd *fds, int timeout) { return WSAPoll(fds, 1, timeout); }

bool MakeNonBlocking(Native socket) {
    u_long yes = 1;
    return ioctlsocket(socket, FIONBIO, &yes) == 0;
}

// Winsock works only once started; it stays so for the life of the program.
void StartSockets() {
    static std::once_flag started;
    std::call_once(started, [] {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    });
}
#else
using Native = int;
// A peer gone away is a failed write here, not a signal that ends the program.
constexpr int kSendFlags = MSG_NOSIGNAL;

void CloseNative(Native socket) { ::close(socket); }

int PollNative(pollfd *fds, int timeout) { return ::poll(fds, 1, timeout); }

bool MakeNonBlocking(Native socket) {
    const int flags = fcntl(socket, F_GETFL, 0);
    return flags >= 0 && fcntl(socket, F_SETFL, flags | O_NONBLOCK) == 0;
}

void StartSockets() {}
#endif

Native NativeOf(const Socket &socket) { return static_cast<Native>(socket.Handle()); }

Ready Wait(const Socket &socket, short events, std::chrono::milliseconds timeout) {
    pollfd watched{};
    watched.fd = NativeOf(socket);
    watched.events = events;
    const int waited = PollNative(&watched, static_cast<int>(std::clamp<int64_t>(timeout.count(), 0, 1 << 30)));
    if (waited == 0) return Ready::TimedOut;
    if (waited < 0) return Ready::Failed;
    // A peer that hung up may still have left bytes to read; the read then says so.
    if ((watched.revents & events) != 0 || (watched.revents & POLLHUP) != 0) return Ready::Yes;
    return Ready::Failed;
}

std::string Numeric(const sockaddr *address, socklen_t size) {
    char text[NI_MAXHOST];
    if (getnameinfo(address, size, text, sizeof text, nullptr, 0, NI_NUMERICHOST) != 0) return {};
    // An IPv6 address's zone ("%eth0") is this machine's business, not the browser's.
    std::string numeric = text;
    return numeric.substr(0, numeric.find('%'));
}

}  // namespace

Socket::~Socket() {
    if (Valid()) CloseNative(NativeOf(*this));
}

Socket::Socket(Socket &&other) noexcept : handle_(other.handle_) { other.handle_ = kNone; }

Socket &Socket::operator=(Socket &&other) noexcept {
    if (this != &other) {
        if (Valid()) CloseNative(NativeOf(*this));
        handle_ = other.handle_;
        other.handle_ = kNone;
    }
    return *this;
}

Socket Listen(const std::string &address, int &port) {
    StartSockets();
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE;
    addrinfo *found = nullptr;
    if (getaddrinfo(address.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return {};
    Socket listener;
    for (const addrinfo *each = found; each != nullptr && !listener.Valid(); each = each->ai_next) {
        Socket candidate(static_cast<intptr_t>(socket(each->ai_family, each->ai_socktype, each->ai_protocol)));
        if (!candidate.Valid()) continue;
        const Native native = NativeOf(candidate);
        int yes = 1;
#ifdef _WIN32
        // Windows lets a second server bind a port in use unless told not to.
        setsockopt(native, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char *>(&yes), sizeof yes);
#else
        // Only lets the studio restart on its port at once; SO_REUSEPORT would let a second
        // studio take half the requests of the first.
        setsockopt(native, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
#endif
        if (bind(native, each->ai_addr, static_cast<socklen_t>(each->ai_addrlen)) != 0 || listen(native, 128) != 0 ||
            !MakeNonBlocking(native)) {
            continue;
        }
        sockaddr_storage bound{};
        socklen_t size = sizeof bound;
        if (getsockname(native, reinterpret_cast<sockaddr *>(&bound), &size) != 0) continue;
        port = ntohs(bound.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6 &>(bound).sin6_port
                                                 : reinterpret_cast<sockaddr_in &>(bound).sin_port);
        listener = std::move(candidate);
    }
    freeaddrinfo(found);
    return listener;
}

Ready WaitReadable(const Socket &socket, std::chrono::milliseconds timeout) { return Wait(socket, POLLIN, timeout); }

Ready WaitWritable(const Socket &socket, std::chrono::milliseconds timeout) { return Wait(socket, POLLOUT, timeout); }

Socket Accept(const Socket &listener) {
    Socket connection(static_cast<intptr_t>(accept(NativeOf(listener), nullptr, nullptr)));
    if (!connection.Valid()) return connection;
    if (!MakeNonBlocking(NativeOf(connection))) return {};
    // Each answer and each event goes out in one write: holding a small one back until the
    // last is acknowledged (Nagle) only delays it, by as long as the client delays its
    // acknowledgement, a millisecond or more on a stroke's event.
    int yes = 1;
    setsockopt(NativeOf(connection), IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char *>(&yes), sizeof yes);
    return connection;
}

Socket Connect(const std::string &address, int port) {
    StartSockets();
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    if (getaddrinfo(address.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return {};
    Socket connection;
    for (const addrinfo *each = found; each != nullptr && !connection.Valid(); each = each->ai_next) {
        Socket candidate(static_cast<intptr_t>(socket(each->ai_family, each->ai_socktype, each->ai_protocol)));
        if (candidate.Valid() &&
            connect(NativeOf(candidate), each->ai_addr, static_cast<socklen_t>(each->ai_addrlen)) == 0 &&
            MakeNonBlocking(NativeOf(candidate))) {
            connection = std::move(candidate);
        }
    }
    freeaddrinfo(found);
    return connection;
}

long Receive(const Socket &socket, char *into, size_t size) {
    const int asked = static_cast<int>(std::min<size_t>(size, 1 << 20));
    const long got = static_cast<long>(recv(NativeOf(socket), into, asked, 0));
    if (got >= 0) return got;
#ifdef _WIN32
    return WSAGetLastError() == WSAEWOULDBLOCK ? -1 : 0;
#else
    return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR ? -1 : 0;
#endif
}

bool SendAll(const Socket &socket, const char *data, size_t size, std::chrono::milliseconds stall) {
    while (size > 0) {
        if (WaitWritable(socket, stall) != Ready::Yes) return false;
        const int piece = static_cast<int>(std::min<size_t>(size, 1 << 20));
        const long sent = static_cast<long>(send(NativeOf(socket), data, piece, kSendFlags));
        if (sent <= 0) {
#ifdef _WIN32
            if (WSAGetLastError() == WSAEWOULDBLOCK) continue;
#else
            if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) continue;
#endif
            return false;
        }
        data += sent;
        size -= static_cast<size_t>(sent);
    }
    return true;
}

void ShutdownSending(const Socket &socket) {
#ifdef _WIN32
    shutdown(NativeOf(socket), SD_SEND);
#else
    shutdown(NativeOf(socket), SHUT_WR);
#endif
}

bool Loopback(const std::string &address) {
    return address == "localhost" || address == "::1" || address.rfind("127.", 0) == 0;
}

std::vector<std::string> OwnAddresses() {
    StartSockets();
    std::vector<std::string> addresses;
#ifdef _WIN32
    ULONG size = 16 * 1024;
    std::vector<unsigned char> buffer;
    ULONG got = ERROR_BUFFER_OVERFLOW;
    for (int attempt = 0; attempt < 3 && got == ERROR_BUFFER_OVERFLOW; ++attempt) {
        buffer.resize(size);
        got = GetAdaptersAddresses(AF_UNSPEC, GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST, nullptr,
                                   reinterpret_cast<IP_ADAPTER_ADDRESSES *>(buffer.data()), &size);
    }
    if (got != NO_ERROR) return addresses;
    for (auto *adapter = reinterpret_cast<IP_ADAPTER_ADDRESSES *>(buffer.data()); adapter != nullptr;
         adapter = adapter->Next) {
        for (auto *unicast = adapter->FirstUnicastAddress; unicast != nullptr; unicast = unicast->Next) {
            const SOCKET_ADDRESS &where = unicast->Address;
            const std::string text = Numeric(where.lpSockaddr, where.iSockaddrLength);
            if (!text.empty()) addresses.push_back(text);
        }
    }
#else
    ifaddrs *interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0) return addresses;
    for (const ifaddrs *each = interfaces; each != nullptr; each = each->ifa_next) {
        const sockaddr *where = each->ifa_addr;
        if (where == nullptr || (where->sa_family != AF_INET && where->sa_family != AF_INET6)) continue;
        const std::string text =
            Numeric(where, where->sa_family == AF_INET ? sizeof(sockaddr_in) : sizeof(sockaddr_in6));
        if (!text.empty()) addresses.push_back(text);
    }
    freeifaddrs(interfaces);
#endif
    std::sort(addresses.begin(), addresses.end());
    addresses.erase(std::unique(addresses.begin(), addresses.end()), addresses.end());
    return addresses;
}

std::string OwnHostName() {
    StartSockets();
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

}  // namespace simhost::net
