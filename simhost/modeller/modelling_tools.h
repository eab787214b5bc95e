// What a modeller's tools do to the vertices of an object between two draws: selecting,
// moving, scaling, jittering and smoothing them, and a flat grid to work on. Tests and
// sessions use these to play the user; deleting, hiding, exempting and compacting are the
// document's own (document_model.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "simhost/host/document_model.h"

namespace simhost {

// Which vertices of an object a tool works on.
enum class Scope { Selected, All };

void Select(Object &object, const std::vector<int> &indices);
void SelectAll(Object &object);
void ClearSelection(Object &object);
std::vector<int> SelectedIndices(const Object &object);

void Move(Object &object, MQPoint delta, Scope scope);
// Scales about `centre`, per axis.
void Scale(Object &object, MQPoint factor, MQPoint centre, Scope scope);
// Moves each vertex by a random offset within ±amplitude per axis; the same seed gives the
// same offsets.
void Jitter(Object &object, float amplitude, uint32_t seed, Scope scope);

// The vertices each vertex shares an edge with: vertex i's are neighbours[offsets[i]] up to
// neighbours[offsets[i + 1]], ascending, each once; a face that runs from a vertex to itself
// lists that vertex twice among its own. Vertices added since have none.
struct Adjacency {
    uint64_t topologyVersion = 0;
    std::vector<int> offsets;
    std::vector<int> neighbours;
};

// The object's adjacency, derived from its faces on the first call after they change and
// kept with the object until they change again.
const Adjacency &AdjacencyOf(const Object &object);

// Neighbour averaging, as a smoothing brush does: each pass moves every vertex in scope to
// the mean of the vertices it shares an edge with, all from the positions before the pass.
void Smooth(Object &object, int iterations, Scope scope);

// A flat grid of quads in the XY plane, `columns` by `rows` quads of `spacing`, centred on
// X = 0 and starting at Y = 0, at depth `z`. With an even number of columns its middle
// column of vertices lies exactly on X = 0.
Object &AddGrid(Document &document, const std::string &name, int columns, int rows, float spacing, float z = 0.0f);

}  // namespace simhost
