#include "OutputGuard.h"

#include <filesystem>
#include <system_error>

#include "Error.h"

namespace ledfont {
namespace {

bool SameExistingFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    const bool same = std::filesystem::equivalent(a, b, ec);
    return !ec && same;
}

}  // namespace

void RefuseOverwritingFont(const std::string& output, const std::string& fontFile) {
    if (output == fontFile || SameExistingFile(output, fontFile))
        throw MakeError<BadFileNameError>("\"" + output + "\" would overwrite the file it is made from");
}

}  // namespace ledfont
