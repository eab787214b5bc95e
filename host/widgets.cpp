#include "host/widgets.h"

#include <algorithm>
#include <initializer_list>

#include "host/event_gate.h"
#include "host/host_functions.h"
#include "host/widget_events.h"

namespace stelmarin {

namespace {

// The value slot of an option pair: the host reads and writes through it, and never
// frees it.
template <class T>
void *Slot(const T *value) {
    return const_cast<T *>(value);
}

// Sends one widget message; the pairs live on this stack frame for the call.
void Send(int32_t id, int code, std::initializer_list<MQOption> pairs) {
    MQOption options[8] = {};
    std::copy(pairs.begin(), pairs.end(), options);
    host::Host().MQWidget_Value(id, code, options);
}

void SetValue(int32_t id, const char *key, const void *value) { Send(id, kWidgetSetValue, {{key, Slot(value)}}); }

}  // namespace

WidgetRegistry &WidgetRegistry::Instance() {
    static WidgetRegistry registry;
    return registry;
}

MQWidgetBase *WidgetRegistry::Find(int32_t id) const {
    auto found = widgets_.find(id);
    return found == widgets_.end() ? nullptr : found->second;
}

void WidgetRegistry::Insert(int32_t id, MQWidgetBase *widget) { widgets_.emplace(id, widget); }

void WidgetRegistry::Remove(int32_t id, const MQWidgetBase *widget) {
    auto found = widgets_.find(id);
    if (found != widgets_.end() && found->second == widget) widgets_.erase(found);
}

MQWidgetBase *FindWidget(int32_t id) { return WidgetRegistry::Instance().Find(id); }

MQWidgetBase::~MQWidgetBase() {
    if (widgetID != 0) {
        WidgetRegistry::Instance().Remove(widgetID, this);
        if (ownsWidget) Send(widgetID, kWidgetDestroy, {});
        widgetID = 0;
        ownsWidget = false;
    }
    handlers.clear();
}

void MQWidgetBase::Create(const char *type) {
    int32_t id = 0;
    Send(0, kWidgetCreate, {{kOptionType, Slot(type)}, {kOptionID, &id}});
    if (id == 0) return;
    widgetID = id;
    ownsWidget = true;
    WidgetRegistry::Instance().Insert(id, this);
}

void MQWidgetBase::Wrap(int32_t id) {
    widgetID = id;
    ownsWidget = false;
    if (id != 0) WidgetRegistry::Instance().Insert(id, this);
}

int32_t MQWidgetBase::AddChild(MQWidgetBase *child) {
    if (child == nullptr) return -1;
    int32_t result = -1;
    Send(widgetID, kWidgetAddChild, {{kOptionChild, &child->widgetID}, {kOptionResult, &result}});
    return result;
}

void MQWidgetBase::SetTitle(const std::u16string &title) { SetValue(widgetID, kOptionTitle, title.c_str()); }
void MQWidgetBase::SetText(const std::u16string &text) { SetValue(widgetID, kOptionText, text.c_str()); }
void MQWidgetBase::SetInSpace(double space) { SetValue(widgetID, kOptionInSpace, &space); }
void MQWidgetBase::SetOutSpace(double space) { SetValue(widgetID, kOptionOutSpace, &space); }
void MQWidgetBase::SetHorzLayout(const char *layout) { SetValue(widgetID, kOptionHorzLayout, layout); }
void MQWidgetBase::SetVertLayout(const char *layout) { SetValue(widgetID, kOptionVertLayout, layout); }
void MQWidgetBase::SetAlignment(const char *alignment) { SetValue(widgetID, kOptionAlignment, alignment); }
void MQWidgetBase::SetDown(bool down) { SetValue(widgetID, kOptionDown, &down); }
void MQWidgetBase::SetVisible(bool visible) { SetValue(widgetID, kOptionVisible, &visible); }
void MQWidgetBase::SetPosX(int32_t x) { SetValue(widgetID, kOptionPosX, &x); }
void MQWidgetBase::SetPosY(int32_t y) { SetValue(widgetID, kOptionPosY, &y); }

bool MQWidgetBase::GetDown() {
    bool down = false;
    Send(widgetID, kWidgetGetValue, {{kOptionDown, &down}});
    return down;
}

int32_t MQWidgetBase::GetPosX() {
    int32_t x = 0;
    Send(widgetID, kWidgetGetValue, {{kOptionPosX, &x}});
    return x;
}

int32_t MQWidgetBase::GetPosY() {
    int32_t y = 0;
    Send(widgetID, kWidgetGetValue, {{kOptionPosY, &y}});
    return y;
}

MQFrame::MQFrame() { Create("frame"); }

MQButton::MQButton() { Create("button"); }

MQWindowBase::~MQWindowBase() {
    while (!ownedWidgets.empty()) {
        MQWidgetBase *widget = *ownedWidgets.begin();
        ownedWidgets.erase(ownedWidgets.begin());
        delete widget;
    }
}

void MQWindowBase::CreateAttached(const char *type, MQWindowBase &parent) {
    Create(type);
    int32_t result = -1;
    Send(parent.widgetID, kWidgetAttachWindow, {{kOptionChild, &widgetID}, {kOptionResult, &result}});
}

MQFrame *MQWindowBase::NewHorizontalFrame(MQWidgetBase *parent) {
    auto *frame = new MQFrame();
    ownedWidgets.insert(frame);
    frame->SetAlignment("horz");
    if (parent != nullptr) parent->AddChild(frame);
    return frame;
}

MQButton *MQWindowBase::NewButton(MQWidgetBase *parent, const std::u16string &text) {
    auto *button = new MQButton();
    ownedWidgets.insert(button);
    button->SetText(text);
    if (parent != nullptr) parent->AddChild(button);
    return button;
}

int32_t MQWindowBase::OkCancelBox(MQWindowBase *parent, const std::u16string &message, const std::u16string &title) {
    int32_t parentID = parent != nullptr ? parent->widgetID : 0;
    int32_t result = 0;
    const EventGate::ModalWait wait(EventGate::Instance());
    Send(0, kWidgetCommand,
         {{kOptionType, Slot(kCommandMessageBox)},
          {kOptionMessageType, Slot("okcancel")},
          {kOptionParent, &parentID},
          {kOptionMessage, Slot(message.c_str())},
          {kOptionTitle, Slot(title.c_str())},
          {kOptionResult, &result}});
    return result;
}

MQWindow::MQWindow(MQWindowBase &parent) { CreateAttached("window", parent); }

std::unique_ptr<MQWindow> MQWindow::HostMainWindow() {
    int32_t id = -1;
    Send(0, kWidgetSystemQuery, {{kOptionSystem, Slot("main_window")}, {kOptionResult, &id}});
    std::unique_ptr<MQWindow> main(new MQWindow());
    main->Wrap(id);
    return main;
}

MQDialog::MQDialog(MQWindowBase &parent) { CreateAttached("dialog", parent); }

int32_t MQDialog::RunModal() {
    int32_t result = 0;
    const EventGate::ModalWait wait(EventGate::Instance());
    Send(widgetID, kWidgetCommand, {{kOptionType, Slot(kCommandModal)}, {kOptionResult, &result}});
    return result;
}

void MQDialog::Close() {
    Send(widgetID, kWidgetCommand, {{kOptionType, Slot(kCommandClose)}, {kOptionCode, Slot("ok")}});
}

}  // namespace stelmarin
