#include "WriteOutput.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "AtomicFile.h"
#include "DescriptorIo.h"
#include "FileDescriptor.h"
#include "OutputGuard.h"
#include "SystemError.h"
#include "WriteTarget.h"

namespace ledfont::cli {
namespace {

// A pipe or a device takes the bytes as a stream; there is nothing to replace.
void WriteIntoStream(const std::string& path, std::string_view content) {
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    if (!fd.IsOpen()) ThrowFileError(errno, "open", path);
    WriteAll(fd.Get(), content, path);
    if (const int failure = fd.Close(); failure != 0) ThrowFileError(failure, "write", path);
}

}  // namespace

bool WriteOutput(const std::string& output, const std::string& fontFile, std::string_view content,
                 std::ostream& out) {
    if (output == "-") {
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        return false;
    }
    const WriteTarget where = ResolveWriteTarget(output);
    switch (where.kind) {
        case WriteTarget::Kind::Descriptor:
            out.flush();  // what the program printed before stays before
            WriteAll(where.descriptor, content, output);
            return false;
        case WriteTarget::Kind::Fifo:
        case WriteTarget::Kind::CharacterDevice:
            WriteIntoStream(where.path, content);
            return false;
        default:
            RefuseOverwritingFont(output, fontFile);
            WriteFileAtomically(output, where, content);
            return true;
    }
}

}  // namespace ledfont::cli
