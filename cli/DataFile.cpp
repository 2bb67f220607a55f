#include "DataFile.h"

#include <filesystem>
#include <system_error>

#include "Error.h"

namespace ledfont::cli {
namespace {

namespace fs = std::filesystem;

fs::path ProgramFolder() {
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        throw PathFileAccessError("Path/File access error (cannot find the running program: " + ec.message() +
                                  ")");
    return program.parent_path();
}

std::string FirstThere(const fs::path& first, const fs::path& second, const std::string& what) {
    std::error_code ec;
    for (const fs::path& candidate : {first, second})
        if (fs::is_regular_file(candidate, ec)) return candidate.string();
    throw FileNotFoundError("File not found (" + what + " is neither " + first.string() + " nor " +
                            second.string() + ")");
}

}  // namespace

std::string FindDataFile(const std::string& name) {
    return FirstThere((ProgramFolder() / ".." / "share" / "ledfont" / name).lexically_normal(),
                      fs::path(LEDFONT_DATA_DIR) / name, "the data file " + name);
}

std::string FindModule(const std::string& name) {
    return FirstThere(ProgramFolder() / name, fs::path(LEDFONT_MODULE_DIR) / name, "the module " + name);
}

}  // namespace ledfont::cli
