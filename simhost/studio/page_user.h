// The person at the studio's page, as the host thread meets them: while the plug-in
// waits on a question or a dialog, the host thread waits here for what the person does,
// and requests from the page hand it over. Nobody at the page, or nobody answering in
// time, gets the answer a host gives when its user walks away.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

namespace simhost {

class PageUser {
public:
    // `pagesOpen` says how many pages are listening now. With none for `absence`, or no
    // answer for `patience`, the wait ends without one.
    PageUser(std::function<size_t()> pagesOpen, std::chrono::milliseconds patience,
             std::chrono::milliseconds absence = std::chrono::seconds(3));

    // On the host thread: waits for the person's answer, true for OK; nullopt when
    // nobody gave one.
    std::optional<bool> AwaitAnswer();
    // On the host thread: waits for the person's next action in the open dialog, one of
    // the words of the session language's `dialog` command ("click X", "key esc", ...);
    // nullopt when nobody gave one.
    std::optional<std::string> AwaitDialogAction();

    // From the page: false when the host is waiting for nothing of the kind.
    bool GiveAnswer(bool ok);
    bool GiveDialogAction(const std::string &action);

    // Ends every wait from now on: the studio is stopping.
    void Leave();

private:
    enum class Waiting { Nothing, Answer, DialogAction };

    // Waits until something of `kind` is given; the given text, or nullopt.
    std::optional<std::string> Await(Waiting kind);
    bool Give(Waiting kind, const std::string &what);

    std::function<size_t()> pagesOpen_;
    std::chrono::milliseconds patience_;
    std::chrono::milliseconds absence_;
    std::mutex mutex_;
    std::condition_variable given_;
    Waiting waiting_ = Waiting::Nothing;
    std::optional<std::string> givenText_;
    bool left_ = false;
};

}  // namespace simhost
