// The little of TCP that the studio's server needs, the same on POSIX and Winsock: a
// listening socket, connections taken from it, and reads and writes that never block
// past a deadline. Also this machine's own addresses and name, for the Host header.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace simhost::net {

// A socket, closed with its owner. Every socket made here is non-blocking: each read and
// write first waits, up to a deadline, for the socket to be ready.
class Socket {
public:
    Socket() = default;
    explicit Socket(intptr_t handle) : handle_(handle) {}
    ~Socket();
    Socket(Socket &&other) noexcept;
    Socket &operator=(Socket &&other) noexcept;
    Socket(const Socket &) = delete;
    Socket &operator=(const Socket &) = delete;

    bool Valid() const { return handle_ != kNone; }
    intptr_t Handle() const { return handle_; }

private:
    static constexpr intptr_t kNone = -1;
    intptr_t handle_ = kNone;
};

enum class Ready { Yes, TimedOut, Failed };

// Binds and listens on `address` (a name or a numeric address) at `port` (0: a free one,
// which `port` is then set to). A port another server listens on is refused, not shared.
// Invalid when it cannot be had.
Socket Listen(const std::string &address, int &port);

// Waits up to `timeout` for `socket` to have something to read (for a listening socket: a
// connection), or room to write.
Ready WaitReadable(const Socket &socket, std::chrono::milliseconds timeout);
Ready WaitWritable(const Socket &socket, std::chrono::milliseconds timeout);

// A connection that waits on `listener`, non-blocking; invalid when none does.
Socket Accept(const Socket &listener);
// A connection to `address` at `port`, as a client makes it; invalid when refused.
Socket Connect(const std::string &address, int port);

// Reads what is there, up to `size`: the count; 0 when the peer closed or the connection
// broke; -1 when nothing is there yet.
long Receive(const Socket &socket, char *into, size_t size);
// Writes all of `size` bytes unless the peer stops taking them for `stall`; false then,
// or when the connection broke.
bool SendAll(const Socket &socket, const char *data, size_t size, std::chrono::milliseconds stall);
// No more is sent: the peer reads to the end of what was.
void ShutdownSending(const Socket &socket);

// Whether `address` names this machine to itself only: "localhost", 127.x.y.z or ::1.
bool Loopback(const std::string &address);

// The numeric addresses of this machine's interfaces ("192.168.1.20", "fe80::1"), and its
// host name; empty when the system will not say.
std::vector<std::string> OwnAddresses();
std::string OwnHostName();

}  // namespace simhost::net
