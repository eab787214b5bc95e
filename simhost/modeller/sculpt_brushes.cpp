#include "simhost/modeller/sculpt_brushes.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>
#include <span>

#include "simhost/modeller/modelling_tools.h"

namespace simhost {

namespace {

std::shared_ptr<const FacesAround> DeriveFacesAround(const Object &object) {
    auto around = std::make_shared<FacesAround>();
    around->topologyVersion = object.topologyVersion();
    std::vector<int> &offsets = around->offsets;
    offsets.assign(object.vertices().size() + 1, 0);
    const FaceList faces = object.faces();
    // A face that names a vertex twice lists it once among that vertex's faces.
    const auto firstTime = [](std::span<const int> face, size_t corner) {
        return std::find(face.begin(), face.begin() + static_cast<std::ptrdiff_t>(corner), face[corner]) ==
               face.begin() + static_cast<std::ptrdiff_t>(corner);
    };
    for (const auto &face : faces) {
        for (size_t c = 0; c < face.size(); ++c) {
            if (firstTime(face, c)) ++offsets[static_cast<size_t>(face[c]) + 1];
        }
    }
    std::partial_sum(offsets.begin(), offsets.end(), offsets.begin());
    around->faces.resize(static_cast<size_t>(offsets.back()));
    std::vector<int> end(offsets.begin(), offsets.end() - 1);
    for (size_t f = 0; f < faces.size(); ++f) {
        const std::span<const int> face = faces[f];
        for (size_t c = 0; c < face.size(); ++c) {
            if (firstTime(face, c))
                around->faces[static_cast<size_t>(end[static_cast<size_t>(face[c])]++)] = static_cast<int>(f);
        }
    }
    return around;
}

// Adds the normal of a face by Newell's method, twice as long as the face's area: a bent
// polygon gets the normal of its best plane, and the faces around a vertex count by their
// area.
void AddFaceNormal(const Object &object, std::span<const int> face, double normal[3]) {
    for (size_t c = 0; c < face.size(); ++c) {
        const MQPoint &a = object.position(face[c]);
        const MQPoint &b = object.position(face[(c + 1) % face.size()]);
        normal[0] += (static_cast<double>(a.y) - b.y) * (static_cast<double>(a.z) + b.z);
        normal[1] += (static_cast<double>(a.z) - b.z) * (static_cast<double>(a.x) + b.x);
        normal[2] += (static_cast<double>(a.x) - b.x) * (static_cast<double>(a.y) + b.y);
    }
}

MQPoint Offset(const MQPoint &p, double x, double y, double z) {
    return {static_cast<float>(p.x + x), static_cast<float>(p.y + y), static_cast<float>(p.z + z)};
}

}  // namespace

double BrushFalloff(double distance, double radius) {
    if (!(distance < radius)) return 0.0;
    const double share = distance / radius;
    const double rest = 1.0 - share * share;
    return rest * rest;
}

const FacesAround &FacesAroundOf(const Object &object) {
    if (!object.facesAround || object.facesAround->topologyVersion != object.topologyVersion()) {
        object.facesAround.reset();
        object.facesAround = DeriveFacesAround(object);
    }
    return *object.facesAround;
}

void BrushStroke::Gather(const Object &object, const BrushSample &sample, std::vector<int> &indices,
                         std::vector<double> &weights) const {
    // One pass over the positions, in order: at a million vertices it reads 12 MB once, a
    // few milliseconds, and needs nothing kept up to date as the stroke moves vertices.
    const double radius = sample.radius;
    const double reach = radius * radius;
    const std::span<const MQPoint> positions = object.positions();
    const std::vector<Vertex> &vertices = object.vertices();
    for (size_t i = 0; i < positions.size(); ++i) {
        const double dx = static_cast<double>(positions[i].x) - sample.centre.x;
        const double dy = static_cast<double>(positions[i].y) - sample.centre.y;
        const double dz = static_cast<double>(positions[i].z) - sample.centre.z;
        const double squared = dx * dx + dy * dy + dz * dz;
        if (!(squared < reach) || vertices[i].deleted) continue;
        indices.push_back(static_cast<int>(i));
        weights.push_back(BrushFalloff(std::sqrt(squared), radius));
    }
}

void BrushStroke::Touch(const Object &object, int index) {
    int &slot = slot_[static_cast<size_t>(index)];
    if (slot >= 0) return;
    slot = static_cast<int>(touched_.size());
    touched_.push_back(index);
    before_.push_back(object.position(index));
}

size_t BrushStroke::Apply(const Document &document, Object &object, const BrushSample &sample) {
    if (samples_ == 0) {
        document_ = &document;
        objectID_ = object.uniqueID();
        topologyVersion_ = object.topologyVersion();
        vertexCount_ = object.VertexCount();
        slot_.assign(object.vertices().size(), -1);
    } else if (document_ != &document || objectID_ != object.uniqueID()) {
        throw StrokeError("this stroke works on another object, the one current when it began at " + began_ +
                          "; end it with \"stroke end\" first");
    } else if (topologyVersion_ != object.topologyVersion() || vertexCount_ != object.VertexCount()) {
        throw StrokeError("the object's vertices changed during the stroke; end it with \"stroke end\"");
    }
    ++samples_;
    const double strength = sample.strength;
    std::vector<int> indices;
    std::vector<double> weights;
    if (sample.kind == BrushKind::Grab) {
        if (!grabbed_) {
            Gather(object, sample, held_, heldWeights_);
            grabbed_ = true;
        }
        for (size_t k = 0; k < held_.size(); ++k) {
            const int i = held_[k];
            const double share = strength * heldWeights_[k];
            Touch(object, i);
            object.position(i) =
                Offset(object.position(i), share * sample.drag.x, share * sample.drag.y, share * sample.drag.z);
        }
        return held_.size();
    }
    Gather(object, sample, indices, weights);
    // Every target is worked out from the positions before the sample, then all move.
    std::vector<MQPoint> moved(indices.size());
    if (sample.kind == BrushKind::Smooth) {
        const Adjacency &adjacency = AdjacencyOf(object);
        const size_t linked = adjacency.offsets.size() - 1;
        for (size_t k = 0; k < indices.size(); ++k) {
            const auto i = static_cast<size_t>(indices[k]);
            const MQPoint &p = object.position(indices[k]);
            moved[k] = p;
            if (i >= linked || adjacency.offsets[i] == adjacency.offsets[i + 1]) continue;
            // Summed in ascending neighbour order, as the smoothing tool sums, so that a
            // stroke gives the same mesh every time.
            double x = 0, y = 0, z = 0;
            const int first = adjacency.offsets[i];
            const int last = adjacency.offsets[i + 1];
            for (int n = first; n < last; ++n) {
                const MQPoint &q = object.position(adjacency.neighbours[static_cast<size_t>(n)]);
                x += q.x;
                y += q.y;
                z += q.z;
            }
            const double share = 1.0 / static_cast<double>(last - first);
            const double pull = strength * weights[k];
            moved[k] = Offset(p, pull * (x * share - p.x), pull * (y * share - p.y), pull * (z * share - p.z));
        }
    } else {
        const FacesAround &around = FacesAroundOf(object);
        const FaceList faces = object.faces();
        const double reach = kInflateShare * sample.radius * strength;
        for (size_t k = 0; k < indices.size(); ++k) {
            const auto i = static_cast<size_t>(indices[k]);
            const MQPoint &p = object.position(indices[k]);
            moved[k] = p;
            if (i + 1 >= around.offsets.size()) continue;
            double normal[3] = {0, 0, 0};
            for (int f = around.offsets[i]; f < around.offsets[i + 1]; ++f) {
                AddFaceNormal(object, faces[static_cast<size_t>(around.faces[static_cast<size_t>(f)])], normal);
            }
            const double length = std::sqrt(normal[0] * normal[0] + normal[1] * normal[1] + normal[2] * normal[2]);
            if (!(length > 0) || !std::isfinite(length)) continue;
            const double push = reach * weights[k] / length;
            moved[k] = Offset(p, push * normal[0], push * normal[1], push * normal[2]);
        }
    }
    for (size_t k = 0; k < indices.size(); ++k) {
        Touch(object, indices[k]);
        object.position(indices[k]) = moved[k];
    }
    return indices.size();
}

bool BrushStroke::Finish(const Document &document, std::string what, EditStep &step) const {
    step = EditStep{std::move(what), {}};
    if (samples_ == 0) return true;
    const Object *object = document.ObjectFromUniqueID(objectID_);
    if (document_ != &document || object == nullptr || object->topologyVersion() != topologyVersion_ ||
        object->VertexCount() != vertexCount_) {
        return false;
    }
    ObjectChange change;
    change.objectID = objectID_;
    change.topologyVersion = topologyVersion_;
    change.vertexCount = vertexCount_;
    change.visibleBefore = change.visibleAfter = object->visible;
    change.exemptBefore = change.exemptAfter = object->exempt;
    std::vector<size_t> order(touched_.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return touched_[a] < touched_[b]; });
    for (size_t k : order) {
        const MQPoint &now = object->position(touched_[k]);
        // A vertex the draws put back where it was is no change of the stroke's.
        if (std::memcmp(&now, &before_[k], sizeof(MQPoint)) == 0) continue;
        change.moved.push_back(touched_[k]);
        change.before.push_back(before_[k]);
        change.after.push_back(now);
    }
    if (!change.Empty()) step.objects.push_back(std::move(change));
    return true;
}

}  // namespace simhost
