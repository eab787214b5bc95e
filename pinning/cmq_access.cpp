#include "pinning/cmq_access.h"

namespace cmq {

int CMQDocument::ObjectCount() const { return Host().MQDoc_GetObjectCount(doc_); }

CMQObject CMQDocument::GetCurrentObject() const {
    const int index = Host().MQDoc_GetCurrentObjectIndex(doc_);
    return CMQObject(Host().MQDoc_GetObject(doc_, index), doc_);
}

CMQObject CMQDocument::GetObject(int index) const { return CMQObject(Host().MQDoc_GetObject(doc_, index), doc_); }

CMQObject CMQDocument::GetObjectFromUniqueID(int uniqueID) const {
    return CMQObject(Host().MQDoc_GetObjectFromUniqueID(doc_, uniqueID), doc_);
}

CMQObject::~CMQObject() {
    object_ = nullptr;
    doc_ = nullptr;
}

bool CMQObject::IsValid() const {
    if (object_ == nullptr || doc_ == nullptr) return false;
    return Host().MQDoc_GetObjectIndex(doc_, object_) >= 0;
}

CMQVertexIterator CMQObject::begin() {
    CMQVertexIterator first(0, this);
    const int count = VertexCount();
    if (count <= 0) return first;
    if (VertexRefCount(0) <= 0) ++first;
    return first;
}

CMQVertex::~CMQVertex() {
    index = -1;
    object = nullptr;
    x = y = z = 0.0f;
}

}  // namespace cmq
