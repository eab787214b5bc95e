// A mesh of the size a modeller's users sculpt: two hundred thousand vertices pinned and
// drawn end to end through the workbench, with the host checking every draw. How long it
// takes is measured in bench/scale_bench.cpp; here only what the host observes counts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "simhost/modeller/modelling_tools.h"
#include "simhost/modeller/workbench.h"
#include "tests/violation_ids.h"

namespace {

using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::Eq;
using ::testing::IsEmpty;
using ::testing::SizeIs;
using ::testing::StartsWith;

constexpr int kColumns = 500, kRows = 400;  // 501 x 401 vertices, the middle column on X = 0
constexpr int kVertices = (kColumns + 1) * (kRows + 1);
constexpr int kCentreLine = kRows + 1;

class LargeMesh : public ::testing::Test {
protected:
    void SetUp() override {
        user.Start();
        sheet = &simhost::AddGrid(user.document(), "sheet", kColumns, kRows, 0.01f);
        made.assign(sheet->positions().begin(), sheet->positions().end());
        user.Initialize();
        user.Activate(true);
        user.ClickSlot("X0", false, false);
        simhost::SelectAll(*sheet);
        user.ClickSlot("1", true, false);
        ASSERT_EQ(user.ledger().slots[0].PinCount(), static_cast<size_t>(kCentreLine));
        ASSERT_EQ(user.ledger().slots[1].PinCount(), static_cast<size_t>(kVertices));
    }

    // Whether every vertex is where the grid was made.
    bool AllWhereMade() const {
        for (int i = 0; i < sheet->VertexCount(); ++i) {
            const MQPoint &p = sheet->position(i), &q = made[static_cast<size_t>(i)];
            if (p.x != q.x || p.y != q.y || p.z != q.z) return false;
        }
        return true;
    }

    simhost::Workbench user{STELMARIN_PLUGIN_FILE, ""};
    simhost::Object *sheet = nullptr;
    std::vector<MQPoint> made;
};

TEST_F(LargeMesh, EveryPinnedVertexIsMovedBackAndEachMoveIsCounted) {
    simhost::Move(*sheet, {0.1f, 0.2f, 0.3f}, simhost::Scope::All);
    const simhost::DrawOutcome outcome = user.Draw();
    EXPECT_THAT(user.violations(), IsEmpty());
    EXPECT_EQ(outcome.written, kVertices + kCentreLine) << "X0's pins are written first, then slot 1's";
    EXPECT_EQ(outcome.movedBack, kVertices);
    EXPECT_THAT(outcome.moved, SizeIs(kVertices));
    EXPECT_NEAR(outcome.largestMove, std::sqrt(0.14), 1e-6);
    EXPECT_TRUE(AllWhereMade());

    const simhost::DrawOutcome again = user.Draw();
    EXPECT_EQ(again.written, kVertices + kCentreLine);
    EXPECT_EQ(again.movedBack, 0) << "a draw that finds every pin in place moves nothing";
    EXPECT_THAT(user.violations(), IsEmpty());
}

TEST_F(LargeMesh, TheMeshHoldsItsBudgetOfBytesPerVertexAfterADrawThatMovedEveryVertex) {
    simhost::Move(*sheet, {0.1f, 0.0f, 0.0f}, simhost::Scope::All);
    ASSERT_EQ(user.Draw().movedBack, kVertices);
    // 12 for the vertex, 12 for its position, 4 for its unique ID's entry, 20 for about one quad, and a bit
    // for the write record, whose entries go with the draw (bench/README.md).
    EXPECT_LE(static_cast<double>(sheet->MemoryBytes()) / kVertices, 48.5);
}

TEST_F(LargeMesh, ADisarmedSlotLeavesTheRestToTheCentreLineOnXAlone) {
    user.ClickSlot("1", false, false);
    simhost::Move(*sheet, {0.0123f, 0.5f, 0.0f}, simhost::Scope::All);
    const std::vector<MQPoint> moved(sheet->positions().begin(), sheet->positions().end());
    const simhost::DrawOutcome outcome = user.Draw();
    EXPECT_THAT(user.violations(), IsEmpty());
    EXPECT_EQ(outcome.written, kCentreLine);
    EXPECT_EQ(outcome.movedBack, kCentreLine);
    EXPECT_FLOAT_EQ(static_cast<float>(outcome.largestMove), 0.0123f);
    int back = 0, left = 0;
    for (int i = 0; i < kVertices; ++i) {
        const MQPoint &now = sheet->position(i), &tool = moved[static_cast<size_t>(i)];
        if (made[static_cast<size_t>(i)].x == 0.0f) {
            back += now.x == 0.0f && now.y == tool.y ? 1 : 0;
        } else {
            left += now.x == tool.x && now.y == tool.y ? 1 : 0;
        }
    }
    EXPECT_EQ(back, kCentreLine) << "the centre line is back on X = 0 and keeps the tool's Y";
    EXPECT_EQ(left, kVertices - kCentreLine) << "the rest stays where the tool put it";
}

TEST_F(LargeMesh, PinsFollowTheirVerticesThroughDeletionAndCompacting) {
    int deleted = 0, deletedOnTheLine = 0;
    for (int index = 0; index < kVertices; index += 9973) {
        sheet->DeleteVertex(index);
        ++deleted;
        if (index % (kColumns + 1) == kColumns / 2) ++deletedOnTheLine;
    }
    ASSERT_GT(deletedOnTheLine, 0);
    sheet->Compact();
    simhost::Scale(*sheet, {2.0f, 2.0f, 2.0f}, {0.0f, 0.0f, 0.0f}, simhost::Scope::All);
    const simhost::DrawOutcome outcome = user.Draw();
    EXPECT_THAT(user.violations(), IsEmpty());
    EXPECT_EQ(outcome.written, (kVertices - deleted) + (kCentreLine - deletedOnTheLine))
        << "the pins of deleted vertices are skipped, the others found at their new indices";
    EXPECT_EQ(outcome.movedBack, kVertices - deleted - 1) << "all but the one at the origin, which scaling left";
    for (int i = 0; i < sheet->VertexCount(); ++i) {
        const int madeAt = sheet->vertex(i).uniqueID - 1;
        ASSERT_EQ(sheet->position(i).y, made[static_cast<size_t>(madeAt)].y) << "vertex " << i;
    }
}

TEST_F(LargeMesh, ADrawThatLeavesThePinsWhereTheToolPutThemIsCaught) {
    simhost::Move(*sheet, {0.0f, 0.0f, 1.0f}, simhost::Scope::All);
    // What the host finds after a plug-in that skipped its work.
    const simhost::DrawOutcome outcome = simhost::CheckDraw(user.document(), {}, user.ledger(), true);
    ASSERT_THAT(outcome.disagreements, SizeIs(6));
    EXPECT_THAT(testing_support::IdsOf(outcome.disagreements), Each(Eq("D001"))) << "every pin was left off";
    EXPECT_EQ(outcome.disagreements[0].text, "vertex 0 of \"sheet\" is at (-2.5, 0, 1), the slots say (-2.5, 0, 0)");
    EXPECT_EQ(outcome.disagreements[5].text, "and " + std::to_string(kVertices - 5) + " more vertices");
    EXPECT_EQ(outcome.movedBack, 0) << "nothing was written";
}

// Slot 1 alone holds every vertex on all three axes: the check compares long stretches of
// pins with the mesh's positions as blocks of bytes, and goes pin by pin only where a
// stretch differs.
class EveryVertexInOneSlot : public LargeMesh {
protected:
    void SetUp() override {
        LargeMesh::SetUp();
        user.ClickSlot("X0", false, false);
        ASSERT_FALSE(user.ledger().slots[0].armed);
    }

    simhost::DrawOutcome Check(const simhost::PinLedger &ledger) const {
        return simhost::CheckDraw(user.document(), {}, ledger, true);
    }
    simhost::DrawOutcome Check() const { return Check(user.ledger()); }

    // The start of what the check says of vertex `index` once the plug-in left it at (7, 8, 9).
    static std::string LeftAtSevenEightNine(int index) {
        return "vertex " + std::to_string(index) + " of \"sheet\" is at (7, 8, 9), the slots say (";
    }
};

TEST_F(EveryVertexInOneSlot, AVertexOffItsPinIsFoundWhereverItStandsInAStretch) {
    ASSERT_THAT(Check().disagreements, IsEmpty());
    for (int index : {0, 1, 63, 64, 65, 1023, 1024, 1025, 100'000, kVertices - 2, kVertices - 1}) {
        sheet->position(index) = {7.0f, 8.0f, 9.0f};
        EXPECT_THAT(testing_support::TextsOf(Check().disagreements),
                    ElementsAre(StartsWith(LeftAtSevenEightNine(index))))
            << index;
        sheet->position(index) = made[static_cast<size_t>(index)];
    }
    sheet->position(5000).z = std::nextafter(0.0f, 1.0f);
    EXPECT_THAT(Check().disagreements, SizeIs(1)) << "the least step off the pin";
}

TEST_F(EveryVertexInOneSlot, NegativeZeroStandsOnAPinAtPositiveZero) {
    int flipped = 0;
    for (int i = 0; i < kVertices; ++i) {
        if (sheet->position(i).x == 0.0f) {
            sheet->position(i).x = -0.0f;
            ++flipped;
        }
    }
    ASSERT_EQ(flipped, kCentreLine);
    EXPECT_THAT(Check().disagreements, IsEmpty()) << "every stretch across the centre line differs in its bytes";
    const int last = kVertices - 1 - kColumns / 2;
    ASSERT_EQ(made[static_cast<size_t>(last)].x, 0.0f);
    sheet->position(last) = {7.0f, 8.0f, 9.0f};
    EXPECT_THAT(testing_support::TextsOf(Check().disagreements), ElementsAre(StartsWith(LeftAtSevenEightNine(last))));
}

TEST_F(EveryVertexInOneSlot, ADeletedVertexBreaksTheStretchAndIsNoOnesConcern) {
    sheet->DeleteVertex(5000);
    sheet->position(4999) = {7.0f, 8.0f, 9.0f};
    sheet->position(5001) = {7.0f, 8.0f, 9.0f};
    EXPECT_THAT(testing_support::TextsOf(Check().disagreements),
                ElementsAre(StartsWith(LeftAtSevenEightNine(4999)), StartsWith(LeftAtSevenEightNine(5001))));
    sheet->Compact();
    EXPECT_THAT(testing_support::TextsOf(Check().disagreements),
                ElementsAre(StartsWith(LeftAtSevenEightNine(4999)), StartsWith(LeftAtSevenEightNine(5000))))
        << "the vertex after the gap is found at its new index";
    sheet->position(4999) = made[4999];
    sheet->position(5000) = made[5001];
    EXPECT_THAT(Check().disagreements, IsEmpty());
}

TEST_F(EveryVertexInOneSlot, PinsWrittenBackByTheirIndicesFromBeforeCompactingAreCaught) {
    sheet->DeleteVertex(5000);
    sheet->Compact();
    // Each vertex after the gap gets the pin of the vertex that stood at its index before.
    for (int i = 5000; i < sheet->VertexCount(); ++i) sheet->position(i) = made[static_cast<size_t>(i)];
    const simhost::DrawOutcome outcome = Check();
    ASSERT_THAT(outcome.disagreements, SizeIs(6));
    EXPECT_THAT(outcome.disagreements[0].text, StartsWith("vertex 5000 of \"sheet\""));
    EXPECT_EQ(outcome.disagreements[5].text,
              "and " + std::to_string(sheet->VertexCount() - 5000 - 5) + " more vertices");
}

TEST_F(EveryVertexInOneSlot, ASlotThatFixesXAloneLetsTheOtherAxesGo) {
    simhost::PinLedger ledger = user.ledger();
    ledger.SetMask(1, simhost::kMaskX);
    sheet->position(10).y += 1.0f;
    sheet->position(20).z += 1.0f;
    EXPECT_THAT(Check(ledger).disagreements, IsEmpty());
    sheet->position(30).x += 1.0f;
    const simhost::DrawOutcome outcome = Check(ledger);
    ASSERT_THAT(outcome.disagreements, SizeIs(1));
    EXPECT_THAT(outcome.disagreements[0].text, StartsWith("vertex 30 of \"sheet\""));
}

TEST_F(EveryVertexInOneSlot, ANaNIsOnItsPinOnlyWithTheSameBits) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float otherNaN = std::bit_cast<float>(std::bit_cast<uint32_t>(nan) | 1u);
    simhost::PinLedger ledger = user.ledger();
    std::vector<MQPoint> &pins = ledger.slots[1].pins.front().positions;
    for (int index : {30, 3000, 3001}) {
        pins[static_cast<size_t>(index)].y = nan;
        sheet->position(index).y = nan;
    }
    EXPECT_THAT(Check(ledger).disagreements, IsEmpty()) << "each stretch agrees byte for byte";
    sheet->position(40) = {7.0f, 8.0f, 9.0f};
    sheet->position(3001).y = otherNaN;
    EXPECT_THAT(testing_support::TextsOf(Check(ledger).disagreements),
                ElementsAre(StartsWith(LeftAtSevenEightNine(40)), StartsWith("vertex 3001 of \"sheet\" is at (")))
        << "vertex 30 is judged pin by pin beside vertex 40, and stays on its pin";
}

TEST_F(EveryVertexInOneSlot, WritesOnRecordAreJudgedFromWhereTheVertexWasAndTheStretchesAroundThemAsBefore) {
    const auto write = [&](int index, MQPoint to) {
        sheet->RecordWrite(index, to);
        sheet->position(index) = to;
    };
    sheet->position(500).z += 1.0f;
    write(500, made[500]);
    write(600, {7.0f, 8.0f, 9.0f});
    sheet->position(599) = {7.0f, 8.0f, 9.0f};
    sheet->position(601) = {7.0f, 8.0f, 9.0f};
    const simhost::DrawOutcome outcome = Check();
    EXPECT_EQ(outcome.movedBack, 2) << "vertices 500 and 600";
    EXPECT_THAT(testing_support::IdsOf(outcome.disagreements), Each(Eq("D001"))) << "every vertex is pinned";
    EXPECT_THAT(testing_support::TextsOf(outcome.disagreements),
                ElementsAre(StartsWith(LeftAtSevenEightNine(599)), StartsWith(LeftAtSevenEightNine(600)),
                            StartsWith(LeftAtSevenEightNine(601))));
    sheet->ClearWrites();
}

}  // namespace
