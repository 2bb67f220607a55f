// One line of an Intel HEX file: what is a record and what is refused, and why.
#include "IntelHexRecord.h"

#include <gtest/gtest.h>

namespace ledfont {
namespace {

struct LineCase {
    const char* line;
    const char* problem;  // a fragment of the refusal, "" for a good record
};

class ParseHexRecordTest : public testing::TestWithParam<LineCase> {};

TEST_P(ParseHexRecordTest, RefusesEachMalformedLineWithItsReason) {
    HexRecord record;
    const std::string problem = ParseHexRecord(GetParam().line, record);
    if (*GetParam().problem == '\0')
        EXPECT_EQ(problem, "") << GetParam().line;
    else
        EXPECT_NE(problem.find(GetParam().problem), std::string::npos) << GetParam().line << ": " << problem;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseHexRecordTest,
    testing::Values(LineCase{":00000001FF", ""}, LineCase{":040000050000900067", ""},
                    LineCase{":020000040000FA", ""}, LineCase{":02000002A0005C", ""},
                    LineCase{"", "empty line"}, LineCase{"00000001FF", "begins with ':'"},
                    LineCase{":00000001F", "odd number"}, LineCase{":0000G001FF", "hexadecimal digits"},
                    LineCase{":000001FF", "at least 5 bytes"}, LineCase{":01000001FF", "does not match"},
                    LineCase{":00000001FE", "checksum FE should be FF"},
                    LineCase{":0100000100FE", "holds 0 data bytes, not 1"},
                    LineCase{":0100000400FB", "holds 2 data bytes, not 1"},
                    LineCase{":00000006FA", "record type 06"}, LineCase{" :00000001FF", "begins with ':'"}));

TEST(ParseHexRecordTest, ReadsTypeOffsetAndData) {
    HexRecord record;
    ASSERT_EQ(ParseHexRecord(":03A1F000010aFF62", record), "");
    EXPECT_EQ(record.type, HexRecordType::Data);
    EXPECT_EQ(record.offset, 0xA1F0);
    EXPECT_EQ(record.data, (std::vector<Byte>{0x01, 0x0A, 0xFF}));
}

}  // namespace
}  // namespace ledfont
