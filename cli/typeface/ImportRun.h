#pragma once

#include "Arguments.h"
#include "Command.h"

namespace ledfont::cli {

// The import itself, as the import program runs it: renders the typeface,
// writes the font and reports on standard error.
int RunImport(const Arguments& args, Streams& streams);

}  // namespace ledfont::cli
