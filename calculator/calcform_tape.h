// The tape's text as lines: a line ends at CR LF (a lone CR or LF stays in
// its line, as the EDIT control shows it); positions are bytes from 0.
// No window here, so the sanitized host build runs the same code.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct TapeLine {
    std::size_t start = 0;
    std::size_t length = 0;
};

// The tape's lines as a tape file holds them: the text cut at every CR LF,
// where a CR LF at the very end closes the last line and opens none, and an
// empty tape has none. Their file text (TapeFileText) is the tape they load
// back as: every line ended, so the caret starts on a fresh line.
std::vector<std::string> SplitTapeText(std::string_view text);

// Index of the line that holds position pos (pos may be the text's end).
std::size_t TapeLineOf(std::string_view text, std::size_t pos);
// Bounds of line index; false when the tape has no such line.
bool TapeLineBounds(std::string_view text, std::size_t index, TapeLine& line);
// Bounds of the line that starts at start.
TapeLine TapeLineAt(std::string_view text, std::size_t start);

// A leading operator, then a trailing operator, then everything from the
// first "=" on, removed in this order.
std::string CleanTapeLine(std::string line);

// The grand total: the text after the first "=" of every line that holds
// one (cut at a CR left in it), as numbers, summed as doubles. ECalcError
// when such a text is not a number.
double TapeTotal(std::string_view text);

// TapeTotal that remembers the tape up to its last line and the sum there,
// so an Enter at the end of a long tape reads only what changed. Gives
// exactly TapeTotal's value: the sum runs over the lines in the same order.
class TTapeTotal {
public:
    double operator()(std::string_view text);

private:
    std::string prefix_;
    double prefixSum_ = 0;
};

// The text after the first "=" of a line, trimmed; false without "=".
bool TapeLineResult(std::string_view line, std::string& result);

// Bytes the backspace removes before pos: 2 when they form one double-byte
// character, else 1 (a CR LF takes two presses); 0 at the start.
std::size_t TapeBackspaceLength(std::string_view text, std::size_t pos);

bool IsTapeOperator(char c);
