#pragma once

#include "Command.h"

namespace ledfont::cli {

// The import as the import program runs it: its command line, its --help,
// and the run that renders the typeface.
const Command& TypefaceImportCommand();

}  // namespace ledfont::cli
