#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <pugixml.hpp>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "simhost/modeller/mesh_shapes.h"
#include "simhost/modeller/modelling_tools.h"
#include "simhost/files/svg_picture.h"
#include "simhost/files/utf8_text.h"
#include "simhost/language/session_script.h"

namespace simhost {
namespace {

class HeadTest : public ::testing::Test {
protected:
    Document document;
    Object &head = AddHead(document, "head");
};

TEST_F(HeadTest, IsExactlyMirrorSymmetricAboutXZeroAlongAFullSeam) {
    std::set<std::tuple<float, float, float>> points;
    for (const MQPoint &p : head.positions()) points.insert({p.x, p.y, p.z});
    int seam = 0, nearlyOnSeam = 0, unpartnered = 0;
    for (const MQPoint &p : head.positions()) {
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
        const MQPoint &o = head.position(face[0]);
        for (size_t i = 0; i < face.size(); ++i) {
            const int a = face[i], b = face[(i + 1) % face.size()];
            ++sides[{a, b}];
            const MQPoint &p = head.position(a), &q = head.position(b);
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
    MQPoint low = head.position(0), high = low, front = low;
    for (const MQPoint &p : head.positions()) {
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

TEST_F(PictureTest, NamesThatAreNotUtf8OrHoldControlCharactersStillMakeValidXml) {
    // Names are the bytes their file held: Latin-1 here, a control character, and U+FFFF,
    // which XML does not allow either.
    content.title = "caf\xe9\x1b";
    AddGrid(document, "T\xe9te\x01\xef\xbf\xbf \xe2\x82\xac", 2, 2, 0.1f);
    Render();
    EXPECT_EQ(ValidUtf8(text), text);
    EXPECT_EQ(Value("/svg/title"), "caf\xef\xbf\xbd ");
    EXPECT_EQ(Count("//path[@data-object='T\xef\xbf\xbdte \xef\xbf\xbd \xe2\x82\xac']"), 3u);
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
    while (head.position(onSeam).x != 0.0f || std::abs(head.position(onSeam).y) > 0.5f) ++onSeam;
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

// Path data of moves, lines and horizontal runs as the points each subpath passes.
std::vector<std::vector<std::pair<double, double>>> Polylines(const std::string &d) {
    std::vector<std::vector<std::pair<double, double>>> polylines;
    double x = 0.0, y = 0.0;
    size_t at = 0;
    char command = 0;
    const auto number = [&] {
        char *end = nullptr;
        const double value = std::strtod(d.c_str() + at, &end);
        at = static_cast<size_t>(end - d.c_str());
        return value;
    };
    while (at < d.size()) {
        if (d[at] == ' ') {
            ++at;
            continue;
        }
        if (std::isalpha(static_cast<unsigned char>(d[at]))) command = d[at++];
        if (command == 'M' || command == 'm') {
            const double u = number(), v = number();
            x = command == 'M' ? u : x + u;
            y = command == 'M' ? v : y + v;
            polylines.push_back({{x, y}});
        } else if (command == 'L') {
            x = number();
            y = number();
            polylines.back().push_back({x, y});
        } else if (command == 'h') {
            x += number();
            polylines.back().push_back({x, y});
        } else {
            ADD_FAILURE() << "unexpected '" << command << "' in " << d.substr(0, 80);
            break;
        }
    }
    return polylines;
}

TEST_F(PictureTest, PointElementsAreDotsAndLineElementsEdgesThroughTheirVertices) {
    head.visible = false;
    Object &wire = document.AddObject("wire");
    for (const MQPoint p : {MQPoint{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}, {0, 0, 1}}) wire.AddVertex(p);
    // l 1 2 3, l 5 4, p 5
    ElementList &elements = wire.extras().elements;
    elements.starts = {0, 3, 5, 6};
    elements.vertices = {0, 1, 2, 4, 3, 4};
    elements.lines = {1, 1, 0};
    for (int v = 0; v < 5; ++v) content.pins[1].push_back(Key(wire, v));
    Render();
    for (const char *view : {"front", "top", "side"}) {
        const std::string g = "//g[@id='" + std::string(view) + "']";
        const auto vertex = [&](int v) {
            const std::string circle = "(" + g + "/g[@class='pins']/circle)[" + std::to_string(v + 1) + "]";
            return std::pair(std::stod(Value(circle + "/@cx")), std::stod(Value(circle + "/@cy")));
        };
        using Polyline = std::vector<std::pair<double, double>>;
        EXPECT_EQ(Polylines(Value(g + "/path[@class='lines']/@d")),
                  (std::vector<Polyline>{{vertex(0), vertex(1), vertex(2)}, {vertex(4), vertex(3)}}))
            << view;
        EXPECT_EQ(Polylines(Value(g + "/path[@class='points']/@d")), (std::vector<Polyline>{{vertex(4), vertex(4)}}))
            << view;
    }

    // A cloud of thousands of points becomes dots on a grid, each over its point.
    wire.visible = false;
    Object &cloud = document.AddObject("cloud");
    cloud.extras().elements.starts = {0};
    for (int i = 0; i < 200 * 200; ++i) {
        cloud.extras().elements.vertices.push_back(cloud.AddVertex({float(i % 200) / 199, float(i / 200) / 199, 0}));
    }
    cloud.extras().elements.starts.push_back(cloud.VertexCount());
    cloud.extras().elements.lines = {0};
    content.pins[1] = {Key(cloud, 0), Key(cloud, 201 * 100)};
    Render();
    const auto dots = Polylines(Value("//g[@id='front']/path[@class='points']/@d"));
    EXPECT_LE(dots.size(), 320u / 2u) << "a run of dots a row";
    for (const char *corner :
         {"(//g[@id='front']/g[@class='pins']/circle)[1]", "(//g[@id='front']/g[@class='pins']/circle)[2]"}) {
        const double x = std::stod(Value(std::string(corner) + "/@cx")),
                     y = std::stod(Value(std::string(corner) + "/@cy"));
        EXPECT_TRUE(std::any_of(dots.begin(), dots.end(), [&](const auto &run) {
            return std::abs(run.front().second - y) <= 1.0 && run.front().first - 1.0 <= x &&
                   x <= run.back().first + 1.0;
        })) << corner;
    }
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

// How light a colour "#rrggbb" looks, from 0 for black to 1 for white; -1 for another form.
double Lightness(const std::string &colour) {
    if (colour.size() != 7 || colour[0] != '#') return -1.0;
    const auto channel = [&](size_t i) { return std::stoi(colour.substr(1 + 2 * i, 2), nullptr, 16) / 255.0; };
    return 0.2126 * channel(0) + 0.7152 * channel(1) + 0.0722 * channel(2);
}

TEST_F(PictureTest, RingsOfVerticesMovedBackAreThinLightAndUnderTheSeamsPinsAndThePlaneXZero) {
    Object &grid = AddGrid(document, "grid", 60, 60, 0.01f);
    content.armed[0] = true;
    // A seam pinned and all moved back: few enough for a ring each, then too many.
    for (int i = 0; i < head.VertexCount(); ++i) {
        if (head.position(i).x == 0.0f) content.pins[0].push_back(Key(head, i));
    }
    for (const bool many : {false, true}) {
        content.movedBack = content.pins[0];
        for (int i = 0; many && i < grid.VertexCount(); ++i) content.movedBack.push_back(Key(grid, i));
        Render();
        for (const char *view : {"front", "top", "side"}) {
            const std::string in = "//g[@id='" + std::string(view) + "']/";
            const std::string rings = in + "g[@class='moved-back']";
            ASSERT_EQ(Count(rings), 1u) << view;
            EXPECT_GT(Lightness(Value(rings + "/@stroke")), 0.5) << view << ": " << Value(rings + "/@stroke");
            EXPECT_LE(std::stod(Value(rings + "/@stroke-width")), 0.8) << view;
            EXPECT_EQ(Count(in + "g[@class='pins'][@data-slot='0']/preceding-sibling::g[@class='moved-back']"), 1u)
                << view << ": the rings come before the pins, so that the pins cover them";
            EXPECT_EQ(Value(in + "g[@class='pins'][@data-slot='0']/@fill"), "#d62728") << view;
            EXPECT_EQ(Count(in + "g[@class='pins'][@data-slot='0']/circle"), content.pins[0].size()) << view;
        }
        for (const char *view : {"front", "top"}) {
            EXPECT_EQ(
                Count("//g[@id='" + std::string(view) + "']/line[@class='seam'][preceding-sibling::g[@class='pins']]"),
                1u)
                << view << ": the plane X = 0 is drawn over the pins that lie on it";
        }
        EXPECT_EQ(Value("//g[@class='legend']/circle/@stroke"),
                  Value("//g[@id='front']/g[@class='moved-back']/@stroke"))
            << "the legend's ring looks like those in the views";
    }
}

TEST_F(PictureTest, PinsOfADisarmedSlotAreHollowInItsColourAndTheLegendSaysDisarmed) {
    content.pins[1] = {Key(head, 3), Key(head, 4)};
    content.pins[2] = {Key(head, 5), Key(head, 6)};
    content.armed = {false, true, false, false};
    Render();
    const std::string colour2 = Value("//g[@class='slot'][@data-slot='2']/circle/@stroke");
    EXPECT_EQ(Value("//g[@class='slot'][@data-slot='2']/circle/@fill"), "none");
    EXPECT_EQ(Value("//g[@class='slot'][@data-slot='2']/text/tspan[3]"), "disarmed");
    EXPECT_EQ(Value("//g[@class='slot'][@data-slot='1']/circle/@fill"), "#1f5fbf");
    EXPECT_EQ(Value("//g[@class='slot'][@data-slot='1']/text/tspan[3]"), "armed");
    for (const char *view : {"front", "top", "side"}) {
        const std::string pins = "//g[@id='" + std::string(view) + "']/g[@class='pins']";
        EXPECT_EQ(Value(pins + "[@data-slot='2']/@fill"), "none") << view;
        EXPECT_EQ(Value(pins + "[@data-slot='2']/@stroke"), colour2) << view;
        EXPECT_GE(std::stod(Value(pins + "[@data-slot='2']/@stroke-width")), 1.0) << view;
        EXPECT_EQ(Value(pins + "[@data-slot='1']/@fill"), "#1f5fbf") << view;
    }

    // Too many for a circle each: the bars of the marks with their middles masked out by
    // the same bars, narrower, drawn again by reference.
    Object &grid = AddGrid(document, "grid", 60, 60, 0.01f);
    content.pins[2].clear();
    for (int i = 0; i < grid.VertexCount(); ++i) content.pins[2].push_back(Key(grid, i));
    Render();
    for (const char *view : {"front", "top", "side"}) {
        const std::string group = "//g[@id='" + std::string(view) + "']/g[@class='pins'][@data-slot='2']";
        const std::string mask = Value(group + "/@mask");
        ASSERT_EQ(mask.rfind("url(#", 0), 0u) << view << ": " << mask;
        const std::string masked = "//mask[@id='" + mask.substr(5, mask.size() - 6) + "']";
        ASSERT_EQ(Count(masked), 1u) << view;
        EXPECT_EQ(Value(masked + "/rect/@fill"), "#fff") << view << ": outside the bars, nothing is hidden";
        const std::string bars = Value(masked + "/use/@xlink:href");
        ASSERT_EQ(bars, "#" + Value(group + "/g/@id")) << view;
        EXPECT_GT(Count(group + "/g/path"), 0u) << view;
        EXPECT_EQ(Value(masked + "/use/@stroke"), "#000") << view;
        EXPECT_EQ(Value(masked + "/use/@fill"), "none") << view;
        EXPECT_LT(std::stod(Value(masked + "/use/@stroke-width")), std::stod(Value(group + "/@stroke-width"))) << view;
        EXPECT_EQ(Value(group + "/@stroke"), colour2) << view;
    }
    content.armed[2] = true;
    Render();
    EXPECT_EQ(Count("//g[@class='pins'][@mask]"), 0u) << "an armed slot's marks are solid";
}

TEST_F(PictureTest, UnderTheTitleItSaysWhetherThePlugInIsOnAndHowFarTheSeamStraysFromXZero) {
    content.title = "the head";
    Render();
    EXPECT_EQ(Count("//text[@class='caption']"), 0u) << "no plug-in session behind the picture, nothing to say";
    const auto caption = [&](PictureStatus status) {
        content.status = status;
        Render();
        return Value("//text[@class='caption']");
    };
    EXPECT_EQ(caption({true, 0.0, 96}), "plug-in on \u00b7 seam: largest |X| 0 over 96 vertices");
    EXPECT_EQ(caption({false, 0.0914684, 1}), "plug-in off \u00b7 seam: largest |X| 0.0914684 over 1 vertex");
    EXPECT_EQ(caption({true, 1234567.0, 2}), "plug-in on \u00b7 seam: largest |X| 1.23457e+06 over 2 vertices");
    EXPECT_EQ(caption({false, 0.0, 0}), "plug-in off \u00b7 seam: no vertex pinned in slot X0");
    const double y = std::stod(Value("//text[@class='caption']/@y"));
    EXPECT_GT(y, std::stod(Value("/svg/text[1]/@y")) + 14.0) << "below the title";
    EXPECT_LT(y + 6.0, std::stod(Value("//g[@id='front']/text/@y")) - 14.0) << "above the views' names";
}

// The demo's work on a head, with the plug-in off and then with the seam pinned: each
// picture shows the seam's pins in red over faint rings, and says what the report says.
TEST(SessionPicture, ThePicturesOfTheDemoShowTheSeamInRedAndTheReportsStateAndFigure) {
    const auto dir = std::filesystem::path(::testing::TempDir()) / "stelmarin-session-picture-test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    ScriptSettings settings;
    settings.pluginPath = STELMARIN_PLUGIN_FILE;
    settings.settingsFile = (dir / "settings.xml").string();
    settings.outDir = (dir / "out").string();
    const auto sculpt = [](const std::string &name) {
        return "select box -0.02 -0.55 0.3 0.35 0.25 1.2\nmove 0.15 0 0.03\ndraw\nreport " + name + ".txt\npicture " +
               name + ".svg\n";
    };
    std::ofstream(dir / "demo.session") << "init\nactivate\nmake head \"head\" 24\nclick X0\ndeactivate\n" +
                                               sculpt("free") + "new\nactivate\nmake head \"head\" 24\nclick X0\n" +
                                               sculpt("pinned");
    std::ostringstream output;
    ScriptRunner runner(settings, output);
    ASSERT_EQ(runner.RunFile((dir / "demo.session").string()), StepResult::Ok) << output.str();

    const auto read = [&](const std::string &file) {
        std::stringstream text;
        text << std::ifstream(dir / "out" / file, std::ios::binary).rdbuf();
        return text.str();
    };
    for (const char *name : {"free", "pinned"}) {
        const std::string report = read(std::string(name) + ".txt");
        const size_t at = report.find("centre line: largest |X| ");
        ASSERT_NE(at, std::string::npos) << report;
        const std::string figure = report.substr(at + 25, report.find(' ', at + 25) - at - 25);
        pugi::xml_document svg;
        ASSERT_TRUE(svg.load_string(read(std::string(name) + ".svg").c_str())) << name;
        const auto value = [&](const std::string &xpath) {
            return pugi::xpath_query(("string(" + xpath + ")").c_str()).evaluate_string(svg);
        };
        const bool pinned = std::string(name) == "pinned";
        EXPECT_EQ(figure == "0", pinned) << name << ": " << report;
        EXPECT_EQ(value("//text[@class='caption']"), std::string(pinned ? "plug-in on" : "plug-in off") +
                                                         " \u00b7 seam: largest |X| " + figure + " over 96 vertices");
        const std::string front = "//g[@id='front']/";
        EXPECT_EQ(value(front + "g[@class='pins'][@data-slot='0']/@fill"), "#d62728") << name;
        EXPECT_EQ(svg.select_nodes((front + "g[@class='pins'][@data-slot='0']/circle").c_str()).size(), 96u) << name;
        EXPECT_EQ(
            svg.select_nodes((front + "g[@class='pins']/following-sibling::g[@class='moved-back']").c_str()).size(), 0u)
            << name << ": no ring over a pin";
    }
    std::filesystem::remove_all(dir);
}

// Every circle of a picture, per view and group (a slot's pins or the rings), as centres.
using Circled = std::map<std::pair<std::string, std::string>, std::multiset<std::pair<std::string, std::string>>>;

Circled CirclesOf(const pugi::xml_document &svg) {
    Circled circled;
    for (const auto &found : svg.select_nodes("//g[@class='view']/g/circle")) {
        const pugi::xml_node circle = found.node();
        const pugi::xml_node group = circle.parent();
        const std::string name = std::string(group.attribute("class").value()) + group.attribute("data-slot").value();
        circled[{group.parent().attribute("id").value(), name}].insert(
            {circle.attribute("cx").value(), circle.attribute("cy").value()});
    }
    return circled;
}

TEST_F(PictureTest, EveryPinAndEveryMovedBackVertexOfASmallMeshIsCircledWhereItAloneWouldBe) {
    Object &grid = AddGrid(document, "grid", 6, 6, 0.1f);
    Jitter(grid, 0.02f, 5, Scope::All);
    const PictureContent none = content;
    Circled alone;
    for (int i = 0; i < grid.VertexCount(); ++i) {
        content = none;
        content.pins[static_cast<size_t>(i % 4)] = {Key(grid, i)};
        if (i % 3 == 0) content.movedBack = {Key(grid, i)};
        Render();
        for (const auto &[group, centres] : CirclesOf(svg)) alone[group].insert(centres.begin(), centres.end());
    }
    content = none;
    for (int i = 0; i < grid.VertexCount(); ++i) {
        content.pins[static_cast<size_t>(i % 4)].push_back(Key(grid, i));
        if (i % 3 == 0) content.movedBack.push_back(Key(grid, i));
    }
    Render();
    const Circled together = CirclesOf(svg);
    EXPECT_EQ(together, alone);
    EXPECT_EQ(together.size(), 3u * 5u) << "four slots and the rings in each of three views";
    EXPECT_EQ(together.at({"front", "moved-back"}).size(), 17u);
}

// A path's data as the points where its subpaths start and the lengths they run to the
// right, which is all that pixel runs and marks use; arcs are followed to their end.
struct Subpath {
    double x;
    double y;
    double across = 0.0;
};

std::vector<Subpath> Subpaths(const std::string &d) {
    std::vector<Subpath> subpaths;
    double x = 0.0, y = 0.0;
    size_t at = 0;
    const auto number = [&] {
        while (at < d.size() && (d[at] == ' ' || d[at] == ',')) ++at;
        char *end = nullptr;
        const double value = std::strtod(d.c_str() + at, &end);
        at = static_cast<size_t>(end - d.c_str());
        return value;
    };
    while (at < d.size()) {
        const char command = d[at++];
        if (command == 'M' || command == 'm') {
            const double dx = number();
            const double dy = number();
            x = command == 'M' ? dx : x + dx;
            y = command == 'M' ? dy : y + dy;
            subpaths.push_back({x, y});
        } else if (command == 'h') {
            const double across = number();
            subpaths.back().across += across;
            x += across;
        } else if (command == 'a') {
            for (int i = 0; i < 5; ++i) number();
            x += number();
            y += number();
        } else if (command == 'z') {
            x = subpaths.back().x;
            y = subpaths.back().y;
        } else {
            ADD_FAILURE() << "unexpected '" << command << "' in " << d.substr(0, 80);
            return subpaths;
        }
    }
    return subpaths;
}

std::vector<Subpath> SubpathsUnder(const pugi::xml_document &svg, const std::string &xpath) {
    std::vector<Subpath> all;
    for (const auto &path : svg.select_nodes(xpath.c_str())) {
        const auto some = Subpaths(path.node().attribute("d").value());
        all.insert(all.end(), some.begin(), some.end());
    }
    return all;
}

// The shortest distance from a point to any of the segments that subpaths run along.
double Nearest(const std::vector<Subpath> &subpaths, double x, double y) {
    double nearest = std::numeric_limits<double>::infinity();
    for (const Subpath &s : subpaths) {
        const double along = std::clamp(x, s.x, s.x + s.across);
        nearest = std::min(nearest, std::hypot(x - along, y - s.y));
    }
    return nearest;
}

TEST_F(PictureTest, VeryManyPinsAndRingsBecomeMarksThatEachLieOverTheirVertex) {
    head.visible = false;
    Object &grid = AddGrid(document, "grid", 60, 60, 0.01f);
    Jitter(grid, 0.004f, 9, Scope::All);
    // Where each vertex is drawn, from pictures of a thousand circled pins at a time.
    std::map<std::string, std::vector<std::pair<double, double>>> where;
    for (int first = 0; first < grid.VertexCount(); first += 1000) {
        content.pins[0].clear();
        for (int i = first; i < std::min(first + 1000, grid.VertexCount()); ++i)
            content.pins[0].push_back(Key(grid, i));
        Render();
        for (const char *view : {"front", "top", "side"}) {
            const std::string circles = "//g[@id='" + std::string(view) + "']/g[@class='pins']/circle";
            for (const auto &circle : svg.select_nodes(circles.c_str())) {
                where[view].push_back(
                    {circle.node().attribute("cx").as_double(), circle.node().attribute("cy").as_double()});
            }
        }
    }
    content.pins[0].clear();
    for (int i = 0; i < grid.VertexCount(); ++i) {
        content.pins[1].push_back(Key(grid, i));
        content.movedBack.push_back(Key(grid, i));
    }
    Render();
    EXPECT_EQ(Value("//g[@class='slot'][@data-slot='1']/text/tspan[2]"), "3721 pins");
    EXPECT_EQ(Count("//g[@class='pins']/circle"), 0u);
    EXPECT_EQ(Count("//g[@class='moved-back']/circle"), 0u);
    for (const char *view : {"front", "top", "side"}) {
        ASSERT_EQ(where[view].size(), static_cast<size_t>(grid.VertexCount())) << view;
        const std::string group = "//g[@id='" + std::string(view) + "']/g";
        const auto dots = SubpathsUnder(svg, group + "[@class='pins'][@data-slot='1']//path");
        const double dotRadius = std::stod(Value(group + "[@class='pins'][@data-slot='1']/@stroke-width")) / 2;
        // A ring starts at its left and is drawn round its centre.
        auto rings = SubpathsUnder(svg, group + "[@class='moved-back']/path");
        for (Subpath &ring : rings) ring.x += 2.5;
        int uncovered = 0, unringed = 0;
        for (const auto &[x, y] : where[view]) {
            uncovered += Nearest(dots, x, y) > dotRadius;
            unringed += Nearest(rings, x, y) > 2.5;
        }
        EXPECT_EQ(uncovered, 0) << view << ": pins with no mark over them";
        EXPECT_EQ(unringed, 0) << view << ": vertices moved back with no ring round them";
    }
}

TEST_F(PictureTest, ADenseMeshIsDrawnAsThePixelsItsEdgesCoverInTheGreyOfTheirSide) {
    head.visible = false;
    Object &grid = AddGrid(document, "grid", 300, 300, 0.01f);
    const int last = grid.VertexCount() - 1;
    content.pins[0] = {Key(grid, 0), Key(grid, last)};
    // A face with corners that have no place on the page is left out.
    const int far = grid.AddVertex({std::numeric_limits<float>::infinity(), 0.0f, 0.0f});
    const int lost = grid.AddVertex({0.0f, std::numeric_limits<float>::quiet_NaN(), 0.0f});
    grid.AddFace({far, lost, 1});
    Render();
    EXPECT_EQ(text.find("nan"), std::string::npos);
    EXPECT_EQ(text.find("inf"), std::string::npos);
    EXPECT_EQ(Count("//path[@data-object]"), 0u) << "no line per edge";
    // Full pixel rows from corner to corner of the grid, which faces the front.
    const double left = Pin("front", 0, "cx"), bottom = Pin("front", 0, "cy");
    const double right = std::stod(Value("(//g[@id='front']/g[@class='pins']/circle)[2]/@cx"));
    const double top = std::stod(Value("(//g[@id='front']/g[@class='pins']/circle)[2]/@cy"));
    const std::string darkest = Value("(//g[@id='front']/path[@class='edges near'])[last()]/@stroke");
    EXPECT_EQ(darkest, "#8a8a8a");
    std::set<std::pair<int, int>> covered;
    for (const Subpath &run :
         SubpathsUnder(svg, "//g[@id='front']/path[@class='edges near'][@stroke='" + darkest + "']")) {
        for (int x = 0; x < static_cast<int>(run.across); ++x)
            covered.insert({static_cast<int>(run.x) + x, static_cast<int>(run.y)});
    }
    int missing = 0;
    for (int y = static_cast<int>(top) + 1; y < static_cast<int>(bottom) - 1; ++y) {
        for (int x = static_cast<int>(left) + 1; x < static_cast<int>(right) - 1; ++x)
            missing += covered.count({x, y}) == 0;
    }
    EXPECT_EQ(missing, 0);
    const auto outside = std::count_if(covered.begin(), covered.end(), [&](const std::pair<int, int> &pixel) {
        return pixel.first < left - 1 || pixel.first > right + 1 || pixel.second < top - 1 || pixel.second > bottom + 1;
    });
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(Count("//g[@id='front']/path[@class='edges far']"), 0u);
    EXPECT_EQ(Count("//g[@id='top']/path[@class='edges near']"), 0u) << "seen edge-on from above, the grid faces away";
    EXPECT_GT(Count("//g[@id='top']/path[@class='edges far']"), 0u);
}

std::string OnPath(const std::string &program) {
    const char *path = std::getenv("PATH");
    std::stringstream directories(path == nullptr ? "" : path);
    for (std::string directory; std::getline(directories, directory, ':');) {
        const auto candidate = std::filesystem::path(directory) / program;
        if (!directory.empty() && std::filesystem::is_regular_file(candidate)) return candidate.string();
    }
    return "";
}

TEST(LargePicture, AQuarterMillionVerticesMakeAFileOfAtMostTenMegabytesThatAnSvgRendererOpens) {
    Document document;
    Object &grid = AddGrid(document, "grid", 500, 500, 0.004f);
    Jitter(grid, 0.002f, 3, Scope::All);
    PictureContent content;
    content.document = &document;
    content.title = "a quarter of a million vertices";
    for (int i = 0; i < grid.VertexCount(); ++i) {
        const VertexKey key{grid.uniqueID(), grid.vertex(i).uniqueID};
        content.pins[static_cast<size_t>(i % 2)].push_back(key);
        if (i % 5 == 0) content.movedBack.push_back(key);
    }
    const auto directory = std::filesystem::path(::testing::TempDir()) / "stelmarin-large-picture-test";
    std::filesystem::create_directories(directory);
    const std::string path = (directory / "large.svg").string();
    WritePicture(path, content);
    EXPECT_LE(std::filesystem::file_size(path), 10'000'000u);
    pugi::xml_document svg;
    ASSERT_TRUE(svg.load_file(path.c_str()));
    size_t longest = 0;
    for (const auto &d : svg.select_nodes("//path/@d")) longest = std::max(longest, std::strlen(d.attribute().value()));
    EXPECT_LE(longest, 110'000u) << "path data comes in pieces of about a hundred kilobytes at most";

    const std::string renderer = OnPath("rsvg-convert");
    if (renderer.empty()) GTEST_SKIP() << "rsvg-convert is not on PATH here; scripts/install-deps installs it";
    const std::string png = (directory / "large.png").string();
    const std::string command = "'" + renderer + "' -o '" + png + "' '" + path + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    EXPECT_GT(std::filesystem::exists(png) ? std::filesystem::file_size(png) : 0u, 1000u);
    std::filesystem::remove_all(directory);
}

}  // namespace
}  // namespace simhost
