// Our automaton against PCRE2 on seeded random masks and texts, and on the
// masks whose faults the engine mends.
#include <gtest/gtest.h>

#include <random>

#include "editors/controls/standardmask/cxstandardmask.h"
#include "editors/controls/tests/regexpr_generator.h"
#include "editors/controls/tests/regexpr_oracle.h"
#include "editors/controls/tests/standardmask_oracle.h"

namespace {

TFormatSettings AlternativeSeparators()
{
    TFormatSettings settings = ChineseFormatSettings();
    settings.TimeSeparator = '.';
    settings.DateSeparator = '-';
    settings.DecimalSeparator = ',';
    return settings;
}

TEST(RegExprOracle, MendedFaultsAgreeWithPcre2)
{
    const TFormatSettings settings = ChineseFormatSettings();
    const struct {
        const char* Mask;
        const char* Text;
        bool CaseInsensitive;
    } rows[] = {
        {"(ab){2}\\1", "ababab", false},
        {"\\d\\d(:\\d\\d){0,1}", "12:34", false},
        {"(ab)+c{0}", "ababc", false},
        {"(\\d+)*", "0123456789", false},
        {"(a|[A-Z]x)", "Ax", true},
        {"'\xc9\xcf\xce\xe7'", "\xcf\xc2\xce\xe7", true},
        {"a+{0,1}b", "aaab", false},
        {"(ab|aC)d", "ACd", true},
    };
    for (const auto& row : rows) {
        const auto problem = cxRegExprCompareWithPcre2(row.Mask, row.Text, row.CaseInsensitive, settings);
        ASSERT_TRUE(problem.has_value()) << row.Mask << " was not compared";
        EXPECT_EQ(*problem, "") << row.Mask;
    }
}

TEST(RegExprOracle, GeneratedMasksAgreeWithPcre2)
{
    const TFormatSettings settings[] = {ChineseFormatSettings(), AlternativeSeparators()};
    TRegExprCaseGenerator generator(20261210);
    int compared = 0, failures = 0;
    constexpr int kCases = 10'000;
    for (int i = 0; i < kCases; ++i) {
        const std::string mask = generator.Mask(), text = generator.Text();
        const bool caseInsensitive = generator.Coin();
        const auto problem = cxRegExprCompareWithPcre2(mask, text, caseInsensitive, settings[i % 2]);
        if (!problem)
            continue;
        ++compared;
        if (!problem->empty() && ++failures <= 10)
            ADD_FAILURE() << "mask " << mask << (caseInsensitive ? " (case-insensitive)" : "") << ": " << *problem;
    }
    EXPECT_EQ(failures, 0);
    // Most generated masks compile and translate; a generator gone wrong would compare none.
    EXPECT_GT(compared, kCases / 2);
}

// Standard masks of random mask characters, and texts of their length made
// of bytes that the items take or not.
TEST(StandardMaskOracle, IsTextValidAgreesWithPcre2)
{
    const TFormatSettings settings = ChineseFormatSettings();
    std::mt19937 random(20261210);
    const std::string maskBytes = "LlAaCc09#:/<>\\;01_x \xc9", textBytes = "aZ09+-_ :/;x\xc9\xcf";
    const auto pick = [&](const std::string& from) { return from[random() % from.size()]; };
    int failures = 0, valid = 0;
    for (int i = 0; i < 10'000; ++i) {
        std::string maskText;
        for (std::size_t n = random() % 9; n > 0; --n)
            maskText += pick(maskBytes);
        TcxStandardMask mask;
        mask.SetMask(maskText, settings);
        std::string text;
        for (std::size_t n = mask.Count() + (random() % 8 == 0 ? 1 : 0); n > 0; --n)
            text += pick(textBytes);
        const std::optional<bool> expected = cxStandardMaskPcre2Valid(mask, text);
        ASSERT_TRUE(expected.has_value()) << cxStandardMaskToPcre2(mask);
        std::string checked = text;
        valid += *expected;
        if (mask.IsTextValid(checked) != *expected && ++failures <= 10)
            ADD_FAILURE() << "mask " << maskText << " text " << text;
    }
    EXPECT_EQ(failures, 0);
    // Both answers occur often enough to mean something.
    EXPECT_GT(valid, 1'000);
    EXPECT_LT(valid, 9'000);
}

} // namespace
