// Our automaton against PCRE2 on seeded random masks and texts, and on the
// masks whose faults the engine mends.
#include <gtest/gtest.h>

#include "editors/controls/tests/regexpr_generator.h"
#include "editors/controls/tests/regexpr_oracle.h"

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

} // namespace
