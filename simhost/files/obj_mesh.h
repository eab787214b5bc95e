// Wavefront OBJ meshes in and out of the stand-in host's document: one host object per
// "o" (or "g") block, vertices in file order, faces of any size, and with each object what
// its file gave beyond (MeshExtras), so that nothing of a mesh is lost on the way through.
//
// OBJ vertices are shared by the whole file, host vertices belong to one object. An object
// takes the vertices its faces, points and lines use, copied when those of other objects
// use them too, and those that none uses where they are defined; each keeps the order of
// the file. Texture coordinates and normals are shared out alike. So a file that defines
// every vertex first and its groups' faces after still splits cleanly, and a saved
// document comes back with the same vertices in the same objects. Groups split the file
// only when it has no "o" at all, and then stay groups when saved; inside an object they
// are its groups. What comes before the first block, or a file without blocks, is named
// after the file. A block that ends up with no vertices is left out unless it is an "o".
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "simhost/host/document_model.h"

namespace simhost {

// A file that cannot be read or is not valid OBJ; what() names the file and, where it
// applies, the line: "head.obj:12: face corner 9 is out of range (8 vertices so far)".
class MeshError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Adds the objects of the OBJ file to the document and returns their indices. Either
// every object of the file is added or, on a MeshError, the document is left exactly as
// it was. `warnings` gets a line for each kind of statement that was read but is not kept
// (materials, smoothing groups, curves, statements the reader does not know):
// 'warning: head.obj: 12 "usemtl" lines ignored (first on line 4)'.
std::vector<int> LoadObj(const std::string &path, Document &document, std::vector<std::string> *warnings = nullptr);

// Writes the document's live objects as OBJ, one "o" block each, or one "g" block each
// when every one came from a group; the hidden ones too. Holes left by deleted vertices
// are closed up in the file: face indices are renumbered.
// The file is replaced whole or not at all (MeshError when it cannot be written).
void SaveObj(const std::string &path, const Document &document);
// What SaveObj writes, as text.
std::string ObjText(const Document &document);

}  // namespace simhost
