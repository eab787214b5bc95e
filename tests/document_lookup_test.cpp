// How the stand-in host finds what a plug-in names: objects by handle and by unique ID,
// vertices by unique ID, and faces through deletions and compacting. All of it is a table
// read now; these cases pin down that no answer changed with that, stale and made-up
// handles included.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "host/contract_codes.h"
#include "simhost/host/host.h"
#include "simhost/host/host_exports.h"
#include "tests/violation_ids.h"

namespace {

using simhost::Host;
using simhost::Object;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class DocumentLookup : public ::testing::Test {
protected:
    DocumentLookup() { simhost::SetActiveHost(&host); }

    Host host;
    // The plug-in's call that the host functions are served in.
    std::optional<Host::PluginCall> inside{std::in_place, host};
    simhost::Document &document = host.document();
};

TEST_F(DocumentLookup, AHandleServesWhileItsObjectLivesAndIsReportedAfter) {
    std::vector<Object *> objects;
    for (int i = 0; i < 300; ++i) objects.push_back(&document.AddObject("o" + std::to_string(i)));
    for (int i = 0; i < 300; i += 7) {
        ASSERT_EQ(MQDoc_GetObjectIndex(host.DocumentHandle(), Host::Handle(objects[i])), i);
        ASSERT_EQ(MQDoc_GetObjectFromUniqueID(host.DocumentHandle(), objects[i]->uniqueID()), Host::Handle(objects[i]));
    }
    const MQObject gone = Host::Handle(objects[42]);
    const int goneID = objects[42]->uniqueID();
    ASSERT_EQ(MQObj_GetVisible(gone), 1);
    document.DeleteObject(42);
    EXPECT_EQ(MQDoc_GetObjectIndex(host.DocumentHandle(), gone), -1) << "asking where it is, is no fault";
    EXPECT_EQ(MQDoc_GetObjectFromUniqueID(host.DocumentHandle(), goneID), nullptr);
    EXPECT_EQ(MQObj_GetVisible(gone), 0);
    int madeUp = 0;
    EXPECT_EQ(MQObj_GetVertexCount(reinterpret_cast<MQObject>(&madeUp)), 0);
    EXPECT_EQ(MQObj_GetIntValue(Host::Handle(objects[43]), stelmarin::kObjectUniqueID), goneID + 1);
    EXPECT_EQ(document.AddObject("later").uniqueID(), 301) << "unique IDs are never handed out twice";
    EXPECT_THAT(testing_support::IdsOf(host.violations), ElementsAre("H005", "H005"));
    EXPECT_EQ(host.violations.front().text, "MQObj_GetVisible: object handle that is not in the document");
}

TEST_F(DocumentLookup, AReplacedDocumentsObjectsServeTheCallThatHeldThemAndNoMore) {
    Object &old = document.AddObject("old");
    old.AddVertex({1, 2, 3});
    host.NewDocument();
    EXPECT_EQ(MQObj_GetVertexCount(Host::Handle(&old)), 1);
    inside.reset();
    inside.emplace(host);
    EXPECT_EQ(MQObj_GetVertexCount(Host::Handle(&old)), 0) << "once the call returned, the handle is stale";
    EXPECT_THAT(testing_support::IdsOf(host.violations), ElementsAre("H005"));
}

TEST_F(DocumentLookup, VerticesAreFoundByUniqueIDThroughDeletionAndCompacting) {
    Object &object = document.AddObject("o");
    for (int i = 0; i < 6; ++i) object.AddVertex({static_cast<float>(i), 0, 0});
    const MQObject handle = Host::Handle(&object);
    object.DeleteVertex(1);
    object.DeleteVertex(4);
    for (int id : {0, -1, 2, 5, 7, 1 << 30}) {
        EXPECT_EQ(MQObj_GetVertexIndexFromUniqueID(handle, id), -1) << "unique ID " << id;
    }
    EXPECT_EQ(MQObj_GetVertexIndexFromUniqueID(handle, 6), 5);
    object.Compact();
    EXPECT_EQ(MQObj_GetVertexIndexFromUniqueID(handle, 6), 3);
    EXPECT_EQ(MQObj_GetVertexIndexFromUniqueID(handle, 3), 1);
    EXPECT_EQ(MQObj_GetVertexIndexFromUniqueID(handle, 5), -1);
    EXPECT_EQ(object.vertex(object.AddVertex({9, 9, 9})).uniqueID, 7) << "a deleted vertex's ID is not handed out";
    EXPECT_THAT(host.violations, IsEmpty());
}

TEST_F(DocumentLookup, FacesGoWithTheirVerticesAndFollowCompacting) {
    Object &object = document.AddObject("o");
    for (int i = 0; i < 6; ++i) object.AddVertex({static_cast<float>(i), 0, 0});
    object.AddFace({0, 1, 2});
    object.AddFace({2, 3, 4, 5});
    object.AddFace({0, 4, 5});
    object.DeleteVertex(1);
    ASSERT_EQ(object.faces().size(), 2u);
    EXPECT_THAT(object.faces()[0], ElementsAre(2, 3, 4, 5));
    EXPECT_THAT(object.faces()[1], ElementsAre(0, 4, 5));
    std::vector<int> refs;
    for (const simhost::Vertex &vertex : object.vertices()) refs.push_back(vertex.refCount);
    EXPECT_THAT(refs, ElementsAre(1, 0, 1, 1, 2, 2)) << "the face that went took its corners' counts";
    object.Compact();
    std::vector<std::vector<int>> faces;
    for (const auto face : object.faces()) faces.emplace_back(face.begin(), face.end());
    EXPECT_THAT(faces, ElementsAre(ElementsAre(1, 2, 3, 4), ElementsAre(0, 3, 4)));
    EXPECT_EQ(MQObj_GetVertexRefCount(Host::Handle(&object), 3), 2);
}

}  // namespace
