// What an OBJ file is made of, between reading its lines and adding its objects to the
// document: the reader fills Contents in the order of the file, and Assemble shares its
// vertices out among the objects (the rules are in obj_mesh.h).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "simhost/host/document_model.h"

namespace simhost::obj {

enum class SectionKind { Leading, Object, Group };

// An "o" or "g" block, or what comes before the first; each holds the vertices and faces
// from its first ones to the next block's.
struct Section {
    SectionKind kind;
    std::string name;
    size_t firstVertex;
    size_t firstFace;
};

// What the document is made of, in the order of the file. Face i has the vertices
// corners[faceStart[i]] to just before corners[faceStart[i + 1]], counted from 0.
struct Contents {
    std::vector<Section> sections{{SectionKind::Leading, {}, 0, 0}};
    std::vector<MQPoint> positions;
    std::vector<int> corners;
    std::vector<size_t> faceStart{0};
};

// An object ready to go into the document, its faces numbering its own vertices.
struct PendingObject {
    std::string name;
    bool keepEmpty = false;
    std::vector<MQPoint> positions;
    std::vector<int> corners;
    std::vector<size_t> faceStart{0};
};

// The objects of the file, in its order. Takes what it can out of `contents` rather than
// copying it.
std::vector<PendingObject> Assemble(const std::string &path, Contents &contents);

}  // namespace simhost::obj
