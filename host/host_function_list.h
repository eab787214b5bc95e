// The host's function table, in look-up order: one list from which the plug-in's binding
// table, its name look-ups and the stand-in host's exports are all generated, so that they
// cannot drift apart.
//
//   TYPED(return type, name, (parameters), (arguments))
//                       a function the plug-in calls: its signature, and its parameters'
//                       names in order, with which the stand-in host forwards a call
//   UNTYPED(name)       a function that must exist but is never called
//   AGAIN(name)         a second look-up of a name already listed
//
// The host refuses nothing here: a host module that lacks any one name is refused by the
// plug-in, whether or not the plug-in ever calls that function.
#pragma once

#include <iterator>
#include <string_view>

#include "host/host_abi.h"

// One function a line, in look-up order.
// clang-format off
#define STELMARIN_HOST_FUNCTIONS(TYPED, UNTYPED, AGAIN) \
    /* MQ_ (12 look-ups) */ \
    UNTYPED(MQ_GetWindowHandle) \
    UNTYPED(MQ_CreateObject) \
    UNTYPED(MQ_CreateMaterial) \
    UNTYPED(MQ_ShowFileDialog) \
    UNTYPED(MQ_ImportAxis) \
    UNTYPED(MQ_ExportAxis) \
    UNTYPED(MQ_LoadImage) \
    UNTYPED(MQ_GetSystemPath) \
    UNTYPED(MQ_RefreshView) \
    AGAIN(MQ_GetSystemPath) \
    UNTYPED(MQ_StationCallback) \
    TYPED(int, MQ_SendMessage, (int message_code, HostMessage *message), (message_code, message)) \
    /* MQDoc_ (43 look-ups) */ \
    TYPED(int, MQDoc_GetObjectCount, (MQDocument doc), (doc)) \
    TYPED(MQObject, MQDoc_GetObject, (MQDocument doc, int index), (doc, index)) \
    TYPED(MQObject, MQDoc_GetObjectFromUniqueID, (MQDocument doc, int unique_id), (doc, unique_id)) \
    TYPED(int, MQDoc_GetCurrentObjectIndex, (MQDocument doc), (doc)) \
    UNTYPED(MQDoc_SetCurrentObjectIndex) \
    UNTYPED(MQDoc_AddObject) \
    UNTYPED(MQDoc_DeleteObject) \
    TYPED(int, MQDoc_GetObjectIndex, (MQDocument doc, MQObject obj), (doc, obj)) \
    UNTYPED(MQDoc_GetUnusedObjectName) \
    UNTYPED(MQDoc_GetMaterialCount) \
    UNTYPED(MQDoc_GetMaterial) \
    UNTYPED(MQDoc_GetMaterialFromUniqueID) \
    UNTYPED(MQDoc_GetCurrentMaterialIndex) \
    UNTYPED(MQDoc_SetCurrentMaterialIndex) \
    UNTYPED(MQDoc_AddMaterial) \
    UNTYPED(MQDoc_DeleteMaterial) \
    UNTYPED(MQDoc_GetUnusedMaterialName) \
    UNTYPED(MQDoc_Compact) \
    UNTYPED(MQDoc_ClearSelect) \
    UNTYPED(MQDoc_AddSelectVertex) \
    UNTYPED(MQDoc_DeleteSelectVertex) \
    TYPED(int, MQDoc_IsSelectVertex, (MQDocument doc, int object_index, int vertex_index), \
          (doc, object_index, vertex_index)) \
    UNTYPED(MQDoc_AddSelectLine) \
    UNTYPED(MQDoc_DeleteSelectLine) \
    UNTYPED(MQDoc_IsSelectLine) \
    UNTYPED(MQDoc_AddSelectFace) \
    UNTYPED(MQDoc_DeleteSelectFace) \
    UNTYPED(MQDoc_IsSelectFace) \
    UNTYPED(MQDoc_AddSelectUVVertex) \
    UNTYPED(MQDoc_DeleteSelectUVVertex) \
    UNTYPED(MQDoc_IsSelectUVVertex) \
    UNTYPED(MQDoc_FindMappingFile) \
    UNTYPED(MQDoc_GetScene) \
    UNTYPED(MQDoc_GetMappingImage) \
    UNTYPED(MQDoc_GetParentObject) \
    UNTYPED(MQDoc_GetChildObjectCount) \
    UNTYPED(MQDoc_GetChildObject) \
    UNTYPED(MQDoc_GetGlobalMatrix) \
    UNTYPED(MQDoc_GetGlobalInverseMatrix) \
    UNTYPED(MQDoc_InsertObject) \
    UNTYPED(MQDoc_CreateUserData) \
    UNTYPED(MQDoc_DeleteUserData) \
    UNTYPED(MQDoc_Triangulate) \
    /* MQScene_ (6 look-ups) */ \
    UNTYPED(MQScene_InitSize) \
    UNTYPED(MQScene_GetProjMatrix) \
    UNTYPED(MQScene_GetViewMatrix) \
    UNTYPED(MQScene_FloatValue) \
    UNTYPED(MQScene_GetVisibleFace) \
    UNTYPED(MQScene_IntValue) \
    /* MQObj_ (79 look-ups) */ \
    UNTYPED(MQObj_Delete) \
    UNTYPED(MQObj_Clone) \
    UNTYPED(MQObj_Merge) \
    UNTYPED(MQObj_Freeze) \
    UNTYPED(MQObj_GetName) \
    TYPED(int, MQObj_GetVertexCount, (MQObject obj), (obj)) \
    TYPED(void, MQObj_GetVertex, (MQObject obj, int vertex_index, MQPoint *out), (obj, vertex_index, out)) \
    TYPED(void, MQObj_SetVertex, (MQObject obj, int vertex_index, MQPoint *in), (obj, vertex_index, in)) \
    UNTYPED(MQObj_GetVertexArray) \
    UNTYPED(MQObj_GetFaceCount) \
    UNTYPED(MQObj_GetFacePointCount) \
    UNTYPED(MQObj_GetFacePointArray) \
    UNTYPED(MQObj_GetFaceCoordinateArray) \
    UNTYPED(MQObj_GetFaceMaterial) \
    UNTYPED(MQObj_GetFaceUniqueID) \
    UNTYPED(MQObj_GetFaceIndexFromUniqueID) \
    UNTYPED(MQObj_SetName) \
    UNTYPED(MQObj_AddVertex) \
    UNTYPED(MQObj_DeleteVertex) \
    TYPED(int, MQObj_GetVertexRefCount, (MQObject obj, int vertex_index), (obj, vertex_index)) \
    TYPED(int, MQObj_GetVertexUniqueID, (MQObject obj, int vertex_index), (obj, vertex_index)) \
    TYPED(int, MQObj_GetVertexIndexFromUniqueID, (MQObject obj, int unique_id), (obj, unique_id)) \
    UNTYPED(MQObj_GetVertexRelatedFaces) \
    UNTYPED(MQObj_GetVertexWeight) \
    UNTYPED(MQObj_SetVertexWeight) \
    UNTYPED(MQObj_CopyVertexAttribute) \
    UNTYPED(MQObj_AddFace) \
    UNTYPED(MQObj_InsertFace) \
    UNTYPED(MQObj_DeleteFace) \
    UNTYPED(MQObj_InvertFace) \
    UNTYPED(MQObj_SetFaceMaterial) \
    UNTYPED(MQObj_SetFaceCoordinateArray) \
    UNTYPED(MQObj_GetFaceVertexColor) \
    UNTYPED(MQObj_SetFaceVertexColor) \
    UNTYPED(MQObj_GetFaceEdgeCrease) \
    UNTYPED(MQObj_SetFaceEdgeCrease) \
    UNTYPED(MQObj_GetFaceVisible) \
    UNTYPED(MQObj_SetFaceVisible) \
    UNTYPED(MQObj_OptimizeVertex) \
    UNTYPED(MQObj_Compact) \
    TYPED(int, MQObj_GetVisible, (MQObject obj), (obj)) \
    UNTYPED(MQObj_SetVisible) \
    UNTYPED(MQObj_GetPatchType) \
    UNTYPED(MQObj_SetPatchType) \
    UNTYPED(MQObj_GetPatchSegment) \
    UNTYPED(MQObj_SetPatchSegment) \
    UNTYPED(MQObj_GetShading) \
    UNTYPED(MQObj_SetShading) \
    UNTYPED(MQObj_GetSmoothAngle) \
    UNTYPED(MQObj_SetSmoothAngle) \
    UNTYPED(MQObj_GetMirrorType) \
    UNTYPED(MQObj_SetMirrorType) \
    UNTYPED(MQObj_GetMirrorAxis) \
    UNTYPED(MQObj_SetMirrorAxis) \
    UNTYPED(MQObj_GetMirrorDistance) \
    UNTYPED(MQObj_SetMirrorDistance) \
    UNTYPED(MQObj_GetLatheType) \
    UNTYPED(MQObj_SetLatheType) \
    UNTYPED(MQObj_GetLatheAxis) \
    UNTYPED(MQObj_SetLatheAxis) \
    UNTYPED(MQObj_GetLatheSegment) \
    UNTYPED(MQObj_SetLatheSegment) \
    TYPED(int, MQObj_GetIntValue, (MQObject obj, int code), (obj, code)) \
    UNTYPED(MQObj_GetFloatArray) \
    UNTYPED(MQObj_SetIntValue) \
    UNTYPED(MQObj_SetFloatArray) \
    UNTYPED(MQObj_PointerArray) \
    UNTYPED(MQObj_AllocUserData) \
    UNTYPED(MQObj_FreeUserData) \
    UNTYPED(MQObj_GetUserData) \
    UNTYPED(MQObj_SetUserData) \
    UNTYPED(MQObj_AllocVertexUserData) \
    UNTYPED(MQObj_FreeVertexUserData) \
    UNTYPED(MQObj_GetVertexUserData) \
    UNTYPED(MQObj_SetVertexUserData) \
    UNTYPED(MQObj_AllocFaceUserData) \
    UNTYPED(MQObj_FreeFaceUserData) \
    UNTYPED(MQObj_GetFaceUserData) \
    UNTYPED(MQObj_SetFaceUserData) \
    /* MQMat_ (33 look-ups) */ \
    UNTYPED(MQMat_Delete) \
    UNTYPED(MQMat_GetIntValue) \
    UNTYPED(MQMat_GetFloatArray) \
    UNTYPED(MQMat_GetName) \
    UNTYPED(MQMat_GetColor) \
    UNTYPED(MQMat_GetAlpha) \
    UNTYPED(MQMat_GetDiffuse) \
    UNTYPED(MQMat_GetAmbient) \
    UNTYPED(MQMat_GetEmission) \
    UNTYPED(MQMat_GetSpecular) \
    UNTYPED(MQMat_GetPower) \
    UNTYPED(MQMat_GetTextureName) \
    UNTYPED(MQMat_GetAlphaName) \
    UNTYPED(MQMat_GetBumpName) \
    UNTYPED(MQMat_SetIntValue) \
    UNTYPED(MQMat_SetFloatArray) \
    UNTYPED(MQMat_SetName) \
    UNTYPED(MQMat_SetColor) \
    UNTYPED(MQMat_SetAlpha) \
    UNTYPED(MQMat_SetDiffuse) \
    UNTYPED(MQMat_SetAmbient) \
    UNTYPED(MQMat_SetEmission) \
    UNTYPED(MQMat_SetSpecular) \
    UNTYPED(MQMat_SetPower) \
    UNTYPED(MQMat_SetTextureName) \
    UNTYPED(MQMat_SetAlphaName) \
    UNTYPED(MQMat_SetBumpName) \
    UNTYPED(MQMat_AllocUserData) \
    UNTYPED(MQMat_FreeUserData) \
    UNTYPED(MQMat_GetUserData) \
    UNTYPED(MQMat_SetUserData) \
    UNTYPED(MQMat_GetValueArray) \
    UNTYPED(MQMat_SetValueArray) \
    /* MQMatrix_ (1 look-ups) */ \
    UNTYPED(MQMatrix_FloatValue) \
    /* Message channels (4 look-ups) */ \
    TYPED(int, MQXmlElem_Value, (MQXmlElement elem, int code, void *record), (elem, code, record)) \
    UNTYPED(MQXmlDoc_Value) \
    TYPED(int, MQWidget_Value, (int widget_id, int code, MQOption *options), (widget_id, code, options)) \
    UNTYPED(MQCanvas_Value)
// clang-format on

namespace stelmarin::host {

#define STELMARIN_COUNT_ONE(...) +1
#define STELMARIN_COUNT_NONE(...)
inline constexpr int kHostFunctionCount =
    0 STELMARIN_HOST_FUNCTIONS(STELMARIN_COUNT_ONE, STELMARIN_COUNT_ONE, STELMARIN_COUNT_NONE);
inline constexpr int kTypedHostFunctionCount =
    0 STELMARIN_HOST_FUNCTIONS(STELMARIN_COUNT_ONE, STELMARIN_COUNT_NONE, STELMARIN_COUNT_NONE);
inline constexpr int kHostLookupCount =
    0 STELMARIN_HOST_FUNCTIONS(STELMARIN_COUNT_ONE, STELMARIN_COUNT_ONE, STELMARIN_COUNT_ONE);
#undef STELMARIN_COUNT_ONE
#undef STELMARIN_COUNT_NONE

// The names in table order and whether the plug-in calls each; the stand-in host uses
// them to check what a plug-in does.
struct HostFunctionInfo {
    const char *name;
    bool typed;
};
inline constexpr HostFunctionInfo kHostFunctions[] = {
#define STELMARIN_INFO_TYPED(ret, name, params, args) {#name, true},
#define STELMARIN_INFO_UNTYPED(name) {#name, false},
#define STELMARIN_INFO_AGAIN(name)
    STELMARIN_HOST_FUNCTIONS(STELMARIN_INFO_TYPED, STELMARIN_INFO_UNTYPED, STELMARIN_INFO_AGAIN)
#undef STELMARIN_INFO_TYPED
#undef STELMARIN_INFO_UNTYPED
#undef STELMARIN_INFO_AGAIN
};

// An argument list must name its function's parameters, in order: two parameters of one
// type passed the wrong way round would compile and forward each other's values.
namespace list_check {
constexpr bool IsNameCharacter(char c) {
    return c == '_' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
// The name a parameter declares or an argument passes: "int vertex_index" -> "vertex_index".
constexpr std::string_view LastName(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    size_t begin = text.size();
    while (begin > 0 && IsNameCharacter(text[begin - 1])) --begin;
    return text.substr(begin);
}
constexpr bool NamesTheParameters(std::string_view params, std::string_view args) {
    params = params.substr(1, params.size() - 2);
    args = args.substr(1, args.size() - 2);
    for (;;) {
        const size_t paramEnd = params.find(',');
        const size_t argEnd = args.find(',');
        if (LastName(params.substr(0, paramEnd)) != LastName(args.substr(0, argEnd))) return false;
        if (paramEnd == std::string_view::npos || argEnd == std::string_view::npos) return paramEnd == argEnd;
        params.remove_prefix(paramEnd + 1);
        args.remove_prefix(argEnd + 1);
    }
}
}  // namespace list_check
#define STELMARIN_CHECK_TYPED(ret, name, params, args)            \
    static_assert(list_check::NamesTheParameters(#params, #args), \
                  #name ": the arguments must name the parameters in order");
#define STELMARIN_CHECK_NONE(name)
STELMARIN_HOST_FUNCTIONS(STELMARIN_CHECK_TYPED, STELMARIN_CHECK_NONE, STELMARIN_CHECK_NONE)
#undef STELMARIN_CHECK_TYPED
#undef STELMARIN_CHECK_NONE

static_assert(kHostFunctionCount == 177, "the host table has 177 functions");
static_assert(kTypedHostFunctionCount == 17, "the plug-in calls 17 of them");
static_assert(kHostLookupCount == 178, "one name is looked up twice");
static_assert(std::size(kHostFunctions) == kHostFunctionCount);

}  // namespace stelmarin::host
