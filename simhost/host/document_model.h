// The stand-in host's document: objects with vertices, faces, selection and the values
// the plug-in reads. Unique IDs stay with objects and vertices while indices change.
//
// A modeller's meshes run to millions of vertices, so every look-up a plug-in's call needs
// is a table read: unique IDs are handed out in rising order, one object or vertex at a
// time, and index a flat table each; faces are one array of corners. Vertices are only
// ever added at the end or closed up in order, so an object's vertices stand in rising
// unique ID. An object's positions are an array of their own, beside the rest of each
// vertex, so that a run of them is one block of memory, to be compared or copied whole.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "host/contract_codes.h"
#include "host/host_abi.h"
#include "simhost/host/mesh_extras.h"

namespace simhost {

struct Adjacency;
struct FacesAround;

// Whether a vertex at `a` stands where one at `b` does: each coordinate equal as a number,
// so that -0 stands where +0 does, or else the same bits, so that a NaN written back exactly
// as it was read counts as written back; a NaN of other bits is elsewhere. The host judges
// writes and draws by this alone, so that wherever two runs of positions agree byte for
// byte, one block comparison settles them.
inline bool SameCoordinate(float a, float b) {
    return a == b || std::bit_cast<uint32_t>(a) == std::bit_cast<uint32_t>(b);
}
inline bool SamePlace(const MQPoint &a, const MQPoint &b) {
    return SameCoordinate(a.x, b.x) && SameCoordinate(a.y, b.y) && SameCoordinate(a.z, b.z);
}

// A vertex apart from its position, which the object keeps in its own array.
struct Vertex {
    int uniqueID = 0;
    int refCount = 0;  // faces using the vertex; 0 for a hole left by a deleted vertex
    bool selected = false;
    bool deleted = false;
};

// An object's faces, each the span of its corners' vertex indices.
class FaceList {
public:
    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::span<const int>;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::span<const int>;

        iterator() = default;
        iterator(const int *start, const int *corners) : start_(start), corners_(corners) {}
        std::span<const int> operator*() const {
            return {corners_ + start_[0], static_cast<size_t>(start_[1] - start_[0])};
        }
        iterator &operator++() {
            ++start_;
            return *this;
        }
        iterator operator++(int) {
            iterator was = *this;
            ++start_;
            return was;
        }
        friend bool operator==(const iterator &a, const iterator &b) { return a.start_ == b.start_; }

    private:
        const int *start_ = nullptr;
        const int *corners_ = nullptr;
    };

    FaceList(const std::vector<int> &starts, const std::vector<int> &corners) : starts_(starts), corners_(corners) {}
    size_t size() const { return starts_.size() - 1; }
    bool empty() const { return size() == 0; }
    std::span<const int> operator[](size_t face) const { return *iterator(starts_.data() + face, corners_.data()); }
    iterator begin() const { return {starts_.data(), corners_.data()}; }
    iterator end() const { return {starts_.data() + size(), corners_.data()}; }

private:
    const std::vector<int> &starts_;
    const std::vector<int> &corners_;
};

class Object {
public:
    Object(std::string name, int uniqueID) : name_(std::move(name)), uniqueID_(uniqueID) {}

    const std::string &name() const { return name_; }
    int uniqueID() const { return uniqueID_; }
    bool visible = true;
    bool exempt = false;

    // Room for this many vertices, faces and corners in all, so that a mesh of known size
    // is built without slack.
    void Reserve(size_t vertices, size_t faces, size_t corners);
    int AddVertex(MQPoint position);
    // A face over existing vertex indices; raises their reference counts. Its corners name
    // no texture coordinate or normal, and it joins the object's last group.
    void AddFace(std::span<const int> corners);
    void AddFace(std::initializer_list<int> corners) { AddFace(std::span(corners.begin(), corners.size())); }
    // Removes the vertex and every face that uses it, leaving a hole at its index; the
    // elements on it lose it (MeshExtras).
    void DeleteVertex(int index);
    // Closes the holes: vertices get new indices, keep their unique IDs.
    void Compact();

    int VertexCount() const { return static_cast<int>(vertices_.size()); }
    bool ValidIndex(int index) const { return index >= 0 && index < VertexCount(); }
    Vertex &vertex(int index) { return vertices_[static_cast<size_t>(index)]; }
    const Vertex &vertex(int index) const { return vertices_[static_cast<size_t>(index)]; }
    const std::vector<Vertex> &vertices() const { return vertices_; }
    MQPoint &position(int index) { return positions_[static_cast<size_t>(index)]; }
    const MQPoint &position(int index) const { return positions_[static_cast<size_t>(index)]; }
    // Every vertex's position by index, deleted ones included.
    std::span<const MQPoint> positions() const { return positions_; }
    FaceList faces() const { return {faceStarts_, corners_}; }
    // What the object's mesh file gave it beyond positions and faces. Whoever fills it
    // keeps what runs in step with the faces in step; from then on the object does.
    MeshExtras &extras() { return extras_; }
    const MeshExtras &extras() const { return extras_; }
    // The vertex's present index, or -1 when no vertex in the object carries the ID.
    int IndexFromUniqueID(int uniqueID) const {
        const auto id = static_cast<size_t>(static_cast<unsigned>(uniqueID));
        return id < indexByID_.size() ? indexByID_[id] : -1;
    }
    // The table IndexFromUniqueID reads, for reading many IDs in a row.
    std::span<const int> indicesByID() const { return indexByID_; }
    int IntValue(int code) const;

    // The host's record of the writes a draw makes, so that it can tell what the draw did
    // without a copy of every vertex taken beforehand: each vertex that a write moved since
    // the record was cleared, once, with where it was before. A write that leaves a vertex
    // where it is, as a draw's usually does, leaves the record as it is.
    struct Write {
        int uniqueID;
        MQPoint was;
    };
    // Vertex `index` is about to be written at `to`. Returns whether this began the
    // object's record.
    bool RecordWrite(int index, const MQPoint &to) { return !SamePlace(position(index), to) && RecordMove(index); }
    // The record in rising unique ID.
    const std::vector<Write> &WritesByID() const;
    bool HasWrites() const { return !writes_.empty(); }
    void ClearWrites();

    // The bytes the object holds for its vertices, faces and tables.
    size_t MemoryBytes() const;

    // Rises whenever faces come or go or vertices change index, so that what the tools
    // derive from the faces can be kept until then.
    uint64_t topologyVersion() const { return topologyVersion_; }
    // Kept here for the tools, which derive it from the faces (modelling_tools.h).
    mutable std::shared_ptr<const Adjacency> adjacency;
    // Kept here for the brushes, which derive it from the faces (sculpt_brushes.h).
    mutable std::shared_ptr<const FacesAround> facesAround;

private:
    bool RecordMove(int index);

    std::string name_;
    int uniqueID_;
    std::vector<Vertex> vertices_;
    std::vector<MQPoint> positions_;  // in step with vertices_
    // Vertex unique ID -> present index, -1 once deleted. IDs start at 1; 0 names none.
    std::vector<int> indexByID_{-1};
    // Face f's corners are corners_[faceStarts_[f]] up to corners_[faceStarts_[f + 1]].
    std::vector<int> faceStarts_{0};
    std::vector<int> corners_;
    MeshExtras extras_;
    // One bit per vertex unique ID: on the record.
    std::vector<uint64_t> written_;
    mutable std::vector<Write> writes_;
    mutable bool writesSorted_ = true;
    uint64_t topologyVersion_ = 0;
};

// Live objects by address, for telling a handle the document gave out from a stale or
// made-up one without reading through it. Open addressing over a power-of-two table; an
// address once entered stays, with -1 for an object that has left, since no other object
// can take it while the document keeps every deleted one.
class AddressIndex {
public:
    void Set(const void *address, int value);
    int Find(const void *address) const {
        if (slots_.empty()) return -1;
        for (size_t at = Home(address);; at = (at + 1) & (slots_.size() - 1)) {
            if (slots_[at].address == address) return slots_[at].value;
            if (slots_[at].address == nullptr) return -1;
        }
    }

private:
    struct Slot {
        const void *address = nullptr;
        int value = -1;
    };
    size_t Home(const void *address) const {
        const uint64_t key = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(address));
        return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> (64 - bits_));
    }
    void Grow();

    std::vector<Slot> slots_;
    size_t used_ = 0;
    int bits_ = 0;
};

class Document {
public:
    // Adds an object at the end of the list and makes it current.
    Object &AddObject(const std::string &name);
    // Leaves an empty place at the object's index.
    void DeleteObject(int index);

    int ObjectCount() const { return static_cast<int>(objects_.size()); }
    // Null for an empty place or an index out of range.
    Object *ObjectAt(int index) const;
    Object *ObjectFromUniqueID(int uniqueID) const;
    // The index of a live object, or -1. A plug-in asks about one object many times in a
    // row, so the last answer is kept until an object comes or goes.
    int IndexOf(const Object *object) const {
        if (object == nullptr) return -1;
        if (object != lastAsked_.object) lastAsked_ = {object, indexByAddress_.Find(object)};
        return lastAsked_.index;
    }
    // Whether `object` is a live object of this document; never dereferences it.
    bool Owns(const Object *object) const { return IndexOf(object) >= 0; }
    Object *FindByName(const std::string &name) const;

    int currentObject = -1;

private:
    std::vector<std::unique_ptr<Object>> objects_;
    // Object unique ID -> index, -1 once deleted; IDs start at 1.
    std::vector<int> indexByID_{-1};
    AddressIndex indexByAddress_;
    struct Answer {
        const Object *object = nullptr;
        int index = -1;
    };
    mutable Answer lastAsked_;
    // Deleted objects stay allocated, so that a plug-in holding on to a stale handle is
    // caught instead of reaching a new object at the same address.
    std::vector<std::unique_ptr<Object>> retired_;
};

}  // namespace simhost
