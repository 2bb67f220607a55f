#include "RecoveryJournal.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace ledfont {
namespace {

namespace fs = std::filesystem;

JournalContent Sample() {
    JournalContent content;
    content.fontFile = "/fonts/odd name\n.txt";  // a path may hold any byte but NUL
    content.checksum = 0x0123456789ABCDEFull;
    content.mode = FontMode::Jukta;
    content.current = 63;
    RecordBytes record{};
    for (std::size_t k = 0; k < record.size(); ++k) record[k] = static_cast<Byte>(k * 7 + 1);
    content.records = {{0, record}, {63, RecordBytes{}}};
    content.codes = {{5, {0x15, 0x37}}};
    return content;
}

// Whatever a crash leaves of a journal, only a whole one is read back.
TEST(RecoveryJournal, TextReadsBackWholeAndNothingCutShortReads) {
    const std::string text = JournalText(Sample());
    EXPECT_EQ(ParseJournal(text), Sample());
    for (std::size_t cut = 0; cut < text.size() - 1; ++cut)
        ASSERT_FALSE(ParseJournal(text.substr(0, cut))) << "cut at " << cut;
    for (const char* bad : {"record 64 00", "codes 1 00", "mode Tamil"}) {
        std::string spoilt = text;
        spoilt.insert(spoilt.find("end"), std::string(bad) + "\n");
        EXPECT_FALSE(ParseJournal(spoilt)) << bad;
    }
}

// The journal of a running editor is its own: nobody else finds it, and it
// is found as left behind only once its editor let it go.
TEST(RecoveryJournal, OnlyAJournalNoEditorHoldsIsFoundForItsFileModeAndChecksum) {
    const fs::path folder =
        fs::temp_directory_path() / ("ledfont-journal-test-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    JournalContent content = Sample();
    content.fontFile = JournalFontPath("/fonts/a.txt");
    std::string path;
    {
        RecoveryJournal journal(folder.string());
        journal.Write(content);
        path = journal.Path();
        EXPECT_FALSE(FindLeftJournal(folder.string(), "/fonts/a.txt", FontMode::Jukta, content.checksum));
    }
    ASSERT_TRUE(fs::exists(path));
    EXPECT_FALSE(FindLeftJournal(folder.string(), "/fonts/b.txt", FontMode::Jukta, content.checksum));
    EXPECT_FALSE(FindLeftJournal(folder.string(), "/fonts/a.txt", FontMode::Hindi, content.checksum));
    EXPECT_FALSE(FindLeftJournal(folder.string(), "/fonts/a.txt", FontMode::Jukta, content.checksum + 1));
    const auto found =
        FindLeftJournal(folder.string(), "/fonts/../fonts/a.txt", FontMode::Jukta, content.checksum);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->content, content);
    DiscardLeftJournal(found->path);
    EXPECT_FALSE(fs::exists(path));
    fs::remove_all(folder);
}

}  // namespace
}  // namespace ledfont
