// What the stand-in host needs of the operating system beyond loading modules (which it
// shares with the plug-in, host/module_loader.h), on POSIX systems and on Windows alike.
#pragma once

#include <string>
#include <string_view>
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
// Makes `file`, which must not exist yet (else the reason is that it exists), holds
// `bytes`, and returns only once the system has put them on the disk, so that a crash
// after it cannot leave the file short.
std::error_code WriteNewFile(const std::string &file, std::string_view bytes);
// Puts `temporary` in the place of `file`, replacing whatever is there in one step, and
// has the system record the change on the disk before it returns.
std::error_code MoveIntoPlace(const std::string &temporary, const std::string &file);
// Writes `bytes` to the existing device `file`. Whatever is found there once it is open
// must still be a device: a named pipe or a socket put in its place is left unwritten,
// and never waited on.
std::error_code WriteToDevice(const std::string &file, std::string_view bytes);

}  // namespace simhost::platform
