// WidgetEventProc as a hostile host might call it: events for widgets that exist, that
// are gone or that never were, with the closure addresses the plug-in registered, stale
// ones, and addresses it never gave out; event names and option values from the input.
// Dialog runs and questions get no answers. Nothing may crash or misbehave.
#include <array>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "plugin/stelmarin.h"
#include "simhost/modeller/modelling_tools.h"

namespace {

const char *const kEvents[] = {"leftdown", "rightdown", "keydown", "hide", "show", "move", "leftup", "paint"};
const char *const kNames[] = {"target_id", "sender_id", "type",        "button_state", "screen_x", "screen_y",
                              "key",       "finished",  "mouse_pos_x", "mouse_pos_y",  "wheel"};

using Proc = int (*)(MQDocument, MQOption *, void *);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzzing::Input input(data, size);
    fuzzing::Stage stage;
    simhost::Host &host = stage.host;
    simhost::Object &grid = simhost::AddGrid(host.document(), "grid", 4, 2, 0.5f);
    simhost::SelectAll(grid);
    {
        simhost::Host::PluginCall inside(host);
        stelmarin::Stelmarin plugin;
        plugin.OnInitialize();
        plugin.OnActivate(host.DocumentHandle(), 1);
        // Every registration the plug-in made, kept even after its widget is gone.
        std::vector<std::pair<int32_t, simhost::HandlerRegistration>> known;
        for (const auto &[id, widget] : host.widgets.Widgets()) {
            for (const auto &handler : widget.handlers) known.emplace_back(id, handler);
        }
        if (known.empty()) std::abort();
        std::array<int32_t, 8> stranger{};
        for (int events = 0; events < 24 && !input.Empty(); ++events) {
            const uint8_t what = input.Byte();
            if (what == 0xFF) {
                plugin.OnExit();  // from now on every registration is stale
                continue;
            }
            if (what == 0xFE) {
                plugin.OnInitialize();
                continue;
            }
            const auto &[id, handler] = known[what % known.size()];
            const uint8_t closurePick = input.Byte();
            void *closure = closurePick < 200   ? handler.closure
                            : closurePick < 230 ? static_cast<void *>(stranger.data())
                            : closurePick < 250 ? known[closurePick % known.size()].second.closure
                                                : nullptr;
            const int32_t target = input.Byte() < 220 ? id : input.Int();
            std::vector<int32_t> values(12);
            std::vector<MQOption> options;
            const std::string type = input.Byte() < 200 ? handler.event : kEvents[input.Byte() % std::size(kEvents)];
            options.push_back({"target_id", &values[0]});
            values[0] = target;
            options.push_back({"type", const_cast<char *>(type.c_str())});
            const int extra = input.Byte() % 8;
            for (int i = 0; i < extra; ++i) {
                values[static_cast<size_t>(i + 1)] = input.Int();
                options.push_back({kNames[input.Byte() % std::size(kNames)], &values[static_cast<size_t>(i + 1)]});
            }
            options.push_back({nullptr, nullptr});
            reinterpret_cast<Proc>(handler.proc)(host.DocumentHandle(), options.data(), closure);
        }
        plugin.OnExit();
    }
    host.widgets.scriptErrors.clear();
    fuzzing::RequireClean(host);
    return 0;
}
