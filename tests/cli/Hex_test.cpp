// ledfont hex and the command line every command shares.
#include <fcntl.h>
#include <unistd.h>

#include <thread>

#include "CompanionTest.h"

namespace ledfont::test {
namespace {

using HexCommand = Companion;

TEST_F(HexCommand, WritesTheHexImageBesideTheFontAndNamesIt) {
    for (const bool jukta : {false, true}) {
        const FontModel font = MakeFont(jukta, 3);
        Write("font.txt", FontText(font));
        const ProcessResult r = Run({"hex", "font.txt", jukta ? "--jukta" : "--hindi"});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "font.hex\n");
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(Read("font.hex"), HexText(font)) << (jukta ? "Jukta" : "Hindi");
    }
}

TEST_F(HexCommand, WritesToTheNamedFileOrToStandardOutput) {
    const FontModel font = MakeFont(true, 4);
    Write("j.fnt", FontText(font));
    const ProcessResult toFile = Run({"hex", "--jukta", "-o", "out.ihx", "j.fnt"});
    EXPECT_EQ(toFile.status, 0) << toFile.err;
    EXPECT_EQ(Read("out.ihx"), HexText(font));
    EXPECT_FALSE(Exists("j.hex"));

    const ProcessResult toStdout = Run({"hex", "j.fnt", "--jukta", "--output=-"});
    EXPECT_EQ(toStdout.status, 0) << toStdout.err;
    EXPECT_EQ(toStdout.out, HexText(font));
}

// What -o does with each kind of path a shell user may give it: pipes and
// devices are written into, never replaced; a dangling link makes the file it
// names; what cannot be written leaves everything as it was.
TEST_F(HexCommand, WritesIntoEveryKindOfOutputAsAShellUserExpects) {
    const FontModel font = MakeFont(false, 5);
    Write("font.txt", FontText(font));
    const std::string hex = HexText(font);
    std::filesystem::create_directory(folder.Path("real"));
    std::filesystem::create_directory(folder.Path("sub"));
    std::filesystem::create_symlink("real/made.hex", folder.Path("dangling"));
    std::filesystem::create_symlink("loop-b", folder.Path("loop-a"));
    std::filesystem::create_symlink("loop-a", folder.Path("loop-b"));
    std::filesystem::create_symlink("/proc/self/fd/1", folder.Path("to-stdout"));
    struct Case {
        const char* output;
        int status;
        std::string out;   // what standard output holds
        std::string said;  // part of standard error
    };
    for (const Case& c : {Case{"/dev/stdout", 0, hex, ""}, Case{"to-stdout", 0, hex, ""},
                          Case{"/dev/null", 0, "", ""}, Case{"dangling", 0, "dangling\n", ""},
                          Case{"loop-a", 2, "", "loop"}, Case{"sub", 2, "", "it is a folder"}}) {
        const ProcessResult r = Run({"hex", "font.txt", "--hindi", "-o", c.output});
        EXPECT_EQ(r.status, c.status) << c.output << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.output;
        EXPECT_NE(r.err.find(c.said), std::string::npos) << c.output << ": " << r.err;
    }
    EXPECT_TRUE(std::filesystem::is_symlink(folder.Path("dangling")));
    EXPECT_EQ(Read("real/made.hex"), hex);
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    EXPECT_EQ(folder.Entries(),
              (std::set<std::string>{"font.txt", "real", "sub", "dangling", "loop-a", "loop-b", "to-stdout"}));
}

TEST_F(HexCommand, WritesIntoANamedPipe) {
    const FontModel font = MakeFont(true, 6);
    Write("font.txt", FontText(font));
    const std::string pipe = folder.Path("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    std::string received;
    std::thread reader([&] { received = TestFolder::Read(pipe); });  // waits for the writer
    const ProcessResult r = Run({"hex", "font.txt", "--jukta", "-o", "pipe"});
    if (r.status != 0) {  // let the reader go, so a failure cannot hang the test
        const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
    }
    reader.join();
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(received, HexText(font));
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
    const ProcessResult verify = Run({"verify", "pipe", "font.txt", "--jukta"});
    EXPECT_EQ(verify.status, 2);
    EXPECT_NE(verify.err.find("it is a named pipe (FIFO)"), std::string::npos) << verify.err;
}

// Killed in the middle of its write (here by the file size limit), the
// program leaves the old file and no temporary file behind.
TEST_F(HexCommand, AnInterruptedWriteLeavesNoTemporaryFile) {
    Write("font.txt", FontText(MakeFont(false, 7)));
    Write("out.hex", "old image\r\n");
    const ProcessResult r = RunProcess(
        {"/bin/sh", "-c", std::string("ulimit -f 4; exec ") + LEDFONT_COMPANION + " hex font.txt --hindi -o out.hex"},
        folder.Root());
    EXPECT_NE(r.status, 0);
    EXPECT_EQ(Read("out.hex"), "old image\r\n");
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"font.txt", "out.hex"}));
}

TEST_F(HexCommand, ABadFontLeavesTheOldHexFileAndNamesFileAndLine) {
    std::vector<std::string> lines = FontLines(MakeFont(false, 1));
    lines[40] = "abc";
    Write("font.txt", Join(lines));
    Write("font.hex", "old image\r\n");
    const ProcessResult r = Run({"hex", "font.txt", "--hindi"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("font.txt"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("line 41"), std::string::npos) << r.err;
    EXPECT_EQ(Read("font.hex"), "old image\r\n");
}

TEST_F(HexCommand, NeverOverwritesTheFontFile) {
    const std::string text = FontText(MakeFont(false, 1));
    Write("font.txt", text);
    Write("x.hex", text);  // its HEX name would be itself
    struct Case {
        std::vector<std::string> args;
        const char* file;
    };
    for (const Case& c : {Case{{"hex", "font.txt", "--hindi", "-o", "font.txt"}, "font.txt"},
                          Case{{"hex", "font.txt", "--hindi", "-o", "./font.txt"}, "font.txt"},
                          Case{{"hex", "x.hex", "--hindi"}, "x.hex"}}) {
        const ProcessResult r = Run(c.args);
        EXPECT_EQ(r.status, 2) << c.args.back();
        EXPECT_NE(r.err.find("overwrite the font file"), std::string::npos) << r.err;
        EXPECT_EQ(Read(c.file), text);
    }
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"font.txt", "x.hex"}));
}

TEST_F(HexCommand, RefusesANameTooShortForTheHexRule) {
    Write("ab", FontText(MakeFont(false, 1)));
    const ProcessResult r = Run({"hex", "ab", "--hindi"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("too short"), std::string::npos) << r.err;
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"ab"});
}

TEST_F(HexCommand, MissingFontIsAFailureNamingTheFile) {
    const ProcessResult r = Run({"hex", "none.txt", "--hindi"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("none.txt"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("File not found"), std::string::npos) << r.err;
}

// ---- The command line -----------------------------------------------------

TEST_F(Companion, BadUsageExitsWithTwoAndShowsTheUsage) {
    Write("font.txt", FontText(MakeFont(false, 1)));
    const std::vector<std::vector<std::string>> lines = {
        {},
        {"export", "font.txt", "--hindi"},
        {"hex", "font.txt"},
        {"hex", "font.txt", "--hindi", "--jukta"},
        {"hex", "font.txt", "extra.txt", "--hindi"},
        {"hex", "--hindi"},
        {"hex", "font.txt", "--hindi", "-x"},
        {"hex", "font.txt", "--hindi", "-o"},
        {"hex", "font.txt", "--hindi", "-o", "a.hex", "-o", "b.hex"},
        {"check", "font.txt", "--hindi", "-o", "a.txt"},
        {"sheet", "font.txt", "--hindi"},
        {"sheet", "font.txt", "--hindi", "-o", "sheet.txt"},
        {"verify", "font.txt", "--hindi"},
        {"new", "--hindi"},
        {"import", "--hindi", "-o", "x.txt", "--hinting", "strong"},
        {"import", "--hindi", "-o", "x.txt", "--size", "3"},
        {"import", "--jukta", "-o", "x.txt", "--baseline", "17"},
        {"import", "--hindi", "-o", "x.txt", "--threshold", "256"},
        {"import", "--hindi", "-o", "x.txt", "list.txt", "typeface.ttf"},
    };
    for (const auto& args : lines) {
        const ProcessResult r = Run(args);
        std::string shown;
        for (const auto& a : args) shown += a + " ";
        EXPECT_EQ(r.status, 2) << shown;
        EXPECT_EQ(r.out, "") << shown;
        EXPECT_NE(r.err.find("Usage: ledfont"), std::string::npos) << shown << r.err;
    }
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"font.txt"});
}

TEST_F(Companion, HelpOnEveryCommandGoesToStandardOutput) {
    for (const char* command : {"hex", "verify", "check", "sheet", "new", "import"}) {
        const ProcessResult r = Run({command, "--help"});
        EXPECT_EQ(r.status, 0) << command;
        EXPECT_EQ(r.out.rfind(std::string("Usage: ledfont ") + command + " ", 0), 0u) << r.out;
        EXPECT_EQ(r.err, "");
    }
    const ProcessResult overview = Run({"--help"});
    EXPECT_EQ(overview.status, 0);
    for (const char* command : {"hex FONT", "verify HEX FONT", "check FONT", "sheet FONT"})
        EXPECT_NE(overview.out.find(command), std::string::npos) << command;
    EXPECT_EQ(Run({"--version"}).out, "ledfont 1.0\n");
}

TEST_F(Companion, OperandsMayFollowDoubleDash) {
    const FontModel font = MakeFont(false, 2);
    Write("-font.txt", FontText(font));
    const ProcessResult r = Run({"hex", "--hindi", "--", "-font.txt"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Read("-font.hex"), HexText(font));
}

}  // namespace
}  // namespace ledfont::test
