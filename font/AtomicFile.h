#pragma once

#include <string>
#include <string_view>

namespace ledfont {

// Replaces the file at path with content, all or nothing: the content goes to a
// temporary file in the same folder, is flushed to disk, and only then renamed
// over the target. On any failure the previous file is intact, no temporary
// file is left, and a typed Error is thrown (PathNotFound, PermissionDenied,
// DiskFull, PathFileAccess, BadFileName). A symbolic link is followed, so the
// file it points to is replaced and the link stays. The new file keeps the
// permissions of the file it replaces.
void WriteFileAtomically(const std::string& path, std::string_view content);

}  // namespace ledfont
