#include "RecoveryJournal.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
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

// A new font, never saved: no file, no checksum.
JournalContent NewFontSample() {
    JournalContent content = Sample();
    content.fontFile.clear();
    content.checksum = 0;
    content.mode = FontMode::Hindi;
    content.codes.clear();
    content.records.emplace_back(127, RecordBytes{});
    return content;
}

// Whatever a crash leaves of a journal, only a whole one is read back.
TEST(RecoveryJournal, TextReadsBackWholeAndNothingCutShortReads) {
    for (const JournalContent& content : {Sample(), NewFontSample()}) {
        const std::string text = JournalText(content);
        EXPECT_EQ(ParseJournal(text), content);
        for (std::size_t cut = 0; cut < text.size() - 1; ++cut)
            ASSERT_FALSE(ParseJournal(text.substr(0, cut))) << "cut at " << cut;
        for (const char* bad : {"record 64 00", "codes 1 00", "mode Tamil"}) {
            std::string spoilt = text;
            spoilt.insert(spoilt.find("end"), std::string(bad) + "\n");
            EXPECT_FALSE(ParseJournal(spoilt)) << bad;
        }
    }
    // A journal as the editor wrote it before new fonts were journaled reads as it did.
    const std::string old = "ledfont-journal 1\nfile 2f612e747874\nchecksum 00000000000000ff\nmode Hindi\n"
                            "current 2\nrecord 2 " + std::string(68, 'a') + "\nend\n";
    const auto read = ParseJournal(old);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->fontFile, "/a.txt");
    EXPECT_EQ(read->checksum, 0xffu);
    EXPECT_EQ(read->current, 2);
    ASSERT_EQ(read->records.size(), 1u);
    EXPECT_EQ(read->records[0].second[0], 0xaa);
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
    EXPECT_FALSE(FindLeftNewFontJournal(folder.string())) << "a journal that names a file waits for its Load";
    DiscardLeftJournal(found->path);
    EXPECT_FALSE(fs::exists(path));

    // A new font's journal is offered at start, the newest of those left.
    std::string held;
    {
        RecoveryJournal older(folder.string()), newer(folder.string());
        JournalContent first = NewFontSample(), second = NewFontSample();
        second.current = 9;
        older.Write(first);
        newer.Write(second);
        fs::last_write_time(older.Path(), fs::last_write_time(newer.Path()) - std::chrono::seconds(5));
        EXPECT_FALSE(FindLeftNewFontJournal(folder.string())) << "journals of running editors are theirs";
        held = newer.Path();
    }
    const auto left = FindLeftNewFontJournal(folder.string());
    ASSERT_TRUE(left);
    EXPECT_EQ(left->path, held);
    EXPECT_EQ(left->content.current, 9);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace ledfont
