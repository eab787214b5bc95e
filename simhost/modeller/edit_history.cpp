#include "simhost/modeller/edit_history.h"

#include <cstring>

namespace simhost {

namespace {

// Positions compared by their bits: a step puts back exactly what was there, a NaN or a
// negative zero included.
bool SameBits(const MQPoint &a, const MQPoint &b) { return std::memcmp(&a, &b, sizeof(MQPoint)) == 0; }

template <class T>
size_t BytesOf(const std::vector<T> &values) {
    return values.capacity() * sizeof(T);
}

}  // namespace

bool EditStep::Empty() const {
    for (const ObjectChange &change : objects) {
        if (!change.Empty()) return false;
    }
    return true;
}

size_t EditStep::Bytes() const {
    size_t bytes = sizeof(EditStep) + what.capacity();
    for (const ObjectChange &change : objects) {
        bytes += sizeof(ObjectChange) + BytesOf(change.moved) + BytesOf(change.before) + BytesOf(change.after) +
                 BytesOf(change.reselected) + BytesOf(change.selectedAfter);
    }
    return bytes;
}

size_t EditStep::MovedCount() const {
    size_t count = 0;
    for (const ObjectChange &change : objects) count += change.moved.size();
    return count;
}

// ---- the state a step starts from ----

DocumentState::DocumentState(const Document &document) : document_(&document) {
    for (int index = 0; index < document.ObjectCount(); ++index) {
        const Object *object = document.ObjectAt(index);
        if (object == nullptr) continue;
        Kept kept{object->uniqueID(),
                  object->topologyVersion(),
                  object->visible,
                  object->exempt,
                  std::vector<MQPoint>(object->positions().begin(), object->positions().end()),
                  std::vector<char>(object->vertices().size())};
        for (size_t i = 0; i < kept.selected.size(); ++i) kept.selected[i] = object->vertices()[i].selected ? 1 : 0;
        objects_.push_back(std::move(kept));
    }
}

bool DocumentState::StepTo(const Document &now, std::string what, EditStep &step) const {
    step = EditStep{std::move(what), {}};
    if (&now != document_) return false;
    size_t live = 0;
    for (int index = 0; index < now.ObjectCount(); ++index) live += now.ObjectAt(index) != nullptr ? 1 : 0;
    if (live != objects_.size()) return false;
    for (const Kept &kept : objects_) {
        const Object *object = now.ObjectFromUniqueID(kept.objectID);
        if (object == nullptr || object->topologyVersion() != kept.topologyVersion ||
            object->vertices().size() != kept.positions.size()) {
            return false;
        }
        ObjectChange change;
        change.objectID = kept.objectID;
        change.topologyVersion = kept.topologyVersion;
        change.vertexCount = object->VertexCount();
        const std::span<const MQPoint> positions = object->positions();
        const std::vector<Vertex> &vertices = object->vertices();
        // Counted first, so that each list is made once at its size: a tool on a million
        // vertices moves them all, and lists grown one by one would be copied over and over.
        size_t moved = 0, reselected = 0;
        for (size_t i = 0; i < positions.size(); ++i) {
            moved += SameBits(positions[i], kept.positions[i]) ? 0 : 1;
            reselected += (vertices[i].selected ? 1 : 0) != kept.selected[i] ? 1 : 0;
        }
        change.moved.reserve(moved);
        change.before.reserve(moved);
        change.after.reserve(moved);
        change.reselected.reserve(reselected);
        change.selectedAfter.reserve(reselected);
        for (size_t i = 0; i < positions.size(); ++i) {
            if (!SameBits(positions[i], kept.positions[i])) {
                change.moved.push_back(static_cast<int>(i));
                change.before.push_back(kept.positions[i]);
                change.after.push_back(positions[i]);
            }
            const char selected = vertices[i].selected ? 1 : 0;
            if (selected != kept.selected[i]) {
                change.reselected.push_back(static_cast<int>(i));
                change.selectedAfter.push_back(selected);
            }
        }
        change.visibleBefore = kept.visible;
        change.visibleAfter = object->visible;
        change.exemptBefore = kept.exempt;
        change.exemptAfter = object->exempt;
        if (change.Empty()) continue;
        step.objects.push_back(std::move(change));
    }
    return true;
}

// ---- the history ----

bool EditHistory::Record(const Document &document, EditStep step) {
    if (step.Empty()) return true;
    if (document_ != &document) Clear();
    document_ = &document;
    while (steps_.size() > done_) {
        bytes_ -= steps_.back().Bytes();
        steps_.pop_back();
    }
    const size_t bytes = step.Bytes();
    if (bytes > budget_.bytes) {
        Clear();
        return false;
    }
    steps_.push_back(std::move(step));
    bytes_ += bytes;
    while (steps_.size() > budget_.steps || bytes_ > budget_.bytes) {
        bytes_ -= steps_.front().Bytes();
        steps_.pop_front();
    }
    done_ = steps_.size();
    return true;
}

void EditHistory::Clear() {
    steps_.clear();
    done_ = 0;
    bytes_ = 0;
    document_ = nullptr;
}

size_t EditHistory::UndoCount(const Document &document) const { return &document == document_ ? done_ : 0; }

size_t EditHistory::RedoCount(const Document &document) const {
    return &document == document_ ? steps_.size() - done_ : 0;
}

void EditHistory::CheckFits(const Document &document, const EditStep &step) {
    for (const ObjectChange &change : step.objects) {
        const Object *object = document.ObjectFromUniqueID(change.objectID);
        if (object == nullptr || object->topologyVersion() != change.topologyVersion ||
            object->VertexCount() != change.vertexCount) {
            Clear();
            throw HistoryError(
                "the document changed in a way the history cannot follow (an object or vertex came "
                "or went); the history has ended");
        }
    }
}

const EditStep &EditHistory::Undo(Document &document) {
    if (UndoCount(document) == 0) throw std::logic_error("nothing to undo");
    const EditStep &step = steps_[done_ - 1];
    CheckFits(document, step);
    for (const ObjectChange &change : step.objects) {
        Object &object = *document.ObjectFromUniqueID(change.objectID);
        for (size_t i = 0; i < change.moved.size(); ++i) object.position(change.moved[i]) = change.before[i];
        for (size_t i = 0; i < change.reselected.size(); ++i) {
            object.vertex(change.reselected[i]).selected = change.selectedAfter[i] == 0;
        }
        object.visible = change.visibleBefore;
        object.exempt = change.exemptBefore;
    }
    --done_;
    return step;
}

const EditStep &EditHistory::Redo(Document &document) {
    if (RedoCount(document) == 0) throw std::logic_error("nothing to redo");
    const EditStep &step = steps_[done_];
    CheckFits(document, step);
    for (const ObjectChange &change : step.objects) {
        Object &object = *document.ObjectFromUniqueID(change.objectID);
        for (size_t i = 0; i < change.moved.size(); ++i) object.position(change.moved[i]) = change.after[i];
        for (size_t i = 0; i < change.reselected.size(); ++i) {
            object.vertex(change.reselected[i]).selected = change.selectedAfter[i] != 0;
        }
        object.visible = change.visibleAfter;
        object.exempt = change.exemptAfter;
    }
    ++done_;
    return step;
}

}  // namespace simhost
