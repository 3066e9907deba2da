// Cutting the expression out of the tape and splitting it into tokens.
#include "calculator/calcengine.h"

#include "calculator/calckeywords.h"
#include "calculator/numbertext.h"

#include <algorithm>

namespace {

constexpr char kCR = '\r';
// "∴" in GBK: an expression starts right after it.
constexpr std::string_view kTherefore = "\xA1\xE0";

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
bool IsTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

// Blanks and control characters, as trimming removes them.
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trim(std::string_view piece)
{
    while (!piece.empty() && IsBlank(piece.front())) {
        piece.remove_prefix(1);
    }
    while (!piece.empty() && IsBlank(piece.back())) {
        piece.remove_suffix(1);
    }
    return piece;
}

// Keeps keywords (as typed) and numbers; drops tape commands, words and empty pieces.
void AddPiece(TTokenList& list, std::string_view piece)
{
    piece = Trim(piece);
    if (piece.empty()) {
        return;
    }
    const bool keyword = std::any_of(calckeywords.begin(), calckeywords.end(),
                                     [piece](std::string_view entry) { return SameUpper(piece, entry); });
    if (keyword) {
        if (!IsTapeCommand(piece)) {
            list.emplace_back(piece);
        }
    } else if (TCalcEngine::isnumber(piece)) {
        list.emplace_back(piece);
    }
}

// One past the last byte of the caret's line (its CR, or the end of the text).
std::size_t ExpressionEnd(std::string_view tape, std::size_t caret)
{
    const std::size_t from = caret == 0 ? 0 : caret - 1;
    const std::size_t cr = tape.find(kCR, from);
    return cr == std::string_view::npos ? tape.size() : cr;
}

// Walks back from the caret: after the last "∴", or after the last earlier line holding "=".
std::size_t ExpressionStart(std::string_view tape, std::size_t caret)
{
    std::size_t lineEnd = std::string_view::npos;  // the latest CR passed
    for (std::size_t i = caret; i > 0; --i) {
        const std::size_t at = i - 1;
        if (at > 0 && tape.substr(at - 1, 2) == kTherefore) {
            return at + 1;
        }
        if (tape[at] == kCR) {
            lineEnd = at;
        } else if (lineEnd != std::string_view::npos && tape[at] == '=') {
            return lineEnd + 1;
        }
    }
    return 0;
}

}  // namespace

const std::string kLeftoverTokensMessage = "您的表达式有问题或系统不支持这种表达式！";

bool TCalcEngine::isnumber(std::string_view token)
{
    long double value = 0;
    return TryStrToFloat(token, value);
}

bool TCalcEngine::iskeyword(std::string_view token)
{
    return std::find(calckeywords.begin(), calckeywords.end(), token) != calckeywords.end();
}

void TCalcEngine::splitexpr(std::string_view tape, std::size_t caret)
{
    explist.clear();
    caret = std::min(caret, tape.size());
    const std::size_t end = ExpressionEnd(tape, caret);
    const std::size_t start = ExpressionStart(tape, caret);

    std::size_t cut = start;
    for (std::size_t i = start; i < end; ++i) {
        const char c = tape[i];
        // A double-byte character is never cut: its second byte may look like "^".
        if (IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < end &&
            IsTrailByte(static_cast<unsigned char>(tape[i + 1]))) {
            ++i;
            continue;
        }
        if (IsSplitChar(c) || c == kCR) {
            AddPiece(explist, tape.substr(cut, i - cut));
            AddPiece(explist, tape.substr(i, 1));
            cut = i + 1;
        }
    }
    if (start < end) {
        AddPiece(explist, tape.substr(cut, end - cut));
    }
}
