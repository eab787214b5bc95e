// The person at the studio's page, as the host thread meets them: while the plug-in
// waits on a question or a dialog, the host thread waits here for what the person does,
// and requests from the page hand it over. Nobody at the page, or nobody answering in
// time, gets the answer a host gives when its user walks away.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include "simhost/modeller/workbench.h"

namespace simhost {

// What the person does in the fix-mode dialog: the action the host takes, and the line of
// the session language that queues it, for the log.
struct GivenAction {
    DialogAction action;
    std::string line;
};

class PageUser {
public:
    // `pagesOpen` says how many pages are listening now. With none for `absence`, or no
    // answer for `patience`, the wait ends without one.
    PageUser(std::function<size_t()> pagesOpen, std::chrono::milliseconds patience,
             std::chrono::milliseconds absence = std::chrono::seconds(3));

    // On the host thread: waits for the person's answer, true for OK; nullopt when
    // nobody gave one.
    std::optional<bool> AwaitAnswer();
    // On the host thread: waits for the person's next action in the open dialog; nullopt
    // when nobody gave one. From the first wait on, the dialog counts as open, and actions
    // given while the host carries out the one before wait their turn.
    std::optional<GivenAction> AwaitDialogAction();
    // On the host thread: what the person was asked is over (the dialog closed). Returns
    // how many actions given for it came too late and were dropped.
    size_t Over();

    // From the page: false when nothing of the kind is asked (a question already
    // answered, a dialog that is not open).
    bool GiveAnswer(bool ok);
    bool GiveDialogAction(GivenAction action);

    // Ends every wait from now on: the studio is stopping.
    void Leave();

private:
    // Waits until `given` holds something, the person is gone or out of time; the first
    // thing given, or nullopt.
    template <class Given>
    std::optional<Given> Await(std::deque<Given> &given, std::unique_lock<std::mutex> &lock);

    std::function<size_t()> pagesOpen_;
    std::chrono::milliseconds patience_;
    std::chrono::milliseconds absence_;
    std::mutex mutex_;
    std::condition_variable arrived_;
    // A question is asked while its answer is awaited; a dialog is open from the first
    // wait for an action in it until Over. Each has its own queue, since a question may
    // come while a dialog is open.
    bool asking_ = false;
    std::deque<bool> answers_;  // true for OK
    bool dialogOpen_ = false;
    std::deque<GivenAction> actions_;
    bool left_ = false;
};

}  // namespace simhost
