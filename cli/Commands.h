#pragma once

#include "Command.h"

namespace ledfont::cli {

// The commands of ledfont.
const Command& HexCommand();
const Command& VerifyCommand();
const Command& UnhexCommand();
const Command& CheckCommand();
const Command& SheetCommand();
const Command& NewCommand();
const Command& ImportCommand();
const Command& PreviewCommand();
const Command& CoverageCommand();
const Command& EncodeCommand();
const Command& ComposeCommand();

}  // namespace ledfont::cli
