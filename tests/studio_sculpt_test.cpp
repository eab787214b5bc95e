// Brushes and undo through the studio: each sample and each undo is followed by the draw
// the modeller makes, in the answer and in the log, and a log of strokes, undos and redos
// replays to the same report.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "studio_fixture.h"

namespace {

class StudioSculpt : public Studio {
protected:
    json Ok(const std::string &line) {
        const HttpResponse response = Command(line);
        EXPECT_EQ(response.status, 200) << line << ": " << response.body;
        json answer = json::parse(response.body);
        EXPECT_EQ(answer["result"], "ok") << line << ": " << answer.dump();
        return answer;
    }
};

TEST_F(StudioSculpt, UndoDrawsSoPinnedVerticesSnapBackAndThePinsAreUntouched) {
    // The seam is pinned, all three axes, where a move put it; the undo takes the move
    // back and the draw after it puts the seam back where its pins hold it.
    for (const char *line :
         {"init", "activate", "make grid g 4 4 0.5", "move 0 0.5 0 all", "click X0", "click X0 ctrl"}) {
        Ok(line);
    }
    const json pins = State()["slots"];
    const json undone = Ok("undo");
    EXPECT_EQ(undone["drew"], true);
    EXPECT_EQ(undone["state"]["lastDraw"]["movedBack"], 5);
    EXPECT_EQ(undone["state"]["slots"], pins);
    Ok("expect vertex 2 0 0.5 0");
    // Redo puts the move back; the seam is where the pins hold it already.
    const json redone = Ok("redo");
    EXPECT_EQ(redone["drew"], true);
    EXPECT_EQ(redone["state"]["lastDraw"]["movedBack"], 0);
    EXPECT_EQ(redone["state"]["slots"], pins);
    EXPECT_THAT(Log(), HasSubstr("move 0 0.5 0 all\ndraw\nclick X0\nclick X0 ctrl\nundo\ndraw\n"
                                 "expect vertex 2 0 0.5 0\nredo\ndraw\n"));
    // Nothing to undo is the person's mistake, said, and draws nothing.
    Ok("undo");
    const json none = json::parse(Command("redo 2").body);
    EXPECT_EQ(none["result"], "failed");
    EXPECT_THAT(none["errors"][0].get<std::string>(), HasSubstr("only 1 step to redo, not 2"));
    EXPECT_EQ(none["drew"], false);
}

TEST_F(StudioSculpt, ALogWithStrokesUndosAndRedosReplaysToTheSameReport) {
    // The head examples/head.obj holds.
    for (const char *line : {"init",
                             "activate",
                             "make head head 24",
                             "click X0",
                             "click X0 ctrl",
                             "stroke begin",
                             "brush grab -0.1 0 1 0.05 0 0.02 0.3 1",
                             "brush grab 0 0 1 0.05 0 0.02 0.3 1",
                             "brush grab 0.1 0 1 0.05 0 0.02 0.3 1",
                             "stroke end",
                             "stroke begin",
                             "brush smooth 0 0.2 0.95 0 0 0 0.4 0.8",
                             "brush smooth 0 0.25 0.95 0 0 0 0.4 0.8",
                             "stroke end",
                             "undo",
                             "redo",
                             "undo",
                             "brush inflate 0 -0.3 0.9 0 0 0 0.3 0.5",
                             "report report.txt",
                             "save final.obj"}) {
        const json answer = Ok(line);
        if (std::string(line).rfind("brush", 0) == 0) {
            // The draw after each sample puts the seam back, even in the middle of a stroke.
            EXPECT_EQ(answer["drew"], true) << line;
            EXPECT_GT(answer["state"]["lastDraw"]["movedBack"].get<int>(), 0) << line;
        }
    }
    const std::string log = Log();
    EXPECT_THAT(log, HasSubstr("stroke begin\nbrush grab -0.1 0 1 0.05 0 0.02 0.3 1\ndraw\n"));
    EXPECT_THAT(log, HasSubstr("stroke end\nundo\ndraw\nredo\ndraw\nundo\ndraw\n"));
    Replay(log);
    const std::string report = FileText(dir / "work" / "out" / "report.txt");
    EXPECT_THAT(report, HasSubstr("slot X0  armed"));
    EXPECT_EQ(FileText(dir / "replay" / "report.txt"), report);
    EXPECT_EQ(FileText(dir / "replay" / "final.obj"), FileText(dir / "work" / "out" / "final.obj"));
}

}  // namespace
