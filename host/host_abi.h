// The binary interface shared with the host: handles, points, option arrays and the
// records of the host's message channels. Everything here is plain C layout, so that the
// plug-in, the stand-in host and the modeller agree on every byte on both targets.
#pragma once

#include <cstddef>
#include <cstdint>

// Opaque host handles. The host owns them; the plug-in never frees one and never keeps
// one beyond the host call in which it was handed over.
typedef struct MQCDocument *MQDocument;
typedef struct MQCObject *MQObject;
typedef struct MQCScene *MQScene;
typedef struct MQCXmlElement *MQXmlElement;

// A vertex position as the host stores it.
typedef struct {
    float x, y, z;
} MQPoint;

// One pair of an option array. The array belongs to whoever builds it and lives for the
// duration of the call that carries it; a null name ends it. The value's meaning depends
// on the name.
typedef struct {
    const char *name;
    void *value;
} MQOption;

// The record of MQ_SendMessage. The sender owns it and its option array for the call.
typedef struct {
    uint32_t product_id;
    uint32_t plugin_id;
    uint32_t reserved;  // always 0
    MQOption *options;  // terminated option array, never null
} HostMessage;

// Records of the XML element channel (MQXmlElem_Value), one per message code
// (host/contract_codes.h). The plug-in owns each record and presets its result; element
// handles in them belong to the host.
typedef struct {
    const char *name;     // UTF-8
    MQXmlElement result;  // preset null; the new child
} XmlAddChild;
typedef struct {
    MQXmlElement child;
    int32_t *result;  // points at a word preset 0
} XmlRemoveChild;
typedef struct {
    const char *name;     // UTF-8
    MQXmlElement result;  // preset null; the child, or null when there is none
} XmlFindChild;
typedef struct {
    const char *result;  // preset null; host-owned UTF-8, valid until the next message
} XmlGetText;
typedef struct {
    const char *text;  // UTF-8
} XmlSetText;

static_assert(sizeof(MQPoint) == 12 && offsetof(MQPoint, z) == 8);
static_assert(sizeof(MQOption) == 2 * sizeof(void *));
static_assert(offsetof(HostMessage, reserved) == 8);

#if defined(_WIN32) && UINTPTR_MAX == 0xFFFFFFFFu
// The 32-bit target: every record has exactly the size the host expects.
static_assert(sizeof(void *) == 4);
static_assert(sizeof(MQOption) == 8);
static_assert(sizeof(HostMessage) == 16 && offsetof(HostMessage, options) == 12);
static_assert(sizeof(XmlAddChild) == 8 && offsetof(XmlAddChild, result) == 4);
static_assert(sizeof(XmlRemoveChild) == 8 && offsetof(XmlRemoveChild, result) == 4);
static_assert(sizeof(XmlFindChild) == 8 && offsetof(XmlFindChild, result) == 4);
static_assert(sizeof(XmlGetText) == 4);
static_assert(sizeof(XmlSetText) == 4);
#endif
