#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <optional>

#include "DescriptorIo.h"
#include "Error.h"
#include "FileDescriptor.h"
#include "FileKind.h"
#include "SystemError.h"
#include "TerminationSignals.h"
#include "WriteTarget.h"

namespace ledfont {
namespace {

std::atomic<bool> namedTemporaryFilesForced{false};

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

// The new content until it is renamed into place: an unnamed file (O_TMPFILE)
// that gets a name only just before the rename, or a named one where the file
// system cannot do that. Whatever is left of it goes when it goes. While it
// has a name, the signals that end the program are held, so an interruption
// lands before the name or after the rename or removal, never in between.
class TempFile {
public:
    explicit TempFile(const std::string& target) : folder_(FolderOf(target)) {
        if (!namedTemporaryFilesForced && ::access("/proc/self/fd", X_OK) == 0)  // linkat needs it
            fd_ = FileDescriptor(::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
        if (!fd_.IsOpen()) CreateNamed(target);
    }
    ~TempFile() {
        if (!name_.empty()) ::unlink(name_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int Fd() const { return fd_.Get(); }

    void ReplaceTarget(const std::string& target) {
        if (!held_) held_.emplace();
        if (name_.empty()) LinkUnnamed(target);
        if (const int failure = fd_.Close(); failure != 0) ThrowFileError(failure, "write", target);
        if (::rename(name_.c_str(), target.c_str()) != 0) ThrowFileError(errno, "replace", target);
        name_.clear();
        held_.reset();
    }

private:
    // The write that follows takes as long as it takes with the signals held:
    // a few kilobytes, then a flush. A signal that came meanwhile ends the
    // program once the target is replaced or the temporary file is removed.
    void CreateNamed(const std::string& target) {
        held_.emplace();
        std::string pattern = folder_ + "/.ledfont-XXXXXX";
        fd_ = FileDescriptor(::mkstemp(pattern.data()));
        if (!fd_.IsOpen() && errno == ENOENT)  // the file itself need not exist; its folder must
            throw MakeError<PathNotFoundError>("the folder of \"" + target + "\" does not exist");
        if (!fd_.IsOpen()) ThrowFileError(errno, "create a file in the folder of", target);
        ::fcntl(fd_.Get(), F_SETFD, FD_CLOEXEC);
        name_ = pattern;
    }

    // Gives the unnamed file a free name beside the target.
    void LinkUnnamed(const std::string& target) {
        const std::string self = "/proc/self/fd/" + std::to_string(fd_.Get());
        for (int attempt = 0;; ++attempt) {
            std::string name =
                folder_ + "/.ledfont-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                name_ = std::move(name);
                return;
            }
            if (errno != EEXIST || attempt > 100) ThrowFileError(errno, "write", target);
        }
    }

    std::optional<TerminationSignalsHeld> held_;  // first made, last gone
    std::string folder_;
    FileDescriptor fd_;
    std::string name_;  // the temporary name while there is one
};

[[noreturn]] void RefuseToReplace(const WriteTarget& where, const std::string& path) {
    const std::string what = where.kind == WriteTarget::Kind::Descriptor
                                 ? "an open descriptor of this program"
                                 : FileKindText(where.mode);
    throw MakeError<PathFileAccessError>("cannot write \"" + path + "\": it is " + what +
                                         ", not a regular file, and is left as it is");
}

// An existing target must be writable by this user: the rename that replaces
// it needs only the folder's permission, and would otherwise overwrite a file
// the user may not write.
void CheckWritable(const std::string& target) {
    if (::access(target.c_str(), W_OK) != 0) ThrowFileError(errno, "write", target);
}

// The new file keeps the old file's owner and group. Only root may give a
// file away; an ordinary user's EPERM leaves the file theirs, as it was.
void KeepOwner(int fd, const struct stat& st) {
    [[maybe_unused]] const int result = fchown(fd, st.st_uid, st.st_gid);
}

// The rename is on disk only once its folder is; a failure here loses nothing.
void SyncFolder(const std::string& folder) {
    const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.IsOpen()) ::fsync(fd.Get());
}

}  // namespace

void ForceNamedTemporaryFiles(bool force) { namedTemporaryFilesForced = force; }

void WriteFileAtomically(const std::string& path, std::string_view content) {
    WriteFileAtomically(path, ResolveWriteTarget(path), content);
}

void WriteFileAtomically(const std::string& path, const WriteTarget& where, std::string_view content) {
    const bool exists = where.kind == WriteTarget::Kind::RegularFile;
    if (!exists && where.kind != WriteTarget::Kind::NewFile) RefuseToReplace(where, path);
    const std::string& target = where.path;
    struct stat st {};
    if (exists && ::stat(target.c_str(), &st) != 0) ThrowFileError(errno, "write", target);
    if (exists) CheckWritable(target);
    TempFile temp(target);
    WriteAll(temp.Fd(), content, target);
    if (exists) KeepOwner(temp.Fd(), st);
    if (fchmod(temp.Fd(), exists ? st.st_mode & 07777 : NewFileMode()) != 0)
        ThrowFileError(errno, "write", target);
    if (fsync(temp.Fd()) != 0) ThrowFileError(errno, "write", target);
    temp.ReplaceTarget(target);
    SyncFolder(FolderOf(target));
}

}  // namespace ledfont
