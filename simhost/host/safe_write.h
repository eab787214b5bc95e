// Writing a file so that whoever reads it later finds either the old file or the whole new
// one: reports, pictures, meshes and the host's settings all go through here.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace simhost {

// A file that could not be written; what() names the file as the caller gave it and the
// system's reason: "cannot write 'out/report.txt': Permission denied".
class WriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    WriteError(const std::string &path, std::error_code reason)
        : std::runtime_error("cannot write '" + path + "': " + reason.message()), reason_(reason) {}
    // The system's reason alone, for a caller that words the failure its own way.
    std::error_code reason() const { return reason_; }

private:
    std::error_code reason_;
};

// Replaces the file at `path` with `bytes`, or leaves it as it was and throws WriteError.
// The bytes go to a temporary file beside it, which is renamed over the file only once
// every byte is out; a failure removes the temporary file. A symbolic link keeps pointing
// where it did: the file it leads to is replaced. A device or a pipe cannot be replaced,
// so it is written to directly. The folder must exist.
void WriteWholeFile(const std::string &path, std::string_view bytes);

}  // namespace simhost
