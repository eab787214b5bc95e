// The stand-in host's document: objects with vertices, faces, selection and the values
// the plug-in reads. Unique IDs stay with objects and vertices while indices change.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/host_abi.h"

namespace simhost {

inline constexpr int kExemptValue = 259;    // non-zero: the object is left alone by write-back
inline constexpr int kUniqueIDValue = 260;  // the object's unique ID

struct Adjacency;

struct Vertex {
    MQPoint position{};
    int uniqueID = 0;
    int refCount = 0;  // faces using the vertex; 0 for a hole left by a deleted vertex
    bool selected = false;
    bool deleted = false;
};

class Object {
public:
    Object(std::string name, int uniqueID) : name_(std::move(name)), uniqueID_(uniqueID) {}

    const std::string &name() const { return name_; }
    int uniqueID() const { return uniqueID_; }
    bool visible = true;
    bool exempt = false;

    int AddVertex(MQPoint position);
    // A face over existing vertex indices; raises their reference counts.
    void AddFace(const std::vector<int> &corners);
    // Removes the vertex and every face that uses it, leaving a hole at its index.
    void DeleteVertex(int index);
    // Closes the holes: vertices get new indices, keep their unique IDs.
    void Compact();

    int VertexCount() const { return static_cast<int>(vertices_.size()); }
    bool ValidIndex(int index) const { return index >= 0 && index < VertexCount(); }
    Vertex &vertex(int index) { return vertices_[static_cast<size_t>(index)]; }
    const Vertex &vertex(int index) const { return vertices_[static_cast<size_t>(index)]; }
    const std::vector<Vertex> &vertices() const { return vertices_; }
    const std::vector<std::vector<int>> &faces() const { return faces_; }
    // The vertex's present index, or -1 when no vertex in the object carries the ID.
    int IndexFromUniqueID(int uniqueID) const;
    int IntValue(int code) const;

    // Rises whenever faces come or go or vertices change index, so that what the tools
    // derive from the faces can be kept until then.
    uint64_t topologyVersion() const { return topologyVersion_; }
    // Kept here for the tools, which derive it from the faces (modelling_tools.h).
    mutable std::shared_ptr<const Adjacency> adjacency;

private:
    std::string name_;
    int uniqueID_;
    int nextVertexID_ = 1;
    std::vector<Vertex> vertices_;
    std::vector<std::vector<int>> faces_;
    std::unordered_map<int, int> indexByID_;
    uint64_t topologyVersion_ = 0;
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
    // The index of a live object, or -1.
    int IndexOf(const Object *object) const;
    // Whether `object` is a live object of this document; never dereferences it.
    bool Owns(const Object *object) const { return IndexOf(object) >= 0; }
    Object *FindByName(const std::string &name) const;

    int currentObject = -1;

private:
    int nextObjectID_ = 1;
    std::vector<std::unique_ptr<Object>> objects_;
    // Deleted objects stay allocated, so that a plug-in holding on to a stale handle is
    // caught instead of reaching a new object at the same address.
    std::vector<std::unique_ptr<Object>> retired_;
};

}  // namespace simhost
