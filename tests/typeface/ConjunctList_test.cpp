// The conjunct list of the import program, read in process.
#include "ConjunctList.h"

#include <gtest/gtest.h>

namespace ledfont::test {
namespace {

struct ListCase {
    const char* name;
    std::string text;
    std::string conjunct;  // the one conjunct the list holds
    long line;
    int first, second;  // its code pair

    friend void PrintTo(const ListCase& c, std::ostream* out) { *out << c.name; }
};

const ListCase kLists[] = {
    {"CodeBytesPartedByTabs", "क्ष\t15\t37\n", "क्ष", 1, 0x15, 0x37},
    // स U+0938, त U+0924, र U+0930
    {"ThePairOfALongerConjunctIsItsFirstAndLastConsonant", "स्त्र\n", "स्त्र", 1, 0x38, 0x30},
    {"AHalfFormIsItsConsonantAndTheVirama", "स्\n", "स्", 1, 0x38, 0x4D},
    {"TheRephIsRaAndTheVirama", "र्\n", "र्", 1, 0x30, 0x4D},
    {"TheRakarIsTheViramaAndRa", "्र\n", "्र", 1, 0x4D, 0x30},
    {"AConsonantAndTheVowelSignBelowItAreTheirTwoBytes", "रू\n", "रू", 1, 0x30, 0x42},
    {"ASignAboveAndTheAnusvaraAreTheirTwoBytes", "ैं\n", "ैं", 1, 0x48, 0x02},
    // ज़ is U+095B, or ज U+091C and the nukta
    {"ALetterWithANuktaHasThePrecomposedLettersCode", "ज़्य\n", "ज़्य", 1, 0x5B, 0x2F},
    {"AListSavedOnWindowsWithItsMarkAndItsLineEnds", "\xEF\xBB\xBF# mine\r\n\r\n  त्र  \r\n", "त्र", 3, 0x24,
     0x30},
};

class ConjunctListReads : public testing::TestWithParam<ListCase> {};

TEST_P(ConjunctListReads, TheConjunctAndItsCodePair) {
    const ListCase& c = GetParam();
    const std::vector<cli::Conjunct> list = cli::ParseConjunctList(c.text, "list.txt");
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].text, c.conjunct);
    EXPECT_EQ(list[0].line, c.line);
    EXPECT_EQ(list[0].first, c.first);
    EXPECT_EQ(list[0].second, c.second);
}

INSTANTIATE_TEST_SUITE_P(Lists, ConjunctListReads, testing::ValuesIn(kLists),
                         [](const testing::TestParamInfo<ListCase>& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace ledfont::test
