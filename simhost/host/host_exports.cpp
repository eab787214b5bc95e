// The host module's exports: all host functions by name, with C linkage, generated from
// the one list the plug-in binds from, so that neither a name nor a signature can drift
// from it. Each typed one forwards to the member of the active host that bears its name,
// handing it that name; with no host, it answers as a host with an empty document would.
// None lets an exception out: it would unwind through the plug-in's frames, which another
// runtime built.
#include "simhost/host/host_exports.h"

#include "simhost/host/host.h"

// A second build of this file makes a host module that lacks one name, for checking that
// a plug-in refuses an incomplete host: the function is there under another name.
#if defined(SIMHOST_WITHOUT_CANVAS)
#define MQCanvas_Value simhost_without_MQCanvas_Value
#endif

namespace {

// What a function answers with no host: nothing, and -1 where it is asked for an index.
template <auto Member, class Result>
Result Idle() {
    return Result();
}
template <>
int Idle<&simhost::Host::MQDoc_GetCurrentObjectIndex, int>() {
    return -1;
}
template <>
int Idle<&simhost::Host::MQDoc_GetObjectIndex, int>() {
    return -1;
}
template <>
int Idle<&simhost::Host::MQObj_GetVertexIndexFromUniqueID, int>() {
    return -1;
}

}  // namespace

// The arguments, each after a comma: they follow the function's name.
#define SIMHOST_AFTER_NAME(...) __VA_OPT__(, ) __VA_ARGS__
#define SIMHOST_DEFINE_TYPED(ret, name, params, args)                  \
    ret name params noexcept {                                         \
        simhost::Host *host = simhost::ActiveHost();                   \
        if (host == nullptr) return Idle<&simhost::Host::name, ret>(); \
        return host->name(#name SIMHOST_AFTER_NAME args);              \
    }
#define SIMHOST_DEFINE_UNTYPED(name)                                                 \
    SIMHOST_EXPORT void name() noexcept {                                            \
        if (simhost::Host *host = simhost::ActiveHost()) host->UntypedCalled(#name); \
    }
#define SIMHOST_NOTHING(name)
STELMARIN_HOST_FUNCTIONS(SIMHOST_DEFINE_TYPED, SIMHOST_DEFINE_UNTYPED, SIMHOST_NOTHING)
