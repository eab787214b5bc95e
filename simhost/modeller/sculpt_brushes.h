// Brushes on the surface, as a modeller's sculpting tools work: a stroke is a run of
// samples, each a brush at a point with the pointer's drag since the sample before; a
// brush moves the vertices within its radius, each by a weight that falls smoothly from 1
// at the centre to 0 at the rim. The stroke remembers where every vertex it moved was
// before it, so that the whole stroke is one step of the history.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "simhost/modeller/edit_history.h"

namespace simhost {

enum class BrushKind {
    Grab,     // moves the vertices it took at the stroke's first grab with the drag
    Smooth,   // moves each vertex towards the mean of its neighbours
    Inflate,  // pushes each vertex along its normal
};

struct BrushSample {
    BrushKind kind = BrushKind::Grab;
    MQPoint centre{};
    MQPoint drag{};
    float radius = 1.0f;    // > 0
    float strength = 1.0f;  // 0 to 1
};

// The weight of a vertex `distance` from the centre of a brush of `radius`: (1 - (d/r)²)²
// inside, 0 from the rim on.
double BrushFalloff(double distance, double radius);

// An inflate sample at full strength pushes the vertex under the centre this share of the
// radius along its normal.
inline constexpr double kInflateShare = 0.1;

// A sample that cannot go on with its stroke: the object is another, or its vertices
// changed under the stroke.
class StrokeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class BrushStroke {
public:
    // `began` names where the stroke began, for messages ("studio:12").
    explicit BrushStroke(std::string began) : began_(std::move(began)) {}

    const std::string &began() const { return began_; }
    int samples() const { return samples_; }

    // Applies one sample to `object` of `document`; the stroke's first sample ties it to
    // that object. Returns how many vertices the sample moved. A grab takes the vertices
    // under it, with their weights, at the stroke's first grab and moves just those for
    // the rest of the stroke; its later centres and radii are not used again.
    size_t Apply(const Document &document, Object &object, const BrushSample &sample);

    // The stroke as a step of the history: every vertex it moved, from where it was before
    // the stroke to where it is now. False when the document, the object or its vertices
    // changed under the stroke, so that no step can say what it did.
    bool Finish(const Document &document, std::string what, EditStep &step) const;

private:
    // Vertex `index` is about to move: where it is now is kept, the first time.
    void Touch(const Object &object, int index);
    // The vertices within the sample's radius, and their weights.
    void Gather(const Object &object, const BrushSample &sample, std::vector<int> &indices,
                std::vector<double> &weights) const;

    std::string began_;
    int samples_ = 0;
    const Document *document_ = nullptr;
    int objectID_ = 0;
    uint64_t topologyVersion_ = 0;
    int vertexCount_ = 0;
    std::vector<int> slot_;  // per vertex: its place among the touched ones, or -1
    std::vector<int> touched_;
    std::vector<MQPoint> before_;
    bool grabbed_ = false;
    std::vector<int> held_;
    std::vector<double> heldWeights_;
};

// Per vertex, the faces it is a corner of: vertex i's are faces[offsets[i]] up to
// faces[offsets[i + 1]], each once.
struct FacesAround {
    uint64_t topologyVersion = 0;
    std::vector<int> offsets;
    std::vector<int> faces;
};

// The object's faces around each vertex, derived on the first call after its faces change
// and kept with the object until they change again.
const FacesAround &FacesAroundOf(const Object &object);

}  // namespace simhost
