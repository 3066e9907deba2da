// Chinese capital-number words (the characters of cheques and receipts) for
// results and totals. Both raise ECalcError for what cannot become words.
#pragma once

#include <string>

// Money words of |amount| in 元, 角 and 分; the caller writes 负 before a
// negative amount.
std::string moneywords(double amount);

// Reading words of a non-negative number text in the tape's general format:
// the integer part, 点, then each decimal digit as written.
std::string numberwords(const std::string& text);
