#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <pugixml.hpp>
#include <set>
#include <sstream>
#include <string>
#include <tuple>

#include "simhost/mesh_shapes.h"
#include "simhost/modelling_tools.h"
#include "simhost/svg_picture.h"

namespace simhost {
namespace {

class HeadTest : public ::testing::Test {
protected:
    Document document;
    Object &head = AddHead(document, "head");
};

TEST_F(HeadTest, IsExactlyMirrorSymmetricAboutXZeroAlongAFullSeam) {
    std::set<std::tuple<float, float, float>> points;
    for (const Vertex &v : head.vertices()) points.insert({v.position.x, v.position.y, v.position.z});
    int seam = 0, nearlyOnSeam = 0, unpartnered = 0;
    for (const Vertex &vertex : head.vertices()) {
        const MQPoint &p = vertex.position;
        seam += p.x == 0.0f;
        // A seam vertex computed rather than set sits a rounding error off the plane.
        nearlyOnSeam += p.x != 0.0f && std::abs(p.x) < 1e-3f;
        unpartnered += points.count({-p.x, p.y, p.z}) == 0;
    }
    EXPECT_EQ(nearlyOnSeam, 0);
    EXPECT_EQ(unpartnered, 0);
    EXPECT_GE(seam, 90);
}

TEST_F(HeadTest, IsClosedWithEveryFaceTurnedOutwards) {
    std::map<std::pair<int, int>, int> sides;
    double volume = 0.0;
    for (const auto &face : head.faces()) {
        const MQPoint &o = head.vertex(face[0]).position;
        for (size_t i = 0; i < face.size(); ++i) {
            const int a = face[i], b = face[(i + 1) % face.size()];
            ++sides[{a, b}];
            const MQPoint &p = head.vertex(a).position, &q = head.vertex(b).position;
            volume += o.x * (p.y * q.z - p.z * q.y) + o.y * (p.z * q.x - p.x * q.z) + o.z * (p.x * q.y - p.y * q.x);
        }
    }
    int unmatched = 0;
    for (const auto &[side, count] : sides) {
        if (count != 1 || sides.count({side.second, side.first}) == 0) ++unmatched;
    }
    EXPECT_EQ(unmatched, 0) << "every edge is shared by two faces that run along it in opposite directions";
    EXPECT_GT(volume / 6, 1.0) << "counter-clockwise seen from outside encloses a positive volume";
}

TEST_F(HeadTest, IsAHeadSizedShapeOfAFewThousandVertices) {
    EXPECT_GE(head.VertexCount(), 2000);
    EXPECT_LE(head.VertexCount(), 5000);
    MQPoint low = head.vertex(0).position, high = low, front = low;
    for (const Vertex &vertex : head.vertices()) {
        const MQPoint &p = vertex.position;
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
        if (p.z > front.z) front = p;
    }
    EXPECT_NEAR(high.y - low.y, 2.0f, 0.2f);
    EXPECT_LT(high.x - low.x, high.y - low.y);
    EXPECT_LT(high.z - low.z, high.y - low.y);
    EXPECT_LT(std::abs(front.x), 0.05f) << "the nose is the frontmost point";
}

class PictureTest : public ::testing::Test {
protected:
    PictureTest() { content.document = &document; }

    static VertexKey Key(const Object &object, int index) { return {object.uniqueID(), object.vertex(index).uniqueID}; }

    void Render() {
        text = RenderSvg(content);
        ASSERT_TRUE(svg.load_string(text.c_str())) << text.substr(0, 200);
    }
    size_t Count(const std::string &xpath) const { return svg.select_nodes(xpath.c_str()).size(); }
    std::string Value(const std::string &xpath) const {
        return pugi::xpath_query(("string(" + xpath + ")").c_str()).evaluate_string(svg);
    }
    std::string PinAt(const char *view, int slot, const char *coordinate) const {
        return Value("//g[@id='" + std::string(view) + "']/g[@class='pins'][@data-slot='" + std::to_string(slot) +
                     "']/circle/@" + coordinate);
    }
    double Pin(const char *view, int slot, const char *axis) const { return std::stod(PinAt(view, slot, axis)); }

    Document document;
    Object &head = AddHead(document, "head", 6);
    PictureContent content;
    std::string text;
    pugi::xml_document svg;
};

TEST_F(PictureTest, IsOneWellFormedSvgWithThreeViewsAndAnEscapedTitle) {
    content.title = "a < b & \"c\" 'd'";
    AddGrid(document, "<grid & co>", 2, 2, 0.1f);
    Render();
    EXPECT_EQ(text.rfind("<svg", 0), 0u);
    EXPECT_EQ(text.substr(text.size() - 7), "</svg>\n");
    EXPECT_EQ(Value("/svg/title"), content.title);
    // The parser lets a bare ampersand through; other renderers reject the file.
    EXPECT_NE(text.find("<title>a &lt; b &amp; &quot;c&quot; &apos;d&apos;</title>"), std::string::npos);
    EXPECT_EQ(Count("/svg/g[@class='view'][@id='front' or @id='top' or @id='side']"), 3u);
    EXPECT_EQ(Count("//path[@data-object='<grid & co>']"), 3u);
    EXPECT_EQ(Count("//g[@id='front']/path[@class='edges near'][@data-object='<grid & co>']"), 1u)
        << "the grid faces the front view";
}

TEST_F(PictureTest, PinsOfASlotAreDrawnInItsOwnColourInEveryViewAndCountedInTheLegend) {
    content.pins[2] = {Key(head, 10), Key(head, 20), Key(head, 30)};
    content.pins[0] = {Key(head, 40)};
    content.armed = {false, false, true, false};
    Render();
    const std::string slot2 = "//g[@class='slot'][@data-slot='2']";
    for (const char *view : {"front", "top", "side"}) {
        const std::string pins = "//g[@id='" + std::string(view) + "']/g[@class='pins']";
        EXPECT_EQ(Count(pins + "[@data-slot='2']/circle"), 3u) << view;
        EXPECT_EQ(Value(pins + "[@data-slot='2']/@fill"), Value(slot2 + "/circle/@fill")) << view;
        EXPECT_EQ(Count(pins + "[@data-slot='1' or @data-slot='3']"), 0u) << view;
    }
    EXPECT_NE(Value(slot2 + "/circle/@fill"), Value("//g[@class='slot'][@data-slot='0']/circle/@fill"));
    EXPECT_EQ(Value(slot2 + "/text/tspan[2]") + ", " + Value(slot2 + "/text/tspan[3]"), "3 pins, armed");
    EXPECT_EQ(Value("//g[@class='slot'][@data-slot='0']/text/tspan[3]"), "disarmed");
}

TEST_F(PictureTest, PinsWhoseObjectOrVertexIsGoneAreLeftOutButCounted) {
    Object &deleted = AddGrid(document, "deleted", 2, 2, 0.1f);
    Object &hidden = AddGrid(document, "hidden", 2, 2, 0.1f);
    content.pins[1] = {Key(head, 5), Key(head, 6), Key(deleted, 0), Key(hidden, 0), {12345, 1}};
    content.movedBack = {Key(head, 5), Key(head, 6)};
    head.DeleteVertex(6);
    document.DeleteObject(document.IndexOf(&deleted));
    hidden.visible = false;
    Render();
    EXPECT_EQ(Count("//g[@class='pins'][@data-slot='1']/circle"), 3u);
    EXPECT_EQ(Value("//g[@class='slot'][@data-slot='1']/text/tspan[2]"), "5 pins (4 not shown)");
    EXPECT_EQ(Count("//g[@class='moved-back']/circle"), 3u);
    EXPECT_NE(text.find("moved back by the last draw: 2 vertices (1 not shown)"), std::string::npos);
    for (const char *view : {"front", "top", "side"}) {
        const std::string ring = "//g[@id='" + std::string(view) + "']/g[@class='moved-back']/circle/@";
        EXPECT_EQ(Value(ring + "cx"), PinAt(view, 1, "cx")) << view;
        EXPECT_EQ(Value(ring + "cy"), PinAt(view, 1, "cy")) << view;
    }
}

TEST_F(PictureTest, ViewsLookFromTheFrontFromAboveAndFromPlusX) {
    Object &axes = document.AddObject("axes");
    for (MQPoint p :
         {MQPoint{0.0f, 0.0f, 0.0f}, MQPoint{0.5f, 0.0f, 0.0f}, MQPoint{0.0f, 0.5f, 0.0f}, MQPoint{0.0f, 0.0f, 0.5f}}) {
        const int index = axes.AddVertex(p);
        content.pins[static_cast<size_t>(index)] = {Key(axes, index)};
    }
    Render();
    EXPECT_GT(Pin("front", 1, "cx"), Pin("front", 0, "cx")) << "X to the right";
    EXPECT_LT(Pin("front", 2, "cy"), Pin("front", 0, "cy")) << "Y up";
    EXPECT_GT(Pin("top", 1, "cx"), Pin("top", 0, "cx")) << "X to the right";
    EXPECT_GT(Pin("top", 3, "cy"), Pin("top", 0, "cy")) << "Z down the page";
    EXPECT_LT(Pin("side", 3, "cx"), Pin("side", 0, "cx")) << "Z to the left";
    EXPECT_LT(Pin("side", 2, "cy"), Pin("side", 0, "cy")) << "Y up";
    const double unit = Pin("front", 1, "cx") - Pin("front", 0, "cx");
    EXPECT_NEAR(Pin("top", 3, "cy") - Pin("top", 0, "cy"), unit, 0.15) << "one scale for all views";
    EXPECT_NEAR(Pin("side", 0, "cy") - Pin("side", 2, "cy"), unit, 0.15) << "one scale for all views";
}

TEST_F(PictureTest, TheDashedPlaneXZeroRunsThroughSeamVerticesInFrontAndTopViews) {
    int onSeam = 0;
    while (head.vertex(onSeam).position.x != 0.0f || std::abs(head.vertex(onSeam).position.y) > 0.5f) ++onSeam;
    content.pins[0] = {Key(head, onSeam)};
    Render();
    EXPECT_EQ(Value("//g[@id='front']/line[@class='seam']/@x1"), PinAt("front", 0, "cx"));
    EXPECT_EQ(Value("//g[@id='top']/line[@class='seam']/@x1"), PinAt("top", 0, "cx"));
    EXPECT_EQ(Count("//g[@id='side']/line[@class='seam']"), 0u);
    EXPECT_EQ(Count("//text[.='X = 0']"), 2u);
}

TEST_F(PictureTest, HiddenObjectsAreLeftOutAndDoNotChangeTheFit) {
    Render();
    const std::string alone = text;
    Object &far = AddGrid(document, "far", 4, 4, 2.0f, 30.0f);
    far.visible = false;
    Render();
    EXPECT_EQ(text, alone);
    far.visible = true;
    Render();
    EXPECT_NE(text, alone);
}

TEST_F(PictureTest, SameContentGivesTheSameBytes) {
    content.pins[3] = {Key(head, 1), Key(head, 2)};
    content.movedBack = {Key(head, 2)};
    Render();
    Document twin;
    AddHead(twin, "head", 6);
    PictureContent again = content;
    again.document = &twin;
    EXPECT_EQ(RenderSvg(again), text);
}

TEST_F(PictureTest, DocumentsWithoutExtentRenderWithFiniteCoordinates) {
    Document single;
    Object &point = single.AddObject("point");
    point.AddVertex({1.0f, 2.0f, 3.0f});
    content.pins[0] = {Key(point, 0)};
    content.document = nullptr;
    Render();
    EXPECT_EQ(Count("//g[@class='pins']/circle"), 0u);
    content.document = &single;
    Render();
    EXPECT_EQ(text.find("nan"), std::string::npos);
    ASSERT_EQ(Count("//g[@class='pins']/circle"), 3u);
    const double left = std::stod(Value("//g[@id='front']/rect/@x"));
    EXPECT_NEAR(Pin("front", 0, "cx"), left + 0.5 * std::stod(Value("//g[@id='front']/rect/@width")), 0.1)
        << "a single point sits in the middle of the view";
}

TEST_F(PictureTest, WritingReplacesTheFileWholeAndFailsNamingThePath) {
    const auto directory = std::filesystem::path(::testing::TempDir()) / "stelmarin-picture-test";
    std::filesystem::create_directories(directory);
    const std::string path = (directory / "head.svg").string();
    std::ofstream(path) << std::string(2 * RenderSvg(content).size(), 'x');
    WritePicture(path, content);
    std::stringstream written;
    written << std::ifstream(path, std::ios::binary).rdbuf();
    EXPECT_EQ(written.str(), RenderSvg(content));
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

    const std::string impossible = path + "/inside-a-file.svg";
    try {
        WritePicture(impossible, content);
        ADD_FAILURE() << "no error for " << impossible;
    } catch (const std::runtime_error &error) {
        EXPECT_NE(std::string(error.what()).find(impossible), std::string::npos) << error.what();
    }
    std::filesystem::remove_all(directory);
}

}  // namespace
}  // namespace simhost
