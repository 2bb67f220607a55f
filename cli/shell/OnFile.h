#pragma once

#include <string>

#include "Error.h"

namespace ledfont::cli {

// Whether a failure's description names the file at path, as every message
// of the font core does: in double quotes.
inline bool NamesFile(const std::string& description, const std::string& path) {
    return description.find('"' + path + '"') != std::string::npos;
}

// Runs step. A command line may name several files, so a failure that does
// not name the one it concerns is retold with it in front; it keeps its type.
template <class Step>
auto OnFile(const std::string& path, Step step) -> decltype(step()) {
    try {
        return step();
    } catch (const Error& e) {
        if (!NamesFile(e.Description(), path)) e.Retell(path + ": " + e.Description());
        throw;
    }
}

}  // namespace ledfont::cli
