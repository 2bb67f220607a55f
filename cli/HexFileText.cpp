#include "HexFileText.h"

#include "OnFile.h"
#include "ReadableFile.h"

namespace ledfont::cli {
namespace {

// A font image is about 12 KB, a dump of a controller's 64 KB some 180 KB;
// anything this large cannot be one.
constexpr std::size_t kLargestHexFile = 64 * 1024 * 1024;

}  // namespace

std::string ReadHexFile(const std::string& path) {
    return OnFile(path, [&] { return ReadWholeFile(path, kLargestHexFile); });
}

std::string HexProblemLine(const std::string& path, const HexProblem& problem) {
    return path + ':' + (problem.line > 0 ? std::to_string(problem.line) + ':' : "") + ' ' + problem.text;
}

}  // namespace ledfont::cli
