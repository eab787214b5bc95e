#include "simhost/document_model.h"

#include <algorithm>

namespace simhost {

int Object::AddVertex(MQPoint position) {
    Vertex vertex;
    vertex.position = position;
    vertex.uniqueID = nextVertexID_++;
    vertices_.push_back(vertex);
    const int index = VertexCount() - 1;
    indexByID_[vertex.uniqueID] = index;
    return index;
}

void Object::AddFace(const std::vector<int> &corners) {
    for (int corner : corners) ++vertex(corner).refCount;
    faces_.push_back(corners);
    ++topologyVersion_;
}

void Object::DeleteVertex(int index) {
    Vertex &gone = vertex(index);
    if (gone.deleted) return;
    std::vector<std::vector<int>> kept;
    for (auto &face : faces_) {
        if (std::find(face.begin(), face.end(), index) == face.end()) {
            kept.push_back(std::move(face));
        } else {
            for (int corner : face) --vertex(corner).refCount;
        }
    }
    faces_ = std::move(kept);
    ++topologyVersion_;
    indexByID_.erase(gone.uniqueID);
    gone = Vertex{};
    gone.deleted = true;
}

void Object::Compact() {
    std::vector<int> newIndex(vertices_.size(), -1);
    std::vector<Vertex> kept;
    for (size_t i = 0; i < vertices_.size(); ++i) {
        if (vertices_[i].deleted) continue;
        newIndex[i] = static_cast<int>(kept.size());
        kept.push_back(vertices_[i]);
    }
    for (auto &face : faces_) {
        for (int &corner : face) corner = newIndex[static_cast<size_t>(corner)];
    }
    vertices_ = std::move(kept);
    ++topologyVersion_;
    indexByID_.clear();
    for (int i = 0; i < VertexCount(); ++i) indexByID_[vertex(i).uniqueID] = i;
}

int Object::IndexFromUniqueID(int uniqueID) const {
    auto found = indexByID_.find(uniqueID);
    return found == indexByID_.end() ? -1 : found->second;
}

int Object::IntValue(int code) const {
    if (code == kUniqueIDValue) return uniqueID_;
    if (code == kExemptValue) return exempt ? 1 : 0;
    return 0;
}

Object &Document::AddObject(const std::string &name) {
    objects_.push_back(std::make_unique<Object>(name, nextObjectID_++));
    currentObject = ObjectCount() - 1;
    return *objects_.back();
}

void Document::DeleteObject(int index) {
    if (ObjectAt(index) == nullptr) return;
    retired_.push_back(std::move(objects_[static_cast<size_t>(index)]));
    if (currentObject == index) currentObject = -1;
}

Object *Document::ObjectAt(int index) const {
    if (index < 0 || index >= ObjectCount()) return nullptr;
    return objects_[static_cast<size_t>(index)].get();
}

Object *Document::ObjectFromUniqueID(int uniqueID) const {
    for (const auto &object : objects_) {
        if (object && object->uniqueID() == uniqueID) return object.get();
    }
    return nullptr;
}

int Document::IndexOf(const Object *object) const {
    if (object == nullptr) return -1;
    for (int i = 0; i < ObjectCount(); ++i) {
        if (objects_[static_cast<size_t>(i)].get() == object) return i;
    }
    return -1;
}

Object *Document::FindByName(const std::string &name) const {
    for (const auto &object : objects_) {
        if (object && object->name() == name) return object.get();
    }
    return nullptr;
}

}  // namespace simhost
