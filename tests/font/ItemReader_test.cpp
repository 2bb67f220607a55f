#include "ItemReader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "Error.h"
#include "TestFolder.h"
#include "Unprivileged.h"

namespace ledfont {
namespace {

using test::TestFolder;
using Items = std::vector<std::pair<std::string, long>>;  // (text, line)

// Every item up to the end of the input; fails the test if the end never comes.
Items ReadAll(ItemReader& reader) {
    Items items;
    for (int guard = 0; guard < 10'000'000; ++guard) {
        try {
            const ItemReader::Item item = reader.Next();
            items.emplace_back(std::string(item.text), item.line);
        } catch (const InputPastEndError&) {
            return items;
        }
    }
    ADD_FAILURE() << "the reader never reached the end";
    return items;
}

struct SplitCase {
    std::string name;
    std::string text;
    Items expected;
};

std::ostream& operator<<(std::ostream& os, const SplitCase& c) { return os << c.name; }

class ItemSplitting : public ::testing::TestWithParam<SplitCase> {};

TEST_P(ItemSplitting, FromMemory) {
    ItemReader reader = ItemReader::OverText(GetParam().text);
    EXPECT_EQ(ReadAll(reader), GetParam().expected);
}

TEST_P(ItemSplitting, FromAFile) {
    TestFolder folder;
    ItemReader reader = ItemReader::OpenFile(folder.Write("items.txt", GetParam().text));
    EXPECT_EQ(ReadAll(reader), GetParam().expected);
    EXPECT_EQ(reader.ItemsRead(), static_cast<long>(GetParam().expected.size()));
}

const std::string k32(32, '4');

INSTANTIATE_TEST_SUITE_P(
    LineEndsAndCommas, ItemSplitting,
    ::testing::Values(SplitCase{"CrLf", "1\r\n2\r\n", {{"1", 1}, {"2", 2}}},
                      SplitCase{"LoneLf", "1\n2\n", {{"1", 1}, {"2", 2}}},
                      SplitCase{"LoneCr", "1\r2\r", {{"1", 1}, {"2", 2}}},
                      SplitCase{"NoFinalLineEnd", "1\r\n2", {{"1", 1}, {"2", 2}}},
                      SplitCase{"Commas", "1,2,3\r\n4\r\n", {{"1", 1}, {"2", 1}, {"3", 1}, {"4", 2}}},
                      SplitCase{"CommaBeforeLineEnd", "1,\r\n2", {{"1", 1}, {"", 1}, {"2", 2}}},
                      SplitCase{"TrailingComma", "1,", {{"1", 1}, {"", 1}}},
                      SplitCase{"OnlyCommas", ",,", {{"", 1}, {"", 1}, {"", 1}}},
                      SplitCase{"BlankLine", "1\r\n\r\n2\r\n", {{"1", 1}, {"", 2}, {"2", 3}}},
                      SplitCase{"LfThenCr", "1\n\r2", {{"1", 1}, {"", 2}, {"2", 3}}},
                      SplitCase{"CrThenCrLf", "1\r\r\n2", {{"1", 1}, {"", 2}, {"2", 3}}},
                      SplitCase{"EmptyInput", "", {}}, SplitCase{"OnlyALineEnd", "\r\n", {{"", 1}}},
                      SplitCase{"SpacesAndTabsKept", " 7 ,\t8\t\r\n", {{" 7 ", 1}, {"\t8\t", 1}}},
                      SplitCase{"NulKept",
                                std::string("1\0"
                                            "2\r\n3",
                                            6),
                                {{std::string("1\0"
                                              "2",
                                              3),
                                  1},
                                 {"3", 2}}},
                      SplitCase{"BrokenUtf8Kept", "\xFF\xFE\r\n\xC3(", {{"\xFF\xFE", 1}, {"\xC3(", 2}}},
                      SplitCase{"LongestItem", k32 + "\r\n", {{k32, 1}}}),
    [](const ::testing::TestParamInfo<SplitCase>& param) { return param.param.name; });

TEST(ItemReader, AnItemTooLongToBeAByteIsATypeMismatchNamingItsLine) {
    const std::string text = "1\r\n2\r\n" + std::string(33, '7') + "\r\n4\r\n";
    ItemReader reader = ItemReader::OverText(text);
    reader.Next();
    reader.Next();
    try {
        reader.Next();
        FAIL() << "a 33-character item was accepted";
    } catch (const TypeMismatchError& e) {
        EXPECT_EQ(e.Description(),
                  "line 3 of text holds an item longer than 32 characters, not a number from 0 to 255 [Type "
                  "mismatch]");
    }
}

TEST(ItemReader, AHugeSingleLineFileIsRefusedWithoutReadingItWhole) {
    TestFolder folder;
    const std::string path = folder.Path("one-line.txt");
    {
        std::ofstream out(path, std::ios::binary);
        const std::string chunk(1 << 20, '5');
        for (int i = 0; i < 16; ++i) out << chunk;  // 16 MB without a line end
    }
    ItemReader reader = ItemReader::OpenFile(path);
    EXPECT_THROW(reader.Next(), TypeMismatchError);
}

// Text whose byte at index `at` is the CR of a CR LF: the CR ends one buffer
// and the LF begins the next.
std::string CrAt(std::size_t at, long& itemsBefore) {
    std::string text;
    itemsBefore = 0;
    while (at - text.size() > 3) {
        text += "7\r\n";
        ++itemsBefore;
    }
    text += std::string(at - text.size(), '9');
    text += "\r\n5\r\n";
    return text;
}

TEST(ItemReader, CrLfSplitAcrossTwoBufferFillsIsOneLineEnd) {
    long before = 0;
    const std::string text = CrAt(ItemReader::kBufferSize - 1, before);
    ASSERT_EQ(text[ItemReader::kBufferSize - 1], '\r');
    ASSERT_EQ(text[ItemReader::kBufferSize], '\n');
    TestFolder folder;
    ItemReader reader = ItemReader::OpenFile(folder.Write("split.txt", text));
    const Items items = ReadAll(reader);
    ASSERT_EQ(items.size(), static_cast<std::size_t>(before + 2)) << "no empty item may appear";
    EXPECT_EQ(items[static_cast<std::size_t>(before)].second, before + 1);
    EXPECT_EQ(items.back(), (std::pair<std::string, long>{"5", before + 2}));
}

TEST(ItemReader, AnItemSplitAcrossTwoBufferFillsIsWhole) {
    std::string text(ItemReader::kBufferSize - 2, ',');  // empty items up to the fill's end
    text += "123\r\n";
    TestFolder folder;
    ItemReader reader = ItemReader::OpenFile(folder.Write("split.txt", text));
    const Items items = ReadAll(reader);
    ASSERT_EQ(items.size(), ItemReader::kBufferSize - 1);
    EXPECT_EQ(items.back(), (std::pair<std::string, long>{"123", 1}));
}

TEST(ItemReader, AnItemTooLongOnlyAcrossTwoFillsIsStillRefused) {
    // 20 characters end one fill and 20 begin the next: neither half alone is too long.
    std::string text(ItemReader::kBufferSize - 21, ',');
    text += "\n" + std::string(40, '8') + "\n";
    TestFolder folder;
    ItemReader reader = ItemReader::OpenFile(folder.Write("split.txt", text));
    for (std::size_t i = 0; i < ItemReader::kBufferSize - 20; ++i) reader.Next();
    try {
        reader.Next();
        FAIL() << "a 40-character item was accepted";
    } catch (const TypeMismatchError& e) {
        EXPECT_NE(e.Description().find("line 2 "), std::string::npos) << e.Description();
    }
}

TEST(ItemReader, FileAndMemoryReadTheSameItemsFromAnyText) {
    std::mt19937 random(20240611);
    const char alphabet[] = {'0', '1', '9', ',', '\r', '\n', ' ', 'x'};
    std::string text;
    while (text.size() < 3 * ItemReader::kBufferSize + 17) {
        const char ch = alphabet[random() % sizeof alphabet];
        // Keep items short so that no run of item characters reaches the cap.
        const bool itemChar = ch != ',' && ch != '\r' && ch != '\n';
        const auto lastEnd = text.find_last_of(",\r\n");
        const std::size_t run = lastEnd == std::string::npos ? text.size() : text.size() - lastEnd - 1;
        text += (itemChar && run >= 6) ? '\n' : ch;
    }
    TestFolder folder;
    ItemReader fromFile = ItemReader::OpenFile(folder.Write("random.txt", text));
    ItemReader fromMemory = ItemReader::OverText(text);
    const Items fileItems = ReadAll(fromFile);
    EXPECT_GT(fileItems.size(), 10'000u);
    EXPECT_EQ(fileItems, ReadAll(fromMemory));
}

TEST(ItemReader, ReadsOnlyAsManyItemsAsAsked) {
    ItemReader reader = ItemReader::OverText("1\r\n2\r\nnot read\r\n");
    EXPECT_EQ(reader.Next().text, "1");
    EXPECT_EQ(reader.Next().text, "2");
    EXPECT_EQ(reader.ItemsRead(), 2);
}

TEST(ItemReader, PastTheEndSaysHowManyItemsThereWere) {
    ItemReader reader = ItemReader::OverText("1\r\n2\r\n3\r\n");
    for (int i = 0; i < 3; ++i) reader.Next();
    try {
        reader.Next();
        FAIL();
    } catch (const InputPastEndError& e) {
        EXPECT_EQ(e.Number(), ErrorNumber::InputPastEndOfFile);
        EXPECT_EQ(e.Description(), "text ends after 3 items [Input past end of file]");
    }
    EXPECT_THROW(reader.Next(), InputPastEndError) << "the end stays the end";
}

TEST(ItemReader, AMovedReaderGoesOnWhereItStopped) {
    std::string text;
    for (int i = 0; i < 40'000; ++i) text += std::to_string(i % 256) + "\r\n";  // more than one fill
    TestFolder folder;
    ItemReader first = ItemReader::OpenFile(folder.Write("moved.txt", text));
    first.Next();
    ItemReader second(std::move(first));
    for (int i = 1; i < 40'000; ++i) {
        const ItemReader::Item item = second.Next();
        ASSERT_EQ(item.text, std::to_string(i % 256));
        ASSERT_EQ(item.line, i + 1);
    }
    EXPECT_THROW(second.Next(), InputPastEndError);
}

// Anything but a regular file is refused at once: opening a FIFO for reading
// would wait for a writer, and a device may never end.
TEST(ItemReader, OpeningFailuresAreTypedAndNeverWait) {
    TestFolder folder;
    folder.Write("plain.txt", "1\r\n");
    std::filesystem::create_directory(folder.Path("sub"));
    ASSERT_EQ(mkfifo(folder.Path("fifo").c_str(), 0644), 0);
    std::filesystem::create_symlink("fifo", folder.Path("fifo-link"));
    std::filesystem::create_symlink("loop-b", folder.Path("loop-a"));
    std::filesystem::create_symlink("loop-a", folder.Path("loop-b"));
    struct Case {
        std::string path;  // "@" stands for the test folder, here and in the description
        ErrorNumber number;
        std::string description;
    };
    const std::string notRegular = ", not a regular file [Path/File access error]";
    const std::vector<Case> cases = {
        {"@/missing.txt", ErrorNumber::FileNotFound,
         "cannot open \"@/missing.txt\": there is no such file [File not found]"},
        {"@/sub", ErrorNumber::PathFileAccess, "cannot read \"@/sub\": it is a folder" + notRegular},
        {"@/fifo", ErrorNumber::PathFileAccess,
         "cannot read \"@/fifo\": it is a named pipe (FIFO)" + notRegular},
        {"@/fifo-link", ErrorNumber::PathFileAccess,
         "cannot read \"@/fifo-link\": it is a named pipe (FIFO)" + notRegular},
        {"/dev/zero", ErrorNumber::PathFileAccess,
         "cannot read \"/dev/zero\": it is a character device" + notRegular},
        {"@/loop-a", ErrorNumber::PathFileAccess,
         "cannot open \"@/loop-a\": its symbolic links go round in a loop [Path/File access error]"},
        {"@/plain.txt/inner.txt", ErrorNumber::PathNotFound,
         "cannot open \"@/plain.txt/inner.txt\": a part of the path is not a folder [Path not found]"},
        {"", ErrorNumber::BadFileName, "the file name is empty [Bad file name or number]"},
    };
    const auto inFolder = [&](std::string text) {
        for (std::size_t at; (at = text.find('@')) != std::string::npos;) text.replace(at, 1, folder.Root());
        return text;
    };
    for (const Case& c : cases) {
        try {
            ItemReader::OpenFile(inFolder(c.path));
            ADD_FAILURE() << "opened \"" << c.path << "\"";
        } catch (const Error& e) {
            EXPECT_EQ(e.Number(), c.number) << c.path << ": " << e.Description();
            EXPECT_EQ(e.Description(), inFolder(c.description));
        }
    }
}

TEST(ItemReader, AnUnreadableFileIsPermissionDenied) {
    TestFolder folder;
    folder.OpenToEveryone();
    const std::string path = folder.Write("locked.txt", "1\r\n");
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    EXPECT_EQ(test::RunUnprivileged([&] {
                  try {
                      ItemReader::OpenFile(path);
                      return 1;
                  } catch (const PermissionDeniedError&) {
                      return 0;
                  }
              }),
              0);
}

std::size_t OpenDescriptors() {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator("/proc/self/fd")) ++n;
    return n;
}

TEST(ItemReader, TheFileIsClosedOnEveryPath) {
    TestFolder folder;
    const std::string good = folder.Write("good.txt", "1\r\n2\r\n");
    const std::string longItem = folder.Write("long.txt", std::string(100, '1'));
    std::filesystem::create_directory(folder.Path("sub"));
    const std::size_t before = OpenDescriptors();
    for (int round = 0; round < 3; ++round) {
        {
            ItemReader reader = ItemReader::OpenFile(good);
            ReadAll(reader);  // ends with past-end
        }
        {
            ItemReader reader = ItemReader::OpenFile(good);
            reader.Next();  // left half read
        }
        try {
            ItemReader reader = ItemReader::OpenFile(longItem);
            reader.Next();
        } catch (const TypeMismatchError&) {
        }
        try {
            ItemReader::OpenFile(folder.Path("sub"));
        } catch (const PathFileAccessError&) {
        }
    }
    EXPECT_EQ(OpenDescriptors(), before);
}

}  // namespace
}  // namespace ledfont
