// The cost of the draw pass and of the centre-line and selection captures, each beside its
// floor: a bare loop that makes exactly the same host calls from a flat array. Both run against the
// stand-in host's module, so host work is the same on both sides and the difference is
// the plug-in's own.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "host/contract_codes.h"
#include "host/host_functions.h"
#include "pinning/capture.h"
#include "pinning/cmq_access.h"
#include "pinning/enforcement.h"
#include "simhost/host/host.h"
#include "simhost/modeller/modelling_tools.h"

namespace {

using stelmarin::host::Host;

// A stand-in host holding one object of about `vertices` vertices, all on the centre
// plane so that the centre line records every one of them.
struct Scene {
    explicit Scene(int vertices) {
        simhost::SetActiveHost(&host);
        if (stelmarin::host::BindHostFunctions(simhost::HostModulePath().c_str(), Host()) != 1) std::abort();
        const int side = static_cast<int>(std::lround(std::sqrt(vertices))) - 1;
        object = &simhost::AddGrid(host.document(), "sheet", side, side, 0.01f);
        for (int i = 0; i < object->VertexCount(); ++i) {
            MQPoint &p = object->position(i);
            p = {0.0f, p.y, p.x};
        }
    }
    ~Scene() { simhost::SetActiveHost(nullptr); }

    MQDocument doc() { return host.DocumentHandle(); }

    simhost::Host host;
    simhost::Object *object = nullptr;
};

struct FlatPin {
    int uniqueID;
    MQPoint position;
};

void DrawPass(benchmark::State &state, stelmarin::AxisMask mask) {
    Scene scene(static_cast<int>(state.range(0)));
    simhost::Host::PluginCall inside(scene.host);
    stelmarin::PinStore store;
    stelmarin::SwitchSlot(store, scene.doc(), 0, true);
    store.axisMask[0] = mask;
    for (auto _ : state) stelmarin::EnforcePins(store, true, scene.doc());
    const double pins = static_cast<double>(store.pins[0].PinCount());
    state.counters["pins"] = pins;
    state.counters["bytes_per_pin"] = static_cast<double>(store.pins[0].MemoryBytes()) / pins;
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(pins));
}

void DrawPassFloor(benchmark::State &state, stelmarin::AxisMask mask) {
    Scene scene(static_cast<int>(state.range(0)));
    simhost::Host::PluginCall inside(scene.host);
    const auto &table = Host();
    const int objectID = scene.object->uniqueID();
    std::vector<FlatPin> pins;
    for (int i = 0; i < scene.object->VertexCount(); ++i) {
        pins.push_back({scene.object->vertex(i).uniqueID, scene.object->position(i)});
    }
    for (auto _ : state) {
        MQObject object = table.MQDoc_GetObjectFromUniqueID(scene.doc(), objectID);
        if (object == nullptr || table.MQObj_GetVisible(object) == 0 ||
            table.MQObj_GetIntValue(object, stelmarin::kObjectExempt) != 0) {
            continue;
        }
        for (FlatPin &pin : pins) {
            const int index = table.MQObj_GetVertexIndexFromUniqueID(object, pin.uniqueID);
            if (index < 0) continue;
            MQPoint position = pin.position;
            if (mask != 7) {
                MQPoint present;
                table.MQObj_GetVertex(object, index, &present);
                if ((mask & 2) == 0) position.y = present.y;
                if ((mask & 4) == 0) position.z = present.z;
            }
            table.MQObj_SetVertex(object, index, &position);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(pins.size()));
}

void CentreLineCapture(benchmark::State &state) {
    Scene scene(static_cast<int>(state.range(0)));
    simhost::Host::PluginCall inside(scene.host);
    stelmarin::PinStore store;
    for (auto _ : state) stelmarin::SwitchSlot(store, scene.doc(), 0, true);
    state.counters["pins"] = static_cast<double>(store.pins[0].PinCount());
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(store.pins[0].PinCount()));
}

// The host calls of the plug-in's walk over the vertices in use of one object, the count
// read again for every comparison as the walk does; `visit` gets each index.
template <typename Table, typename Visit>
void WalkVerticesInUse(const Table &table, MQObject object, Visit visit) {
    int index = 0;
    if (table.MQObj_GetVertexCount(object) > 0 && table.MQObj_GetVertexRefCount(object, 0) <= 0) index = -1;
    while (index != table.MQObj_GetVertexCount(object)) {
        if (index >= 0) visit(index);
        const int count = table.MQObj_GetVertexCount(object);
        ++index;
        while (index < count && table.MQObj_GetVertexRefCount(object, index) <= 0) ++index;
    }
}

// The same host calls as the capture's walk, with the results stored into a flat array.
void CentreLineCaptureFloor(benchmark::State &state) {
    Scene scene(static_cast<int>(state.range(0)));
    simhost::Host::PluginCall inside(scene.host);
    const auto &table = Host();
    MQDocument doc = scene.doc();
    std::vector<FlatPin> pins;
    for (auto _ : state) {
        pins.clear();
        const int objects = table.MQDoc_GetObjectCount(doc);
        for (int o = 0; o < objects; ++o) {
            MQObject object = table.MQDoc_GetObject(doc, o);
            if (object == nullptr || table.MQDoc_GetObjectIndex(doc, object) < 0 ||
                table.MQObj_GetVisible(object) == 0) {
                continue;
            }
            benchmark::DoNotOptimize(table.MQObj_GetIntValue(object, stelmarin::kObjectUniqueID));
            WalkVerticesInUse(table, object, [&](int index) {
                MQPoint position;
                table.MQObj_GetVertex(object, index, &position);
                if (std::fabs(position.x) < 0.001f) {
                    const int uniqueID = table.MQObj_GetVertexUniqueID(object, index);
                    table.MQObj_GetVertex(object, index, &position);
                    pins.push_back({uniqueID, position});
                }
            });
        }
        benchmark::DoNotOptimize(pins.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(pins.size()));
}

// The current object with every vertex selected, recorded into a selection slot emptied
// first, as the window does after "Overwrite?".
void SelectionCapture(benchmark::State &state) {
    Scene scene(static_cast<int>(state.range(0)));
    for (int i = 0; i < scene.object->VertexCount(); ++i) scene.object->vertex(i).selected = true;
    simhost::Host::PluginCall inside(scene.host);
    stelmarin::PinStore store;
    for (auto _ : state) {
        store.ClearSlot(1);
        stelmarin::CaptureSelection(store, true, scene.doc(), 1);
    }
    state.counters["pins"] = static_cast<double>(store.pins[1].PinCount());
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(store.pins[1].PinCount()));
}

// The same host calls as the selection capture's walk, with the results stored into a
// flat array.
void SelectionCaptureFloor(benchmark::State &state) {
    Scene scene(static_cast<int>(state.range(0)));
    for (int i = 0; i < scene.object->VertexCount(); ++i) scene.object->vertex(i).selected = true;
    simhost::Host::PluginCall inside(scene.host);
    const auto &table = Host();
    MQDocument doc = scene.doc();
    std::vector<FlatPin> pins;
    for (auto _ : state) {
        pins.clear();
        MQObject object = table.MQDoc_GetObject(doc, table.MQDoc_GetCurrentObjectIndex(doc));
        if (object == nullptr) continue;
        benchmark::DoNotOptimize(table.MQObj_GetIntValue(object, stelmarin::kObjectUniqueID));
        WalkVerticesInUse(table, object, [&](int index) {
            MQPoint position;
            table.MQObj_GetVertex(object, index, &position);
            const int objectIndex = table.MQDoc_GetObjectIndex(doc, object);
            if (table.MQDoc_IsSelectVertex(doc, objectIndex, index) != 0) {
                const int uniqueID = table.MQObj_GetVertexUniqueID(object, index);
                table.MQObj_GetVertex(object, index, &position);
                pins.push_back({uniqueID, position});
            }
        });
        benchmark::DoNotOptimize(pins.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(pins.size()));
}

void Sizes(benchmark::internal::Benchmark *bench) {
    bench->Arg(1'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
}

BENCHMARK_CAPTURE(DrawPass, mask7, 7)->Apply(Sizes);
BENCHMARK_CAPTURE(DrawPassFloor, mask7, 7)->Apply(Sizes);
BENCHMARK_CAPTURE(DrawPass, mask1, 1)->Apply(Sizes);
BENCHMARK_CAPTURE(DrawPassFloor, mask1, 1)->Apply(Sizes);
BENCHMARK(CentreLineCapture)->Apply(Sizes);
BENCHMARK(CentreLineCaptureFloor)->Apply(Sizes);
BENCHMARK(SelectionCapture)->Apply(Sizes);
BENCHMARK(SelectionCaptureFloor)->Apply(Sizes);

}  // namespace

BENCHMARK_MAIN();
