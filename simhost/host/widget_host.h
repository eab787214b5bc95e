// The stand-in host's windows and controls: widgets with host-chosen IDs that keep every
// property the plug-in sets, their handler registrations, message boxes and modal runs
// answered from a script, and the user's clicks, keys and window closing delivered to the
// plug-in's handlers. Everything the plug-in sends is checked against the widget message
// protocol, and the latest of it logged. A destroyed widget is forgotten but for its ID
// having been handed out, so that a host running for days holds only what is on screen.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

#include "host/contract_codes.h"
#include "host/host_abi.h"
#include "simhost/host/host_checks.h"
#include "simhost/host/recent_history.h"

namespace simhost {

class Host;

using WidgetValue = std::variant<std::monostate, std::u16string, std::string, double, bool, int32_t>;
using WidgetEventProc = int (*)(MQDocument, MQOption *, void *);

struct HandlerRegistration {
    std::string event;
    WidgetEventProc proc;
    void *closure;
    bool prior;
};

struct Widget {
    int32_t id = 0;
    std::string type;  // "main_window", "window", "dialog", "frame" or "button"
    int32_t parent = 0;
    std::vector<int32_t> children;
    std::map<std::string, WidgetValue> properties;
    std::vector<HandlerRegistration> handlers;
    int modalDepth = 0;  // a dialog is open while a modal run of it lasts
    bool closeRequested = false;

    std::u16string Text(const std::string &key) const;
    bool Flag(const std::string &key) const;
    std::optional<int32_t> Int(const std::string &key) const;
};

// One message box the plug-in asked.
struct Question {
    std::u16string message;
    std::u16string title;
    int32_t parent;
    int32_t answer;
};

class WidgetHost {
public:
    explicit WidgetHost(Host &host);

    // Serves one MQWidget_Value call.
    int Value(int32_t id, int code, MQOption *options);

    // Answers 0 to every creation, as a host out of resources would.
    bool failCreation = false;

    // The next message box is answered `answer`; `during` runs while it is up.
    void ScriptAnswer(int32_t answer, std::function<void()> during = {});
    // Runs while a modal dialog is open, in order, one action per step of the host's
    // nested loop; the run ends when the dialog closes.
    void ScriptModal(std::function<void()> action);
    size_t PendingModalActions() const { return modal_.size(); }
    // A person at the screen, for what the script did not queue. `liveAnswer` is asked the
    // answer to a question (1 OK, 0 Cancel); `liveModalStep` is asked, while a dialog is
    // open, to do the user's next action in it, and returns false when none will come.
    // Unset, the host answers Cancel and closes the dialog, and counts each as the script's
    // error.
    std::function<int32_t(const Question &)> liveAnswer;
    std::function<bool()> liveModalStep;
    // Forgets the modal actions that no dialog took, and answers not asked for; returns how
    // many there were.
    size_t DiscardModalActions();
    size_t DiscardAnswers();

    // The user's actions. Each names the widget acted on and returns what the plug-in's
    // handler answered; acting on a widget that is not on screen is a script error.
    // `modifiers` are bits of "button_state" (stelmarin::kShiftKey, stelmarin::kCtrlKey, ...).
    int LeftClick(int32_t id, int32_t modifiers = 0, int32_t screenX = 0, int32_t screenY = 0);
    int RightClick(int32_t id, int32_t modifiers = 0, int32_t screenX = 0, int32_t screenY = 0);
    int KeyPress(int32_t id, int32_t key, int32_t modifiers = 0);
    // The user closes a window: the host hides it and tells its "hide" handlers.
    void UserCloses(int32_t id);
    // The user drags a window to a new place on screen.
    void UserMoves(int32_t id, int32_t x, int32_t y);
    // Any event to the handlers of `target` for `event`, with the host's options.
    int Deliver(int32_t target, int32_t sender, const std::string &event, const std::map<std::string, int32_t> &ints);

    const Widget *Find(int32_t id) const;
    // The live button labelled `text`; in an open dialog first, so that "X" finds the
    // dialog's toggle.
    int32_t ButtonLabelled(const std::u16string &text) const;
    // The first live window the plug-in created; 0 when there is none.
    int32_t PluginWindow() const;
    // The innermost open modal dialog; 0 when none is open.
    int32_t OpenDialog() const;
    bool IsShown(int32_t id) const;
    int32_t MainWindow() const { return mainWindow_; }
    int LiveWidgets() const;
    // The host's main window and every widget the plug-in made and has not destroyed, by
    // ID, with their registrations. A hostile host that means to send events to widgets
    // once they are gone keeps a copy.
    const std::unordered_map<int32_t, Widget> &Widgets() const { return widgets_; }
    // Whether `id` names a widget this host made and the plug-in has since destroyed.
    bool WasDestroyed(int32_t id) const;

    // The latest messages the plug-in sent, one line each, e.g. "set 12 down=false".
    static constexpr size_t kLogCapacity = 4096;
    RecentHistory<std::string> log{kLogCapacity};
    // The latest questions the plug-in asked, with their answers; a question keeps its
    // number (RecentHistory::Numbered) once earlier ones are forgotten.
    static constexpr size_t kQuestionCapacity = 256;
    RecentHistory<Question> questions{kQuestionCapacity};
    // What the session's script got wrong (unanswered questions, a modal run left open,
    // clicks on hidden widgets), as opposed to what the plug-in did wrong.
    std::vector<std::string> scriptErrors;

    // What a person would see: titles, labels, pressed states, visibility.
    std::string Dump() const;

private:
    Widget *Live(const char *what, int32_t id);
    void Violate(Check check, const std::string &what);
    int Command(int32_t id, MQOption *options);
    void Create(MQOption *options);
    void Destroy(int32_t id, MQOption *options);
    void AddChild(int32_t id, MQOption *options, int code);
    void Get(int32_t id, MQOption *options);
    void Set(int32_t id, MQOption *options);
    void AddHandler(int32_t id, MQOption *options);
    void RunModal(int32_t id, MQOption *options);
    int UserEvent(const char *what, int32_t id, const std::string &event, const std::map<std::string, int32_t> &ints);
    void DumpWidget(const Widget &widget, int depth, std::string &out) const;
    // The lowest ID among live widgets that `match`: the one the plug-in made first.
    template <class Match>
    int32_t FirstMade(Match match) const;

    Host &host_;
    static constexpr int32_t kFirstID = 1001;
    // IDs are handed out in rising order and never again, so every ID from the first up
    // to this one that is not live was destroyed.
    int32_t nextID_ = kFirstID;
    int32_t mainWindow_ = 1;
    std::unordered_map<int32_t, Widget> widgets_;
    std::vector<int32_t> dialogs_;  // open modal dialogs, innermost last
    bool refusedCreation_ = false;
    struct Answer {
        int32_t answer;
        std::function<void()> during;
    };
    std::deque<Answer> answers_;
    std::deque<std::function<void()>> modal_;
};

}  // namespace simhost
