#pragma once

#include <string>

namespace ledfont {

// Where a write to a path would land, once every symbolic link is followed.
struct WriteTarget {
    enum class Kind {
        NewFile,          // nothing there yet: the write creates it (a dangling link's target too)
        RegularFile,      // an existing file, which a write replaces
        Fifo,             // a named pipe
        CharacterDevice,  // /dev/null, a terminal...
        Descriptor,       // an open descriptor of this process (/dev/stdout, /proc/self/fd/1)
        Other,            // a folder, a socket, a block device
    };
    std::string path;  // the last name reached; for a Descriptor, the path given
    Kind kind = Kind::NewFile;
    unsigned mode = 0;    // st_mode of what is there, 0 for a NewFile or a Descriptor
    int descriptor = -1;  // for a Descriptor
};

// Follows the symbolic links of path, at most 40 of them, to what a write
// would land in. A relative link counts from the folder of the link. Throws
// PathFileAccessError for a loop of links (or a longer chain), BadFileNameError
// for an empty path, and the typed file errors of a failed look.
WriteTarget ResolveWriteTarget(const std::string& path);

}  // namespace ledfont
