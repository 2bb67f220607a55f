// ledfont hex and the command line every command shares.
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
