// The one thread that owns the document and the plug-in while the studio serves. Web
// requests come on many threads; each hands its work to this thread and waits for the
// outcome, so the plug-in is called from one thread only, one step at a time, as the
// modeller calls it.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace simhost {

// The host thread has stopped: no more work is taken.
class HostStopped : public std::runtime_error {
public:
    HostStopped() : std::runtime_error("the host has stopped") {}
};

// As many requests as the host thread queues wait their turn already.
class HostBusy : public std::runtime_error {
public:
    HostBusy() : std::runtime_error("the host is busy") {}
};

class HostThread {
public:
    HostThread();
    // Finishes the work already queued, then ends the thread.
    ~HostThread();
    HostThread(const HostThread &) = delete;
    HostThread &operator=(const HostThread &) = delete;

    // Requests from the network that may wait their turn at once; one more is refused
    // (HostBusy), so that a client cannot queue work without end.
    static constexpr size_t kMostWaiting = 16;

    // Runs `job` on the host thread, after the work queued before it, and returns what it
    // returned; what it throws is thrown here. For the studio's own work: it always waits
    // its turn.
    template <class Job>
    auto Call(Job job) -> decltype(job()) {
        return Run(std::move(job), false);
    }
    // The same for a client's request, unless kMostWaiting wait already: HostBusy then.
    template <class Job>
    auto Request(Job job) -> decltype(job()) {
        return Run(std::move(job), true);
    }

private:
    template <class Job>
    auto Run(Job job, bool request) -> decltype(job()) {
        auto task = std::make_shared<std::packaged_task<decltype(job())()>>(std::move(job));
        auto outcome = task->get_future();
        Post([task] { (*task)(); }, request);
        return outcome.get();
    }
    void Post(std::function<void()> job, bool request);
    void Loop();

    std::mutex mutex_;
    std::condition_variable queued_;
    struct Job {
        std::function<void()> run;
        bool request;
    };
    std::deque<Job> jobs_;
    size_t waitingRequests_ = 0;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace simhost
