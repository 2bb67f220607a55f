#include "PngOutput.h"

#include "Error.h"
#include "PngWriter.h"

namespace ledfont::cli {

void RefuseUnlessPngOutput(const std::string& output) {
    if (output != "-" && !picture::IsPngName(output))
        throw MakeError<UsageError>("\"" + output +
                                    "\" does not end in .png: name a .png file, or - for "
                                    "standard output");
}

}  // namespace ledfont::cli
