// The host module's exports that a plug-in calls, declared from the one list the plug-in
// binds from: the module's definitions must match them, and tests call the host through
// them as a plug-in does.
#pragma once

#include "host/host_function_list.h"

#if defined(_WIN32)
#define SIMHOST_EXPORT extern "C" __declspec(dllexport)
#else
#define SIMHOST_EXPORT extern "C" __attribute__((visibility("default")))
#endif

#define SIMHOST_DECLARE_TYPED(ret, name, params, args) SIMHOST_EXPORT ret name params noexcept;
#define SIMHOST_NOT_DECLARED(name)
STELMARIN_HOST_FUNCTIONS(SIMHOST_DECLARE_TYPED, SIMHOST_NOT_DECLARED, SIMHOST_NOT_DECLARED)
#undef SIMHOST_DECLARE_TYPED
#undef SIMHOST_NOT_DECLARED
