#include "simhost/studio/page_user.h"

namespace simhost {

namespace {

// How often a wait looks whether a page is still there: a page that closes shows only
// as its event stream ending.
constexpr std::chrono::milliseconds kLook{100};

}  // namespace

PageUser::PageUser(std::function<size_t()> pagesOpen, std::chrono::milliseconds patience,
                   std::chrono::milliseconds absence)
    : pagesOpen_(std::move(pagesOpen)), patience_(patience), absence_(absence) {}

std::optional<bool> PageUser::AwaitAnswer() {
    std::unique_lock lock(mutex_);
    asking_ = true;
    answers_.clear();
    const std::optional<bool> answer = Await(answers_, lock);
    asking_ = false;
    answers_.clear();
    return answer;
}

std::optional<GivenAction> PageUser::AwaitDialogAction() {
    std::unique_lock lock(mutex_);
    dialogOpen_ = true;
    return Await(actions_, lock);
}

size_t PageUser::Over() {
    std::lock_guard lock(mutex_);
    const size_t dropped = actions_.size();
    actions_.clear();
    dialogOpen_ = false;
    return dropped;
}

bool PageUser::GiveAnswer(bool ok) {
    {
        std::lock_guard lock(mutex_);
        if (!asking_ || !answers_.empty()) return false;
        answers_.push_back(ok);
    }
    arrived_.notify_all();
    return true;
}

bool PageUser::GiveDialogAction(GivenAction action) {
    {
        std::lock_guard lock(mutex_);
        if (!dialogOpen_) return false;
        actions_.push_back(std::move(action));
    }
    arrived_.notify_all();
    return true;
}

void PageUser::Leave() {
    {
        std::lock_guard lock(mutex_);
        left_ = true;
    }
    arrived_.notify_all();
}

template <class Given>
std::optional<Given> PageUser::Await(std::deque<Given> &given, std::unique_lock<std::mutex> &lock) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    Clock::time_point lastSeen = start;
    while (given.empty() && !left_) {
        const Clock::time_point now = Clock::now();
        if (now - start >= patience_) break;
        if (pagesOpen_() > 0) {
            lastSeen = now;
        } else if (now - lastSeen >= absence_) {
            break;
        }
        arrived_.wait_for(lock, kLook);
    }
    if (given.empty()) return std::nullopt;
    Given first = std::move(given.front());
    given.pop_front();
    return first;
}

}  // namespace simhost
