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
