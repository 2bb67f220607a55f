#include "AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "Error.h"
#include "FileSizeLimit.h"
#include "TestFolder.h"
#include "Unprivileged.h"

namespace ledfont {
namespace {

using test::TestFolder;

mode_t PermissionsOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

mode_t CurrentUmask() {
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

TEST(WriteFileAtomically, CreatesANewFileWithExactlyTheContent) {
    TestFolder folder;
    const std::string content = std::string("10\r\n5\r\n") + std::string(1, '\0') + "\xFF";
    WriteFileAtomically(folder.Path("new.txt"), content);
    EXPECT_EQ(TestFolder::Read(folder.Path("new.txt")), content);
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"new.txt"})) << "no temporary file may stay";
    EXPECT_EQ(PermissionsOf(folder.Path("new.txt")), 0666 & ~CurrentUmask());
}

TEST(WriteFileAtomically, ReplacesALongerFileWholly) {
    TestFolder folder;
    const std::string path = folder.Write("old.txt", std::string(5000, 'x'));
    WriteFileAtomically(path, "1\r\n");
    EXPECT_EQ(TestFolder::Read(path), "1\r\n");
}

TEST(WriteFileAtomically, WritesAnEmptyContent) {
    TestFolder folder;
    const std::string path = folder.Write("old.txt", "something");
    WriteFileAtomically(path, "");
    EXPECT_EQ(TestFolder::Read(path), "");
}

TEST(WriteFileAtomically, KeepsThePermissionsOfTheFileItReplaces) {
    TestFolder folder;
    std::vector<mode_t> modes{0640, 0600, 0755};
    if (test::RunningAsRoot()) modes.push_back(0444);  // an ordinary user is refused (below)
    for (const mode_t mode : modes) {
        const std::string path = folder.Write("kept.txt", "old");
        ASSERT_EQ(chmod(path.c_str(), mode), 0);
        WriteFileAtomically(path, "new");
        EXPECT_EQ(PermissionsOf(path), mode);
        EXPECT_EQ(TestFolder::Read(path), "new");
        ASSERT_EQ(chmod(path.c_str(), 0644), 0);
    }
}

TEST(WriteFileAtomically, WritingThroughASymbolicLinkKeepsTheLink) {
    TestFolder folder;
    std::filesystem::create_directory(folder.Path("real"));
    const std::string target = folder.Write("real/font.txt", "old");
    const std::string link = folder.Path("link.txt");
    std::filesystem::create_symlink(target, link);
    WriteFileAtomically(link, "new");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(std::filesystem::read_symlink(link).string(), target);
    EXPECT_EQ(TestFolder::Read(target), "new");
    EXPECT_EQ(TestFolder::EntriesOf(folder.Path("real")), (std::set<std::string>{"font.txt"}));
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"link.txt", "real"}));
}

TEST(WriteFileAtomically, ADanglingLinkStaysAndTheFileItNamesIsCreated) {
    TestFolder folder;
    std::filesystem::create_directory(folder.Path("real"));
    const std::string link = folder.Path("link.txt");
    std::filesystem::create_symlink("real/font.txt", link);  // relative: from the link's folder
    WriteFileAtomically(link, "new");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(TestFolder::Read(folder.Path("real/font.txt")), "new");
    EXPECT_EQ(TestFolder::EntriesOf(folder.Path("real")), (std::set<std::string>{"font.txt"}));
}

TEST(WriteFileAtomically, ARelativePathLandsInTheWorkingFolder) {
    TestFolder folder;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.Root());
    WriteFileAtomically("plain.txt", "7\r\n");
    std::filesystem::current_path(previous);
    EXPECT_EQ(TestFolder::Read(folder.Path("plain.txt")), "7\r\n");
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"plain.txt"}));
}

struct FailCase {
    std::string name;
    std::string relativePath;  // under the test folder; empty means the empty path
    ErrorNumber number;
    std::string description;  // "@" stands for the test folder
};

std::ostream& operator<<(std::ostream& os, const FailCase& c) { return os << c.name; }

class WriteFailure : public ::testing::TestWithParam<FailCase> {};

TEST_P(WriteFailure, IsTypedAndLeavesTheFolderAsItWas) {
    TestFolder folder;
    folder.Write("plain.txt", "old");
    std::filesystem::create_directory(folder.Path("sub"));
    folder.Write("sub/inside.txt", "kept");
    ASSERT_EQ(mkfifo(folder.Path("fifo").c_str(), 0644), 0);
    std::filesystem::create_symlink("fifo", folder.Path("fifo-link"));
    std::filesystem::create_symlink("/dev/null", folder.Path("null-link"));
    std::filesystem::create_symlink("loop-b", folder.Path("loop-a"));
    std::filesystem::create_symlink("loop-a", folder.Path("loop-b"));
    const auto before = folder.Entries();
    const std::string path = GetParam().relativePath.empty() ? "" : folder.Path(GetParam().relativePath);
    try {
        WriteFileAtomically(path, "new");
        FAIL() << "wrote to \"" << path << "\"";
    } catch (const Error& e) {
        std::string description = GetParam().description;
        if (const auto at = description.find('@'); at != std::string::npos)
            description.replace(at, 1, folder.Root());
        EXPECT_EQ(e.Number(), GetParam().number) << e.Description();
        EXPECT_EQ(e.Description(), description);
    }
    EXPECT_EQ(folder.Entries(), before);
    EXPECT_TRUE(std::filesystem::is_fifo(folder.Path("fifo")));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    EXPECT_EQ(TestFolder::Read(folder.Path("plain.txt")), "old");
    EXPECT_EQ(TestFolder::EntriesOf(folder.Path("sub")), (std::set<std::string>{"inside.txt"}));
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path("sub")));
}

INSTANTIATE_TEST_SUITE_P(
    BadTargets, WriteFailure,
    ::testing::Values(
        FailCase{"MissingFolder", "nowhere/font.txt", ErrorNumber::PathNotFound,
                 "the folder of \"@/nowhere/font.txt\" does not exist [Path not found]"},
        FailCase{
            "FolderIsAFile", "plain.txt/font.txt", ErrorNumber::PathNotFound,
            "cannot write \"@/plain.txt/font.txt\": a part of the path is not a folder [Path not found]"},
        FailCase{"TargetIsAFolder", "sub", ErrorNumber::PathFileAccess,
                 "cannot write \"@/sub\": it is a folder, not a regular file, and is left as it is "
                 "[Path/File access error]"},
        FailCase{
            "Fifo", "fifo", ErrorNumber::PathFileAccess,
            "cannot write \"@/fifo\": it is a named pipe (FIFO), not a regular file, and is left as it is "
            "[Path/File access error]"},
        FailCase{
            "LinkToAFifo", "fifo-link", ErrorNumber::PathFileAccess,
            "cannot write \"@/fifo-link\": it is a named pipe (FIFO), not a regular file, and is left as "
            "it is [Path/File access error]"},
        FailCase{"LinkToADevice", "null-link", ErrorNumber::PathFileAccess,
                 "cannot write \"@/null-link\": it is a character device, not a regular file, and is left as "
                 "it is [Path/File access error]"},
        FailCase{"LinkLoop", "loop-a", ErrorNumber::PathFileAccess,
                 "cannot write \"@/loop-a\": its symbolic links go round in a loop [Path/File access error]"},
        FailCase{"EmptyPath", "", ErrorNumber::BadFileName,
                 "the file name is empty [Bad file name or number]"}),
    [](const ::testing::TestParamInfo<FailCase>& param) { return param.param.name; });

TEST(WriteFileAtomically, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
    TestFolder folder;
    const std::string old(100, 'o');
    const std::string path = folder.Write("font.txt", old);
    const std::string bigger(10'000, 'n');
    {
        test::FileSizeLimit limit(1000);  // the new content cannot be written whole
        EXPECT_THROW(WriteFileAtomically(path, bigger), Error);
    }
    EXPECT_EQ(TestFolder::Read(path), old);
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"font.txt"}));
}

// 0 when writing path as an ordinary user is refused as permission denied.
int RefusedAsPermissionDenied(const std::string& path) {
    try {
        WriteFileAtomically(path, "new");
        return 1;
    } catch (const PermissionDeniedError&) {
        return 0;
    } catch (...) {
        return 2;
    }
}

TEST(WriteFileAtomically, AReadOnlyFolderIsPermissionDeniedAndKeepsTheOldFile) {
    TestFolder folder;
    folder.OpenToEveryone();
    std::filesystem::create_directory(folder.Path("ro"));
    const std::string path = folder.Write("ro/font.txt", "old");
    ASSERT_EQ(chmod(path.c_str(), 0666), 0);
    ASSERT_EQ(chmod(folder.Path("ro").c_str(), 0555), 0);
    EXPECT_EQ(test::RunUnprivileged([&] { return RefusedAsPermissionDenied(path); }), 0);
    EXPECT_EQ(TestFolder::Read(path), "old");
    EXPECT_EQ(TestFolder::EntriesOf(folder.Path("ro")), (std::set<std::string>{"font.txt"}));
}

// The rename that replaces a file needs only the folder's permission: a file
// the user may not write must still be refused, not quietly replaced.
TEST(WriteFileAtomically, AFileTheUserMayNotWriteIsRefusedAndKept) {
    TestFolder folder;
    folder.OpenToEveryone();
    const std::string path = folder.Write("locked.txt", "old");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(test::RunUnprivileged([&] { return RefusedAsPermissionDenied(path); }), 0);
    EXPECT_EQ(TestFolder::Read(path), "old");
    EXPECT_EQ(PermissionsOf(path), 0444u);
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"locked.txt"}));
}

// Names of temporary files in the folder, which the next round removes.
std::set<std::string> TakeTemporaryFiles(const TestFolder& folder) {
    std::set<std::string> found;
    for (const std::string& name : folder.Entries())
        if (name.starts_with(".ledfont-") && found.insert(name).second)
            std::filesystem::remove(folder.Path(name));
    return found;
}

// The exit status of a child that a signal should end; SIGKILL after 20 s.
int StatusOfChild(pid_t pid) {
    int status = 0;
    for (int wait = 0; wait < 2000 && waitpid(pid, &status, WNOHANG) == 0; ++wait) usleep(10'000);
    if (waitpid(pid, &status, WNOHANG) == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        ADD_FAILURE() << "the writer did not end";
    }
    return status;
}

// Where the file system has no unnamed files (a USB stick, NFS), the
// temporary file has a name from its creation: a SIGTERM or SIGINT at any
// moment of the write must still leave none, and the target old or new, never
// cut. The writer is a child that writes until a signal ends it, alone or
// beside a second thread that the kernel may hand the signal to.
TEST(WriteFileAtomically, AnInterruptedWriteWithANamedTemporaryFileLeavesNone) {
    TestFolder folder;
    const std::string path = folder.Write("font.txt", "old");
    const std::string content(1 << 20, 'n');
    std::mt19937 random(47);
    for (const bool secondThread : {false, true}) {
        for (int round = 0; round < 24; ++round) {
            int ready[2];
            ASSERT_EQ(pipe(ready), 0);
            const pid_t pid = fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                if (secondThread)
                    std::thread([] {
                        for (;;) pause();
                    }).detach();
                ForceNamedTemporaryFiles(true);
                try {
                    for (bool first = true;; first = false) {
                        if (first && write(ready[1], "w", 1) != 1) _exit(3);
                        WriteFileAtomically(path, content);
                    }
                } catch (...) {
                    _exit(4);
                }
            }
            close(ready[1]);
            char started = 0;
            ASSERT_EQ(read(ready[0], &started, 1), 1);
            close(ready[0]);
            usleep(static_cast<useconds_t>(random() % 4000));
            const int signal = round % 2 == 0 ? SIGTERM : SIGINT;
            kill(pid, signal);
            const int status = StatusOfChild(pid);
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << "status " << status;
            EXPECT_EQ(TakeTemporaryFiles(folder), std::set<std::string>{})
                << (secondThread ? "with a second thread, " : "") << "round " << round;
            const std::string now = TestFolder::Read(path);
            EXPECT_TRUE(now == "old" || now == content) << now.size() << " bytes";
        }
    }
}

TEST(WriteFileAtomically, TheReplacedFileKeepsItsOwnerAndGroup) {
    if (!test::RunningAsRoot()) GTEST_SKIP() << "only root may give a file to another user";
    TestFolder folder;
    const std::string path = folder.Write("font.txt", "old");
    ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
    WriteFileAtomically(path, "new");
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(TestFolder::Read(path), "new");
}

}  // namespace
}  // namespace ledfont
