#pragma once

#include <string>

#include "Error.h"

namespace ledfont {

// Turns an errno value from a failed file operation into the typed error the
// user sees, naming the file and what was being done ("open", "write").
[[noreturn]] void ThrowFileError(int errnoValue, const std::string& action, const std::string& path);

// Throws BadFileNameError when path is empty: no file was chosen.
void RefuseEmptyFileName(const std::string& path);

}  // namespace ledfont
