#include "pinning/cmq_access.h"

#include "host/host_functions.h"

namespace cmq {

using stelmarin::host::Host;

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

bool CMQObject::IsVisible() const { return Host().MQObj_GetVisible(object_) != 0; }
int CMQObject::UniqueID() const { return Host().MQObj_GetIntValue(object_, kUniqueIDValue); }
bool CMQObject::IsExempt() const { return Host().MQObj_GetIntValue(object_, kExemptValue) != 0; }
int CMQObject::VertexCount() const { return Host().MQObj_GetVertexCount(object_); }
int CMQObject::VertexRefCount(int index) const { return Host().MQObj_GetVertexRefCount(object_, index); }
int CMQObject::VertexUniqueID(int index) const { return Host().MQObj_GetVertexUniqueID(object_, index); }

int CMQObject::VertexIndexFromUniqueID(int uniqueID) const {
    return Host().MQObj_GetVertexIndexFromUniqueID(object_, uniqueID);
}

MQPoint CMQObject::GetVertex(int index) const {
    MQPoint position{};
    Host().MQObj_GetVertex(object_, index, &position);
    return position;
}

void CMQObject::SetVertex(int index, MQPoint position) const { Host().MQObj_SetVertex(object_, index, &position); }

CMQVertexIterator CMQObject::begin() {
    CMQVertexIterator first(0, this);
    const int count = VertexCount();
    if (count <= 0) return first;
    if (VertexRefCount(0) <= 0) ++first;
    return first;
}

CMQVertexIterator CMQObject::end() { return CMQVertexIterator(VertexCount(), this); }

CMQVertexIterator &CMQVertexIterator::operator++() {
    const int count = object_->VertexCount();
    ++index_;
    while (index_ >= 0 && index_ < count && object_->VertexRefCount(index_) <= 0) ++index_;
    return *this;
}

CMQVertexHandle CMQVertexIterator::operator*() const {
    return std::make_shared<CMQVertex>(index_, object_, object_->GetVertex(index_));
}

CMQVertex::~CMQVertex() {
    index = -1;
    object = nullptr;
    x = y = z = 0.0f;
}

bool CMQVertex::IsSelected() const {
    const int objectIndex = Host().MQDoc_GetObjectIndex(object->document(), object->handle());
    return Host().MQDoc_IsSelectVertex(object->document(), objectIndex, index) != 0;
}

}  // namespace cmq
