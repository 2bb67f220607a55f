#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include "Error.h"
#include "SystemError.h"

namespace ledfont {
namespace {

// The file a write really lands in: the target of a symbolic link, else the path.
std::string ResolveTarget(const std::string& path) {
    char resolved[PATH_MAX];
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && realpath(path.c_str(), resolved))
        return resolved;
    return path;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t ModeFor(const std::string& target) {
    struct stat st {};
    if (stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

void WriteAll(int fd, std::string_view content, const std::string& path) {
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ThrowFileError(n < 0 ? errno : ENOSPC, "write", path);
        content.remove_prefix(static_cast<std::size_t>(n));
    }
}

// Owns the temporary file until it has been renamed into place.
class TempFile {
public:
    explicit TempFile(const std::string& target) : name_(FolderOf(target) + "/.ledfont-XXXXXX") {
        std::vector<char> buf(name_.begin(), name_.end());
        buf.push_back('\0');
        fd_ = mkstemp(buf.data());
        if (fd_ < 0 && errno == ENOENT)  // the file itself need not exist; its folder must
            throw PathNotFoundError("Path not found (the folder of \"" + target + "\" does not exist)");
        if (fd_ < 0) ThrowFileError(errno, "create a file in the folder of", target);
        name_.assign(buf.data());
    }
    ~TempFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!committed_) ::unlink(name_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int Fd() const { return fd_; }
    void CloseOrThrow(const std::string& target) {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) ThrowFileError(errno, "write", target);
    }
    void RenameTo(const std::string& target) {
        if (::rename(name_.c_str(), target.c_str()) != 0) ThrowFileError(errno, "replace", target);
        committed_ = true;
    }

private:
    std::string name_;
    int fd_ = -1;
    bool committed_ = false;
};

// An existing target must be writable by this user: the rename that replaces
// it needs only the folder's permission, and would otherwise overwrite a file
// the user may not write.
void CheckReplaceable(const std::string& target, const struct stat& st) {
    if (S_ISDIR(st.st_mode)) ThrowFileError(EISDIR, "write", target);
    if (access(target.c_str(), W_OK) != 0) ThrowFileError(errno, "write", target);
}

// The new file keeps the old file's owner and group. Only root may give a
// file away; an ordinary user's EPERM leaves the file theirs, as it was.
void KeepOwner(int fd, const struct stat& st) {
    [[maybe_unused]] const int result = fchown(fd, st.st_uid, st.st_gid);
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view content) {
    if (path.empty()) throw BadFileNameError("Bad file name or number (the file name is empty)");
    const std::string target = ResolveTarget(path);
    struct stat st {};
    const bool exists = stat(target.c_str(), &st) == 0;
    if (exists) CheckReplaceable(target, st);
    TempFile temp(target);
    WriteAll(temp.Fd(), content, target);
    if (exists) KeepOwner(temp.Fd(), st);
    if (fchmod(temp.Fd(), ModeFor(target)) != 0) ThrowFileError(errno, "write", target);
    if (fsync(temp.Fd()) != 0) ThrowFileError(errno, "write", target);
    temp.CloseOrThrow(target);
    temp.RenameTo(target);
}

}  // namespace ledfont
