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

class HostThread {
public:
    HostThread();
    // Finishes the work already queued, then ends the thread.
    ~HostThread();
    HostThread(const HostThread &) = delete;
    HostThread &operator=(const HostThread &) = delete;

    // Runs `job` on the host thread, after the work queued before it, and returns what it
    // returned; what it throws is thrown here.
    template <class Job>
    auto Call(Job job) -> decltype(job()) {
        auto task = std::make_shared<std::packaged_task<decltype(job())()>>(std::move(job));
        auto outcome = task->get_future();
        Post([task] { (*task)(); });
        return outcome.get();
    }

private:
    void Post(std::function<void()> job);
    void Loop();

    std::mutex mutex_;
    std::condition_variable queued_;
    std::deque<std::function<void()>> jobs_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace simhost
