#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "../font/TestFolder.h"
#include "../support/FontModel.h"
#include "../support/RunProcess.h"

namespace ledfont::test {

// A folder of font files and the companion program run in it.
class Companion : public testing::Test {
protected:
    ProcessResult Run(std::vector<std::string> args) const {
        args.insert(args.begin(), LEDFONT_COMPANION);
        return RunProcess(args, folder.Root());
    }
    std::string Write(const std::string& name, const std::string& text) const {
        return folder.Write(name, text);
    }
    std::string Read(const std::string& name) const { return TestFolder::Read(folder.Path(name)); }
    bool Exists(const std::string& name) const { return folder.Entries().contains(name); }

    TestFolder folder;
};

// The lines of a text ended by CR LF, without their ends.
inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::size_t end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(text.substr(at, end - at));
    return lines;
}

}  // namespace ledfont::test
