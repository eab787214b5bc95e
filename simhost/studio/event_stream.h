// The updates the studio sends its pages as Server-Sent Events: each one numbered, a few
// of the latest kept for readers that fall behind, with the binary body each may carry,
// every reader woken when one comes.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace simhost {

class EventStream {
public:
    // How many of the latest events are kept, and how many bytes of them at most, text and
    // binary body together (the latest is kept whatever its size). An event's body holds
    // the positions a command changed, 12 MB at a million vertices, so few are; a reader
    // further behind fetches everything again.
    static constexpr size_t kKept = 16;
    static constexpr size_t kKeptBytes = size_t{64} << 20;

    // Adds an event of kind `name` with `data` (one line of JSON) and the binary body its
    // references point into, if any; returns its number, counted from 1.
    uint64_t Publish(const std::string &name, const std::string &data,
                     std::shared_ptr<const std::string> binary = nullptr);
    uint64_t Latest() const;

    // The binary body of event `id`: empty for an event that has none. A page that asks
    // for it too late has missed the event and must fetch everything again, which is not
    // the same as asking for one that never was.
    struct Data {
        enum class Kind { Kept, Dropped, NotPublished } kind = Kind::NotPublished;
        std::shared_ptr<const std::string> bytes;  // when kept
    };
    Data DataOf(uint64_t id) const;

    // What a reader who has had the events up to `after` gets next, in the wire format
    // ("id: N\nevent: NAME\ndata: ...\n\n" each). It waits up to `timeout` for one to
    // come; nothing after the wait; a "resync" event when the ones it missed are no longer
    // kept, so that the page fetches the whole state again. `after` moves on to the last
    // one given. Nothing at all (nullopt) once the stream is closed.
    std::optional<std::string> Next(uint64_t &after, std::chrono::milliseconds timeout);

    // Ends every reader's wait, now and from now on: the server is stopping.
    void Close();

    // A reader comes, unless `most` are reading already; and goes. Each reader holds a
    // thread of the server for as long as it reads, so their number is capped.
    bool Attach(size_t most);
    void Detach();
    // How many pages read the stream now.
    size_t Readers() const;

private:
    struct Event {
        uint64_t id;
        std::string wire;
        std::shared_ptr<const std::string> binary;  // never null

        size_t Bytes() const { return wire.size() + binary->size(); }
    };
    mutable std::mutex mutex_;
    std::condition_variable published_;
    std::deque<Event> kept_;
    size_t keptBytes_ = 0;
    uint64_t latest_ = 0;
    bool closed_ = false;
    size_t readers_ = 0;
};

// One event in the wire format of Server-Sent Events.
std::string EventWire(uint64_t id, const std::string &name, const std::string &data);

}  // namespace simhost
