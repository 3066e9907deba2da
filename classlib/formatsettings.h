// The locale's number, currency, date and time conventions, as the run-time
// library's text conversions use them. GBK byte texts.
#pragma once

#include <array>
#include <string>

struct TFormatSettings {
    // 0 "￥1", 1 "1￥", 2 "￥ 1", 3 "1 ￥".
    unsigned char CurrencyFormat = 0;
    // 0..15, the Windows negative-currency patterns.
    unsigned char NegCurrFormat = 0;
    unsigned char CurrencyDecimals = 2;
    std::string CurrencyString;
    // Single bytes; a 0 separator means none.
    char ThousandSeparator = ',';
    char DecimalSeparator = '.';
    char DateSeparator = '/';
    char TimeSeparator = ':';
    char ListSeparator = ',';
    std::string ShortDateFormat;
    std::string LongDateFormat;
    std::string ShortTimeFormat;
    std::string LongTimeFormat;
    std::string TimeAMString;
    std::string TimePMString;
    // January first; Sunday first.
    std::array<std::string, 12> ShortMonthNames;
    std::array<std::string, 12> LongMonthNames;
    std::array<std::string, 7> ShortDayNames;
    std::array<std::string, 7> LongDayNames;
    // Two-digit years fall within this many years before now; 0 takes the
    // current century.
    int TwoDigitYearCenturyWindow = 50;
};

// The settings of the program's own locale (Chinese, PRC), as the locale
// reader finds them under Wine. The host build starts from these.
TFormatSettings ChineseFormatSettings();

// The system's settings: the thread locale on Windows, the Chinese settings elsewhere.
TFormatSettings SystemFormatSettings();

// The process-wide settings the conversions use when none are passed; read
// from the system on first use. GUI thread only.
TFormatSettings& FormatSettings();
// Reads the system's settings again (after the user changed them).
void RefreshFormatSettings();
