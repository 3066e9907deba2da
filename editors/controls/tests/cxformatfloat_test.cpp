// Format strings: each expected text worked out from the placeholder rules.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "editors/controls/text/cxformatfloat.h"
#include "editors/controls/tests/numbersettings.h"

namespace {

struct Row {
    std::string format;
    double value;
    std::string text;
};

template <std::size_t N>
void Check(const Row (&rows)[N], const TFormatSettings& settings = ChineseFormatSettings())
{
    for (const auto& r : rows)
        EXPECT_EQ(FormatFloat(r.format, r.value, settings), r.text) << "\"" << r.format << "\" " << r.value;
}

TEST(FormatFloat, DigitPlaceholdersAndRounding)
{
    const Row rows[] = {
        {"0.00", 1234.5, "1234.50"},
        {"0.00", 2.675, "2.68"},   // its 15 digits end in 5
        {"0.00", 9.995, "10.00"},  // the carry reaches a new digit
        {"0.00", 0.001, "0.00"},
        {"0.00", 0.005, "0.01"},
        {"0", 0.5, "1"},
        {"0", 0.4, "0"},
        {"0", -0.5, "-1"},
        {"0", -0.4, "0"},          // no sign on a shown zero
        {"#", 0, ""},
        {"#", 123.5, "124"},
        {"#0", 0, "0"},
        {"00000", 42, "00042"},
        {"#.##", 0.5, ".5"},
        {"0.##", 1, "1"},          // no point without digits after it
        {"0.0#", 1.25, "1.25"},
        {"0.0#", 1.2, "1.2"},
        {"0.0#", 1, "1.0"},
        {"0.0.0", 1.25, "1.25"},   // a second point is no point
        {"0", 1e20, "100000000000000000000"},
    };
    Check(rows);
}

TEST(FormatFloat, ThousandSeparators)
{
    const Row rows[] = {
        {"#,##0.00", 1234.5, "1,234.50"},
        {"#,##0.00", 1234567.891, "1,234,567.89"},
        {"#,##0", -1234567, "-1,234,567"},
        {"0,", 1234, "1,234"},     // anywhere in the section
        {"#,##0", 999, "999"},
    };
    Check(rows);
    const Row german[] = {{"#,##0.00", 1234.5, "1.234,50"}};
    Check(german, GermanNumbers());
    const Row ungrouped[] = {{"#,##0", 1234, "1234"}};
    Check(ungrouped, UngroupedNumbers());
}

TEST(FormatFloat, ScientificNotation)
{
    const Row rows[] = {
        {"0.00E+00", 1234.5, "1.23E+03"},
        {"0.00E+00", 0.000123, "1.23E-04"},
        {"0.00E+00", 0, "0.00E+00"},
        {"0.0E-0", 1234.5, "1.2E3"},
        {"0.0e-0", 0.05, "5.0e-2"},
        {"00.0E+0", 1234.5, "12.3E+2"},
        {"0.0E+0", 9.96, "1.0E+1"},
        {"0.0E+0", -1234.5, "-1.2E+3"},
        {"0E+000", 5e10, "5E+010"},
        {"0.0E+0' m'", 1500, "1.5E+3 m"},
    };
    Check(rows);
}

TEST(FormatFloat, SectionsQuotesAndLiterals)
{
    const Row rows[] = {
        {"0.00;(0.00);'zero'", -1.5, "(1.50)"},
        {"0.00;(0.00);'zero'", 0, "zero"},
        {"0.00;(0.00);'zero'", 2, "2.00"},
        {"0.0;;", -2.25, "-2.3"},   // an empty negative section: the first, signed
        {"0;-0;", 0, "0"},          // an empty zero section: the first
        {"0;(0);z;ignored", 0, "z"},
        {"'#'0", 5, "#5"},
        {"\"E+\"0", 5, "E+5"},
        {"0' units'", 12, "12 units"},
        {"0.0';'", 1, "1.0;"},
        {"0-00", 12345, "123-45"},  // extra digits go to the first placeholder
        {"0元", 12, "12元"},
        // 0x81 0x45 is one character: its 'E' starts no exponent.
        {"0\x81\x45+0", 12, "1\x81\x45+2"},
        {"x", 5, "x"},
    };
    Check(rows);
}

TEST(FormatFloat, GeneralFormatWhereNoFormatApplies)
{
    const Row rows[] = {
        {"", 1.5, "1.5"},
        {"", 1e20, "1E20"},
        {";0", 3, "3"},
        {"0", INFINITY, "INF"},
        {"0.00", -INFINITY, "-INF"},
        {"0.00", NAN, "NAN"},
    };
    Check(rows);
}

} // namespace
