#include "editors/controls/regexpr/cxregexprlexer.h"

#include "classlib/hexdigit.h"
#include "editors/controls/regexpr/cxregexprclasses.h"
#include "editors/foundation/core/cxresourceids.h"

namespace {

constexpr std::string_view kQuoteArgument = " ' ";

std::string_view OneChar(const unsigned char& c)
{
    return {reinterpret_cast<const char*>(&c), 1};
}

} // namespace

TcxRegExprLexer::TcxRegExprLexer(std::string_view source, char decimalSeparator, TcxRegExprErrorReport report)
    : source_(source), decimalSeparator_(decimalSeparator), report_(std::move(report))
{
}

unsigned char TcxRegExprLexer::Read()
{
    const unsigned char c = Peek();
    ++pos_;
    if (c == '\r')
        ++line_;
    char_ = c == '\n' ? 0 : char_ + 1;
    return c;
}

void TcxRegExprLexer::SkipBlanks()
{
    while (!AtEnd() && cxRegExprIsBlank(Peek()))
        Read();
}

TcxLexems TcxRegExprLexer::ScanLexems()
{
    int open = 0;
    while (!AtEnd()) {
        const unsigned char c = Read();
        if (cxRegExprIsBlank(c))
            continue;
        switch (c) {
        case '\'': ScanQuoted(); break;
        case '(': ++open, AddHere(lkSpecial, '('); break;
        case ')': --open, AddHere(lkSpecial, ')'); break;
        case '*': case '+': case '?': case '|': AddHere(lkSpecial, static_cast<char>(c)); break;
        case '.': AddHere(lkAny, '.'); break;
        case '/': AddHere(lkDateSeparator, '/'); break;
        case ':': AddHere(lkTimeSeparator, ':'); break;
        case '[': AddHere(lkSpecial, '['), ScanBracket(); break;
        case '{': AddHere(lkSpecial, '{'), ScanBraces(); break;
        case '\\': ScanEscape(); break;
        default: AddHere(lkSymbol, static_cast<char>(c));
        }
    }
    if (open > 0)
        report_(cxSRegExprMissing, 0, 0, ")");
    else if (open < 0)
        report_(cxSRegExprUnnecessary, 0, 0, ")");
    return std::move(lexems_);
}

void TcxRegExprLexer::ScanQuoted()
{
    for (;;) {
        if (AtEnd())
            return ErrorAtEnd(cxSRegExprMissing, kQuoteArgument);
        const unsigned char c = Read();
        if (c == '\'') {
            if (AtEnd() || Peek() != '\'')
                return;
            Read();
        }
        AddHere(lkSymbol, static_cast<char>(c));
    }
}

void TcxRegExprLexer::ScanEscape()
{
    const int line = line_, ch = char_;
    if (AtEnd())
        return;
    const unsigned char c = Read();
    if (c >= '1' && c <= '9')
        return Add(lkReference, static_cast<char>(c), line, ch);
    if (cxRegExprIsBlank(c))
        return report_(cxSRegExprSpaceAfterBackslash, line_, char_, {});
    switch (c) {
    case 'd': return Add(lkDigit, 'd', line, ch);
    case 'D': return Add(lkNotDigit, 'D', line, ch);
    case 'w': return Add(lkIdLetter, 'w', line, ch);
    case 'W': return Add(lkNotIdLetter, 'W', line, ch);
    case 's': return Add(lkSpace, 's', line, ch);
    case 'S': return Add(lkNotSpace, 'S', line, ch);
    case 'a': return Add(lkSymbol, '\a', line, ch);
    case 'e': return Add(lkSymbol, '\x1b', line, ch);
    case 'f': return Add(lkSymbol, '\f', line, ch);
    case 'n': return Add(lkSymbol, '\n', line, ch);
    case 'r': return Add(lkSymbol, '\r', line, ch);
    case 't': return Add(lkSymbol, '\t', line, ch);
    case 'p': return Add(lkSymbol, decimalSeparator_, line, ch);
    case 'x': return ScanHexCode(line, ch);
    default: return Add(lkSymbol, static_cast<char>(c), line, ch);
    }
}

void TcxRegExprLexer::ScanHexCode(int line, int ch)
{
    int value = 0;
    for (int digit = 0; digit < 2; ++digit) {
        if (AtEnd())
            return ErrorAtEnd(cxSRegExprHexNumberExpected0, {});
        const unsigned char c = Read();
        const int v = HexDigitValue(c);
        if (v < 0)
            return report_(cxSRegExprHexNumberExpected, line_, char_, OneChar(c));
        value = value * 16 + v;
    }
    Add(lkSymbol, static_cast<char>(value), line, ch);
}

void TcxRegExprLexer::ScanBracket()
{
    for (bool first = true;; first = false) {
        SkipBlanks();
        if (AtEnd())
            return ErrorAtEnd(cxSRegExprMissing, "]");
        const unsigned char c = Read();
        switch (c) {
        case '\'': ScanQuoted(); continue;
        case '/': AddHere(lkDateSeparator, '/'); continue;
        case ':': AddHere(lkTimeSeparator, ':'); continue;
        case '\\': ScanEscape(); continue;
        case ']': return AddHere(lkSpecial, ']');
        default: break;
        }
        if (first && c == '^') {
            AddHere(lkSpecial, '^');
        } else if (!first && c == '-') {
            const int line = line_, ch = char_;
            SkipBlanks();
            if (AtEnd()) {
                Add(lkSpecial, '-', line, ch);
                return ErrorAtEnd(cxSRegExprMissing, "]");
            }
            // A '-' just before the closing bracket is itself.
            Add(Peek() == ']' ? lkSymbol : lkSpecial, '-', line, ch);
        } else {
            AddHere(lkSymbol, static_cast<char>(c));
        }
    }
}

void TcxRegExprLexer::ScanBraces()
{
    for (;;) {
        SkipBlanks();
        if (AtEnd())
            return ErrorAtEnd(cxSRegExprMissing, "}");
        const unsigned char c = Peek();
        if (c >= '0' && c <= '9') {
            ReadNumberLexeme();
            continue;
        }
        Read();
        if (c == ',')
            AddHere(lkSpecial, ',');
        else if (c == '}')
            return AddHere(lkSpecial, '}');
        else
            report_(cxSRegExprIllegalSymbol, line_, char_, c == '\'' ? kQuoteArgument : OneChar(c));
    }
}

void TcxRegExprLexer::ReadNumberLexeme()
{
    Read();
    TcxLexem lexem{char_, lkInteger, line_, std::string(1, source_[pos_ - 1])};
    while (!AtEnd() && Peek() >= '0' && Peek() <= '9')
        lexem.Text += static_cast<char>(Read());
    lexems_.push_back(std::move(lexem));
}
