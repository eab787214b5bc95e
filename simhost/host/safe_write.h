// Writing a file so that whoever reads it later finds either the old file or the whole new
// one, after a failure or a crash: reports, pictures, meshes, uploads and the host's
// settings all go through here.
#pragma once

#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace simhost {

// A file that could not be written; what() names the file as the caller gave it and why:
// "cannot write 'out/report.txt': Permission denied".
class WriteError : public std::runtime_error {
public:
    WriteError(const std::string &path, std::error_code reason) : WriteError(path, reason.message()) {}
    WriteError(const std::string &path, const std::string &why)
        : std::runtime_error("cannot write '" + path + "': " + why), why_(why) {}
    // Why alone, for a caller that words the failure its own way.
    const std::string &why() const { return why_; }

private:
    std::string why_;
};

// Replaces the file at `path` with `bytes`, or leaves it as it was and throws WriteError.
// The bytes go to a temporary file beside it, which is put on the disk and then renamed
// over the file only once every byte is out; a failure removes the temporary file. A
// symbolic link keeps pointing where it did: the file it leads to is replaced. A device
// cannot be replaced, so it is written to directly; a named pipe or a socket is refused
// unopened, as it would wait on a reader or take nothing. The folder must exist.
void WriteWholeFile(const std::string &path, std::string_view bytes);

// Removes what writes of `path` cut short (a process killed mid-write) left beside it:
// temporary files of WriteWholeFile's own naming for this file, last changed more than
// `age` ago. A younger one may be another process's write of the same file in progress,
// and is kept. Returns the paths removed.
std::vector<std::string> RemoveLeftovers(const std::string &path, std::chrono::seconds age = std::chrono::hours(1));

// The name among the folders and the file of `path` that Windows takes for a device
// (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, in any case, with any extension and
// whatever dots and blanks Windows drops from its end), or nothing when there is none.
// Such a name writes to the device there, so it is refused everywhere: a session means
// the same on every system.
std::optional<std::string> DeviceNameIn(std::string_view path);

}  // namespace simhost
