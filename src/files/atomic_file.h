// Files the program writes are replaced whole or not at all.
#pragma once

#include <filesystem>
#include <string>

namespace glosandas {

// Writes `bytes` as the new content of `path`: a temporary file beside it, locked while it is
// written, is renamed over it, so a failure (a full disk, a file-size limit, a kill) leaves the
// old file whole. A symbolic link stays a link: its target is replaced, in the target's folder;
// a dangling link fails. Returns whether the new content is in place.
bool WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes);

// Removes what killed writes of `path` left behind: its temporary files that no running writer
// holds, or older than a minute.
void RemoveStaleTemporaries(const std::filesystem::path& path);

}  // namespace glosandas
