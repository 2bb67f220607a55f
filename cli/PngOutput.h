#pragma once

#include <string>

namespace ledfont::cli {

// A picture goes only to standard output ("-") or to a name that says it is
// one (IsPngName). Throws UsageError for any other output.
void RefuseUnlessPngOutput(const std::string& output);

}  // namespace ledfont::cli
