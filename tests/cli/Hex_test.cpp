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
        // Without a mode, the size of the file tells it.
        for (const char* mode : {jukta ? "--jukta" : "--hindi", "--"}) {
            const ProcessResult r = Run({"hex", "font.txt", mode});
            EXPECT_EQ(r.status, 0) << r.err;
            EXPECT_EQ(r.out, "font.hex\n");
            EXPECT_EQ(r.err, "");
            EXPECT_EQ(Read("font.hex"), HexText(font)) << (jukta ? "Jukta " : "Hindi ") << mode;
        }
    }
    // Between the two sizes a file loads as Jukta, its first 2304 items.
    FontModel longer = MakeFont(true, 4);
    longer.codes.resize(128 + 2000, 7);
    Write("font.txt", FontText(longer));
    ASSERT_EQ(Run({"hex", "font.txt"}).status, 0);
    longer.codes.resize(128);
    EXPECT_EQ(Read("font.hex"), HexText(longer));
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
        std::string out;  // what standard output holds
        std::string err;
    };
    for (const Case& c :
         {Case{"/dev/stdout", 0, hex, ""}, Case{"to-stdout", 0, hex, ""}, Case{"/dev/null", 0, "", ""},
          Case{"dangling", 0, "dangling\n", ""},
          Case{"loop-a", 2, "",
               "ledfont hex: cannot write \"loop-a\": its symbolic links go round in a loop [Path/File access "
               "error]\n"},
          Case{"sub", 2, "",
               "ledfont hex: cannot write \"sub\": it is a folder, not a regular file, and is left as it is "
               "[Path/File access error]\n"}}) {
        const ProcessResult r = Run({"hex", "font.txt", "--hindi", "-o", c.output});
        EXPECT_EQ(r.status, c.status) << c.output << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.output;
        EXPECT_EQ(r.err, c.err) << c.output;
    }
    EXPECT_TRUE(std::filesystem::is_symlink(folder.Path("dangling")));
    EXPECT_EQ(Read("real/made.hex"), hex);
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    EXPECT_EQ(folder.Entries(),
              (std::set<std::string>{"font.txt", "real", "sub", "dangling", "loop-a", "loop-b", "to-stdout"}));
}

// bash hands a process substitution over as /dev/fd/63, a pipe the program holds open.
TEST_F(HexCommand, WritesIntoAProcessSubstitution) {
    const FontModel font = MakeFont(true, 5);
    Write("font.txt", FontText(font));
    const ProcessResult r = RunProcess({"/bin/bash", "-c",
                                        std::string(LEDFONT_COMPANION) +
                                            " hex font.txt -o >(gzip > x.gz) && wait $! && gzip -dc x.gz"},
                                       folder.Root());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, HexText(font));
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"font.txt", "x.gz"}));
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
    EXPECT_EQ(verify.err,
              "ledfont verify: cannot read \"pipe\": it is a named pipe (FIFO), not a regular file [Path/File "
              "access error]\n");
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
    EXPECT_EQ(r.err, "ledfont hex: line 41 of \"font.txt\" holds \"abc\", not a number from 0 to 255 [Type mismatch]\n");
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
                          Case{{"hex", "--hindi", "x.hex"}, "x.hex"}}) {
        const ProcessResult r = Run(c.args);
        EXPECT_EQ(r.status, 2) << c.args.back();
        EXPECT_EQ(r.err, "ledfont hex: \"" + c.args.back() +
                             "\" would overwrite the file it is made from [Bad file name or number]\n");
        EXPECT_EQ(Read(c.file), text);
    }
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"font.txt", "x.hex"}));
}

TEST_F(HexCommand, RefusesANameTooShortForTheHexRule) {
    Write("ab", FontText(MakeFont(false, 1)));
    const ProcessResult r = Run({"hex", "ab", "--hindi"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "ledfont hex: \"ab\" is too short to make a HEX file name from [Bad file name or number]\n");
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"ab"});
}

TEST_F(HexCommand, MissingFontIsAFailureNamingTheFile) {
    const ProcessResult r = Run({"hex", "none.txt", "--hindi"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "ledfont hex: cannot open \"none.txt\": there is no such file [File not found]\n");
}

// ---- The command line -----------------------------------------------------

TEST_F(Companion, BadUsageExitsWithTwoAndShowsTheUsage) {
    Write("font.txt", FontText(MakeFont(false, 1)));
    const std::vector<std::vector<std::string>> lines = {
        {},
        {"export", "font.txt", "--hindi"},
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

// A value in the next word may start with "-" only as "-" itself or as a
// negative number: an option after an option that needs a value is no value.
TEST_F(Companion, AnOptionIsNeverTheValueOfTheOptionBeforeIt) {
    Write("font.txt", FontText(MakeFont(false, 1)));
    const std::string title = " [Invalid procedure call or argument]";
    struct Case {
        std::vector<std::string> args;
        std::string problem;  // the first line of standard error
    };
    for (const Case& c : {
             Case{{"import", "--hindi", "--size", "-o", "out.txt"},
                  "ledfont import: --size needs a value (PX), and -o is an option: a value that starts with "
                  "\"-\" is written --size=VALUE" + title},
             Case{{"hex", "font.txt", "-o", "--jukta"},
                  "ledfont hex: -o needs a file name, and --jukta is an option: a name that starts with \"-\" is "
                  "written --output=NAME or ./NAME" + title},
             Case{{"import", "--hindi", "-o", "out.txt", "--size", "-3"},
                  "ledfont import: --size takes a whole number from 4 to 64, not \"-3\"" + title},
             Case{{"preview", "क", "--hindi", "font.txt", "--width", "-o", "x.png"},
                  "ledfont preview: --width needs a value (COLS), and -o is an option: a value that starts with "
                  "\"-\" is written --width=VALUE" + title},
         }) {
        const ProcessResult r = Run(c.args);
        EXPECT_EQ(r.status, 2) << c.problem;
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')), c.problem);
    }
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"font.txt"});
    // "-" is a value, and a name given after "=" may start with "-".
    EXPECT_EQ(Run({"hex", "font.txt", "-o", "-"}).out, HexText(MakeFont(false, 1)));
    EXPECT_EQ(Run({"hex", "font.txt", "--output=-x.hex"}).out, "-x.hex\n");
}

TEST_F(Companion, HelpOnEveryCommandGoesToStandardOutput) {
    for (const char* command : {"hex", "verify", "unhex", "check", "sheet", "new", "import"}) {
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
