#include "DataFile.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "Error.h"

namespace ledfont::cli {
namespace {

namespace fs = std::filesystem;

fs::path ProgramFolder() {
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        throw MakeError<PathFileAccessError>("cannot find the folder of the running program: " +
                                             ec.message());
    return program.parent_path();
}

std::string FirstThere(const std::vector<fs::path>& candidates, const std::string& what) {
    std::error_code ec;
    std::string tried;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const fs::path clean = candidates[i].lexically_normal();
        if (fs::is_regular_file(clean, ec)) return clean.string();
        tried += std::string(i == 0                       ? ""
                             : i + 1 == candidates.size() ? " and "
                                                          : ", ") +
                 '"' + clean.string() + '"';
    }
    throw MakeError<FileNotFoundError>("cannot find " + what + ": looked for " + tried);
}

}  // namespace

// Relative places first, so that a tree unpacked anywhere (dpkg -x, a build
// folder) finds its own files: bin/ and libexec/ledfont/ both reach share/.
std::string FindDataFile(const std::string& name) {
    const fs::path here = ProgramFolder();
    return FirstThere({here / ".." / "share" / "ledfont" / name,
                       here / ".." / ".." / "share" / "ledfont" / name, fs::path(LEDFONT_DATA_DIR) / name},
                      "the data file " + name);
}

std::string FindHelperProgram(const std::string& name) {
    const fs::path here = ProgramFolder();
    return FirstThere(
        {here / name, here / ".." / "libexec" / "ledfont" / name, fs::path(LEDFONT_LIBEXEC_DIR) / name},
        "the program " + name);
}

}  // namespace ledfont::cli
