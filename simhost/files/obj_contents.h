// What an OBJ file is made of, between reading its lines and adding its objects to the
// document: the reader fills Contents in the order of the file, and Assemble shares it out
// among the objects (the rules are in obj_mesh.h).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "simhost/host/document_model.h"

namespace simhost::obj {

enum class SectionKind { Leading, Object, Group };

// The kinds of thing a section holds, as indices of Section::first.
enum Part : size_t { kVertices, kTextures, kNormals, kFaces, kElements, kParts };

// An "o" or "g" block, or what comes before the first; each holds what the file has from
// its first ones to the next block's, of each kind (Part).
struct Section {
    SectionKind kind;
    std::string name;
    std::array<size_t, kParts> first;
};

// Statements of one kind that the document does not keep: how many, and where the first
// stands.
struct Ignored {
    std::string one;   // what one of them is, e.g. "\"usemtl\" line"
    std::string many;  // and several
    size_t count = 0;
    int firstLine = 0;
    std::string firstText;  // for statements the reader does not know: the first's keyword
};

// What the document is made of, in the order of the file, every index counted from 0 in
// the file. Face i has the vertices corners[faceStart[i]] to just before
// corners[faceStart[i + 1]].
struct Contents {
    std::vector<Section> sections{{SectionKind::Leading, {}, {}}};
    std::vector<MQPoint> positions;
    // Three numbers each; Assemble keeps textureWidth of them, the most any line gave.
    std::vector<float> textures;
    int textureWidth = 0;
    std::vector<MQPoint> normals;
    std::vector<int> corners;
    std::vector<size_t> faceStart{0};
    CornerRefs faceRefs;
    ElementList elements;
    std::vector<Ignored> ignored;

    // How many the file has of each kind so far.
    std::array<size_t, kParts> Counts() const {
        return {positions.size(), textures.size() / 3, normals.size(), faceStart.size() - 1, elements.size()};
    }
};

// An object ready to go into the document, its faces numbering its own vertices.
struct PendingObject {
    std::string name;
    bool keepEmpty = false;
    std::vector<MQPoint> positions;
    std::vector<int> corners;
    std::vector<size_t> faceStart{0};
    MeshExtras extras;
};

// The objects of the file, in its order. Takes what it can out of `contents` rather than
// copying it.
std::vector<PendingObject> Assemble(const std::string &path, Contents &contents);

}  // namespace simhost::obj
