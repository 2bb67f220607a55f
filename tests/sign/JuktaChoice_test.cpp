// The Jukta glyphs chosen from small texts whose best answer is known.
#include "JuktaChoice.h"

#include <gtest/gtest.h>

#include "Utf8.h"

namespace ledfont::test {
namespace {

struct ChoiceCase {
    const char* name;
    const char* text;
    std::size_t slots;
    const char* chosen;  // the entries as the list writes them, in order

    friend void PrintTo(const ChoiceCase& c, std::ostream* out) { *out << c.name; }
};

const ChoiceCase kChoices[] = {
    // स् joins three, र् two, and क्ष's one goes to the half form, which serves more text.
    {"TheGlyphThatJoinsTheMostFirst", "स्त स्क स्प\nर्क र्म क्ष", 2, "स् र्"},
    {"OnATieAHalfFormBeforeItsConjunct", "स्त स्क स्प\nर्क र्म क्ष", 3, "स् र् क्"},
    // then the conjuncts of what half forms joined, not those of the reph
    {"TheRestToConjunctsOfWhatHalfFormsJoin", "स्त स्त स्क र्क", 64, "स् र् स्त स्क"},
    {"ALetterWithANuktaIsOneConsonantWrittenEitherWay", "\u095B्य ज\u093C्य", 1, "\u095B्"},
    {"ZwnjAsksForTheViramaAndZwjForTheHalfFormOnly", "क्\u200Cष ग्\u200Dय", 64, "ग्"},
    {"RaInsideAClusterIsNoReph", "क्र्य", 64, "क् र्य क्र"},
};

class JuktaChoice : public testing::TestWithParam<ChoiceCase> {};

TEST_P(JuktaChoice, ChoosesTheGlyphsThatJoinTheMost) {
    const ChoiceCase& c = GetParam();
    std::string chosen;
    for (const sign::JuktaPair& pair :
         sign::ChooseJuktaPairs(sign::FindJoinSites(*sign::DecodeUtf8(c.text)), c.slots))
        chosen += (chosen.empty() ? "" : " ") + pair.Text();
    EXPECT_EQ(chosen, c.chosen);
}

INSTANTIATE_TEST_SUITE_P(Texts, JuktaChoice, testing::ValuesIn(kChoices),
                         [](const testing::TestParamInfo<ChoiceCase>& p) {
                             return std::string(p.param.name);
                         });

}  // namespace
}  // namespace ledfont::test
