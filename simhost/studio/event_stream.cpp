#include "simhost/studio/event_stream.h"

namespace simhost {

std::string EventWire(uint64_t id, const std::string &name, const std::string &data) {
    return "id: " + std::to_string(id) + "\nevent: " + name + "\ndata: " + data + "\n\n";
}

uint64_t EventStream::Publish(const std::string &name, const std::string &data,
                              std::shared_ptr<const std::string> binary) {
    if (!binary) binary = std::make_shared<const std::string>();
    uint64_t id = 0;
    {
        std::lock_guard lock(mutex_);
        id = ++latest_;
        kept_.push_back({id, EventWire(id, name, data), std::move(binary)});
        keptBytes_ += kept_.back().Bytes();
        while (kept_.size() > 1 && (kept_.size() > kKept || keptBytes_ > kKeptBytes)) {
            keptBytes_ -= kept_.front().Bytes();
            kept_.pop_front();
        }
    }
    published_.notify_all();
    return id;
}

EventStream::Data EventStream::DataOf(uint64_t id) const {
    std::lock_guard lock(mutex_);
    if (id == 0 || id > latest_) return {};
    if (kept_.empty() || id < kept_.front().id) return {Data::Kind::Dropped, nullptr};
    return {Data::Kind::Kept, kept_[id - kept_.front().id].binary};
}

uint64_t EventStream::Latest() const {
    std::lock_guard lock(mutex_);
    return latest_;
}

std::optional<std::string> EventStream::Next(uint64_t &after, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    published_.wait_for(lock, timeout, [&] { return closed_ || latest_ > after; });
    if (closed_) return std::nullopt;
    if (latest_ <= after) return std::string();
    std::string wire;
    if (kept_.empty() || kept_.front().id > after + 1) {
        wire = EventWire(latest_, "resync", "{\"seq\":" + std::to_string(latest_) + "}");
        after = latest_;
        return wire;
    }
    for (const Event &event : kept_) {
        if (event.id > after) wire += event.wire;
    }
    after = latest_;
    return wire;
}

void EventStream::Close() {
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
    }
    published_.notify_all();
}

bool EventStream::Attach(size_t most) {
    std::lock_guard lock(mutex_);
    if (readers_ >= most) return false;
    ++readers_;
    return true;
}

void EventStream::Detach() {
    std::lock_guard lock(mutex_);
    if (readers_ > 0) --readers_;
}

size_t EventStream::Readers() const {
    std::lock_guard lock(mutex_);
    return readers_;
}

}  // namespace simhost
