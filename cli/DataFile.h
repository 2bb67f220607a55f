#pragma once

#include <string>

namespace ledfont::cli {

// The path of a file that ships with ledfont (the conjunct list), looked for
// in <folder of the running program>/../share/ledfont/ first (build/cli/ledfont
// finds build/share/ledfont/, /usr/bin/ledfont finds /usr/share/ledfont/),
// then in the data folder the program was built for. Throws
// FileNotFoundError naming both places when neither holds it.
std::string FindDataFile(const std::string& name);

// The path of a module of ledfont (ledfont-typeface.so): beside the running
// program first, then in the library folder the program was built for.
// Throws FileNotFoundError naming both places when neither holds it.
std::string FindModule(const std::string& name);

}  // namespace ledfont::cli
