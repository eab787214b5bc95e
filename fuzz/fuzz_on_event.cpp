// MQOnEvent as a careless host might call it: any event code, in any order, with option
// arrays that are well formed (pairs ended by a null name) but whose names and pointed-to
// values come from the input. The plug-in must answer without crashing and without doing
// anything the host would reject.
#include <array>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "host/contract_codes.h"
#include "plugin/entry_points.h"
#include "plugin/stelmarin.h"
#include "simhost/modeller/modelling_tools.h"

namespace {

const char *const kNames[] = {"scene",       "width",       "height",      "key",      "button_state",
                              "mouse_pos_x", "mouse_pos_y", "mouse_wheel", "pressure", "index",
                              "src_product", "src_id",      "state",       "size",     "background",
                              "result",      "document",    "type",        "finished", "undo"};
// The events of the table and, beside them, codes that no event has.
const int kCodes[] = {stelmarin::kEventInitialize,
                      stelmarin::kEventExit,
                      stelmarin::kEvent3,
                      stelmarin::kEventActivate,
                      stelmarin::kEventQueryActivated,
                      stelmarin::kEvent102,
                      stelmarin::kEventPlugInMessage,
                      stelmarin::kEvent104,
                      stelmarin::kEventDrawView,
                      111,
                      112,
                      113,
                      stelmarin::kEventMouseFirst,
                      stelmarin::kEventMouseFirst + 1,
                      stelmarin::kEventMouseFirst + 2,
                      stelmarin::kEventMouseFirst + 3,
                      stelmarin::kEventMouseLast,
                      131,
                      132,
                      133,
                      134,
                      stelmarin::kEvent140,
                      stelmarin::kEvent141,
                      stelmarin::kEventDocumentLoad,
                      stelmarin::kEventDocumentNew,
                      stelmarin::kEventDocumentSave,
                      203,
                      204,
                      205,
                      stelmarin::kEvent210,
                      stelmarin::kEvent211,
                      stelmarin::kEvent212,
                      stelmarin::kEvent300,
                      stelmarin::kEventImportArguments};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzzing::Input input(data, size);
    fuzzing::Stage stage;
    simhost::Host &host = stage.host;
    simhost::AddGrid(host.document(), "grid", 4, 2, 0.5f);
    host.document().AddObject("empty");
    {
        // Everything the plug-in does, its destruction included, happens inside a host call.
        simhost::Host::PluginCall inside(host);
        stelmarin::Stelmarin plugin;
        for (int events = 0; events < 16 && !input.Empty(); ++events) {
            const uint8_t pick = input.Byte();
            const int code = pick < 200 ? kCodes[pick % std::size(kCodes)] : input.Int();
            std::vector<std::string> names;
            std::vector<std::array<int32_t, 4>> values;
            const int count = input.Byte() % 6;
            for (int i = 0; i < count; ++i) {
                const uint8_t which = input.Byte();
                names.push_back(which < 230 ? kNames[which % std::size(kNames)] : input.Text(12));
                values.push_back({input.Int(), input.Int(), 0, 0});
            }
            std::vector<MQOption> options;
            for (size_t i = 0; i < names.size(); ++i) {
                // A null value now and then: a careless host leaves one unset.
                void *value = (values[i][0] & 0xFF) == 0x7F ? nullptr : values[i].data();
                options.push_back({names[i].c_str(), value});
            }
            options.push_back({nullptr, nullptr});
            const bool flagEvent = code == stelmarin::kEventActivate || code == stelmarin::kEvent102;
            void *option = flagEvent ? static_cast<void *>(values.empty() ? nullptr : values[0].data())
                                     : static_cast<void *>(options.data());
            stelmarin::DispatchEvent(plugin, host.DocumentHandle(), code, option);
        }
        plugin.OnExit();
    }
    fuzzing::RequireClean(host);
    return 0;
}
