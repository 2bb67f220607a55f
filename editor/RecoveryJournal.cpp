#include "RecoveryJournal.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Error.h"
#include "HexText.h"

namespace ledfont {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHeader = "ledfont-journal 1";
constexpr std::string_view kEnd = "end";
constexpr std::string_view kSuffix = ".journal";

std::string HexBytes(std::string_view bytes) {
    std::string text;
    for (const char ch : bytes) text += HexCh(static_cast<Byte>(ch));
    return text;
}

std::optional<std::string> BytesOfHex(std::string_view hex) {
    if (hex.size() % 2 != 0) return std::nullopt;
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = DigitValue(hex[i]), low = DigitValue(hex[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

template <std::size_t N>
std::optional<std::array<Byte, N>> ByteArrayOfHex(std::string_view hex) {
    const auto bytes = BytesOfHex(hex);
    if (!bytes || bytes->size() != N) return std::nullopt;
    std::array<Byte, N> out{};
    for (std::size_t i = 0; i < N; ++i) out[i] = static_cast<Byte>((*bytes)[i]);
    return out;
}

std::string_view ArrayView(const Byte* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

[[noreturn]] void ThrowJournalError(const std::string& what, const std::string& path) {
    throw PathFileAccessError("The recovery journal " + path + " cannot be " + what + ": " +
                              std::strerror(errno));
}

bool ParseLine(std::istringstream& line, const std::string& key, JournalContent& content) {
    std::string word;
    if (key == "file") {
        line >> word;
        const auto path = BytesOfHex(word);
        if (!path) return false;
        content.fontFile = *path;
    } else if (key == "checksum") {
        line >> word;
        if (word.size() != 16) return false;
        content.checksum = std::stoull(word, nullptr, 16);
    } else if (key == "mode") {
        line >> word;
        if (word != "Hindi" && word != "Jukta") return false;
        content.mode = word == "Jukta" ? FontMode::Jukta : FontMode::Hindi;
    } else if (key == "current" || key == "record" || key == "codes") {
        int index = -1;
        line >> index;
        if (index < 0 || index > LastGlyph(content.mode)) return false;
        if (key == "current") {
            content.current = static_cast<std::int16_t>(index);
            return true;
        }
        line >> word;
        if (key == "record") {
            const auto record = ByteArrayOfHex<kRecordBytes>(word);
            if (!record) return false;
            content.records.emplace_back(index, *record);
        } else {
            const auto pair = ByteArrayOfHex<2>(word);
            if (!pair || content.mode != FontMode::Jukta) return false;
            content.codes.emplace_back(index, *pair);
        }
    } else {
        return false;
    }
    return true;
}

}  // namespace

std::string JournalText(const JournalContent& content) {
    std::ostringstream text;
    text << kHeader << '\n';
    text << "file " << HexBytes(content.fontFile) << '\n';
    char checksum[17];
    std::snprintf(checksum, sizeof checksum, "%016llx", static_cast<unsigned long long>(content.checksum));
    text << "checksum " << checksum << '\n';
    text << "mode " << ModeName(content.mode) << '\n';
    text << "current " << content.current << '\n';
    for (const auto& [index, record] : content.records)
        text << "record " << index << ' ' << HexBytes(ArrayView(record.data(), record.size())) << '\n';
    for (const auto& [index, pair] : content.codes)
        text << "codes " << index << ' ' << HexBytes(ArrayView(pair.data(), pair.size())) << '\n';
    text << kEnd << '\n';
    return text.str();
}

std::optional<JournalContent> ParseJournal(std::string_view text) {
    std::istringstream lines{std::string(text)};
    std::string line;
    if (!std::getline(lines, line) || line != kHeader) return std::nullopt;
    JournalContent content;
    while (std::getline(lines, line)) {
        if (line == kEnd) return content;
        std::istringstream fields(line);
        std::string key;
        fields >> key;
        try {
            if (!ParseLine(fields, key, content)) return std::nullopt;
        } catch (const std::exception&) {
            return std::nullopt;  // a checksum that is no number
        }
    }
    return std::nullopt;  // cut short
}

void ApplyJournal(const JournalContent& content, FontState& font) {
    for (const auto& [index, record] : content.records)
        for (int k = 0; k < kRecordBytes; ++k) font.FontBytes(index, k) = record[static_cast<std::size_t>(k)];
    for (const auto& [index, pair] : content.codes)
        for (int j = 0; j < 2; ++j) font.JuktaCodes(index, j) = pair[static_cast<std::size_t>(j)];
    font.CurChar = content.current;
}

std::uint64_t ContentChecksum(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char ch : bytes) {
        hash ^= static_cast<unsigned char>(ch);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::optional<std::uint64_t> FileChecksum(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (file.bad()) return std::nullopt;
    return ContentChecksum(bytes.str());
}

std::string JournalFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && *state == '/') return (fs::path(state) / "ledfont").string();
    const char* home = std::getenv("HOME");
    return (fs::path(home && *home ? home : "/tmp") / ".local" / "state" / "ledfont").string();
}

std::string JournalFontPath(const std::string& fontFile) {
    std::error_code error;
    const fs::path path = fs::weakly_canonical(fs::absolute(fontFile, error), error);
    return error ? fs::absolute(fontFile).lexically_normal().string() : path.string();
}

RecoveryJournal::RecoveryJournal(std::string folder) : folder_(std::move(folder)) {}

RecoveryJournal::~RecoveryJournal() {
    if (fd_ >= 0) ::close(fd_);
}

// Named after the process and a number of its own: two editors, in one
// process or in two, never share a journal. O_EXCL keeps a new editor that
// got the number of a killed one from taking over its journal.
void RecoveryJournal::Create() {
    static std::atomic<unsigned> next{0};
    std::error_code error;
    fs::create_directories(folder_, error);
    ::chmod(folder_.c_str(), 0700);
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const std::string name =
            std::to_string(::getpid()) + "-" + std::to_string(next++) + std::string(kSuffix);
        const std::string path = (fs::path(folder_) / name).string();
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) ThrowJournalError("created", path);
        ::flock(fd, LOCK_EX | LOCK_NB);
        fd_ = fd;
        path_ = path;
        written_.clear();
        return;
    }
    errno = EEXIST;
    ThrowJournalError("created", folder_);
}

// Written over the old content and then cut to length, so a crash halfway
// leaves either journal whole or a text without its end line, which no one
// reads.
void RecoveryJournal::Write(const JournalContent& content) {
    const std::string text = JournalText(content);
    if (fd_ >= 0 && text == written_) return;
    if (fd_ < 0) Create();
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::pwrite(fd_, text.data() + done, text.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ThrowJournalError("written", path_);
        done += static_cast<std::size_t>(n);
    }
    if (::ftruncate(fd_, static_cast<off_t>(text.size())) != 0 || ::fdatasync(fd_) != 0)
        ThrowJournalError("written", path_);
    written_ = text;
}

void RecoveryJournal::Remove() {
    if (fd_ < 0) return;
    ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
    path_.clear();
    written_.clear();
}

namespace {
// The newest whole journal in folder that no running editor holds and that
// wanted accepts. One listing of the folder, and nothing more when it is
// empty or absent.
template <class Wanted>
std::optional<LeftJournal> NewestLeftJournal(const std::string& folder, const Wanted& wanted) {
    std::error_code error;
    std::optional<LeftJournal> found;
    fs::file_time_type newest{};
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().extension() != kSuffix || !entry.is_regular_file(error)) continue;
        const std::string path = entry.path().string();
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0) continue;
        const bool left = ::flock(fd, LOCK_SH | LOCK_NB) == 0;  // no running editor holds it
        ::close(fd);
        if (!left) continue;
        std::ostringstream text;
        text << std::ifstream(path, std::ios::binary).rdbuf();
        const auto content = ParseJournal(text.str());
        if (!content || !wanted(*content)) continue;
        const auto time = entry.last_write_time(error);
        if (!found || time > newest) {
            found = LeftJournal{path, *content};
            newest = time;
        }
    }
    return found;
}
}  // namespace

std::optional<LeftJournal> FindLeftJournal(const std::string& folder, const std::string& fontFile,
                                           FontMode mode, std::uint64_t checksum) {
    const std::string wanted = JournalFontPath(fontFile);
    return NewestLeftJournal(folder, [&](const JournalContent& content) {
        return content.fontFile == wanted && content.mode == mode && content.checksum == checksum;
    });
}

std::optional<LeftJournal> FindLeftNewFontJournal(const std::string& folder) {
    return NewestLeftJournal(folder, [](const JournalContent& content) { return content.fontFile.empty(); });
}

void DiscardLeftJournal(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(path.c_str());
    ::close(fd);
}

}  // namespace ledfont
