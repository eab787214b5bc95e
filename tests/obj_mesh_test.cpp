#include "simhost/files/obj_mesh.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>
#include <span>
#include <sstream>
#include <system_error>

#include "simhost/modeller/load_hints.h"

namespace simhost {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using testing::HasSubstr;

const std::string kTriangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";

// The message of the MeshError that `action` throws, or "" when it throws none.
template <typename Action>
std::string ErrorOf(Action action) {
    try {
        action();
    } catch (const MeshError &error) {
        return error.what();
    }
    return "";
}

class ObjMeshTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("obj_mesh_test_"s + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        document_.AddObject("existing").AddVertex({1, 2, 3});
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Write(const std::string &name, const std::string &text) {
        std::ofstream(folder_ / name, std::ios::binary) << text;
        return (folder_ / name).string();
    }

    // One line per live object from `first` on: name, exact position bits, faces.
    static std::string Snapshot(const Document &document, int first = 0) {
        std::ostringstream out;
        for (int i = first; i < document.ObjectCount(); ++i) {
            out << document.ObjectAt(i)->name() << ":";
            for (const MQPoint &p : document.ObjectAt(i)->positions()) {
                for (float c : {p.x, p.y, p.z}) out << " " << std::bit_cast<uint32_t>(c);
            }
            for (const auto &face : document.ObjectAt(i)->faces()) {
                out << " f";
                for (int corner : face) out << " " << corner;
            }
            out << "\n";
        }
        return out.str();
    }

    // What the file gave the objects from `first` on beyond positions and faces, and their
    // faces, with everything the corners name.
    static std::string Extras(const Document &document, int first = 0) {
        std::ostringstream out;
        const auto refs = [&](const CornerRefs &named, size_t at) {
            out << "/" << named.Texture(at) << "/" << named.Normal(at);
        };
        for (int i = first; i < document.ObjectCount(); ++i) {
            const Object &object = *document.ObjectAt(i);
            const MeshExtras &extras = object.extras();
            out << object.name() << (extras.group ? " (g)" : "") << ": vt" << extras.textureWidth;
            for (float t : extras.textures) out << " " << t;
            out << " vn";
            for (const MQPoint &n : extras.normals) out << " " << n.x << "," << n.y << "," << n.z;
            size_t corner = 0, face = 0;
            for (const auto &corners : object.faces()) {
                out << " f";
                if (!extras.faceGroups.empty()) out << "[" << extras.groupNames[size_t(extras.faceGroups[face])] << "]";
                for (int v : corners) {
                    out << " " << v;
                    refs(extras.faceRefs, corner++);
                }
                ++face;
            }
            const ElementList &elements = extras.elements;
            for (size_t e = 0; e < elements.size(); ++e) {
                out << (elements.lines[e] ? " l" : " p");
                if (!elements.groups.empty()) out << "[" << extras.groupNames[size_t(elements.groups[e])] << "]";
                for (int at = elements.starts[e]; at < elements.starts[e + 1]; ++at) {
                    out << " " << elements.vertices[size_t(at)];
                    refs(elements.refs, size_t(at));
                }
            }
            out << "\n";
        }
        return out.str();
    }

    std::string Read(const std::string &path) const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Loads the file, saves it, loads what was saved and saves that: both loads give the
    // same document and both saves the same bytes, which are returned.
    std::string RoundTrip(const std::string &path) {
        Document first, second;
        LoadObj(path, first);
        const std::string once = (folder_ / "once.obj").string(), twice = (folder_ / "twice.obj").string();
        SaveObj(once, first);
        LoadObj(once, second);
        SaveObj(twice, second);
        EXPECT_EQ(Snapshot(second), Snapshot(first));
        EXPECT_EQ(Extras(second), Extras(first));
        EXPECT_EQ(Read(twice), Read(once));
        return Read(once);
    }

    void ExpectRejected(const std::string &text, int line, const std::string &what) {
        const std::string path = Write("bad.obj", text), before = Snapshot(document_);
        EXPECT_THAT(ErrorOf([&] { LoadObj(path, document_); }),
                    HasSubstr(path + ":" + std::to_string(line) + ": " + what))
            << text;
        EXPECT_EQ(Snapshot(document_), before) << text;
    }

    fs::path folder_;
    Document document_;
};

TEST_F(ObjMeshTest, EveryIndexFormAndRelativeIndicesNameTheSameCorners) {
    const auto added = LoadObj(Write("forms.obj",
                                     "v 0 0 0\nv +1e0 .5 -5.E-1 1.0\nv 1 1 0\nv 0 1 0 1 0.5 0\n"
                                     "vt 0 0\nvt 1 0\nvt 1 1 0\nvt 0 1\nvn 0 0 1\n"
                                     "f 1 2 3 4\nf 1/1 2/2 3/3 4/4\nf 1//1 2//1 3//1 4//1\n"
                                     "f 1/1/1 2/2/1 3/3/1 4/4/1\nf -4 -3 -2 -1\nf -4/-4/-1 -3/-3 -2//-1 -1\n"
                                     "v 2 0 0\nv 2 1 0\nf 2 5 6 3 -2\n"),
                               document_);
    ASSERT_EQ(added, std::vector<int>{1});
    std::string quads;
    for (int i = 0; i < 6; ++i) quads += " f 0 1 2 3";
    EXPECT_EQ(Snapshot(document_, 1),
              "forms: 0 0 0 1065353216 1056964608 3204448256 1065353216 1065353216 0 0 "
              "1065353216 0 1073741824 0 0 1073741824 1065353216 0" +
                  quads + " f 1 4 5 2 4\n");
}

TEST_F(ObjMeshTest, CommentsBlankLinesCrlfLongLinesAndUnknownStatementsAreTakenInStride) {
    std::string text = "# exported\r\n\r\nmtllib missing.mtl\r\n\t o  Ring  \r\nusemtl skin\r\ns 1\r\n";
    std::string corners = "f";
    for (int i = 0; i < 300; ++i) {
        text += "v " + std::to_string(std::cos(i)) + " " + std::to_string(std::sin(i)) + " 0\r\n";
        corners += " " + std::to_string(i + 1);
    }
    // Skin weights with a joint number no integer holds: the reader would convert it
    // without a check, so such statements never reach it.
    text += "#" + std::string(100000, '-') + "\r\nvp 0.5\r\nl 1 2\r\np 3\r\ncurv 0 1 1 2\r\nvw 0 1e300 0\r\n" + corners;
    ASSERT_EQ(LoadObj(Write("ring.obj", text), document_), std::vector<int>{1});
    const Object &ring = *document_.ObjectAt(1);
    EXPECT_EQ(ring.name(), "Ring");
    EXPECT_EQ(ring.VertexCount(), 300);
    ASSERT_EQ(ring.faces().size(), 1u);
    EXPECT_EQ(ring.faces()[0].size(), 300u);
}

TEST_F(ObjMeshTest, BlocksBecomeObjectsWithTheVerticesTheirFacesUseAndTheUnusedOnesTheyDefine) {
    // "o" blocks, with a group inside one, and unused vertex 7 7 7 before the first block.
    EXPECT_EQ(LoadObj(Write("pair.obj",
                            kTriangle + "v 7 7 7\ng part\nf 1 2 3\no Second\n" + kTriangle + "f -3 -2 -1\no Empty\n"),
                      document_),
              (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Snapshot(document_, 1),
              "pair: 0 0 0 1065353216 0 0 0 1065353216 0 1088421888 1088421888 1088421888 f 0 1 2\n"
              "Second: 0 0 0 1065353216 0 0 0 1065353216 0 f 0 1 2\nEmpty:\n");
    // Groups alone, each with a copy of vertex 1, and their vertices all defined before them.
    EXPECT_EQ(LoadObj(Write("parts.obj", "g default\n" + kTriangle + "v 1 1 0\ng left\nf 1 2 4\ng right\nf 1 4 3\n"),
                      document_),
              (std::vector<int>{4, 5}));
    EXPECT_EQ(Snapshot(document_, 4),
              "left: 0 0 0 1065353216 0 0 1065353216 1065353216 0 f 0 1 2\n"
              "right: 0 0 0 0 1065353216 0 1065353216 1065353216 0 f 0 2 1\n");
}

TEST_F(ObjMeshTest, SaveWritesBackTextureCoordinatesNormalsCornerFormsGroupsPointsAndLines) {
    // Groups inside objects, with a material and smoothing between; a second object whose
    // line names a texture coordinate of its own counted from the end.
    const std::string objects = Write("objects.obj",
                                      "mtllib look.mtl\no Body\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\n"
                                      "vt 0 0\nvt 1 0\nvt 0.25 1 0.5\nvn 0 0 1\nvn 0 0 -1\n"
                                      "g front\nusemtl skin\nf 1/1/1 2/2/1 3/3/1\nf 1//2 3//2 4//2\n"
                                      "g back\ns 1\nf 4/3 3/2 1/1\nf 1 2 4\nl 1/1 2/2 3/3\np 4\n"
                                      "o Wire\nv 2 0 0\nv 3 0 0\nvt 0.5 0.5\nl -2/-1 -1/-1\n");
    EXPECT_EQ(RoundTrip(objects),
              "# Written by simhost\no Body\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\n"
              "vt 0 0 0\nvt 1 0 0\nvt 0.25 1 0.5\nvn 0 0 1\nvn 0 0 -1\n"
              "g front\nf 1/1/1 2/2/1 3/3/1\nf 1//2 3//2 4//2\ng back\nf 4/3 3/2 1/1\nf 1 2 4\nl 1/1 2/2 3/3\np 4\n"
              "o Wire\nv 2 0 0\nv 3 0 0\nvt 0.5 0.5 0\nl 5/4 6/4\n");
    LoadObj(objects, document_);
    EXPECT_EQ(Extras(document_, 1),
              "Body: vt3 0 0 0 1 0 0 0.25 1 0.5 vn 0,0,1 0,0,-1"
              " f[front] 0/0/0 1/1/0 2/2/0 f[front] 0/-1/1 2/-1/1 3/-1/1 f[back] 3/2/-1 2/1/-1 0/0/-1 f[back] 0/-1/-1 "
              "1/-1/-1 3/-1/-1 l[back] 0/0/-1 1/1/-1 2/2/-1 p[back] 3/-1/-1\n"
              "Wire: vt3 0.5 0.5 0 vn l 0/0/-1 1/0/-1\n");

    // Groups alone split the file, each taking what its faces name; they stay groups.
    EXPECT_EQ(RoundTrip(Write("groups.obj",
                              "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\nvt 0.5\nvn 0 0 1\n"
                              "g left\nf 1//1 2//1 3//1\ng right\nf 2/1 4/1 3/1\n")),
              "# Written by simhost\ng left\nv 0 0 0\nv 1 0 0\nv 0 1 0\nvn 0 0 1\nf 1//1 2//1 3//1\n"
              "g right\nv 1 0 0\nv 0 1 0\nv 1 1 0\nvt 0.5\nf 4/1 6/1 5/1\n");
    // A point cloud is its points.
    EXPECT_EQ(RoundTrip(Write("cloud.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\np 1 2\np 3\n")),
              "# Written by simhost\no cloud\nv 0 0 0\nv 1 0 0\nv 0 1 0\np 1 2\np 3\n");
}

TEST_F(ObjMeshTest, ADocumentMixingObjectsAndGroupsSavesEveryOneAsAnObject) {
    LoadObj(Write("parts.obj", kTriangle + "g part\nf 1 2 3\n"), document_);
    ASSERT_TRUE(document_.ObjectAt(1)->extras().group);
    const std::string path = (folder_ / "mixed.obj").string();
    SaveObj(path, document_);
    EXPECT_EQ(Read(path), "# Written by simhost\no existing\nv 1 2 3\no part\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 2 3 4\n");
}

TEST_F(ObjMeshTest, DeletingAVertexTakesWhatNamesItAlongAndLeavesTheRestInStep) {
    LoadObj(Write("square.obj",
                  "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nv 2 2 0\nvt 0 0\nvt 1 1\nvn 0 0 1\n"
                  "g one\nf 1/1 2/2 3/1\ng two\nf 1//1 3//1 4//1\nl 1 2 3 4 1\nl 1 2\np 2 4 5\n"
                  "o Rest\nv 9 9 9\n"),
            document_);
    Object &square = *document_.ObjectAt(1);
    square.DeleteVertex(1);
    // The face through it goes; a line through it breaks there, keeping what still joins
    // two corners; the point on it goes from its element.
    EXPECT_EQ(Extras(document_, 1),
              "square: vt2 0 0 1 1 vn 0,0,1 f[two] 0/-1/0 2/-1/0 3/-1/0 l[two] 2/-1/-1 3/-1/-1 0/-1/-1 "
              "p[two] 3/-1/-1 4/-1/-1\nRest: vt0 vn\n");
    const std::string holes = (folder_ / "holes.obj").string(), closed = (folder_ / "closed.obj").string();
    SaveObj(holes, document_);
    square.Compact();
    SaveObj(closed, document_);
    EXPECT_EQ(Read(closed), Read(holes));
    // A group left with nothing is no longer written.
    EXPECT_THAT(Read(closed), HasSubstr("vn 0 0 1\ng two\nf 2//1 3//1 4//1\nl 3 4 2\np 4 5\no Rest"));
    // A face added later joins the last group and names nothing beside its vertices.
    square.AddFace({0, 1, 2});
    EXPECT_THAT(Extras(document_, 1), HasSubstr("f[two] 0/-1/-1 1/-1/-1 2/-1/-1 l[two]"));
}

TEST_F(ObjMeshTest, WhatIsReadButNotKeptIsWarnedAboutOnceForEachKind) {
    std::vector<std::string> warnings;
    const std::string path = Write("head.obj",
                                   "# comments are no loss\nmtllib head.mtl\nv 0 0 0 1 0 0\nv 1 0 0\nv 0 1 0 0.5 0 0\n"
                                   "usemtl skin\ns 1\nf 1 2 3\nusemtl eyes\nvp 0.5\ncurv 0 1 1 2\nvw 1\nnope\n"
                                   "\x1b[2J\n");
    LoadObj(path, document_, &warnings);
    EXPECT_EQ(warnings, (std::vector<std::string>{
                            "warning: " + path + ": 1 \"mtllib\" line ignored (line 2)",
                            "warning: " + path + ": 2 vertex colours or weights ignored (first on line 3)",
                            "warning: " + path + ": 2 \"usemtl\" lines ignored (first on line 6)",
                            "warning: " + path + ": 1 \"s\" line ignored (line 7)",
                            "warning: " + path + ": 1 \"vp\" line ignored (line 10)",
                            "warning: " + path + ": 1 \"curv\" line ignored (line 11)",
                            "warning: " + path + ": 3 unknown statements ignored (first on line 12: \"vw\")",
                        }));
    LoadObj(Write("clean.obj", kTriangle + "vt 0 0\nvn 0 0 1\ng a\nf 1/1/1 2/1/1 3/1/1\nl 1 2\np 3\n"), document_,
            &warnings);
    EXPECT_TRUE(warnings.empty());
}

TEST_F(ObjMeshTest, ALoadHintsAtAnEmptyFileAndAtObjectsSlotX0WouldPinNothingOf) {
    const auto hints = [&](const std::string &name, const std::string &text) {
        const std::string path = Write(name, text);
        return LoadHints(path, document_, LoadObj(path, document_));
    };
    EXPECT_EQ(hints("empty.obj", ""),
              std::vector<std::string>{"note: " + (folder_ / "empty.obj").string() + " holds no vertices"});
    EXPECT_EQ(hints("hollow.obj", "o nothing\n# yet\n"),
              std::vector<std::string>{"note: " + (folder_ / "hollow.obj").string() + " holds no vertices"});
    EXPECT_EQ(hints("parts.obj",
                    "o body\n" + kTriangle +
                        "f 1 2 3\no eye\nv 0.5 0 0\nv 1 0 0\nv 1 1 0\nf 4 5 6\n"
                        "o dust\nv 0.0005 0 0\nv 1 1 1\np 7 8\no edge\nv -0.0009 0 0\nv 1 0 0\nv 1 1 0\nf 9 10 11\n"),
              (std::vector<std::string>{
                  "note: no vertex of \"eye\" lies on X = 0 (|X| < 0.001): slot X0 would pin nothing",
                  "note: no vertex of \"dust\" on X = 0 (|X| < 0.001) is in a face: slot X0 would pin nothing"}));
}

TEST_F(ObjMeshTest, MalformedLineNamesFileAndLineAndLeavesDocumentAsItWas) {
    ExpectRejected("v 0 0 0\nv 1 abc 3\n", 2, "vertex 'abc' is not a number");
    ExpectRejected("v 0 0 -nan\n", 1, "vertex '-nan' is not a finite number");
    ExpectRejected("v 1e39 0 0\n", 1, "vertex '1e39' is out of range");
    // An exponent no float needs; a number the reader would compute as infinite.
    ExpectRejected("v 0E000020000003 0 0\n", 1, "vertex '0E000020000003' is not a number");
    ExpectRejected("v 1" + std::string(350, '0') + "e-330 0 0\n", 1, "vertex coordinate cannot be read reliably");
    ExpectRejected("v 1 2\n", 1, "vertex has 2 numbers; 3 to 7 expected");
    ExpectRejected("f 1 2 3\n" + kTriangle, 1, "face corner 1 is out of range (0 vertices so far)");
    ExpectRejected(kTriangle + "f 1 2 4\n", 4, "face corner 4 is out of range (3 vertices so far)");
    ExpectRejected(kTriangle + "f 1 2 0\n", 4, "face corner 0 is 0; indices count from 1");
    ExpectRejected(kTriangle + "f -1 -2 -4\n", 4, "face corner -4 reaches before the first vertex");
    ExpectRejected(kTriangle + "vt 0 0\nf 1/1 2/2 3/1\n", 5,
                   "face corner 2/2: texture coordinate index '2' is out of range (1 texture coordinate so far)");
    ExpectRejected(kTriangle + "f 1//2 2 3\n", 4, "face corner 1//2: normal index '2' is out of range (0 normals");
    ExpectRejected(kTriangle + "f 1 2 x\n", 4, "face corner x is not an index");
    ExpectRejected(kTriangle + "f 1 2 3/\n", 4, "face corner 3/: texture coordinate index '' is not an index");
    ExpectRejected(kTriangle + "f 1/1/1/1 2 3\n", 4, "face corner 1/1/1/1 has more than three parts");
    ExpectRejected(kTriangle + "f 1 2\n", 4, "face has 2 corners; at least 3 needed");
    ExpectRejected("v 0 0 0\r\n\r\nv 1 y 0\r\n", 3, "vertex 'y' is not a number");
    ExpectRejected("v 0 0 0\nv 1\0 0 0\n"s, 2, "contains a NUL byte");
    ExpectRejected("o Good\n" + kTriangle + "f 1 2 3\no Bad\nv 1 2 zz", 7, "vertex 'zz' is not a number");
}

TEST_F(ObjMeshTest, LinesAreCountedAlikeWhateverTheirEndsAndHoweverLong) {
    // "\n\r" is two line ends; "\r\n" one.
    ExpectRejected("v 0 0 0\rv 1 0 0\n\rv 1 z 0", 4, "vertex 'z' is not a number");
    // Lines longer than the reader takes in at once, one with a NUL megabytes before its end.
    const std::string longComment = "#" + std::string(3 << 20, '-');
    ExpectRejected(longComment + "\nv 1 q 0\n", 2, "vertex 'q' is not a number");
    ExpectRejected("\0"s + longComment + "\nv 0 0 0\n", 1, "contains a NUL byte");
    // A CR at every odd offset: wherever a read of any even size ends, it ends between the
    // CR and the LF of one line end.
    std::string crlf = "#";
    for (int i = 0; i < 3'000'000; ++i) crlf += "\r\n";
    ExpectRejected(crlf + "v 1 q 0", 3'000'001, "vertex 'q' is not a number");
}

TEST_F(ObjMeshTest, ByteOrderMarkAtTheStartIsSkipped) {
    ASSERT_EQ(LoadObj(Write("marked.obj", "\xEF\xBB\xBF" + kTriangle + "f 1 2 3\n"), document_), std::vector<int>{1});
    EXPECT_EQ(Snapshot(document_, 1), "marked: 0 0 0 1065353216 0 0 0 1065353216 0 f 0 1 2\n");
    ExpectRejected("\xEF\xBB\xBFv 0 0 0\nv 1 2 w\n", 2, "vertex 'w' is not a number");
    // Anywhere else it is just an unknown statement.
    ExpectRejected(kTriangle + "\xEF\xBB\xBFv 0 0 0\nf 1 2 4\n", 5,
                   "face corner 4 is out of range (3 vertices so far)");
}

TEST_F(ObjMeshTest, NamesKeepTheBytesTheFileHeldThroughLoadAndSave) {
    // As tools on Windows save them: Latin-1, not UTF-8.
    const std::string text = "o T\xe9te\n" + kTriangle + "g c\xf4t\xe9 \xff\nf 1 2 3\no caf\xc3\xa9\nv 0 0 1\n";
    ASSERT_EQ(LoadObj(Write("latin.obj", text), document_), (std::vector<int>{1, 2}));
    EXPECT_EQ(document_.ObjectAt(1)->name(), "T\xe9te");
    EXPECT_EQ(document_.ObjectAt(1)->extras().groupNames, std::vector<std::string>{"c\xf4t\xe9 \xff"});
    EXPECT_EQ(document_.ObjectAt(2)->name(), "caf\xc3\xa9");
    const std::string saved = (folder_ / "saved.obj").string();
    SaveObj(saved, document_);
    const std::string written = Read(saved);
    EXPECT_THAT(written, HasSubstr("\no T\xe9te\n"));
    EXPECT_THAT(written, HasSubstr("\ng c\xf4t\xe9 \xff\n"));
    EXPECT_THAT(written, HasSubstr("\no caf\xc3\xa9\n"));
    Document again;
    LoadObj(saved, again);
    EXPECT_EQ(Snapshot(again, 1), Snapshot(document_, 1));
}

// A 500 x 400 grid with every vertex defined first, then three groups: the upper half of
// the quads, the lower half, and one polygon through every vertex on a line longer than
// any single read. The halves share the middle row, so each takes its own copy.
TEST_F(ObjMeshTest, LargeMeshLoadsWholeWithEveryCoordinateExact) {
    constexpr int kColumns = 500, kRows = 400, kMiddle = kRows / 2;
    std::mt19937 random(11);
    std::uniform_real_distribution<float> height(-50.0f, 50.0f);
    std::vector<MQPoint> grid;
    std::string text = "# generated\n";
    const auto number = [&](float value) {
        char digits[32];
        text.append(digits, std::to_chars(std::begin(digits), std::end(digits), value).ptr);
    };
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            grid.push_back({float(column) * 0.25f, height(random), float(row) / 3.0f});
            text += "v ";
            number(grid.back().x);
            text += ' ';
            number(grid.back().y);
            text += ' ';
            number(grid.back().z);
            text += '\n';
        }
    }
    const auto quads = [&](int firstRow, int endRow) {
        for (int row = firstRow; row < endRow; ++row) {
            for (int column = 0; column + 1 < kColumns; ++column) {
                const int corner = row * kColumns + column + 1;
                text += "f " + std::to_string(corner) + " " + std::to_string(corner + 1) + " " +
                        std::to_string(corner + kColumns + 1) + " " + std::to_string(corner + kColumns) + "\n";
            }
        }
    };
    text += "g upper\n";
    quads(0, kMiddle);
    text += "g lower\n";
    quads(kMiddle, kRows - 1);
    text += "g all\nf";
    for (int v = 1; v <= kColumns * kRows; ++v) text += " " + std::to_string(v);
    ASSERT_GE(grid.size(), 200'000u);

    ASSERT_EQ(LoadObj(Write("grid.obj", text), document_), (std::vector<int>{1, 2, 3}));
    const Object &upper = *document_.ObjectAt(1), &lower = *document_.ObjectAt(2), &all = *document_.ObjectAt(3);
    EXPECT_EQ(upper.name(), "upper");
    EXPECT_EQ(upper.VertexCount(), (kMiddle + 1) * kColumns);
    EXPECT_EQ(upper.faces().size(), size_t{kMiddle * (kColumns - 1)});
    EXPECT_EQ(lower.VertexCount(), (kRows - kMiddle) * kColumns);
    EXPECT_EQ(lower.faces().size(), size_t{(kRows - 1 - kMiddle) * (kColumns - 1)});
    EXPECT_EQ(all.VertexCount(), kRows * kColumns);
    ASSERT_EQ(all.faces().size(), 1u);
    EXPECT_EQ(all.faces()[0].size(), grid.size());
    EXPECT_EQ(all.faces()[0].back(), kRows * kColumns - 1);
    // The quad whose first corner is at `row` and `column` of an object's own vertices.
    const auto quad = [](int row, int column) {
        const int corner = row * kColumns + column;
        return std::vector<int>{corner, corner + 1, corner + kColumns + 1, corner + kColumns};
    };
    const auto corners = [](std::span<const int> face) { return std::vector<int>(face.begin(), face.end()); };
    EXPECT_EQ(corners(upper.faces()[upper.faces().size() - 1]), quad(kMiddle - 1, kColumns - 2));
    EXPECT_EQ(corners(lower.faces()[0]), quad(0, 0));
    EXPECT_EQ(corners(lower.faces()[lower.faces().size() - 1]), quad(kRows - 2 - kMiddle, kColumns - 2));

    const auto bits = [](MQPoint p) {
        return std::array{std::bit_cast<uint32_t>(p.x), std::bit_cast<uint32_t>(p.y), std::bit_cast<uint32_t>(p.z)};
    };
    int mismatched = 0;
    for (size_t v = 0; v < grid.size(); ++v) {
        mismatched += bits(all.position(int(v))) != bits(grid[v]);
        if (v < size_t(upper.VertexCount())) mismatched += bits(upper.position(int(v))) != bits(grid[v]);
        if (v >= size_t{kMiddle * kColumns}) {
            mismatched += bits(lower.position(int(v - kMiddle * kColumns))) != bits(grid[v]);
        }
    }
    EXPECT_EQ(mismatched, 0);
}

TEST_F(ObjMeshTest, MissingFileOrFolderIsNamedAndLeavesDocumentAsItWas) {
    const std::string missing = (folder_ / "absent.obj").string(), before = Snapshot(document_);
    EXPECT_EQ(ErrorOf([&] { LoadObj(missing, document_); }), missing + ": no such file");
    EXPECT_EQ(ErrorOf([&] { LoadObj(folder_.string(), document_); }), folder_.string() + ": is a folder, not a file");
    EXPECT_EQ(Snapshot(document_), before);
}

TEST_F(ObjMeshTest, SaveThenLoadGivesBitIdenticalVerticesAndFacesWithHolesClosed) {
    Document source;
    Object &any = source.AddObject("any float");
    std::mt19937 random(7);
    using limits = std::numeric_limits<float>;
    for (float extreme : {0.0f, limits::max(), limits::min(), limits::denorm_min()})
        any.AddVertex({extreme, -extreme, 1});
    while (any.VertexCount() < 3000) {
        const float x = std::bit_cast<float>(uint32_t(random())), y = std::bit_cast<float>(uint32_t(random()));
        if (std::isfinite(x) && std::isfinite(y)) any.AddVertex({x, y, x * 0.5f});
    }
    for (int i = 0; i + 4 < 3000; i += 3) any.AddFace({i, i + 1, i + 4});
    any.DeleteVertex(7);
    any.DeleteVertex(100);
    Object &hidden = source.AddObject("hidden one");
    hidden.visible = false;
    for (int i = 0; i < 5; ++i) hidden.AddVertex({float(i), 1.0f / float(i + 3), -1.0f});
    hidden.AddFace({4, 0, 2, 1, 3});

    const std::string path = (folder_ / "round.obj").string();
    SaveObj(path, source);
    Document loaded;
    EXPECT_EQ(LoadObj(path, loaded), (std::vector<int>{0, 1}));
    any.Compact();
    EXPECT_EQ(Snapshot(loaded), Snapshot(source));
}

TEST_F(ObjMeshTest, SaveReplacesTheFileWholeOrFailsNamingIt) {
    const std::string path = Write("out.obj", "old contents that are longer than the new file will be\n");
    SaveObj(path, Document{});
    EXPECT_TRUE(LoadObj(path, document_).empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);

    const std::string nowhere = (folder_ / "no folder" / "out.obj").string();
    EXPECT_EQ(
        ErrorOf([&] { SaveObj(nowhere, document_); }),
        "cannot write '" + nowhere + "': " + std::make_error_code(std::errc::no_such_file_or_directory).message());
}

}  // namespace
}  // namespace simhost
