// The studio left open for a long session: every answer carries the state, and the state
// carries only the latest questions and violations, with how many there were in all.
#include <string>

#include "tests/studio_fixture.h"

namespace {

TEST_F(Studio, AnswersStaySmallAfterAThousandQuestions) {
    for (const char *line : {"make grid g 4 2", "init", "activate", "select all", "click 1 ctrl"}) {
        ASSERT_EQ(Command(line).status, 200) << line;
    }
    constexpr int kQuestions = 1000;
    size_t early = 0;
    json last;
    for (int question = 0; question < kQuestions; ++question) {
        ASSERT_EQ(Command(question % 2 == 0 ? "answer ok" : "answer cancel").status, 200);
        const HttpResponse click = Command("click 1 ctrl");
        ASSERT_EQ(click.status, 200) << click.body;
        if (question == 100) early = click.body.size();
        if (question == kQuestions - 1) last = json::parse(click.body);
    }
    const size_t size = last.dump().size();
    EXPECT_LT(size, early + 256) << "the answer does not grow with the session";
    EXPECT_LT(size, 16u * 1024);
    const json &state = last["state"];
    EXPECT_EQ(state["questionsAsked"], kQuestions);
    ASSERT_EQ(state["questions"].size(), 32u);
    EXPECT_EQ(state["questions"].back()["answer"], 0) << "the latest question, with its answer";
    EXPECT_EQ(state["questions"].back()["message"], "Overwrite?");
    EXPECT_EQ(state["violationsFound"], 0);
    EXPECT_THAT(state["violations"], ::testing::IsEmpty());
    EXPECT_EQ(State()["questionsAsked"], kQuestions);
}

}  // namespace
