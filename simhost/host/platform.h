// What the stand-in host needs of the operating system beyond loading modules (which it
// shares with the plug-in, host/module_loader.h), on POSIX systems and on Windows alike.
#pragma once

#include <string>
#include <system_error>

namespace simhost::platform {

// The file name plug-ins have on this system.
#if defined(_WIN32)
inline constexpr const char *kPluginFileName = "stelmarin.dll";
#else
inline constexpr const char *kPluginFileName = "stelmarin.so";
#endif

// Whether the module at `path` is loaded in this process now; takes no reference.
bool IsLoaded(const std::string &path);
// The file of the module (library or executable) that holds `address`.
std::string ModuleOf(const void *address);
// The running program's file.
std::string ExecutablePath();
// Where a user's per-program settings live: ~/.config on POSIX, %APPDATA% on Windows.
std::string ConfigDirectory();
// Whether standard error goes to a terminal, where someone may be watching it.
bool StandardErrorIsTerminal();
// Whether standard input comes from a terminal, where someone is typing.
bool StandardInputIsTerminal();
// Why files cannot be made in the existing `folder`, or nothing when they can.
std::error_code CanWriteIn(const std::string &folder);

}  // namespace simhost::platform
