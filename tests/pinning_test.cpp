// Pinning as the host sees it: what a capture records, what a draw writes back, and
// which host calls each makes.
#include <gmock/gmock.h>

#include <algorithm>
#include <limits>
#include <random>
#include <vector>

#include "plugin_in_host.h"

namespace stelmarin::testing {
namespace {

using simhost::Object;
using simhost::Scope;
using ::testing::ElementsAre;

class Pinning : public PluginInHost {
protected:
    // An object whose vertices sit at the given X, each in one triangle with two helper
    // vertices far off the centre line.
    Object &ObjectAtX(const char *name, std::vector<float> xs) {
        Object &object = document().AddObject(name);
        for (float x : xs) {
            const int v = object.AddVertex({x, 1.0f, 2.0f});
            const int a = object.AddVertex({5.0f, 0.0f, 0.0f});
            const int b = object.AddVertex({5.0f, 1.0f, 0.0f});
            object.AddFace({v, a, b});
        }
        return object;
    }
};

TEST_F(Pinning, StartsEmptyAndDisarmedWithMasksOneSevenSevenSeven) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(plugin.store.ObjectCount(slot), 0);
        EXPECT_FALSE(plugin.store.armed[static_cast<size_t>(slot)]);
    }
    EXPECT_THAT(plugin.store.axisMask, ElementsAre(1, 7, 7, 7));
    EXPECT_FALSE(plugin.OnQueryActivated(doc()));
}

TEST_F(Pinning, DrawWhileInactiveMakesNoHostCall) {
    simhost::AddGrid(document(), "body", 4, 4, 1.0f);
    EXPECT_TRUE(Switch(0, true));
    auto &trace = Watch();
    Draw();
    EXPECT_EQ(trace.Total(), 0);
}

TEST_F(Pinning, CentreLineRecordsOnlyVerticesStrictlyWithinAThousandth) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    Object &object = ObjectAtX("body", {0.001f, -0.001f, 0.0009f, -0.0009f, -0.0f, 0.0f, nan, 0.00100001f});
    EXPECT_TRUE(Switch(0, true));
    const VertexPinMap *pins = plugin.store.pins[0].Find(object.uniqueID());
    ASSERT_NE(pins, nullptr);
    std::vector<float> recorded;
    for (const PinnedVertex &pin : *pins) recorded.push_back(pin.position.x);
    EXPECT_THAT(recorded, ElementsAre(0.0009f, -0.0009f, -0.0f, 0.0f));
    EXPECT_TRUE(std::signbit(recorded[2])) << "-0 is recorded as it is";
}

TEST_F(Pinning, CentreLineSkipsHiddenObjectsAndEmptyPlacesButKeepsVisibleObjectsWithoutSeam) {
    ObjectAtX("gone", {0.0f});
    Object &hidden = ObjectAtX("hidden", {0.0f});
    Object &offCentre = ObjectAtX("off centre", {3.0f});
    hidden.visible = false;
    document().DeleteObject(0);
    EXPECT_TRUE(Switch(0, true)) << "an object without seam vertices still arms the slot";
    EXPECT_EQ(plugin.store.ObjectCount(0), 1);
    ASSERT_NE(plugin.store.pins[0].Find(offCentre.uniqueID()), nullptr);
    EXPECT_EQ(PinsIn(0), 0u);

    Activate(true);
    auto &trace = Watch();
    Draw();
    EXPECT_THAT(trace.Functions(), ElementsAre("MQDoc_GetObjectFromUniqueID", "MQObj_GetVisible", "MQObj_GetIntValue"))
        << "an entry without pins makes no vertex call";
}

TEST_F(Pinning, CentreLineOfAnEmptyOrAllHiddenDocumentLeavesSlotZeroDisarmed) {
    EXPECT_FALSE(Switch(0, true));
    ObjectAtX("hidden", {0.0f}).visible = false;
    EXPECT_FALSE(Switch(0, true));
    EXPECT_EQ(plugin.store.ObjectCount(0), 0);
    EXPECT_FALSE(plugin.store.armed[0]);
}

TEST_F(Pinning, EveryPlainSwitchOfSlotZeroRecordsTheCentreLineAfresh) {
    Object &object = ObjectAtX("body", {0.0f, 0.0f});
    EXPECT_TRUE(Switch(0, true));
    EXPECT_EQ(PinsIn(0), 2u);
    object.position(0).x = 1.0f;
    EXPECT_FALSE(Switch(0, false)) << "switching off still re-records, then disarms";
    EXPECT_EQ(PinsIn(0), 1u);
    EXPECT_EQ(plugin.store.ObjectCount(0), 1);
}

TEST_F(Pinning, SwitchingASelectionSlotNeverReadsTheDocument) {
    Object &object = ObjectAtX("body", {0.0f});
    auto &trace = Watch();
    EXPECT_FALSE(Switch(2, true)) << "an empty slot cannot be armed";
    plugin.store.pins[2].FindOrAdd(object.uniqueID());
    EXPECT_TRUE(Switch(2, true));
    EXPECT_FALSE(Switch(2, false));
    EXPECT_EQ(plugin.store.ObjectCount(2), 1) << "disarming keeps the contents";
    EXPECT_EQ(trace.Total(), 0);
}

TEST_F(Pinning, CaptureWhileInactiveChangesNothing) {
    Object &object = ObjectAtX("body", {0.0f});
    simhost::SelectAll(object);
    auto &trace = Watch();
    EXPECT_FALSE(Capture(1));
    EXPECT_EQ(plugin.store.ObjectCount(1), 0);
    EXPECT_EQ(trace.Total(), 0);
}

TEST_F(Pinning, CaptureRecordsTheSelectionAndKeepsEarlierPositions) {
    Object &object = ObjectAtX("body", {0.0f, 1.0f, 2.0f});
    Activate(true);
    EXPECT_TRUE(Capture(1)) << "nothing selected still adds the object and arms the slot";
    EXPECT_EQ(plugin.store.ObjectCount(1), 1);
    EXPECT_EQ(PinsIn(1), 0u);

    simhost::Select(object, {0, 3});
    EXPECT_TRUE(Capture(1));
    const MQPoint first = object.position(0);
    simhost::Move(object, {0.5f, 0.5f, 0.5f}, Scope::All);
    simhost::ClearSelection(object);
    simhost::Select(object, {0, 6});
    EXPECT_TRUE(Capture(1));

    const VertexPinMap &pins = *plugin.store.pins[1].Find(object.uniqueID());
    EXPECT_EQ(pins.size(), 3u) << "no longer selected stays pinned; newly selected is added";
    EXPECT_TRUE(SamePoint(*pins.Find(object.vertex(0).uniqueID), first)) << "the first recorded position stays";
    EXPECT_TRUE(SamePoint(*pins.Find(object.vertex(6).uniqueID), object.position(6)));
}

TEST_F(Pinning, CaptureAddsEachCurrentObjectAndRecordsHiddenOnesToo) {
    Object &first = ObjectAtX("first", {0.0f});
    Object &second = ObjectAtX("second", {0.0f});
    second.visible = false;
    simhost::SelectAll(first);
    simhost::SelectAll(second);
    Activate(true);
    document().currentObject = 0;
    EXPECT_TRUE(Capture(3));
    document().currentObject = 1;
    EXPECT_TRUE(Capture(3));
    EXPECT_EQ(plugin.store.ObjectCount(3), 2);
    EXPECT_EQ(plugin.store.pins[3].Find(first.uniqueID())->size(), 3u);
    EXPECT_EQ(plugin.store.pins[3].Find(second.uniqueID())->size(), 3u);
}

TEST_F(Pinning, CaptureWithoutACurrentObjectRecordsNothingAndKeepsTheArmedFlag) {
    ObjectAtX("body", {0.0f});
    Activate(true);
    document().currentObject = -1;
    auto &trace = Watch();
    EXPECT_FALSE(Capture(1));
    EXPECT_EQ(plugin.store.ObjectCount(1), 0);
    EXPECT_THAT(trace.Functions(), ElementsAre("MQDoc_GetCurrentObjectIndex", "MQDoc_GetObject"));

    document().currentObject = 0;
    EXPECT_TRUE(Capture(1));
    document().DeleteObject(0);
    EXPECT_TRUE(Capture(1)) << "the slot keeps what it held and stays armed";
    EXPECT_EQ(plugin.store.ObjectCount(1), 1);
}

class Enforcement : public Pinning {
protected:
    void SetUp() override {
        Pinning::SetUp();
        grid = &simhost::AddGrid(document(), "body", 2, 2, 1.0f);
        Activate(true);
    }
    // Records vertices of the grid into a selection slot with the given mask.
    void Pin(int slot, std::vector<int> indices, AxisMask mask) {
        simhost::ClearSelection(*grid);
        simhost::Select(*grid, indices);
        ASSERT_TRUE(Capture(slot));
        plugin.store.axisMask[static_cast<size_t>(slot)] = mask;
    }
    MQPoint At(int index) const { return grid->position(index); }

    Object *grid = nullptr;
};

TEST_F(Enforcement, MaskSevenWritesEveryPinOnceWithoutReadingIt) {
    Pin(1, {0, 4}, 7);
    const MQPoint recorded = At(4);
    simhost::Jitter(*grid, 0.3f, 7, Scope::All);
    auto &trace = Watch();
    Draw();
    EXPECT_EQ(trace.CountOf("MQObj_GetVertex"), 0);
    EXPECT_EQ(trace.CountOf("MQObj_SetVertex"), 2);
    EXPECT_THAT(trace.Functions(), ElementsAre("MQDoc_GetObjectFromUniqueID", "MQObj_GetVisible", "MQObj_GetIntValue",
                                               "MQObj_GetVertexIndexFromUniqueID", "MQObj_SetVertex",
                                               "MQObj_GetVertexIndexFromUniqueID", "MQObj_SetVertex"));
    EXPECT_EQ(trace.Calls()[2].arguments, "body, exempt");
    EXPECT_TRUE(SamePoint(At(4), recorded));
}

TEST_F(Enforcement, MaskOneHoldsXWhileYAndZFollowTheTool) {
    Pin(1, {4}, 1);
    const MQPoint recorded = At(4);
    simhost::Move(*grid, {0.25f, 0.5f, 0.75f}, Scope::All);
    Draw();
    EXPECT_EQ(At(4).x, recorded.x);
    EXPECT_EQ(At(4).y, recorded.y + 0.5f);
    EXPECT_EQ(At(4).z, recorded.z + 0.75f);
}

TEST_F(Enforcement, MaskZeroReadsAndWritesBackUnchanged) {
    Pin(1, {4}, 0);
    simhost::Move(*grid, {1, 1, 1}, Scope::All);
    const MQPoint moved = At(4);
    auto &trace = Watch();
    Draw();
    EXPECT_EQ(trace.CountOf("MQObj_GetVertex"), 1);
    EXPECT_EQ(trace.CountOf("MQObj_SetVertex"), 1);
    EXPECT_TRUE(SamePoint(At(4), moved));
}

TEST_F(Enforcement, OverlappingSlotsLetTheHighestFixingSlotWinPerAxis) {
    Pin(1, {4}, 7);
    const MQPoint first = At(4);
    simhost::Move(*grid, {1, 2, 3}, Scope::All);
    Pin(2, {4}, 2);
    const MQPoint second = At(4);
    simhost::Move(*grid, {5, 5, 5}, Scope::All);
    Draw();
    EXPECT_EQ(At(4).x, first.x);
    EXPECT_EQ(At(4).y, second.y);
    EXPECT_EQ(At(4).z, first.z);
}

TEST_F(Enforcement, HiddenAndExemptObjectsAreLeftAloneUntilTheyReturn) {
    Pin(1, {4}, 7);
    const MQPoint recorded = At(4);
    simhost::Move(*grid, {1, 1, 1}, Scope::All);
    const MQPoint moved = At(4);
    grid->visible = false;
    Draw();
    EXPECT_TRUE(SamePoint(At(4), moved));
    grid->visible = true;
    grid->exempt = true;
    Draw();
    EXPECT_TRUE(SamePoint(At(4), moved));
    grid->exempt = false;
    Draw();
    EXPECT_TRUE(SamePoint(At(4), recorded));
}

TEST_F(Enforcement, PinsFollowTheirVertexThroughDeletionAndCompaction) {
    Pin(1, {0, 4, 8}, 7);
    const MQPoint recorded = At(8);
    const int corner = grid->vertex(8).uniqueID;
    grid->DeleteVertex(0);
    simhost::Move(*grid, {1, 1, 1}, Scope::All);
    auto &trace = Watch();
    Draw();
    EXPECT_EQ(trace.CountOf("MQObj_SetVertex"), 2) << "the deleted vertex is skipped";
    EXPECT_EQ(PinsIn(1), 3u) << "and stays in the slot";
    grid->Compact();
    simhost::Move(*grid, {1, 1, 1}, Scope::All);
    Draw();
    EXPECT_TRUE(SamePoint(grid->position(grid->IndexFromUniqueID(corner)), recorded));
}

TEST_F(Enforcement, ADeletedObjectIsSkippedAndItsPinsKept) {
    Pin(1, {4}, 7);
    document().DeleteObject(0);
    auto &trace = Watch();
    Draw();
    EXPECT_THAT(trace.Functions(), ElementsAre("MQDoc_GetObjectFromUniqueID"));
    EXPECT_EQ(PinsIn(1), 1u);
}

TEST_F(Enforcement, FixingMoreAxesLaterRestoresTheirCaptureTimeValues) {
    simhost::Move(*grid, {0.0f, 0.0f, 0.0f}, Scope::All);
    ASSERT_TRUE(Switch(0, true));
    const MQPoint recorded = At(1);
    simhost::Move(*grid, {0.0f, 1.0f, 1.0f}, Scope::All);
    Draw();
    EXPECT_EQ(At(1).y, recorded.y + 1.0f);
    plugin.store.axisMask[0] = 7;
    Draw();
    EXPECT_TRUE(SamePoint(At(1), recorded));
}

TEST_F(Enforcement, DrawingNeverChangesTheStore) {
    Pin(1, {0, 4}, 3);
    ASSERT_TRUE(Switch(0, true));
    document().DeleteObject(0);
    const PinStore before = plugin.store;
    Draw();
    EXPECT_EQ(plugin.store.armed, before.armed);
    EXPECT_EQ(plugin.store.axisMask, before.axisMask);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(plugin.store.ObjectCount(slot), before.ObjectCount(slot));
        EXPECT_EQ(PinsIn(slot), before.pins[static_cast<size_t>(slot)].PinCount());
    }
}

TEST_F(Enforcement, ANewDocumentEmptiesEverySlotAndKeepsTheMasks) {
    Pin(2, {4}, 5);
    ASSERT_TRUE(Switch(0, true));
    AsHost([&] { plugin.OnDocumentNew(doc()); });
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(plugin.store.ObjectCount(slot), 0);
        EXPECT_FALSE(plugin.store.armed[static_cast<size_t>(slot)]);
    }
    EXPECT_THAT(plugin.store.axisMask, ElementsAre(1, 7, 5, 7));
}

// A symmetric model is sculpted between two draws: its seam stays on the mirror plane,
// and everything else keeps the tool's result.
TEST_F(Pinning, ASmoothedSeamReturnsToTheMirrorPlaneOnTheNextDraw) {
    Object &body = simhost::AddGrid(document(), "body", 6, 5, 0.5f);
    Activate(true);
    ASSERT_TRUE(Switch(0, true));
    ASSERT_EQ(PinsIn(0), 6u) << "the middle column of a 6-by-5 grid";
    simhost::Jitter(body, 0.2f, 42, Scope::All);
    const std::vector<MQPoint> sculpted(body.positions().begin(), body.positions().end());
    Draw();
    for (int i = 0; i < body.VertexCount(); ++i) {
        const bool seam = i % 7 == 3;
        const MQPoint &now = body.position(i);
        EXPECT_EQ(now.x, seam ? 0.0f : sculpted[static_cast<size_t>(i)].x) << i;
        EXPECT_EQ(now.y, sculpted[static_cast<size_t>(i)].y) << i;
        EXPECT_EQ(now.z, sculpted[static_cast<size_t>(i)].z) << i;
    }
}

TEST(VertexPinMap, ARecordedPositionIsNeverReplaced) {
    VertexPinMap pins;
    EXPECT_TRUE(pins.Insert(5, {1, 1, 1}));
    EXPECT_FALSE(pins.Insert(5, {2, 2, 2}));
    pins.InsertAll({{7, {3, 3, 3}}, {5, {4, 4, 4}}, {7, {9, 9, 9}}, {1, {6, 6, 6}}});
    ASSERT_EQ(pins.size(), 3u);
    EXPECT_TRUE(SamePoint(*pins.Find(5), {1, 1, 1}));
    EXPECT_TRUE(SamePoint(*pins.Find(7), {3, 3, 3})) << "among repeats in one batch the first wins";
    EXPECT_TRUE(SamePoint(*pins.Find(1), {6, 6, 6}));
    EXPECT_EQ(pins.Find(2), nullptr);
}

// Batches in every order a capture can bring: scattered IDs with repeats across all four
// bytes and both signs, IDs apart only in their top byte, IDs already rising, and rising
// with repeats. Each leaves the map a stable sort by ID would, the first of repeats kept,
// and a batch into a map that has pins keeps those.
TEST(VertexPinMap, ABatchInAnyOrderIsKeptSortedByIDWithTheFirstOfRepeats) {
    auto pin = [](int32_t id, float tag) { return PinnedVertex{id, {tag, static_cast<float>(id % 1000), 0.0f}}; };
    std::mt19937 random(7);
    std::vector<PinnedVertex> scattered;
    std::uniform_int_distribution<int32_t> anyID(std::numeric_limits<int32_t>::min(),
                                                 std::numeric_limits<int32_t>::max());
    for (int i = 0; i < 3000; ++i) scattered.push_back(pin(anyID(random), static_cast<float>(i)));
    for (int32_t id : {0, -1, 1, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()}) {
        scattered.push_back(pin(id, -1.0f));
        scattered.push_back(pin(id, -2.0f));
    }
    for (int i = 0; i < 500; ++i) {
        const PinnedVertex &earlier = scattered[random() % scattered.size()];
        scattered.push_back(pin(earlier.uniqueID, 1e6f + static_cast<float>(i)));
    }
    std::shuffle(scattered.begin() + 3000, scattered.end(), random);
    std::vector<PinnedVertex> topByte;
    for (int32_t high : {5, -3, 0, 5, 127, -128}) topByte.push_back(pin(high * (1 << 24), static_cast<float>(high)));
    std::vector<PinnedVertex> rising;
    for (int32_t id = -50; id < 50; id += 3) rising.push_back(pin(id, 0.5f));
    std::vector<PinnedVertex> risingWithRepeats;
    for (int32_t id = 0; id < 40; ++id) risingWithRepeats.push_back(pin(id / 3, static_cast<float>(id)));

    for (const auto &batch : {scattered, topByte, rising, risingWithRepeats}) {
        std::vector<PinnedVertex> expected = batch;
        std::stable_sort(expected.begin(), expected.end(),
                         [](const PinnedVertex &a, const PinnedVertex &b) { return a.uniqueID < b.uniqueID; });
        expected.erase(
            std::unique(expected.begin(), expected.end(),
                        [](const PinnedVertex &a, const PinnedVertex &b) { return a.uniqueID == b.uniqueID; }),
            expected.end());
        VertexPinMap pins;
        pins.InsertAll(batch);
        const std::vector<PinnedVertex> kept(pins.begin(), pins.end());
        ASSERT_EQ(kept.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(kept[i].uniqueID, expected[i].uniqueID) << i;
            EXPECT_TRUE(SamePoint(kept[i].position, expected[i].position)) << "ID " << kept[i].uniqueID;
        }
    }

    VertexPinMap pins;
    pins.Insert(0, {9, 9, 9});
    pins.InsertAll(scattered);
    EXPECT_TRUE(SamePoint(*pins.Find(0), {9, 9, 9})) << "a pin already in the map stays";
}

}  // namespace
}  // namespace stelmarin::testing
