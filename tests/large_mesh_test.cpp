// A mesh of the size a modeller's users sculpt: two hundred thousand vertices pinned and
// drawn end to end through the workbench, with the host checking every draw. How long it
// takes is measured in bench/scale_bench.cpp; here only what the host observes counts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "simhost/modeller/modelling_tools.h"
#include "simhost/modeller/workbench.h"

namespace {

using ::testing::IsEmpty;
using ::testing::SizeIs;

constexpr int kColumns = 500, kRows = 400;  // 501 x 401 vertices, the middle column on X = 0
constexpr int kVertices = (kColumns + 1) * (kRows + 1);
constexpr int kCentreLine = kRows + 1;

class LargeMesh : public ::testing::Test {
protected:
    void SetUp() override {
        user.Start();
        sheet = &simhost::AddGrid(user.document(), "sheet", kColumns, kRows, 0.01f);
        for (const simhost::Vertex &vertex : sheet->vertices()) made.push_back(vertex.position);
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
            const MQPoint &p = sheet->vertex(i).position, &q = made[static_cast<size_t>(i)];
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
    // 24 for the vertex, 4 for its unique ID's entry, 20 for about one quad, and a bit
    // for the write record, whose entries go with the draw (bench/README.md).
    EXPECT_LE(static_cast<double>(sheet->MemoryBytes()) / kVertices, 48.5);
}

TEST_F(LargeMesh, ADisarmedSlotLeavesTheRestToTheCentreLineOnXAlone) {
    user.ClickSlot("1", false, false);
    simhost::Move(*sheet, {0.0123f, 0.5f, 0.0f}, simhost::Scope::All);
    const std::vector<simhost::Vertex> moved = sheet->vertices();
    const simhost::DrawOutcome outcome = user.Draw();
    EXPECT_THAT(user.violations(), IsEmpty());
    EXPECT_EQ(outcome.written, kCentreLine);
    EXPECT_EQ(outcome.movedBack, kCentreLine);
    EXPECT_FLOAT_EQ(static_cast<float>(outcome.largestMove), 0.0123f);
    int back = 0, left = 0;
    for (int i = 0; i < kVertices; ++i) {
        const MQPoint &now = sheet->vertex(i).position, &tool = moved[static_cast<size_t>(i)].position;
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
        ASSERT_EQ(sheet->vertex(i).position.y, made[static_cast<size_t>(madeAt)].y) << "vertex " << i;
    }
}

TEST_F(LargeMesh, ADrawThatLeavesThePinsWhereTheToolPutThemIsCaught) {
    simhost::Move(*sheet, {0.0f, 0.0f, 1.0f}, simhost::Scope::All);
    // What the host finds after a plug-in that skipped its work.
    const simhost::DrawOutcome outcome = simhost::CheckDraw(user.document(), {}, user.ledger(), true);
    ASSERT_THAT(outcome.disagreements, SizeIs(6));
    EXPECT_EQ(outcome.disagreements[0], "vertex 0 of \"sheet\" is at (-2.5, 0, 1), the slots say (-2.5, 0, 0)");
    EXPECT_EQ(outcome.disagreements[5], "and " + std::to_string(kVertices - 5) + " more vertices");
    EXPECT_EQ(outcome.movedBack, 0) << "nothing was written";
}

}  // namespace
