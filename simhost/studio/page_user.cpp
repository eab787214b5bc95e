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
    const std::optional<std::string> answer = Await(Waiting::Answer);
    if (!answer) return std::nullopt;
    return *answer == "ok";
}

std::optional<std::string> PageUser::AwaitDialogAction() { return Await(Waiting::DialogAction); }

bool PageUser::GiveAnswer(bool ok) { return Give(Waiting::Answer, ok ? "ok" : "cancel"); }

bool PageUser::GiveDialogAction(const std::string &action) { return Give(Waiting::DialogAction, action); }

void PageUser::Leave() {
    {
        std::lock_guard lock(mutex_);
        left_ = true;
    }
    given_.notify_all();
}

std::optional<std::string> PageUser::Await(Waiting kind) {
    using Clock = std::chrono::steady_clock;
    std::unique_lock lock(mutex_);
    waiting_ = kind;
    givenText_.reset();
    const Clock::time_point start = Clock::now();
    Clock::time_point lastSeen = start;
    while (!givenText_ && !left_) {
        const Clock::time_point now = Clock::now();
        if (now - start >= patience_) break;
        if (pagesOpen_() > 0) {
            lastSeen = now;
        } else if (now - lastSeen >= absence_) {
            break;
        }
        given_.wait_for(lock, kLook);
    }
    waiting_ = Waiting::Nothing;
    std::optional<std::string> given = std::move(givenText_);
    givenText_.reset();
    return given;
}

bool PageUser::Give(Waiting kind, const std::string &what) {
    {
        std::lock_guard lock(mutex_);
        if (waiting_ != kind || givenText_) return false;
        givenText_ = what;
    }
    given_.notify_all();
    return true;
}

}  // namespace simhost
