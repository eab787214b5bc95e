// Hosts that send events from inside their own functions, while the plug-in is calling
// them: a new document, a click or an exit in the middle of a draw, a capture or an exit,
// and a vertex count that shrinks behind a walk. Whatever comes nested is handled as if
// it had come right after the call it interrupted; nothing freed is used, no walk runs on.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "simhost/host/host_exports.h"
#include "simhost/modeller/modelling_tools.h"
#include "simhost/modeller/session.h"
#include "tests/violation_ids.h"

namespace {

using simhost::Session;
using ::testing::IsEmpty;

class NestedEvents : public ::testing::Test {
protected:
    void SetUp() override {
        session.Start();
        body = &simhost::AddGrid(session.document(), "body", 4, 2, 0.5f);
        session.Initialize();
        session.Activate(true);
    }
    void TearDown() override {
        EXPECT_THAT(host().violations, IsEmpty());
        EXPECT_THAT(host().widgets.scriptErrors, IsEmpty());
        EXPECT_EQ(host().NestsWaiting(), 0u) << "a nested event was never delivered";
    }

    simhost::Host &host() { return session.host(); }
    simhost::WidgetHost &widgets() { return session.host().widgets; }
    int32_t Button(const char16_t *label) { return widgets().ButtonLabelled(label); }
    bool Down(const char16_t *label) { return widgets().Find(Button(label))->Flag("down"); }
    void Click(const char16_t *label, int32_t modifiers = 0) { widgets().LeftClick(Button(label), modifiers); }
    // Sends the click from inside the plug-in's `call`th call of `function` from now.
    void ClickInside(const char *function, long long call, const char16_t *label, int32_t modifiers = 0) {
        host().NestInside(function, call, [this, label, modifiers] { Click(label, modifiers); });
    }
    float LargestSeamX() const {
        float largest = 0.0f;
        for (int index : seam) largest = std::max(largest, std::abs(body->position(index).x));
        return largest;
    }

    Session session{STELMARIN_PLUGIN_FILE};
    simhost::Object *body = nullptr;
    // The grid's middle column: 4 columns of quads, 3 rows of vertices.
    const std::vector<int> seam{2, 7, 12};
};

TEST_F(NestedEvents, ANewDocumentSentFromInsideADrawEmptiesTheSlotsOnceTheDrawIsDone) {
    Click(u"X0");
    simhost::Move(*body, {0.25f, 0.0f, 0.0f}, simhost::Scope::All);
    simhost::Object *old = body;
    host().NestInside("MQObj_SetVertex", 1, [&] { session.NewDocument(); });
    const long long writtenBefore = host().verticesWritten;
    session.Draw();
    EXPECT_EQ(host().verticesWritten - writtenBefore, 3) << "the draw runs to its end in the document it was given";
    EXPECT_EQ(old->position(seam[0]).x, 0.0f);
    EXPECT_FALSE(Down(u"X0")) << "then the new document empties the slots";

    simhost::Object &fresh = simhost::AddGrid(session.document(), "fresh", 4, 2, 0.5f);
    simhost::Move(fresh, {0.25f, 0.0f, 0.0f}, simhost::Scope::All);
    session.Draw();
    EXPECT_EQ(host().verticesWritten - writtenBefore, 3) << "no pin of the old document reaches the new one";
    EXPECT_EQ(fresh.position(seam[0]).x, 0.25f);
}

TEST_F(NestedEvents, AClickOnX0SentFromInsideADrawIsHandledAfterTheDraw) {
    Click(u"X0");
    simhost::Move(*body, {0.25f, 0.0f, 0.0f}, simhost::Scope::All);
    ClickInside("MQObj_SetVertex", 2, u"X0");
    const long long writtenBefore = host().verticesWritten;
    session.Draw();
    EXPECT_EQ(host().verticesWritten - writtenBefore, 3);
    EXPECT_EQ(LargestSeamX(), 0.0f) << "the draw put the whole seam back before the click";
    EXPECT_FALSE(Down(u"X0")) << "the click disarmed the slot it found armed";

    Click(u"X0");
    simhost::Move(*body, {0.25f, 0.0f, 0.0f}, simhost::Scope::All);
    session.Draw();
    EXPECT_EQ(LargestSeamX(), 0.0f) << "the click recorded the seam where the draw had put it";
}

TEST_F(NestedEvents, ACaptureOfAnotherObjectSentFromInsideACaptureIsHandledAfterIt) {
    simhost::Object &other = simhost::AddGrid(session.document(), "other", 2, 1, 0.5f);
    session.document().currentObject = session.document().IndexOf(body);
    simhost::Select(*body, {0, 1, 5});
    simhost::Select(other, {0, 1});
    host().NestInside("MQDoc_IsSelectVertex", 1, [&] {
        session.document().currentObject = session.document().IndexOf(&other);
        widgets().ScriptAnswer(1);
        Click(u"1", stelmarin::kCtrlKey);
    });
    Click(u"1", stelmarin::kCtrlKey);
    ASSERT_EQ(widgets().questions.size(), 1u);
    EXPECT_EQ(widgets().questions.back().message, u"Overwrite?") << "the second capture found the first one's pins";
    EXPECT_TRUE(Down(u"1"));
    simhost::Move(*body, {0.1f, 0.2f, 0.3f}, simhost::Scope::All);
    simhost::Move(other, {0.1f, 0.2f, 0.3f}, simhost::Scope::All);
    const long long writtenBefore = host().verticesWritten;
    session.Draw();
    EXPECT_EQ(host().verticesWritten - writtenBefore, 5) << "the slot holds the selections of both objects";
    EXPECT_EQ(body->position(5).y, 0.5f);
    EXPECT_EQ(other.position(1).x, 0.0f);
}

TEST_F(NestedEvents, ANewDocumentWhileTheQuestionIsUpEndsTheClick) {
    simhost::Select(*body, {0, 1});
    Click(u"1", stelmarin::kCtrlKey);
    simhost::Select(*body, {5, 6});
    widgets().ScriptAnswer(1, [&] { session.NewDocument(); });
    Click(u"1", stelmarin::kCtrlKey);
    EXPECT_EQ(widgets().questions.back().message, u"Overwrite?");
    EXPECT_FALSE(Down(u"1")) << "the new document emptied the slot, and the click recorded nothing after it";
    simhost::Object &fresh = simhost::AddGrid(session.document(), "body", 4, 2, 0.5f);
    simhost::Move(fresh, {0.25f, 0.0f, 0.0f}, simhost::Scope::All);
    const long long writtenBefore = host().verticesWritten;
    session.Draw();
    EXPECT_EQ(host().verticesWritten - writtenBefore, 0) << "no pin of the old document reaches the new one";
}

TEST_F(NestedEvents, AWindowClosedWhileOverwriteIsUpLeavesTheSlotArmedAndItsButtonDown) {
    simhost::Select(*body, {0, 1});
    Click(u"2", stelmarin::kCtrlKey);
    ASSERT_TRUE(Down(u"2"));
    const int32_t window = widgets().PluginWindow();
    widgets().ScriptAnswer(1, [&] { widgets().UserCloses(window); });
    Click(u"2", stelmarin::kCtrlKey);
    EXPECT_EQ(widgets().questions.back().message, u"Overwrite?");
    EXPECT_FALSE(session.QueryActivated());
    EXPECT_TRUE(Down(u"2")) << "the capture, refused once the window closed, left the slot armed: so is its button";
    session.Activate(true);
    const long long writtenBefore = host().verticesWritten;
    simhost::Move(*body, {0.1f, 0.0f, 0.0f}, simhost::Scope::All);
    session.Draw();
    EXPECT_EQ(host().verticesWritten - writtenBefore, 2) << "the slot's first two pins hold, as its button says";
}

TEST_F(NestedEvents, AnExitSentFromInsideAnExitEndsThePlugInOnce) {
    widgets().UserMoves(widgets().PluginWindow(), 300, 200);
    host().NestInside("MQXmlElem_Value", 1, [&] { session.Exit(); });
    session.Exit();
    EXPECT_EQ(widgets().LiveWidgets(), 0);
    session.Initialize();
    const simhost::Widget *window = widgets().Find(widgets().PluginWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Int("pos_x"), 300) << "the first exit stored the position, the second found nothing to store";
    EXPECT_EQ(window->Int("pos_y"), 200);
}

TEST_F(NestedEvents, AnExitSentFromInsideAClickEndsThePlugInAfterTheClick) {
    host().NestInside("MQWidget_Value", 1, [&] { session.Exit(); });
    Click(u"X0");
    EXPECT_EQ(widgets().LiveWidgets(), 0);
    session.Initialize();
    EXPECT_TRUE(Down(u"X0")) << "the click armed the slot before the exit";
}

TEST_F(NestedEvents, AUserCloseSentFromInsideAFurtherStartLeavesTheWindowClosedAndTheButtonsTrue) {
    Click(u"2", stelmarin::kCtrlKey | stelmarin::kShiftKey);
    ASSERT_TRUE(Down(u"2")) << "an empty selection captured arms the slot";
    const int32_t window = widgets().PluginWindow();
    // The start's settings request is its first message; the user closes the window then.
    host().NestInside("MQ_SendMessage", 1, [&] { widgets().UserCloses(window); });
    session.Initialize();
    EXPECT_EQ(widgets().PluginWindow(), window) << "a start while the window exists makes no second one";
    EXPECT_FALSE(widgets().IsShown(window)) << "the start under way does not undo the user's close";
    EXPECT_FALSE(session.QueryActivated());
    EXPECT_EQ(host().messages.back().code, stelmarin::kMessageDeactivated) << "the host was told, as after any close";

    session.Activate(true);
    widgets().ScriptAnswer(1);
    Click(u"2", stelmarin::kCtrlKey | stelmarin::kShiftKey);
    EXPECT_EQ(widgets().questions.back().message, u"Overwrite?");
    EXPECT_TRUE(Down(u"2")) << "the capture, active again, keeps the slot armed and its button down";
    session.Activate(false);
    EXPECT_FALSE(widgets().IsShown(window));
}

TEST_F(NestedEvents, AVertexCountThatShrinksDuringAWalkEndsTheWalk) {
    simhost::Object &large = simhost::AddGrid(session.document(), "large", 9, 7, 0.1f);
    ASSERT_EQ(large.VertexCount(), 80);
    simhost::SelectAll(large);
    host().NestInside("MQObj_GetVertexCount", 20, [&] {
        for (int index = 3; index < 80; ++index) large.DeleteVertex(index);
        large.Compact();
    });
    host().NestInside("MQObj_GetVertexCount", 100000, [] {
        std::fprintf(stderr, "the vertex walk ran past a count that had shrunk to 3, and never ended\n");
        std::abort();
    });
    Click(u"1", stelmarin::kCtrlKey);
    EXPECT_EQ(large.VertexCount(), 3);
    host().ForgetNests();
}

TEST(NestingHost, AReplacedDocumentServesOnlyTheCallThatHeldIt) {
    simhost::Host host;
    simhost::SetActiveHost(&host);
    simhost::AddGrid(host.document(), "g", 2, 2, 1.0f);
    const MQDocument old = host.DocumentHandle();
    {
        simhost::Host::PluginCall call(host);
        host.NewDocument();
        EXPECT_EQ(MQDoc_GetObjectCount(old), 1) << "the call that was given the handle may finish with it";
    }
    EXPECT_THAT(host.violations, IsEmpty());
    {
        simhost::Host::PluginCall call(host);
        EXPECT_EQ(MQDoc_GetObjectCount(old), 0);
    }
    EXPECT_THAT(testing_support::IdsOf(host.violations), ::testing::ElementsAre("H003"));
    simhost::SetActiveHost(nullptr);
}

}  // namespace
