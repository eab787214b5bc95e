#include "simhost/studio/host_thread.h"

namespace simhost {

HostThread::HostThread() : thread_([this] { Loop(); }) {}

HostThread::~HostThread() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    queued_.notify_one();
    thread_.join();
}

void HostThread::Post(std::function<void()> job, bool request) {
    {
        std::lock_guard lock(mutex_);
        if (stopping_) throw HostStopped();
        if (request && waitingRequests_ >= kMostWaiting) throw HostBusy();
        jobs_.push_back({std::move(job), request});
        if (request) ++waitingRequests_;
    }
    queued_.notify_one();
}

void HostThread::Loop() {
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(mutex_);
            queued_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (jobs_.empty()) return;
            job = std::move(jobs_.front().run);
            if (jobs_.front().request) --waitingRequests_;
            jobs_.pop_front();
        }
        job();
    }
}

}  // namespace simhost
