// The workbench: the plug-in as the user meets it, with the ledger checking each answer.
//
// Sections:
//   the plug-in's life        Initialize, Exit, NewDocument, Activate
//   the slot buttons          clicks, the questions they ask, the buttons' pressed states
//   events sent from inside   NestInside, Deliver, SettleNested, SettleDuringModal, SettleDraw
//   the fix-mode dialog       DialogToggleMask, through the dialog's own widgets
//   the window                CloseWindow, MoveWindow
//   draws and what they show  Draw, Report, MeasureCentreLine, Picture, TakeScriptErrors
#include "simhost/modeller/workbench.h"

#include <algorithm>
#include <cmath>

#include "simhost/modeller/pin_holding.h"

namespace simhost {

namespace {

std::u16string Wide(const std::string &ascii) { return std::u16string(ascii.begin(), ascii.end()); }

}  // namespace

// ---- the plug-in's life ----

Workbench::Workbench(const std::string &pluginPath, const std::string &settingsFile)
    : session_(pluginPath, settingsFile) {}

void Workbench::Initialize() {
    session_.Initialize();
    ExpectButtons(false);
    SettleNested(WindowAfter::Started);
}

void Workbench::Exit() {
    session_.Exit();
    buttonsDue_.clear();
    SettleNested(WindowAfter::Ended);
}

void Workbench::NewDocument() {
    session_.NewDocument();
    ledger_.ClearAll();
    lastDraw_.reset();
    ExpectButtons(false);
    SettleNested();
}

void Workbench::SetActivated(bool on, Off how) {
    if (activated_ && !on) howOff_ = how;
    activated_ = on;
}

void Workbench::Activate(bool on) {
    const bool hasWindow = widgets().PluginWindow() != 0;
    const int answer = session_.Activate(on);
    if (hasWindow) SetActivated(on, Off::SwitchedOff);
    if ((answer != 0) != (hasWindow && on)) {
        host().Report(Check::WrongActivationAnswer, std::string("activation: the plug-in answered ") +
                                                        (answer != 0 ? "on" : "off") +
                                                        (hasWindow ? " with its window there" : " without a window"));
    }
    SettleNested();
}

// ---- the slot buttons ----

int Workbench::SlotOf(const std::string &label) const {
    for (int slot = 0; slot < kSlots; ++slot) {
        if (label == kSlotLabels[slot]) return slot;
    }
    throw ActionError("\"" + label + "\" is not a slot button; the buttons are X0, 1, 2 and 3");
}

int32_t Workbench::ButtonFor(const std::string &label) const {
    SlotOf(label);
    const WidgetHost &widgets = session_.host().widgets;
    const int32_t window = widgets.PluginWindow();
    if (window == 0) throw ActionError("the plug-in has no window (send init first)");
    if (!widgets.IsShown(window)) throw ActionError("the plug-in's window is hidden (send activate first)");
    const int32_t button = widgets.ButtonLabelled(Wide(label));
    if (button == 0) throw ActionError("the plug-in's window has no button \"" + label + "\"");
    return button;
}

bool Workbench::ButtonDown(const std::string &label) const {
    const Widget *button = session_.host().widgets.Find(ButtonFor(label));
    return button != nullptr && button->Flag("down");
}

void Workbench::ClickSlot(const std::string &label, bool ctrl, bool shift) {
    const int32_t button = ButtonFor(label);
    const bool wasDown = ButtonDown(label);
    widgets().LeftClick(button, (ctrl ? stelmarin::kCtrlKey : 0) | (shift ? stelmarin::kShiftKey : 0));
    // The question comes first; what the host sent while it was up, next; then the
    // click's own work, unless a new document came meanwhile and ended it.
    const Asked asked = AskedFor(label, ctrl, shift);
    if (!SettleDuringModal()) ApplyClick(label, ctrl, shift, wasDown, asked);
    SettleNested();
}

Workbench::Asked Workbench::TakeQuestion(bool due) {
    const auto &questions = widgets().questions;
    if (!due || questionsSettled_ >= questions.Added()) return {};
    const Question *question = questions.Numbered(questionsSettled_++);
    if (question != nullptr) return {true, question->answer == 1};
    // More questions came within one action than the host keeps: the answer to this one
    // is gone, and with it what the click did. Taken as Cancel, and the step fails.
    widgets().scriptErrors.push_back("question " + std::to_string(questionsSettled_) +
                                     " was forgotten before its click was settled: the host keeps the latest " +
                                     std::to_string(questions.Capacity()) + ", and cannot check the rest");
    return {true, false};
}

Workbench::Asked Workbench::AskedFor(const std::string &label, bool ctrl, bool shift) {
    const bool due = ledger_.QuestionDue(SlotOf(label), ctrl, shift);
    const Asked asked = TakeQuestion(due);
    if (due && !asked.asked) {
        host().Report(
            Check::QuestionNotAsked,
            "click on " + label + ": the plug-in asked nothing where the slot's contents called for a question");
    }
    return asked;
}

void Workbench::ApplyClick(const std::string &label, bool ctrl, bool shift, bool wasDown, Asked asked) {
    const int slot = SlotOf(label);
    const auto result =
        ledger_.LeftClick(slot, ctrl, shift, wasDown, activated_, asked.asked, asked.confirmed, document());
    if (result.buttonDown >= 0) buttonsDue_[slot] = result.buttonDown == 1;
}

void Workbench::SettleClick(const Delivered &click) {
    const NestedAction &action = click.action;
    ApplyClick(action.label, action.ctrl, action.shift, click.wasDown,
               AskedFor(action.label, action.ctrl, action.shift));
}

void Workbench::ExpectButtons(bool down) {
    buttonsDue_.clear();
    for (int slot = 0; slot < kSlots; ++slot) {
        buttonsDue_[slot] = down || ledger_.slots[static_cast<size_t>(slot)].armed;
    }
}

void Workbench::CheckButtons() {
    const WidgetHost &widgets = session_.host().widgets;
    if (widgets.PluginWindow() == 0) return;
    for (const auto &[slot, down] : buttonsDue_) {
        const Widget *button = widgets.Find(widgets.ButtonLabelled(Wide(kSlotLabels[slot])));
        if (button == nullptr || button->Flag("down") == down) continue;
        host().Report(Check::WrongButtonState, "click on " + std::string(kSlotLabels[slot]) + ": the button is " +
                                                   (button->Flag("down") ? "down" : "up") + " where the slot is " +
                                                   (down ? "armed" : "disarmed"));
    }
    buttonsDue_.clear();
}

// ---- events sent from inside ----

void Workbench::NestInside(const std::string &function, long long call, NestedAction action) {
    session_.host().NestInside(function, call, [this, action] { Deliver(action); });
}

void Workbench::Deliver(const NestedAction &action) {
    Delivered delivered{action, widgets().PluginWindow() != 0, false,
                        {},     host().verticesWritten,        host().WaitingOnUser()};
    switch (action.kind) {
        case NestedAction::Kind::Initialize:
            session_.Initialize();
            break;
        case NestedAction::Kind::Exit:
            session_.Exit();
            break;
        case NestedAction::Kind::Activate:
        case NestedAction::Kind::Deactivate:
            session_.Activate(action.kind == NestedAction::Kind::Activate);
            break;
        case NestedAction::Kind::NewDocument:
            session_.NewDocument();
            break;
        case NestedAction::Kind::Draw:
            // Where the vertices are as the draw comes: from now on the write record tells
            // it. A record that runs already has the vertices it holds where they are now.
            if (!host().RecordingWrites()) {
                host().StartWriteRecord();
            } else if (!inDraw_) {
                delivered.before = PositionsOnRecord(document());
            }
            changedSinceDraw_ = false;
            session_.Draw();
            break;
        case NestedAction::Kind::Click: {
            const WidgetHost &widgets = session_.host().widgets;
            const int32_t button = widgets.ButtonLabelled(Wide(action.label));
            if (button == 0 || !widgets.IsShown(button)) {
                this->widgets().scriptErrors.push_back("nested click on " + action.label +
                                                       ": the plug-in's window does not show that button");
                return;
            }
            this->widgets().LeftClick(
                button, (action.ctrl ? stelmarin::kCtrlKey : 0) | (action.shift ? stelmarin::kShiftKey : 0));
            break;
        }
    }
    delivered_.push_back(std::move(delivered));
}

bool Workbench::SettleDuringModal() {
    const auto first =
        std::find_if(delivered_.begin(), delivered_.end(), [](const Delivered &d) { return !d.duringModal; });
    std::vector<Delivered> later(first, delivered_.end());
    delivered_.erase(first, delivered_.end());
    const bool newDocument = std::any_of(delivered_.begin(), delivered_.end(), [](const Delivered &d) {
        return d.action.kind == NestedAction::Kind::NewDocument;
    });
    if (!delivered_.empty()) SettleNested(WindowAfter::Kept, false);
    delivered_ = std::move(later);
    return newDocument;
}

void Workbench::SettleNested(WindowAfter outer, bool check) {
    // The plug-in holds what came nested until its outermost call returns, then handles
    // it in order; so does the ledger. Whether the plug-in has its window then is
    // followed along: a click made on a window that an exit took before the click was
    // handled finds no handler.
    std::vector<Delivered> delivered;
    delivered.swap(delivered_);
    if (delivered.empty()) {
        if (check) CheckSettled();
        if (check && !drawing_) host().EndWriteRecord();
        return;
    }
    const bool made = !widgets().failCreation;
    bool window = outer == WindowAfter::Started ? made
                  : outer == WindowAfter::Ended ? false
                                                : delivered.front().hasWindow;
    bool ended = outer == WindowAfter::Ended;
    // Where the vertices are as the plug-in handles each nested draw: only draws move
    // them, each as the ledger says.
    std::optional<PositionSet> positions;
    std::optional<NestedDraw> lastDraw;
    for (Delivered &nested : delivered) {
        switch (nested.action.kind) {
            case NestedAction::Kind::Initialize:
                window = made;
                ExpectButtons(false);
                break;
            case NestedAction::Kind::Exit:
                window = false;
                ended = true;
                buttonsDue_.clear();
                break;
            case NestedAction::Kind::Activate:
            case NestedAction::Kind::Deactivate:
                if (window) SetActivated(nested.action.kind == NestedAction::Kind::Activate, Off::SwitchedOff);
                break;
            case NestedAction::Kind::NewDocument:
                ledger_.ClearAll();
                lastDraw_.reset();
                ExpectButtons(false);
                positions.emplace();
                lastDraw.reset();
                break;
            case NestedAction::Kind::Draw:
                if (!positions) positions = drawing_ ? outerDrawn_ : nested.before;
                lastDraw = NestedDraw{*positions, ledger_, activated_,
                                      lastDraw ? lastDraw->writtenBefore : nested.writtenBefore};
                if (activated_) ledger_.Place(document(), *positions);
                break;
            case NestedAction::Kind::Click: {
                if (ended) break;
                // The button as the plug-in finds it when it handles the click: as the
                // actions before left it.
                const int slot = SlotOf(nested.action.label);
                const auto due = buttonsDue_.find(slot);
                nested.wasDown =
                    due != buttonsDue_.end() ? due->second : ledger_.slots[static_cast<size_t>(slot)].armed;
                SettleClick(nested);
                break;
            }
        }
    }
    if (lastDraw) SettleDraw(*lastDraw);
    if (check) CheckSettled();
    if (check && !drawing_) host().EndWriteRecord();
}

void Workbench::CheckSettled() {
    const size_t asked = widgets().questions.Added();
    if (questionsSettled_ < asked) {
        host().Report(Check::QuestionNotDue, "the plug-in asked " +
                                                 Plural(asked - questionsSettled_, "question", "questions") +
                                                 " where the slots' contents called for none");
        questionsSettled_ = asked;
    }
    CheckButtons();
}

void Workbench::SettleDraw(const NestedDraw &draw) {
    DrawOutcome outcome = CheckDraw(document(), draw.before, draw.ledger, draw.active);
    for (const Violation &disagreement : outcome.disagreements) {
        host().Report(disagreement.check, "nested draw: " + disagreement.text);
    }
    // Nested in a draw, it ran before that draw returned, and was counted with it: the
    // two are one redraw to the user.
    if (drawing_) return;
    outcome.written = host().verticesWritten - draw.writtenBefore;
    lastDraw_ = std::move(outcome);
}

// ---- the fix-mode dialog ----

int32_t Workbench::DialogToggleMask() const {
    const WidgetHost &widgets = session_.host().widgets;
    int32_t mask = 0;
    const struct {
        const char16_t *label;
        int32_t axis;
    } toggles[] = {{u"X", kMaskX}, {u"Y", kMaskY}, {u"Z", kMaskZ}};
    for (const auto &toggle : toggles) {
        const Widget *button = widgets.Find(widgets.ButtonLabelled(toggle.label));
        if (button != nullptr && !button->Flag("down")) mask |= toggle.axis;
    }
    return mask;
}

void Workbench::RightClickSlot(const std::string &label, int32_t screenX, int32_t screenY,
                               const std::vector<DialogAction> &actions) {
    const int slot = SlotOf(label);
    const int32_t button = ButtonFor(label);
    WidgetHost &widgets = this->widgets();
    std::optional<int32_t> mask;
    bool opened = false;
    auto perform = [this, &widgets, &mask](const DialogAction &action) {
        const int32_t dialog = widgets.OpenDialog();
        switch (action.kind) {
            case DialogAction::Kind::Click:
                widgets.LeftClick(widgets.ButtonLabelled(std::u16string(1, static_cast<char16_t>(action.axis))));
                break;
            case DialogAction::Kind::Key:
                widgets.KeyPress(dialog, action.key);
                break;
            case DialogAction::Kind::RightClick:
                widgets.RightClick(dialog);
                break;
        }
        mask = DialogToggleMask();
    };
    widgets.ScriptModal([&] {
        opened = true;
        mask = DialogToggleMask();
        if (actions.empty()) return;
        perform(actions.front());
    });
    for (size_t i = 1; i < actions.size(); ++i) {
        widgets.ScriptModal([&, i] { perform(actions[i]); });
    }
    // The person's actions follow the given ones for as long as this dialog is open.
    struct LiveSteps {
        WidgetHost &widgets;
        ~LiveSteps() { widgets.liveModalStep = nullptr; }
    } live{widgets};
    if (liveDialog) {
        widgets.liveModalStep = [this, &perform] {
            const std::optional<DialogAction> action = liveDialog();
            if (action) perform(*action);
            return action.has_value();
        };
    }
    widgets.RightClick(button, 0, screenX, screenY);
    const size_t unused = widgets.DiscardModalActions();
    if (!opened) {
        if (unused > 0) throw ActionError("right click on " + label + ": no dialog opened");
        return;
    }
    if (unused > 0) {
        throw ActionError("the dialog closed with " + Plural(unused, "action", "actions") + " of the script left over");
    }
    SettleDuringModal();
    if (mask) ledger_.SetMask(slot, *mask);
    SettleNested();
}

// ---- the window ----

void Workbench::CloseWindow() {
    const int32_t window = widgets().PluginWindow();
    if (window == 0) throw ActionError("the plug-in has no window to close");
    const bool shown = widgets().IsShown(window);
    widgets().UserCloses(window);
    if (shown) SetActivated(false, Off::WindowClosed);
    SettleNested();
}

void Workbench::MoveWindow(int32_t x, int32_t y) {
    const int32_t window = widgets().PluginWindow();
    if (window == 0) throw ActionError("the plug-in has no window to move");
    widgets().UserMoves(window, x, y);
    SettleNested();
}

// ---- draws and what they show ----

DrawOutcome Workbench::Draw() {
    // The document drawn: one sent nested may replace it before the draw returns.
    const Document &drawn = document();
    const bool active = activated_;
    const long long writtenBefore = host().verticesWritten;
    host().StartWriteRecord();
    changedSinceDraw_ = false;
    inDraw_ = true;
    session_.Draw();
    inDraw_ = false;
    DrawOutcome outcome = CheckDraw(drawn, {}, ledger_, active);
    outcome.written = host().verticesWritten - writtenBefore;
    for (const Violation &disagreement : outcome.disagreements) {
        host().Report(disagreement.check, "draw: " + disagreement.text);
    }
    lastDraw_ = outcome;
    outerDrawn_.clear();
    const bool nestedDraw = std::any_of(delivered_.begin(), delivered_.end(),
                                        [](const Delivered &d) { return d.action.kind == NestedAction::Kind::Draw; });
    if (active && nestedDraw) ledger_.Place(drawn, outerDrawn_);
    drawing_ = true;
    SettleNested();
    drawing_ = false;
    host().EndWriteRecord();
    return outcome;
}

ReportFacts Workbench::Report() const {
    ReportFacts facts;
    facts.active = activated_;
    for (int slot = 0; slot < kSlots; ++slot) {
        const LedgerSlot &s = ledger_.slots[static_cast<size_t>(slot)];
        facts.slots.push_back({kSlotLabels[slot], s.armed, s.mask, s.pins.size(), s.PinCount()});
    }
    if (lastDraw_) facts.lastDraw = ReportFacts::Draw{lastDraw_->written, lastDraw_->movedBack, lastDraw_->largestMove};
    facts.centreLine = MeasureCentreLine();
    facts.notHeld = WhyPinsNotHeld(*this);
    const RecentHistory<Violation> &found = session_.host().violations;
    facts.violations.assign(found.begin(), found.end());
    facts.violationsFound = found.Added();
    return facts;
}

ReportFacts::CentreLine Workbench::MeasureCentreLine() const {
    ReportFacts::CentreLine centre;
    for (const ObjectPositions &pins : ledger_.slots[0].pins) {
        const Object *object = session_.document().ObjectFromUniqueID(pins.objectID);
        if (object == nullptr) continue;
        for (const int vertexID : pins.vertexIDs) {
            const int index = object->IndexFromUniqueID(vertexID);
            if (index < 0) continue;
            ++centre.vertices;
            centre.largestX = std::fmax(centre.largestX, std::fabs(static_cast<double>(object->position(index).x)));
        }
    }
    return centre;
}

PictureContent Workbench::Picture(const std::string &title) const {
    PictureContent content;
    content.document = &session_.document();
    content.title = title;
    for (size_t slot = 0; slot < kSlots; ++slot) {
        content.armed[slot] = ledger_.slots[slot].armed;
        for (const ObjectPositions &pins : ledger_.slots[slot].pins) {
            for (const int vertexID : pins.vertexIDs) content.pins[slot].push_back({pins.objectID, vertexID});
        }
    }
    if (lastDraw_) {
        for (const auto &[objectID, vertexID] : lastDraw_->moved) content.movedBack.push_back({objectID, vertexID});
    }
    const ReportFacts::CentreLine centre = MeasureCentreLine();
    content.status = PictureStatus{activated_, centre.largestX, centre.vertices};
    return content;
}

std::vector<std::string> Workbench::TakeScriptErrors() {
    std::vector<std::string> errors;
    errors.swap(widgets().scriptErrors);
    return errors;
}

}  // namespace simhost
