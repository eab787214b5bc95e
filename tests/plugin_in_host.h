// A stand-in host with the plug-in object in the same process: the core bound to the
// host module as the real module binds, so that tests can call the slot operations the
// window will trigger and watch every host call they make.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "host/host_functions.h"
#include "plugin/stelmarin.h"
#include "simhost/host/host.h"
#include "simhost/modeller/modelling_tools.h"

namespace stelmarin::testing {

class PluginInHost : public ::testing::Test {
protected:
    // Everything the plug-in does happens inside a call from the host.
    template <class Body>
    auto AsHost(Body body) {
        simhost::Host::PluginCall call(host);
        return body();
    }
    void SetUp() override {
        simhost::SetActiveHost(&host);
        ASSERT_EQ(host::BindHostFunctions(simhost::HostModulePath().c_str(), host::Host()), 1);
        ASSERT_TRUE(AsHost([&] { return plugin.OnInitialize(); }));
    }
    void TearDown() override {
        AsHost([&] { plugin.OnExit(); });
        EXPECT_TRUE(host.violations.empty()) << host.violations.front().Line();
        EXPECT_TRUE(host.widgets.scriptErrors.empty()) << host.widgets.scriptErrors.front();
        simhost::SetActiveHost(nullptr);
    }

    MQDocument doc() { return host.DocumentHandle(); }
    simhost::Document &document() { return host.document(); }

    void Draw() {
        AsHost([&] { plugin.OnDrawView(doc(), nullptr, 640, 480); });
    }
    bool Switch(int slot, bool on) {
        return AsHost([&] { return plugin.SwitchSlot(doc(), slot, on); });
    }
    bool Capture(int slot) {
        return AsHost([&] { return plugin.CaptureSelection(doc(), slot); });
    }
    void Activate(bool on) {
        AsHost([&] { plugin.OnActivate(doc(), on ? 1 : 0); });
    }

    // Starts watching host calls afresh.
    simhost::CallTrace &Watch() {
        host.trace.Clear();
        host.trace.recording = true;
        return host.trace;
    }

    size_t PinsIn(int slot) const { return plugin.store.pins[static_cast<size_t>(slot)].PinCount(); }

    simhost::Host host;
    Stelmarin plugin;
};

inline bool SamePoint(const MQPoint &a, const MQPoint &b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

}  // namespace stelmarin::testing
