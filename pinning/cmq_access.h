// Thin value wrappers over the host's document, objects and vertices. Each operation is
// one or two host calls; nothing is cached and nothing on the host side is owned. Host
// handles held here never outlive the event or callback that produced them.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <utility>

#include "host/contract_codes.h"
#include "host/host_abi.h"
#include "host/host_functions.h"

namespace cmq {

using stelmarin::host::Host;

class CMQObject;
struct CMQVertex;
class CMQVertexIterator;

// A document handle, as the host passed it with an event or widget callback.
class CMQDocument {
public:
    explicit CMQDocument(MQDocument doc) : doc_(doc) {}

    MQDocument handle() const { return doc_; }
    int ObjectCount() const;
    // The current object; the host's index is passed on unchecked, also when negative.
    CMQObject GetCurrentObject() const;
    // The object at `index`; its handle is null for an empty place.
    CMQObject GetObject(int index) const;
    // The object carrying `uniqueID`; its handle is null when there is none.
    CMQObject GetObjectFromUniqueID(int uniqueID) const;

private:
    MQDocument doc_;
};

// An object handle with the document it came from. Copying or destroying it never
// touches the host object.
class CMQObject {
public:
    CMQObject(MQObject object, MQDocument doc) : object_(object), doc_(doc) {}
    CMQObject(const CMQObject &) = default;
    CMQObject &operator=(const CMQObject &) = default;
    virtual ~CMQObject();

    MQObject handle() const { return object_; }
    MQDocument document() const { return doc_; }

    // Both handles set and the object still in its document.
    bool IsValid() const;
    // Single host calls, inline: the draw pass makes them for every pinned vertex.
    bool IsVisible() const { return Host().MQObj_GetVisible(object_) != 0; }
    int UniqueID() const { return Host().MQObj_GetIntValue(object_, stelmarin::kObjectUniqueID); }
    bool IsExempt() const { return Host().MQObj_GetIntValue(object_, stelmarin::kObjectExempt) != 0; }
    int VertexCount() const { return Host().MQObj_GetVertexCount(object_); }
    int VertexRefCount(int index) const { return Host().MQObj_GetVertexRefCount(object_, index); }
    int VertexUniqueID(int index) const { return Host().MQObj_GetVertexUniqueID(object_, index); }
    // The vertex's present index, or -1 when it is gone.
    int VertexIndexFromUniqueID(int uniqueID) const {
        return Host().MQObj_GetVertexIndexFromUniqueID(object_, uniqueID);
    }
    MQPoint GetVertex(int index) const {
        MQPoint position{};
        Host().MQObj_GetVertex(object_, index, &position);
        return position;
    }
    void SetVertex(int index, MQPoint position) const { Host().MQObj_SetVertex(object_, index, &position); }

    // The vertices in use, in increasing index; the end is re-read on every comparison.
    // The walk's steps are inline, like the single calls above: captures take them for
    // every vertex of an object.
    CMQVertexIterator begin();
    inline CMQVertexIterator end();

private:
    MQObject object_;
    MQDocument doc_;
};

// A snapshot of one vertex, always made on the heap and held through a shared handle.
// `object` is not owned and must outlive the record.
struct CMQVertex {
    int index = -1;
    CMQObject *object = nullptr;
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    CMQVertex(int vertexIndex, CMQObject *owner, MQPoint position)
        : index(vertexIndex), object(owner), x(position.x), y(position.y), z(position.z) {}
    ~CMQVertex();
    CMQVertex(const CMQVertex &) = delete;
    CMQVertex &operator=(const CMQVertex &) = delete;

    inline bool IsSelected() const;
};

using CMQVertexHandle = std::shared_ptr<CMQVertex>;

// Makes vertex records for a walk that lets each one go before it makes the next, as the
// selection capture does for every vertex of an object. Each record still comes on the
// heap through a shared handle of its own; only the block of the last one let go is kept
// for the next, so that the walk takes one block from the heap in all instead of taking
// and giving back one per vertex. Every handle made here must be let go before this is
// destroyed.
class CMQVertexRecords {
public:
    CMQVertexRecords() = default;
    CMQVertexRecords(const CMQVertexRecords &) = delete;
    CMQVertexRecords &operator=(const CMQVertexRecords &) = delete;
    ~CMQVertexRecords() { ::operator delete(spare_); }

    CMQVertexHandle Make(int index, CMQObject *object, MQPoint position) {
        return std::allocate_shared<CMQVertex>(Allocator<CMQVertex>(this), index, object, position);
    }

private:
    template <typename T>
    struct Allocator {
        using value_type = T;
        explicit Allocator(CMQVertexRecords *owner) : records(owner) {}
        template <typename U>
        Allocator(const Allocator<U> &other) : records(other.records) {}
        template <typename U>
        bool operator==(const Allocator<U> &other) const {
            return records == other.records;
        }

        T *allocate(size_t n) {
            static_assert(alignof(T) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);
            const size_t bytes = n * sizeof(T);
            if (records->spare_ != nullptr && records->spareBytes_ == bytes) {
                return static_cast<T *>(std::exchange(records->spare_, nullptr));
            }
            return static_cast<T *>(::operator new(bytes));
        }
        void deallocate(T *block, size_t n) {
            if (records->spare_ != nullptr) return ::operator delete(block);
            records->spare_ = block;
            records->spareBytes_ = n * sizeof(T);
        }

        CMQVertexRecords *records;
    };

    void *spare_ = nullptr;
    size_t spareBytes_ = 0;
};

// Walks the vertices in use of one object. `object` is not owned.
class CMQVertexIterator {
public:
    CMQVertexIterator(int index, CMQObject *object, bool isEnd = false)
        : index_(index), object_(object), isEnd_(isEnd) {}

    int index() const { return index_; }
    inline CMQVertexIterator &operator++();
    // Equal when the indices are; the objects are not compared. The end made by
    // CMQObject::end() is also reached from past it: the host's count is read anew for
    // every comparison and may have shrunk behind the walk.
    bool operator==(const CMQVertexIterator &other) const {
        if (other.isEnd_) return index_ >= other.index_;
        if (isEnd_) return other.index_ >= index_;
        return index_ == other.index_;
    }
    // A new snapshot of the vertex, its position read from the host now.
    inline CMQVertexHandle operator*() const;
    // The same, made by `records`.
    CMQVertexHandle Snapshot(CMQVertexRecords &records) const {
        return records.Make(index_, object_, object_->GetVertex(index_));
    }

private:
    int index_;
    CMQObject *object_;
    bool isEnd_;
};

CMQVertexIterator CMQObject::end() { return CMQVertexIterator(VertexCount(), this, true); }

CMQVertexIterator &CMQVertexIterator::operator++() {
    const int count = object_->VertexCount();
    ++index_;
    while (index_ >= 0 && index_ < count && object_->VertexRefCount(index_) <= 0) ++index_;
    return *this;
}

CMQVertexHandle CMQVertexIterator::operator*() const {
    return std::make_shared<CMQVertex>(index_, object_, object_->GetVertex(index_));
}

bool CMQVertex::IsSelected() const {
    const int objectIndex = Host().MQDoc_GetObjectIndex(object->document(), object->handle());
    return Host().MQDoc_IsSelectVertex(object->document(), objectIndex, index) != 0;
}

}  // namespace cmq
