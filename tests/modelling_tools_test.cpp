#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "simhost/modeller/modelling_tools.h"

namespace simhost {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<int> NeighboursOf(const Object &object, int vertex) {
    const Adjacency &adjacency = AdjacencyOf(object);
    if (static_cast<size_t>(vertex) + 1 >= adjacency.offsets.size()) return {};
    return {adjacency.neighbours.begin() + adjacency.offsets[static_cast<size_t>(vertex)],
            adjacency.neighbours.begin() + adjacency.offsets[static_cast<size_t>(vertex) + 1]};
}

// Smoothing as it was first written, its neighbour sets gathered afresh on every call:
// the brush must still give exactly these floats, whatever it keeps between calls.
void SmoothFromScratch(Object &object, int iterations, Scope scope) {
    std::set<std::pair<int, int>> edges;
    for (const auto &face : object.faces()) {
        for (size_t i = 0; i < face.size(); ++i) {
            const int a = face[i];
            const int b = face[(i + 1) % face.size()];
            edges.insert({std::min(a, b), std::max(a, b)});
        }
    }
    std::vector<std::vector<int>> neighbours(object.vertices().size());
    for (const auto &[a, b] : edges) {
        neighbours[static_cast<size_t>(a)].push_back(b);
        neighbours[static_cast<size_t>(b)].push_back(a);
    }
    for (int pass = 0; pass < iterations; ++pass) {
        const std::vector<MQPoint> before(object.positions().begin(), object.positions().end());
        for (int i = 0; i < object.VertexCount(); ++i) {
            const Vertex &vertex = object.vertex(i);
            const auto &around = neighbours[static_cast<size_t>(i)];
            if (vertex.deleted || around.empty() || (scope == Scope::Selected && !vertex.selected)) continue;
            double x = 0, y = 0, z = 0;
            for (int n : around) {
                x += before[static_cast<size_t>(n)].x;
                y += before[static_cast<size_t>(n)].y;
                z += before[static_cast<size_t>(n)].z;
            }
            const double share = 1.0 / static_cast<double>(around.size());
            object.position(i) = {static_cast<float>(x * share), static_cast<float>(y * share),
                                  static_cast<float>(z * share)};
        }
    }
}

bool SamePositions(const Object &a, const Object &b) {
    return std::equal(a.positions().begin(), a.positions().end(), b.positions().begin(), b.positions().end(),
                      [](const MQPoint &p, const MQPoint &q) { return p.x == q.x && p.y == q.y && p.z == q.z; });
}

TEST(Adjacency, ListsEachVertexsEdgeNeighboursOnceInAscendingOrder) {
    Document document;
    Object &grid = AddGrid(document, "grid", 2, 2, 1.0f);
    EXPECT_THAT(NeighboursOf(grid, 4), ElementsAre(1, 3, 5, 7)) << "the middle of a 2-by-2 grid";
    EXPECT_THAT(NeighboursOf(grid, 0), ElementsAre(1, 3)) << "a corner, its two edges each on one face";
    EXPECT_THAT(NeighboursOf(grid, 1), ElementsAre(0, 2, 4)) << "an edge shared by two faces counts once";
}

TEST(Adjacency, AFaceThatRunsFromAVertexToItselfListsItTwiceAmongItsOwn) {
    Document document;
    Object &object = document.AddObject("degenerate");
    for (int i = 0; i < 3; ++i) object.AddVertex({static_cast<float>(i), 0.0f, 0.0f});
    object.AddFace({0, 0, 1});
    object.AddFace({2});
    EXPECT_THAT(NeighboursOf(object, 0), ElementsAre(0, 0, 1));
    EXPECT_THAT(NeighboursOf(object, 2), ElementsAre(2, 2));
}

TEST(Adjacency, FollowsFacesAddedVerticesDeletedAndHolesClosed) {
    Document document;
    Object &grid = AddGrid(document, "grid", 2, 1, 1.0f);  // vertices 0 1 2 below, 3 4 5 above
    EXPECT_THAT(NeighboursOf(grid, 2), ElementsAre(1, 5));

    const int extra = grid.AddVertex({3.0f, 0.0f, 0.0f});
    EXPECT_THAT(NeighboursOf(grid, extra), IsEmpty()) << "a vertex on no face yet";
    grid.AddFace({2, extra, 5});
    EXPECT_THAT(NeighboursOf(grid, 2), ElementsAre(1, 5, extra));
    EXPECT_THAT(NeighboursOf(grid, extra), ElementsAre(2, 5));

    grid.DeleteVertex(1);
    EXPECT_THAT(NeighboursOf(grid, 1), IsEmpty());
    EXPECT_THAT(NeighboursOf(grid, 2), ElementsAre(5, extra)) << "the faces through the deleted vertex are gone";

    grid.Compact();
    EXPECT_THAT(NeighboursOf(grid, 1), ElementsAre(4, 5)) << "vertex 2 is now 1, and 5 is 4";
    EXPECT_THAT(NeighboursOf(grid, 5), ElementsAre(1, 4));
}

TEST(Adjacency, IsDerivedOnceAndKeptWhileOnlyPositionsChange) {
    Document document;
    Object &grid = AddGrid(document, "grid", 4, 4, 1.0f);
    const Adjacency *first = &AdjacencyOf(grid);
    Smooth(grid, 2, Scope::All);
    Move(grid, {1.0f, 0.0f, 0.0f}, Scope::All);
    SelectAll(grid);
    EXPECT_EQ(&AdjacencyOf(grid), first);
    grid.AddFace({0, 1, 6});
    EXPECT_EQ(AdjacencyOf(grid).topologyVersion, grid.topologyVersion());
    EXPECT_THAT(NeighboursOf(grid, 0), ElementsAre(1, 5, 6));
}

TEST(Smooth, MovesEachVertexInScopeToTheMeanOfItsNeighboursAsTheyWereBeforeThePass) {
    Document document;
    Object &grid = AddGrid(document, "grid", 2, 2, 1.0f);
    grid.position(4).z = 3.0f;
    Select(grid, {1, 4});
    Smooth(grid, 1, Scope::Selected);
    EXPECT_EQ(grid.position(1).z, 1.0f) << "(0 + 0 + 3) / 3";
    EXPECT_EQ(grid.position(4).z, 0.0f) << "its neighbours were all flat before the pass";
    EXPECT_EQ(grid.position(3).z, 0.0f) << "not selected";
    EXPECT_EQ(grid.position(4).x, 0.0f);
    EXPECT_EQ(grid.position(4).y, 1.0f);
}

// Random meshes with degenerate faces, smoothed between changes to their faces: every
// result is bit for bit what neighbour sets gathered afresh give, so nothing kept from an
// earlier topology or summed in another order goes unseen.
TEST(Smooth, GivesTheSameFloatsAsNeighbourSetsGatheredAfreshThroughEveryChangeOfFaces) {
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        Document document;
        Object &object = document.AddObject("mesh");
        const int count = 40 + static_cast<int>(random() % 60);
        std::uniform_real_distribution<float> coordinate(-1.0f, 1.0f);
        for (int i = 0; i < count; ++i) object.AddVertex({coordinate(random), coordinate(random), coordinate(random)});
        const auto anyLive = [&] {
            int index = 0;
            do index = static_cast<int>(random() % static_cast<uint32_t>(object.VertexCount()));
            while (object.vertex(index).deleted);
            return index;
        };
        const auto addFaces = [&](int faces) {
            for (int f = 0; f < faces; ++f) {
                std::vector<int> corners(1 + random() % 5);
                for (int &corner : corners) corner = anyLive();
                if (random() % 4 == 0) corners.push_back(corners.front());
                object.AddFace(corners);
            }
        };
        addFaces(count);
        Object expected = object;
        for (int round = 0; round < 8; ++round) {
            const Scope scope = round % 2 == 0 ? Scope::All : Scope::Selected;
            if (scope == Scope::Selected) {
                ClearSelection(object);
                for (int i = 0; i < object.VertexCount(); i += 2) Select(object, {anyLive()});
            }
            expected = object;
            Smooth(object, 1 + round % 3, scope);
            SmoothFromScratch(expected, 1 + round % 3, scope);
            ASSERT_TRUE(SamePositions(object, expected)) << "seed " << seed << ", round " << round;
            switch (round % 4) {
                case 0:
                    addFaces(5);
                    break;
                case 1:
                    object.DeleteVertex(anyLive());
                    break;
                case 2:
                    object.Compact();
                    break;
                default:
                    object.AddVertex({0.5f, 0.5f, 0.5f});
                    addFaces(2);
            }
        }
    }
}

}  // namespace
}  // namespace simhost
