// Brushes and undo in the session language: what a sample moves and what it leaves, how
// strokes open and close, and what undo and redo put back, as a session sees it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "simhost/language/session_script.h"
#include "simhost/modeller/edit_history.h"
#include "simhost/modeller/modelling_tools.h"
#include "simhost/modeller/sculpt_brushes.h"
#include "simhost/modeller/workbench.h"
#include "tests/session_fixture.h"

namespace {

using simhost::Document;
using simhost::Object;
using simhost::StepResult;
using ::testing::HasSubstr;

double Distance(const MQPoint &a, const MQPoint &b) {
    return std::sqrt(std::pow(double{a.x} - b.x, 2) + std::pow(double{a.y} - b.y, 2) + std::pow(double{a.z} - b.z, 2));
}

// What undo and redo must give back: every live object's positions, selection and flags.
struct Look {
    std::vector<std::vector<MQPoint>> positions;
    std::vector<std::vector<bool>> selected;
    std::vector<std::pair<bool, bool>> flags;

    explicit Look(const Document &document) {
        for (int i = 0; i < document.ObjectCount(); ++i) {
            const Object *object = document.ObjectAt(i);
            if (object == nullptr) continue;
            positions.emplace_back(object->positions().begin(), object->positions().end());
            selected.emplace_back();
            for (const auto &vertex : object->vertices()) selected.back().push_back(vertex.selected);
            flags.emplace_back(object->visible, object->exempt);
        }
    }
    bool operator==(const Look &other) const {
        if (positions.size() != other.positions.size()) return false;
        for (size_t o = 0; o < positions.size(); ++o) {
            if (positions[o].size() != other.positions[o].size()) return false;
            for (size_t v = 0; v < positions[o].size(); ++v) {
                if (!simhost::SamePlace(positions[o][v], other.positions[o][v])) return false;
            }
        }
        return selected == other.selected && flags == other.flags;
    }
};

// A session typed a line at a time, as at the REPL, with the document at hand. The grid
// "g" of 11 by 11 vertices 0.1 apart spans X -0.5 to 0.5 and Y 0 to 1 at Z = 0; vertex
// 11 * ROW + COLUMN is at (0.1 COLUMN - 0.5, 0.1 ROW, 0).
class Sculpt : public SessionFixture {
protected:
    Sculpt() : SessionFixture("simhost-sculpt-"), runner(settings, output) {}

    StepResult Line(const std::string &line) { return runner.RunLine(line, "test:" + std::to_string(++lines)); }
    void Lines(std::initializer_list<const char *> all) {
        for (const char *line : all) ASSERT_EQ(Line(line), StepResult::Ok) << line << "\n" << output.str();
    }
    Document &Doc() { return runner.bench().document(); }
    Object &Named(const char *name) { return *Doc().FindByName(name); }
    MQPoint At(const char *name, int index) { return Named(name).position(index); }
    // The error the last failed line printed.
    std::string Said() const { return output.str(); }

    simhost::ScriptRunner runner;
    int lines = 0;
};

class Undo : public Sculpt {};

TEST_F(Sculpt, GrabKeepsTheVerticesItTookAtTheStrokesStart) {
    Lines({"make grid g 10 10 0.1", "stroke begin", "brush grab 0 0.5 0 0 0 0.1 0.15 1"});
    EXPECT_FLOAT_EQ(At("g", 60).z, 0.1f) << "the vertex under the centre moves with the drag";
    EXPECT_NEAR(At("g", 61).z, 0.1 * simhost::BrushFalloff(0.1, 0.15), 1e-6) << "a neighbour by its weight";
    // The brush moves on, over vertices it did not take: they stay, and the ones it took
    // move on by their weights.
    Lines({"brush grab 0.3 0.5 0 0 0 0.1 0.15 1", "brush grab 0.3 0.5 0 0 0 0.1 0.15 0.5"});
    EXPECT_FLOAT_EQ(At("g", 60).z, 0.25f);
    EXPECT_FLOAT_EQ(At("g", 63).z, 0.0f);
    EXPECT_FLOAT_EQ(At("g", 57).z, 0.0f) << "outside the radius at the stroke's start";
    Lines({"stroke end"});
    // The next stroke takes what lies under it then.
    Lines({"stroke begin", "brush grab 0.3 0.5 0 0 0 0.1 0.15 1", "stroke end"});
    EXPECT_FLOAT_EQ(At("g", 63).z, 0.1f);
    EXPECT_FLOAT_EQ(At("g", 60).z, 0.25f);
}

TEST_F(Sculpt, SmoothAndInflateStayWithinTheRadius) {
    Lines({"make grid g 10 10 0.1", "jitter 0.03 5 all", "make head h 16"});
    const MQPoint centre{0, 0.5f, 0};
    const std::vector<MQPoint> grid(Named("g").positions().begin(), Named("g").positions().end());
    Lines({"object g", "brush smooth 0 0.5 0 0 0 0 0.25 1"});
    int smoothed = 0;
    for (size_t i = 0; i < grid.size(); ++i) {
        const bool inside = Distance(grid[i], centre) < 0.25;
        if (!inside) {
            EXPECT_TRUE(simhost::SamePlace(At("g", static_cast<int>(i)), grid[i])) << "vertex " << i;
        }
        smoothed += inside && !simhost::SamePlace(At("g", static_cast<int>(i)), grid[i]) ? 1 : 0;
    }
    EXPECT_GT(smoothed, 10);

    // Inflate pushes each vertex it reaches outwards, by a tenth of the radius at full
    // weight, falling off to nothing at the rim.
    const Object &head = Named("h");
    const std::vector<MQPoint> before(head.positions().begin(), head.positions().end());
    const MQPoint on = before[40];
    const std::string line = "brush inflate " + std::to_string(on.x) + " " + std::to_string(on.y) + " " +
                             std::to_string(on.z) + " 0 0 0 0.4 1";
    Lines({"object h", line.c_str()});
    const MQPoint middle{0, 0, 0};
    int inflated = 0;
    for (size_t i = 0; i < before.size(); ++i) {
        const MQPoint &now = head.position(static_cast<int>(i));
        const double distance = Distance(before[i], on);
        if (distance >= 0.4) {
            EXPECT_TRUE(simhost::SamePlace(now, before[i])) << "vertex " << i;
            continue;
        }
        EXPECT_NEAR(Distance(now, before[i]), 0.04 * simhost::BrushFalloff(distance, 0.4), 1e-5) << "vertex " << i;
        EXPECT_GE(Distance(now, middle), Distance(before[i], middle) - 1e-6) << "vertex " << i << " went inwards";
        ++inflated;
    }
    EXPECT_GT(inflated, 3);
}

TEST_F(Sculpt, ABrushLineWithABadNumberIsRefusedNamingIt) {
    const auto refusal = [](const std::string &line) {
        try {
            simhost::ParseScriptLine(line);
        } catch (const simhost::ScriptSyntaxError &error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    EXPECT_THAT(refusal("brush grab 0 0 0 0 0 0 0 1"), HasSubstr("radius must be more than 0, not \"0\""));
    EXPECT_THAT(refusal("brush grab 0 0 0 0 0 0 -2 1"), HasSubstr("radius must be more than 0, not \"-2\""));
    EXPECT_THAT(refusal("brush smooth 0 nan 0 0 0 0 1 1"), HasSubstr("centre y must be a number, not \"nan\""));
    EXPECT_THAT(refusal("brush grab 0 0 0 0 inf 0 1 1"), HasSubstr("drag y must be a number, not \"inf\""));
    EXPECT_THAT(refusal("brush inflate 0 0 0 0 0 0 1 1.5"), HasSubstr("strength \"1.5\" is out of range"));
    EXPECT_THAT(refusal("brush pinch 0 0 0 0 0 0 1 1"), HasSubstr("brush must be one of grab, smooth, inflate"));
    EXPECT_THAT(refusal("brush grab 0 0 0 0 0 0 1"), HasSubstr("missing strength"));
    EXPECT_THAT(refusal("brush grab 0 0 0 0 0 0 1 1 1"), HasSubstr("unexpected \"1\""));
    EXPECT_THAT(refusal("stroke start"), HasSubstr("stroke must be one of begin, end"));
    EXPECT_THAT(refusal("undo 0"), HasSubstr("count must be from 1 to 64"));
    EXPECT_THAT(refusal("redo twice"), HasSubstr("count must be a whole number"));
}

TEST_F(Sculpt, AStrokeOpensAndEndsOnceAndNothingElseChangesTheDocumentMeanwhile) {
    Lines({"make grid g 4 4", "make grid other 2 2", "object g"});
    EXPECT_EQ(Line("stroke end"), StepResult::Failed);
    EXPECT_THAT(Said(), HasSubstr("test:4: no brush stroke is open; \"stroke begin\" opens one"));
    Lines({"stroke begin", "brush smooth 0 0 0 0 0 0 1 1"});
    EXPECT_EQ(Line("stroke begin"), StepResult::Failed);
    EXPECT_THAT(Said(), HasSubstr("test:7: a brush stroke is open already (begun at test:5)"));
    for (const char *line : {"move 1 0 0 all", "select all", "hide g", "load nothing.obj", "undo"}) {
        EXPECT_EQ(Line(line), StepResult::Failed) << line;
        EXPECT_THAT(Said(), HasSubstr("a brush stroke is open (begun at test:5); \"stroke end\" ends it before"));
    }
    // A draw, a look and another object made current change nothing of the stroke's own.
    Lines({"draw", "report", "object other"});
    EXPECT_EQ(Line("brush grab 0 0 0 1 0 0 1 1"), StepResult::Failed);
    EXPECT_THAT(Said(), HasSubstr("this stroke works on another object"));
    Lines({"object g", "stroke end", "select all"});
    // A hidden object takes no brush.
    Lines({"hide g"});
    EXPECT_EQ(Line("brush grab 0 0 0 1 0 0 1 1"), StepResult::Failed);
    EXPECT_THAT(Said(), HasSubstr("the current object \"g\" is hidden"));
}

TEST_F(Undo, AStrokeIsOneStep) {
    Lines({"make grid g 10 10 0.1", "select all"});
    const Look start(Doc());
    Lines({"stroke begin", "brush grab 0 0.5 0 0 0 0.1 0.3 1", "draw", "brush smooth 0 0.5 0 0 0 0 0.3 1", "draw",
           "brush inflate 0 0.5 0 0 0 0 0.3 1", "stroke end"});
    const Look stroked(Doc());
    ASSERT_FALSE(stroked == start);
    Lines({"undo"});
    EXPECT_TRUE(Look(Doc()) == start);
    EXPECT_THAT(Said(), HasSubstr("undid: stroke of 3 samples (begun at test:3)\n  1 to undo, 1 to redo"));
    // A sample outside a stroke is a stroke, and a step, of its own.
    Lines({"redo", "brush grab 0 0.5 0 0 0 0.1 0.3 1", "brush grab 0 0.5 0 0 0 0.1 0.3 1", "undo"});
    EXPECT_THAT(Said(), HasSubstr("undid: brush grab at test:13\n  3 to undo, 1 to redo"));
}

TEST_F(Undo, UndoThenRedoGivesTheSameDocument) {
    Lines({"make grid g 6 6 0.2", "make grid other 2 2"});
    const Look start(Doc());
    const std::vector<const char *> steps = {"object g",
                                             "select 0-10",
                                             "move 0.1 0.2 0.3",
                                             "scale 1.5 1 1 about 0 1 0 all",
                                             "jitter 0.05 9 all",
                                             "smooth 2 all",
                                             "hide other",
                                             "exempt g on",
                                             "brush inflate 0 0.6 0 0 0 0 0.5 0.7",
                                             "select plane x 0",
                                             "stroke begin",
                                             "brush grab 0 0.6 0 0.1 0 0 0.5 1",
                                             "brush smooth 0 0.6 0 0 0 0 0.5 1",
                                             "stroke end"};
    std::vector<Look> looks;
    for (const char *step : steps) {
        Lines({step});
        looks.emplace_back(Doc());
    }
    // Ten steps: "object" changes nothing of the document, a stroke is one.
    Lines({"undo 10"});
    EXPECT_TRUE(Look(Doc()) == start);
    EXPECT_EQ(Line("undo"), StepResult::Failed);
    EXPECT_THAT(Said(), HasSubstr("nothing to undo"));
    Lines({"redo 5"});
    EXPECT_TRUE(Look(Doc()) == looks[5]) << "after smooth 2 all";
    Lines({"redo 5"});
    EXPECT_TRUE(Look(Doc()) == looks.back());
    EXPECT_EQ(Line("redo"), StepResult::Failed);
    EXPECT_THAT(Said(), HasSubstr("nothing to redo"));
    // A change after an undo ends what could be redone.
    Lines({"undo 2", "move 0 1 0 all"});
    EXPECT_EQ(Line("redo"), StepResult::Failed);
    EXPECT_EQ(Line("undo 10"), StepResult::Failed);
    EXPECT_THAT(Said(), HasSubstr("only 9 steps to undo, not 10"));
}

TEST_F(Undo, UndoDrawsSoPinnedVerticesSnapBackAndThePinsAreUntouched) {
    // The seam is pinned where the move put it; undo takes the move back and the draw
    // after it puts the seam back where the pins hold it.
    Lines({"init",
           "activate",
           "make grid g 4 4 0.5",
           "move 0 0.5 0 all",
           "draw",
           "click X0",
           "click X0 ctrl",
           "expect mask X0 XYZ",
           "expect pins X0 5",
           "undo",
           "expect pins X0 5",
           "expect vertex 2 0 0 0",
           "draw",
           "expect moved 5",
           "expect vertex 2 0 0.5 0",
           "expect pins X0 5",
           "redo",
           "draw",
           "expect moved 0",
           "expect pins X0 5"});
}

TEST_F(Undo, LoadNewDeleteAndCompactEndTheHistory) {
    Lines({"make grid g 2 2", "save g.obj"});
    for (const char *ending :
         {"load g.obj", "make grid h 2 2", "delete vertex 0", "compact", "delete object h", "new"}) {
        Lines({"object g", "select all", "move 1 0 0 all", ending});
        EXPECT_EQ(Line("undo"), StepResult::Failed) << ending;
        EXPECT_THAT(Said(), HasSubstr("nothing to undo (new, load, make, delete and compact end the history)"));
        if (std::string(ending) == "new") break;
    }
    // A failed load ends it all the same: it may have read part of the file.
    Lines({"make grid g 2 2", "select all"});
    EXPECT_EQ(Line("load nothing-here.obj"), StepResult::BadInput);
    EXPECT_EQ(Line("undo"), StepResult::Failed);
}

TEST_F(Undo, AVertexDeletedNeverComesBack) {
    Lines({"make grid g 2 2", "move 0 0 1 all"});
    const int id = Named("g").vertex(4).uniqueID;
    Lines({"delete vertex 4", "compact"});
    EXPECT_EQ(Line("undo"), StepResult::Failed);
    EXPECT_EQ(Named("g").IndexFromUniqueID(id), -1);
    EXPECT_EQ(Named("g").VertexCount(), 8);
}

TEST_F(Undo, TheOldestStepsGoPastTheBudget) {
    Lines({"make grid g 10 10"});
    for (int i = 0; i <= 64; ++i) ASSERT_EQ(Line("select " + std::to_string(i)), StepResult::Ok);
    Lines({"undo 64"});
    EXPECT_EQ(Line("undo"), StepResult::Failed);
    EXPECT_EQ(simhost::SelectedIndices(Named("g")), std::vector<int>{0}) << "the first select stays, undone no more";

    // By bytes: the oldest go until the rest fit; a step past the budget alone ends all.
    Document document;
    Object &object = document.AddObject("o");
    for (int i = 0; i < 100; ++i) object.AddVertex({0, 0, 0});
    const auto moving = [&](int count) {
        simhost::EditStep step;
        step.what = "move " + std::to_string(count);
        simhost::ObjectChange change;
        change.objectID = object.uniqueID();
        change.vertexCount = object.VertexCount();
        for (int i = 0; i < count; ++i) {
            change.moved.push_back(i);
            change.before.push_back({0, 0, 0});
            change.after.push_back({1, 0, 0});
        }
        step.objects.push_back(change);
        return step;
    };
    const size_t each = moving(40).Bytes();
    simhost::EditHistory history({.steps = 64, .bytes = 3 * each});
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(history.Record(document, moving(40)));
    EXPECT_EQ(history.UndoCount(document), 3u);
    EXPECT_LE(history.Bytes(), 3 * each);
    EXPECT_FALSE(history.Record(document, moving(200)));
    EXPECT_EQ(history.UndoCount(document), 0u);
    EXPECT_EQ(history.Bytes(), 0u);
}

}  // namespace
