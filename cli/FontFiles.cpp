#include "FontFiles.h"

#include <unistd.h>

#include <cerrno>

#include "AtomicFile.h"
#include "OutputGuard.h"
#include "ReadableFile.h"
#include "SystemError.h"

namespace ledfont::cli {
namespace {

// Closes a descriptor however the read ends.
class OpenFile {
public:
    explicit OpenFile(int fd) : fd_(fd) {}
    ~OpenFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int Fd() const { return fd_; }

private:
    int fd_;
};

}  // namespace

FontState LoadFontFile(const std::string& path, FontMode mode, ItemLines* lines) {
    FontState font;
    font.FontFile = path;
    font.IsJukta = mode == FontMode::Jukta;
    OnFile(path, [&] {
        if (!lines) return mode == FontMode::Jukta ? LoadFontJukta(font, path) : LoadFont(font, path);
        ItemReader reader = ItemReader::OpenFile(path);
        LoadFontItems(font, mode, reader, lines);
    });
    return font;
}

std::string ReadSmallFile(const std::string& path, std::size_t limit) {
    const OpenFile file(OpenForReading(path));
    std::string content;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(file.Fd(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ThrowFileError(errno, "read", path);
        if (n == 0) return content;
        if (content.size() + static_cast<std::size_t>(n) > limit)
            throw PathFileAccessError("Path/File access error (\"" + path + "\" is larger than " +
                                      std::to_string(limit) + " bytes)");
        content.append(buffer, static_cast<std::size_t>(n));
    }
}

void WriteOutput(const std::string& output, const std::string& fontFile, std::string_view content,
                 std::ostream& out) {
    if (output == "-") {
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        return;
    }
    RefuseOverwritingFont(output, fontFile);
    WriteFileAtomically(output, content);
}

}  // namespace ledfont::cli
