#pragma once

#include <string>
#include <string_view>

#include "WriteTarget.h"

namespace ledfont {

// Replaces the regular file at path with content, all or nothing: the content
// goes to an unnamed temporary file in the same folder, is flushed to disk,
// and only then is linked in under the target's name. On any failure, and
// when the program is interrupted (SIGINT, SIGTERM, SIGHUP, SIGQUIT), the
// previous file is intact or wholly replaced, and no temporary file is left.
// Where the file system has no unnamed files (vfat, NFS), a named temporary
// file stands in, and those signals are held until it is renamed or removed.
//
// Symbolic links are followed: an existing link stays and the file it names
// is replaced; a dangling link stays and the file it names is created. The
// new file keeps the permissions, owner and group of the file it replaces.
//
// Anything there that is not a regular file (a folder, a FIFO, a device, an
// open descriptor of the program) is refused and left as it is. Throws
// PathFileAccessError for that and for a loop of links, PermissionDeniedError
// for a file this user may not write, PathNotFoundError, DiskFullError,
// BadFileNameError.
void WriteFileAtomically(const std::string& path, std::string_view content);

// The same, to where ResolveWriteTarget(path) found a write to path lands, for
// a caller that has followed the links already to choose how to write.
void WriteFileAtomically(const std::string& path, const WriteTarget& where, std::string_view content);

// For tests: while force is true, every write takes the road of a file system
// without unnamed files, so that road is tested on any file system.
void ForceNamedTemporaryFiles(bool force);

}  // namespace ledfont
