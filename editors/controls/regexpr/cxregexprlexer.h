// The lexer of regular-expression masks: the mask text as a list of lexems.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

enum TcxLexemKind : int {
    lkSymbol = 0,
    lkSpecial = 1,
    lkInteger = 2,
    lkAny = 3,
    lkIdLetter = 4,
    lkNotIdLetter = 5,
    lkDigit = 6,
    lkNotDigit = 7,
    lkSpace = 8,
    lkNotSpace = 9,
    lkReference = 10,
    lkDateSeparator = 11,
    lkTimeSeparator = 12,
};

struct TcxLexem {
    int Char = 0;
    TcxLexemKind Kind = lkSymbol;
    int Line = 0;
    std::string Text;

    bool IsSpecial(char c) const { return Kind == lkSpecial && Text[0] == c; }
};

using TcxLexems = std::vector<TcxLexem>;

// An error: text id, line, character, the argument of its "%s".
using TcxRegExprErrorReport = std::function<void(unsigned id, int line, int ch, std::string_view argument)>;

class TcxRegExprLexer {
public:
    TcxRegExprLexer(std::string_view source, char decimalSeparator, TcxRegExprErrorReport report);
    TcxLexems ScanLexems();

private:
    bool AtEnd() const { return pos_ >= source_.size(); }
    unsigned char Peek() const { return static_cast<unsigned char>(source_[pos_]); }
    unsigned char Read();
    void SkipBlanks();
    void Add(TcxLexemKind kind, char c, int line, int ch) { lexems_.push_back({ch, kind, line, std::string(1, c)}); }
    void AddHere(TcxLexemKind kind, char c) { Add(kind, c, line_, char_); }
    void ErrorAtEnd(unsigned id, std::string_view argument) { report_(id, line_, char_ + 1, argument); }
    void ScanQuoted();
    void ScanEscape();
    void ScanHexCode(int line, int ch);
    void ScanBracket();
    void ScanBraces();
    void ReadNumberLexeme();

    std::string_view source_;
    char decimalSeparator_;
    TcxRegExprErrorReport report_;
    TcxLexems lexems_;
    std::size_t pos_ = 0;
    int line_ = 1, char_ = 0;
};
