#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace ledfont::test {

// A fresh folder for one test, removed with everything in it afterwards.
class TestFolder {
public:
    TestFolder() {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/ledfont-test-XXXXXX";
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a test folder");
        root_ = pattern;
    }
    ~TestFolder() {
        std::error_code ec;
        // Give back any permission a test took away, so everything can go.
        for (auto it = std::filesystem::recursive_directory_iterator(root_, ec);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(root_, ec);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    std::string Root() const { return root_.string(); }
    // Lets another user (an unprivileged test process) into the folder.
    void OpenToEveryone() const {
        std::filesystem::permissions(root_, std::filesystem::perms::all);
    }
    std::string Path(std::string_view name) const { return (root_ / name).string(); }

    std::string Write(std::string_view name, std::string_view content) const {
        const std::string p = Path(name);
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        if (!out) throw std::runtime_error("cannot write test file " + p);
        return p;
    }

    static std::string Read(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        if (!in) throw std::runtime_error("cannot read test file " + p);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // Names directly in the folder (temporary files of a failed write would show here).
    std::set<std::string> Entries() const { return EntriesOf(root_); }
    static std::set<std::string> EntriesOf(const std::filesystem::path& folder) {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(folder))
            names.insert(e.path().filename().string());
        return names;
    }

private:
    std::filesystem::path root_;
};

inline bool RunningAsRoot() { return geteuid() == 0; }

}  // namespace ledfont::test
