#include "simhost/host/document_model.h"

#include <algorithm>
#include <bit>

namespace simhost {

void Object::Reserve(size_t vertices, size_t faces, size_t corners) {
    vertices_.reserve(vertices);
    positions_.reserve(vertices);
    indexByID_.reserve(indexByID_.size() + vertices);
    faceStarts_.reserve(faceStarts_.size() + faces);
    corners_.reserve(corners_.size() + corners);
}

int Object::AddVertex(MQPoint position) {
    Vertex vertex;
    vertex.uniqueID = static_cast<int>(indexByID_.size());
    vertices_.push_back(vertex);
    positions_.push_back(position);
    const int index = VertexCount() - 1;
    indexByID_.push_back(index);
    return index;
}

void Object::AddFace(std::span<const int> corners) {
    for (int corner : corners) ++vertex(corner).refCount;
    corners_.insert(corners_.end(), corners.begin(), corners.end());
    faceStarts_.push_back(static_cast<int>(corners_.size()));
    CornerRefs &refs = extras_.faceRefs;
    if (!refs.textures.empty()) refs.textures.resize(corners_.size(), -1);
    if (!refs.normals.empty()) refs.normals.resize(corners_.size(), -1);
    if (!extras_.faceGroups.empty()) extras_.faceGroups.push_back(extras_.LastGroup());
    ++topologyVersion_;
}

void Object::DeleteVertex(int index) {
    Vertex &gone = vertex(index);
    if (gone.deleted) return;
    // The faces that stay move down in place, their order kept, and with them what runs in
    // step with their corners and with them.
    CornerRefs &refs = extras_.faceRefs;
    std::vector<int> &groups = extras_.faceGroups;
    const auto moveDown = [](std::vector<int> &inStep, size_t from, size_t to, size_t at) {
        if (!inStep.empty() && at != from) {
            std::copy(inStep.begin() + static_cast<std::ptrdiff_t>(from),
                      inStep.begin() + static_cast<std::ptrdiff_t>(to),
                      inStep.begin() + static_cast<std::ptrdiff_t>(at));
        }
    };
    size_t kept = 0, faces = 0, begin = 0;
    for (size_t face = 1; face < faceStarts_.size(); ++face) {
        const auto end = static_cast<size_t>(faceStarts_[face]);
        const auto first = corners_.begin() + static_cast<std::ptrdiff_t>(begin);
        const auto last = corners_.begin() + static_cast<std::ptrdiff_t>(end);
        if (std::find(first, last, index) != last) {
            for (auto corner = first; corner != last; ++corner) --vertex(*corner).refCount;
        } else {
            moveDown(corners_, begin, end, kept);
            moveDown(refs.textures, begin, end, kept);
            moveDown(refs.normals, begin, end, kept);
            moveDown(groups, face - 1, face, faces);
            kept += end - begin;
            faceStarts_[++faces] = static_cast<int>(kept);
        }
        begin = end;
    }
    faceStarts_.resize(faces + 1);
    corners_.resize(kept);
    if (!refs.textures.empty()) refs.textures.resize(kept);
    if (!refs.normals.empty()) refs.normals.resize(kept);
    if (!groups.empty()) groups.resize(faces);
    extras_.elements.DropVertex(index);
    ++topologyVersion_;
    indexByID_[static_cast<size_t>(gone.uniqueID)] = -1;
    gone = Vertex{};
    gone.deleted = true;
    position(index) = MQPoint{};
}

void Object::Compact() {
    std::vector<int> newIndex(vertices_.size(), -1);
    size_t kept = 0;
    for (size_t i = 0; i < vertices_.size(); ++i) {
        if (vertices_[i].deleted) continue;
        newIndex[i] = static_cast<int>(kept);
        positions_[kept] = positions_[i];
        vertices_[kept++] = vertices_[i];
    }
    vertices_.resize(kept);
    positions_.resize(kept);
    for (int &corner : corners_) corner = newIndex[static_cast<size_t>(corner)];
    extras_.elements.Renumber(newIndex);
    ++topologyVersion_;
    for (int i = 0; i < VertexCount(); ++i) indexByID_[static_cast<size_t>(vertex(i).uniqueID)] = i;
}

int Object::IntValue(int code) const {
    if (code == stelmarin::kObjectUniqueID) return uniqueID_;
    if (code == stelmarin::kObjectExempt) return exempt ? 1 : 0;
    return 0;
}

bool Object::RecordMove(int index) {
    const Vertex &target = vertex(index);
    const auto id = static_cast<size_t>(target.uniqueID);
    if (id / 64 >= written_.size()) written_.resize(indexByID_.size() / 64 + 1);
    uint64_t &word = written_[id / 64];
    const uint64_t bit = uint64_t{1} << (id % 64);
    if ((word & bit) != 0) return false;
    word |= bit;
    if (!writes_.empty() && writes_.back().uniqueID > target.uniqueID) writesSorted_ = false;
    writes_.push_back({target.uniqueID, position(index)});
    return writes_.size() == 1;
}

const std::vector<Object::Write> &Object::WritesByID() const {
    // A draw writes each object's pins in rising ID, slot by slot; only a vertex held by
    // more than one slot, or a plug-in that writes in its own order, leaves work here.
    if (!writesSorted_) {
        std::sort(writes_.begin(), writes_.end(),
                  [](const Write &a, const Write &b) { return a.uniqueID < b.uniqueID; });
        writesSorted_ = true;
    }
    return writes_;
}

void Object::ClearWrites() {
    for (const Write &write : writes_) written_[static_cast<size_t>(write.uniqueID) / 64] = 0;
    // A draw that moved much is rare, after a tool; the record's room goes with it.
    writes_ = std::vector<Write>();
    writesSorted_ = true;
}

size_t Object::MemoryBytes() const {
    return vertices_.capacity() * sizeof(Vertex) + positions_.capacity() * sizeof(MQPoint) +
           indexByID_.capacity() * sizeof(int) + faceStarts_.capacity() * sizeof(int) +
           corners_.capacity() * sizeof(int) + written_.capacity() * sizeof(uint64_t) +
           writes_.capacity() * sizeof(Write) + extras_.MemoryBytes();
}

void AddressIndex::Set(const void *address, int value) {
    if (Find(address) == -1 && 2 * (used_ + 1) > slots_.size()) Grow();
    size_t at = Home(address);
    while (slots_[at].address != nullptr && slots_[at].address != address) at = (at + 1) & (slots_.size() - 1);
    if (slots_[at].address == nullptr) ++used_;
    slots_[at] = {address, value};
}

void AddressIndex::Grow() {
    std::vector<Slot> old(slots_.empty() ? 8 : 2 * slots_.size());
    old.swap(slots_);
    bits_ = std::countr_zero(slots_.size());
    used_ = 0;
    for (const Slot &slot : old) {
        if (slot.address != nullptr) Set(slot.address, slot.value);
    }
}

Object &Document::AddObject(const std::string &name) {
    const int uniqueID = static_cast<int>(indexByID_.size());
    objects_.push_back(std::make_unique<Object>(name, uniqueID));
    currentObject = ObjectCount() - 1;
    indexByID_.push_back(currentObject);
    indexByAddress_.Set(objects_.back().get(), currentObject);
    lastAsked_ = {};
    return *objects_.back();
}

void Document::DeleteObject(int index) {
    Object *object = ObjectAt(index);
    if (object == nullptr) return;
    indexByID_[static_cast<size_t>(object->uniqueID())] = -1;
    indexByAddress_.Set(object, -1);
    lastAsked_ = {};
    retired_.push_back(std::move(objects_[static_cast<size_t>(index)]));
    if (currentObject == index) currentObject = -1;
}

Object *Document::ObjectAt(int index) const {
    if (index < 0 || index >= ObjectCount()) return nullptr;
    return objects_[static_cast<size_t>(index)].get();
}

Object *Document::ObjectFromUniqueID(int uniqueID) const {
    const auto id = static_cast<size_t>(static_cast<unsigned>(uniqueID));
    return id < indexByID_.size() ? ObjectAt(indexByID_[id]) : nullptr;
}

Object *Document::FindByName(const std::string &name) const {
    for (const auto &object : objects_) {
        if (object && object->name() == name) return object.get();
    }
    return nullptr;
}

}  // namespace simhost
