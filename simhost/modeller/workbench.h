// A user at the modeller: the session with the plug-in loaded, the user's actions on the
// plug-in's window by button label, the host's ledger of what the user pinned, and what
// every draw did. Scripts, the demo and long random sessions all work through it.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/contract_codes.h"
#include "simhost/host/recent_history.h"
#include "simhost/modeller/pin_ledger.h"
#include "simhost/modeller/session.h"
#include "simhost/files/report_file.h"
#include "simhost/files/svg_picture.h"

namespace simhost {

// The user asked for something the screen does not offer: a button that is not there,
// a dialog that is not open.
class ActionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One thing the user does while the fix-mode dialog is open.
struct DialogAction {
    enum class Kind { Click, Key, RightClick } kind;
    char axis = 0;    // the toggle clicked: 'X', 'Y' or 'Z'
    int32_t key = 0;  // the key pressed: kKeyEscape, kKeyX, kKeyY or kKeyZ
};

// What the modeller sends from inside one of its own host functions, while the plug-in
// is calling it.
struct NestedAction {
    enum class Kind { Initialize, Exit, Activate, Deactivate, NewDocument, Draw, Click } kind = Kind::Draw;
    std::string label;  // the slot button of a click
    bool ctrl = false;
    bool shift = false;
};

class Workbench {
public:
    Workbench(const std::string &pluginPath, const std::string &settingsFile);

    Session &session() { return session_; }
    Document &document() { return session_.document(); }
    const Document &document() const { return session_.document(); }
    Host &host() { return session_.host(); }
    WidgetHost &widgets() { return session_.host().widgets; }
    const PinLedger &ledger() const { return ledger_; }

    // The plug-in's life, as the modeller drives it.
    void Start() { session_.Start(); }
    void Initialize();
    void Activate(bool on);
    void Exit();
    // Whether the plug-in counts as active by its published rules: switched on or off
    // only while it has a window, switched off when the user closes that window. Draws
    // pin while it is set, whatever the host was last told.
    bool activated() const { return activated_; }
    // How the plug-in came to be off, for telling the user why its pins are not held.
    enum class Off { NeverOn, SwitchedOff, WindowClosed };
    Off howOff() const { return howOff_; }
    void NewDocument();

    // The slot button labelled "X0", "1", "2" or "3"; ActionError when the plug-in's
    // window does not show it.
    int SlotOf(const std::string &label) const;
    // A left click on a slot button, with Control and Shift as given.
    void ClickSlot(const std::string &label, bool ctrl, bool shift);
    // The next question the plug-in asks is answered OK (or Cancel).
    void Answer(bool ok) { widgets().ScriptAnswer(ok ? 1 : 0); }
    // A right click on a slot button at a screen position, then the user's actions in the
    // dialog it opens, in order.
    void RightClickSlot(const std::string &label, int32_t screenX, int32_t screenY,
                        const std::vector<DialogAction> &actions);
    // A person at the screen: asked for the next action in the fix-mode dialog once the
    // given ones are done; nullopt when none will come, and the host closes the dialog.
    std::function<std::optional<DialogAction>()> liveDialog;
    void CloseWindow();
    void MoveWindow(int32_t x, int32_t y);
    bool ButtonDown(const std::string &label) const;

    // A view is drawn; what it did is checked against the ledger and kept.
    DrawOutcome Draw();
    const std::optional<DrawOutcome> &lastDraw() const { return lastDraw_; }
    // The document changed and no draw has come since to put the pins back: set by the
    // commands that change the document, cleared by any draw.
    void DocumentChanged() { changedSinceDraw_ = true; }
    bool changedSinceDraw() const { return changedSinceDraw_; }

    // The modeller sends `action` from inside the plug-in's `call`th call of host
    // function `function`, counted from now. The plug-in handles it once its outermost
    // call returns, and so does the ledger: after the action during which it came.
    void NestInside(const std::string &function, long long call, NestedAction action);
    size_t NestsWaiting() const { return session_.host().NestsWaiting(); }

    // Per slot, the last draw and the centre line, with whether the plug-in is on and why
    // pins are not held, if they are not.
    ReportFacts Report() const;
    // The centre line as the report and the picture give it: the largest |X| among slot
    // X0's pinned vertices present in the document, and how many of them there are.
    ReportFacts::CentreLine MeasureCentreLine() const;
    PictureContent Picture(const std::string &title) const;

    // What the script got wrong since the last call, taken out of the host's record.
    std::vector<std::string> TakeScriptErrors();
    // What the plug-in did that a host would not accept, or that contradicts what the
    // user pinned, since the start: the latest of it, and how much there was.
    const RecentHistory<Violation> &violations() { return session_.host().violations; }

private:
    // A nested action the host has delivered, waiting for the ledger.
    struct Delivered {
        NestedAction action;
        bool hasWindow = false;
        bool wasDown = false;  // a click's button, as the plug-in finds it
        PositionSet before;    // positions when a draw came, over the write record
        long long writtenBefore = 0;
        bool duringModal = false;  // came while a question or the dialog was up
    };

    // Switched on or off; `how` says how it came to be off, if it was on.
    void SetActivated(bool on, Off how);
    int32_t ButtonFor(const std::string &label) const;
    int32_t DialogToggleMask() const;
    void Deliver(const NestedAction &action);
    // Brings the ledger up to date with the nested actions delivered during the last
    // action, in the order the plug-in handled them, then checks the buttons and the
    // questions against it. `questionsTaken` is how many questions the last action
    // itself accounted for.
    // What the action that was interrupted did to the plug-in's window by its end.
    enum class WindowAfter { Kept, Ended, Started };
    // `check`: the buttons and questions are checked once all is settled.
    void SettleNested(WindowAfter outer = WindowAfter::Kept, bool check = true);
    // What came while the action's question or dialog was up: the plug-in handled it
    // then, before the action went on.
    // Returns whether a new document came then.
    bool SettleDuringModal();
    // The questions and buttons once everything is settled.
    void CheckSettled();
    void SettleClick(const Delivered &click);
    // The last draw of those settled together: where the vertices were before that draw,
    // over the write record, and the ledger as it stood then.
    struct NestedDraw {
        PositionSet before;
        PinLedger ledger;
        bool active = false;
        long long writtenBefore = 0;  // when the first of them came
    };
    void SettleDraw(const NestedDraw &draw);
    // A click's question, taken in turn from those the plug-in asked.
    struct Asked {
        bool asked = false;
        bool confirmed = false;
    };
    Asked TakeQuestion(bool due);
    // A click's question, if the slot's contents call for one, taken in turn.
    Asked AskedFor(const std::string &label, bool ctrl, bool shift);
    // What the click does to the ledger once its question is answered.
    void ApplyClick(const std::string &label, bool ctrl, bool shift, bool wasDown, Asked asked);
    // The pressed state each slot button should show once the action is settled.
    void ExpectButtons(bool down);
    void CheckButtons();

    Session session_;
    PinLedger ledger_;
    std::optional<DrawOutcome> lastDraw_;
    bool activated_ = false;
    Off howOff_ = Off::NeverOn;
    bool changedSinceDraw_ = false;
    std::vector<Delivered> delivered_;
    // The questions the ledger has accounted for, and so the number of the next one due.
    size_t questionsSettled_ = 0;
    std::map<int, bool> buttonsDue_;
    bool inDraw_ = false;   // the plug-in is inside a draw the workbench sent
    bool drawing_ = false;  // a draw is being settled
    // Where the draw being settled left the vertices, over the write record, when it did
    // as the ledger says: what a draw sent nested in it starts from.
    PositionSet outerDrawn_;
};

}  // namespace simhost
