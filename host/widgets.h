// The widget layer: one object per host widget that the plug-in creates or refers to,
// speaking the host's widget message protocol through MQWidget_Value, and the registry
// that maps a widget ID back to its object.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "host/contract_codes.h"
#include "host/host_abi.h"

namespace stelmarin {

class MQWidgetEventClosureBase;
class MQWidgetBase;

// Widget ID -> the object that speaks for it. Objects are not owned: each inserts itself
// when it gets an ID and removes itself when it dies. Lives from library load to unload,
// and must outlive every widget object.
class WidgetRegistry {
public:
    static WidgetRegistry &Instance();

    MQWidgetBase *Find(int32_t id) const;
    // Keeps an existing entry: an ID the host hands out twice stays with its first object.
    void Insert(int32_t id, MQWidgetBase *widget);
    // Removes the entry only when it is this object's.
    void Remove(int32_t id, const MQWidgetBase *widget);
    size_t size() const { return widgets_.size(); }

private:
    std::map<int32_t, MQWidgetBase *> widgets_;
};

// The object registered under `id`, or null when there is none.
MQWidgetBase *FindWidget(int32_t id);

class MQWidgetBase {
public:
    virtual ~MQWidgetBase();
    MQWidgetBase(const MQWidgetBase &) = delete;
    MQWidgetBase &operator=(const MQWidgetBase &) = delete;

    // Sends kWidgetAddChild with the child's ID and returns the host's "result"; -1 and nothing sent
    // when `child` is null.
    int32_t AddChild(MQWidgetBase *child);
    // Registers a handler for the event `name`: tells the host, then keeps the closure for
    // as long as this widget lives.
    void AddEventHandler(const char *name, std::shared_ptr<MQWidgetEventClosureBase> closure, bool prior);

    void SetTitle(const std::u16string &title);
    void SetText(const std::u16string &text);
    void SetInSpace(double space);
    void SetOutSpace(double space);
    void SetHorzLayout(const char *layout);
    void SetVertLayout(const char *layout);
    void SetAlignment(const char *alignment);
    void SetDown(bool down);
    bool GetDown();
    void SetVisible(bool visible);
    void SetPosX(int32_t x);
    int32_t GetPosX();
    void SetPosY(int32_t y);
    int32_t GetPosY();

    int32_t widgetID = 0;
    bool ownsWidget = false;
    std::vector<std::shared_ptr<MQWidgetEventClosureBase>> handlers;

protected:
    MQWidgetBase() = default;
    // Asks the host for a new widget of `type`; on success this object owns it.
    void Create(const char *type);
    // Speaks for an existing host widget without owning it.
    void Wrap(int32_t id);
};

class MQFrameBase : public MQWidgetBase {};

class MQFrame : public MQFrameBase {
public:
    MQFrame();
};

class MQButton : public MQWidgetBase {
public:
    MQButton();
};

class MQWindowBase : public MQWidgetBase {
public:
    ~MQWindowBase() override;

    // A frame laid out horizontally, owned by this window, added to `parent` when given.
    MQFrame *NewHorizontalFrame(MQWidgetBase *parent);
    // A button labelled `text`, owned by this window, added to `parent` when given.
    MQButton *NewButton(MQWidgetBase *parent, const std::u16string &text);
    // The host's OK/Cancel question; returns 1 for OK, anything else means Cancel.
    static int32_t OkCancelBox(MQWindowBase *parent, const std::u16string &message, const std::u16string &title);

    // Frames and buttons this window made; deleted with it, before its own widget.
    std::set<MQWidgetBase *> ownedWidgets;

protected:
    MQWindowBase() = default;
    // A window or dialog of `type`, attached to `parent`.
    void CreateAttached(const char *type, MQWindowBase &parent);
};

class MQWindow : public MQWindowBase {
public:
    explicit MQWindow(MQWindowBase &parent);
    // The host's main window, wrapped: destroying the wrapper leaves it alone.
    static std::unique_ptr<MQWindow> HostMainWindow();

private:
    MQWindow() = default;
};

class MQDialog : public MQWindowBase {
public:
    explicit MQDialog(MQWindowBase &parent);
    // Returns when the dialog has closed, with the host's "result".
    int32_t RunModal();
    void Close();
};

// The host's drawing surface of one paint or draw-item event. Not a widget.
class MQCanvas {
public:
    explicit MQCanvas(void *handle) : canvasHandle(handle) {}
    virtual ~MQCanvas() = default;
    void *canvasHandle;
};

}  // namespace stelmarin
