// Marks the functions that the host looks up by name: C linkage, undecorated, visible.
#pragma once

#if defined(_WIN32)
#define STELMARIN_EXPORT extern "C" __declspec(dllexport)
#else
#define STELMARIN_EXPORT extern "C" __attribute__((visibility("default")))
#endif
