// Thousand separators put into a number text, and the caret kept on its digit.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "editors/controls/text/cxdigitgrouping.h"
#include "editors/controls/tests/numbersettings.h"

namespace {

TEST(DigitGrouping, SeparatorsBeforeEveryThirdDigit)
{
    const TFormatSettings chinese = ChineseFormatSettings(), german = GermanNumbers(), ungrouped = UngroupedNumbers();
    struct Row {
        std::string text;
        const TFormatSettings& settings;
        std::string grouped;
    } rows[] = {
        {"1234567.891", chinese, "1,234,567.891"},
        {"-1234", chinese, "-1,234"},
        {"123", chinese, "123"},
        {"", chinese, ""},
        {"  12345  ", chinese, "  12,345  "},
        {"1234E5678", chinese, "1,234E5678"},
        {"1234e-5678", chinese, "1,234e-5678"},
        {"1,2,3,4", chinese, "1,234"},
        {"12a3456", chinese, "12a3,456"},
        {".12345", chinese, ".12345"},
        {"上1234", chinese, "上1,234"},
        // 0x81 0x45 is one character whose second byte reads as 'E'.
        {"\x81\x45" "1234", chinese, "\x81\x45" "1,234"},
        {"1234567,5", german, "1.234.567,5"},
        {"1234567", ungrouped, "1234567"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(InsertDigitGrouping(r.text, r.settings), r.grouped) << r.text;
    EXPECT_EQ(RemoveDigitGrouping("1.234.567,5", german), "1234567,5");
}

TEST(DigitGrouping, RegroupingKeepsTheCaretOnItsDigit)
{
    const TFormatSettings chinese = ChineseFormatSettings();
    struct Row {
        std::string text;
        int caret;
        std::optional<std::string> grouped;
        int newCaret;
    } rows[] = {
        {"1234", 1, "1,234", 1},
        {"1234", 4, "1,234", 5},
        {"1234", 0, "1,234", 0},
        {"12,3456", 7, "123,456", 7},
        {"1,2345", 2, "12,345", 1},   // before the 2, still before it
        {"-12345.5", 3, "-12,345.5", 3},
        {"abc", 1, std::nullopt, 0},  // no number
        {"1,234x", 2, std::nullopt, 0},
    };
    for (const auto& r : rows) {
        const auto result = RegroupDigits(r.text, r.caret, chinese);
        ASSERT_EQ(result.has_value(), r.grouped.has_value()) << r.text;
        if (!result)
            continue;
        EXPECT_EQ(result->Text, *r.grouped) << r.text;
        EXPECT_EQ(result->Caret, r.newCaret) << r.text << " caret " << r.caret;
    }
}

} // namespace
