#pragma once

#include <string>

namespace ledfont::cli {

// The path of a file that ships with ledfont (the conjunct list), looked for
// in share/ledfont/ beside the folder of the running program (build/cli/
// finds build/share/ledfont/, /usr/bin/ and /usr/libexec/ledfont/ find
// /usr/share/ledfont/), then in the data folder the program was built for.
// Throws FileNotFoundError naming every place when none holds it.
std::string FindDataFile(const std::string& name);

// The path of a helper program of ledfont (ledfont-import): beside the
// running program first (the build folder), then in libexec/ledfont/ beside
// its folder, then in the folder of helper programs the program was built
// for. Throws FileNotFoundError naming every place when none holds it.
std::string FindHelperProgram(const std::string& name);

}  // namespace ledfont::cli
