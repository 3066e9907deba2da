// Numbers a spin editor reads from its text, and the texts it refuses.
#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <optional>
#include <string>

#include "editors/controls/spin/cxspinnumbertext.h"
#include "editors/controls/tests/numbersettings.h"

namespace {

TEST(SpinNumberText, Numbers)
{
    const TFormatSettings chinese = ChineseFormatSettings();
    const TFormatSettings german = GermanNumbers();
    struct Row {
        std::string text;
        TcxSpinEditValueType type;
        const TFormatSettings& settings;
        std::optional<TcxSpinNumber> number;
    } rows[] = {
        {" -12 ", vtInt, chinese, std::int64_t{-12}},
        {"9223372036854775807", vtInt, chinese, std::int64_t{INT64_MAX}},
        {"-9223372036854775808", vtInt, chinese, std::int64_t{INT64_MIN}},
        {"9223372036854775808", vtInt, chinese, std::nullopt},
        {"12345678901234567890", vtInt, chinese, std::nullopt},
        {"1e3", vtInt, chinese, std::int64_t{1000}},
        {"150E-1", vtInt, chinese, std::int64_t{15}},
        {"15e-1", vtInt, chinese, std::nullopt},
        {"1e19", vtInt, chinese, std::nullopt},
        {"1e99999999999", vtInt, chinese, std::nullopt},
        {"1.0", vtInt, chinese, std::nullopt},
        {"$10", vtInt, chinese, std::nullopt},
        {"0x10", vtInt, chinese, std::nullopt},
        {"", vtInt, chinese, std::nullopt},
        {"1.5", vtFloat, chinese, 1.5},
        {"-2.5e-1", vtFloat, chinese, -0.25},
        {"1,5", vtFloat, german, 1.5},
        {"1.5", vtFloat, german, std::nullopt},
        {"1e308", vtFloat, chinese, 1e308},
        {"-1.7976931348623157e308", vtFloat, chinese, -DBL_MAX},
        {"1e309", vtFloat, chinese, std::nullopt},
        {"1e999", vtFloat, chinese, std::nullopt},
        {"nan", vtFloat, chinese, std::nullopt},
        {"inf", vtFloat, chinese, std::nullopt},
        {"12345678901234567890", vtFloat, chinese, 12345678901234567890.0},
    };
    for (const auto& r : rows)
        EXPECT_EQ(cxSpinTextToNumber(r.text, r.type, r.settings), r.number) << r.text << " as " << r.type;
}

} // namespace
