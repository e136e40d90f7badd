// Files the program writes are replaced whole or not at all.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace glosandas {

// Writes `bytes` as the new content of `path`: a temporary file beside it, locked while it is
// written, is renamed over it, so a failure (a full disk, a file-size limit, a kill) leaves the
// old file whole. A symbolic link stays a link: its target is replaced, in the target's folder;
// a dangling link fails. Returns whether the new content is in place.
bool WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes);

// What a write of a named file came to.
enum class WriteOutcome { kWritten, kNotAFile, kFailed };

// Writes `bytes` where `path` names, as a program's output should go: an ordinary file (or a new
// one, in a folder that exists) is replaced as by WriteFileAtomically; a named pipe or a character
// device (a printer, /dev/stdout) is written into directly, never replaced; a folder, a socket or
// a block device is refused and left alone.
WriteOutcome WriteOutput(const std::filesystem::path& path, const std::string& bytes);

// Writes all of `bytes` to `fd`, then syncs it if it is an ordinary file. A pipe whose reader has
// gone fails like a full disk instead of ending the program.
bool WriteAllTo(int fd, const std::string& bytes);

// The file a write of `path` replaces: the target of a link; nothing for a dangling link.
std::optional<std::filesystem::path> WriteTarget(const std::filesystem::path& path);

// Removes what killed writes left in `folder`: our temporary files (".glosandas-temporal-XXXXXX")
// that no running writer holds, or older than a minute. No other file is ever touched.
void RemoveStaleTemporaries(const std::filesystem::path& folder);

}  // namespace glosandas
