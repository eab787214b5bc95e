// Text the studio did not make: object names and statements in the bytes of whatever code
// page their file was saved in, and command lines holding control characters.
#include <pugixml.hpp>

#include "simhost/files/utf8_text.h"
#include "tests/studio_fixture.h"

namespace {

using namespace std::string_literals;
using ::testing::Not;

// U+FFFD, which shows where the bytes were not UTF-8.
const std::string kReplaced = "\xEF\xBF\xBD";

class StudioText : public Studio {
protected:
    // A mesh file in the studio's working folder, as its `load` line names it.
    std::string MeshFile(const std::string &name, const std::string &text) {
        std::ofstream(dir / "work" / name, std::ios::binary) << text;
        return "load \"" + (dir / "work" / name).string() + "\"";
    }
    HttpResponse Raw(const std::string &path, const std::string &body) {
        return Post(path, body, {{"X-Simhost-Token", kToken}});
    }
};

TEST(Utf8Text, EachIllFormedPartBecomesOneReplacementAndValidTextStaysAsItIs) {
    using simhost::ValidUtf8;
    const std::string valid = "plain caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \xEF\xBF\xBF";
    EXPECT_EQ(ValidUtf8(valid), valid);
    EXPECT_EQ(ValidUtf8("T\xE9te"), "T" + kReplaced + "te") << "Latin-1";
    EXPECT_EQ(ValidUtf8("a\xF0\x9F\x98"), "a" + kReplaced) << "a character cut short at the end";
    EXPECT_EQ(ValidUtf8("\xE2\x82x"), kReplaced + "x") << "cut short before the next character";
    EXPECT_EQ(ValidUtf8("\xC0\xAF"), kReplaced + kReplaced) << "an overlong form";
    EXPECT_EQ(ValidUtf8("\xED\xA0\x80"), kReplaced + kReplaced + kReplaced) << "a surrogate";
    EXPECT_EQ(ValidUtf8("\xF4\x90\x80\x80"), kReplaced + kReplaced + kReplaced + kReplaced) << "beyond U+10FFFF";
    EXPECT_EQ(ValidUtf8("\x80\xFF"), kReplaced + kReplaced);
}

TEST_F(StudioText, ALatin1NameLoadsAndEveryAnswerAfterShowsItAsAReplacement) {
    // A name and an unknown statement as a tool on Windows writes them.
    const HttpResponse loaded =
        Command(MeshFile("latin.obj", "o T\xE9te\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n\xE9tat 1\n"));
    ASSERT_EQ(loaded.status, 200) << loaded.body;
    const json answer = json::parse(loaded.body);
    EXPECT_EQ(answer["result"], "ok");
    std::string transcript;
    for (const json &line : answer["transcript"]) transcript += line.get<std::string>() + "\n";
    EXPECT_THAT(transcript, HasSubstr("1 unknown statement ignored (line 6: \"" + kReplaced + "tat\")")) << transcript;
    EXPECT_EQ(answer["state"]["objects"][0]["name"], "T" + kReplaced + "te");

    EXPECT_EQ(State()["objects"][0]["name"], "T" + kReplaced + "te");
    const HttpResponse mesh = Get("/api/mesh?token="s + kToken);
    ASSERT_EQ(mesh.status, 200) << mesh.body;
    EXPECT_EQ(ParseFrame(mesh.body).document["objects"][0]["name"], "T" + kReplaced + "te");
    EXPECT_THAT(Log(), HasSubstr("latin.obj\"\n")) << "the load succeeded";

    // The page names the object as it sees it; the files written keep the document's bytes.
    for (const char *line : {"select all", "report r.json", "picture p.svg", "save back.obj"}) {
        const HttpResponse step = Command(line);
        EXPECT_EQ(step.status, 200) << line << ": " << step.body;
    }
    EXPECT_TRUE(json::accept(FileText(dir / "work" / "out" / "r.json")));
    const std::string picture = FileText(dir / "work" / "out" / "p.svg");
    EXPECT_EQ(simhost::ValidUtf8(picture), picture);
    pugi::xml_document svg;
    ASSERT_TRUE(svg.load_string(picture.c_str()));
    EXPECT_EQ(svg.select_nodes(("//path[@data-object='T" + kReplaced + "te']").c_str()).size(), 3u);
    EXPECT_THAT(FileText(dir / "work" / "out" / "back.obj"), HasSubstr("\no T\xE9te\n"));
}

TEST_F(StudioText, ALoadThatFailsOnABadNumberHoldingSuchBytesIsRefusedAndNotLogged) {
    const HttpResponse refused = Command(MeshFile("bad.obj", "v 0 0 0\nv 1 \xE9t\xE9 0\n"));
    ASSERT_EQ(refused.status, 400) << refused.body;
    EXPECT_THAT(json::parse(refused.body)["error"].get<std::string>(), HasSubstr("bad.obj:2"));
    EXPECT_THAT(refused.body, HasSubstr(kReplaced + "t" + kReplaced));
    EXPECT_THAT(Log(), Not(HasSubstr("bad.obj")));
    EXPECT_EQ(State()["objects"], json::array());
}

TEST_F(StudioText, AControlCharacterInACommandOrDialogActionIsRefusedAndNeverReachesTheLog) {
    const HttpResponse nul = Raw("/api/command", R"({"line": "save \"a\u0000b.obj\""})");
    EXPECT_EQ(nul.status, 400);
    EXPECT_THAT(nul.body, HasSubstr("control character U+0000 (NUL) at column 8"));
    const HttpResponse escape = Raw("/api/command", R"({"line": "echo \u001b[2J"})");
    EXPECT_EQ(escape.status, 400);
    EXPECT_THAT(escape.body, HasSubstr("U+001B (ESC)"));
    const HttpResponse dialog = Raw("/api/dialog", R"({"action": "click\u0007 X"})");
    EXPECT_EQ(dialog.status, 400) << "refused before asking whether a dialog is open";
    EXPECT_THAT(dialog.body, HasSubstr("U+0007 (BEL)"));
    EXPECT_EQ(Command("echo \"tab\tseparated\"").status, 200);

    EXPECT_FALSE(fs::exists(dir / "work" / "out" / "a"));
    const std::string log = Log();
    EXPECT_EQ(log.find_first_of("\x1b\x07"s + '\0'), std::string::npos) << log;
}

}  // namespace
