// Character classes of the regular-expression masks: what one state of the
// automaton accepts. Bytes compare unsigned; only ASCII letters fold case.
#pragma once

#include <memory>
#include <optional>
#include <vector>

struct TFormatSettings;

class TcxRegExprItem {
public:
    virtual ~TcxRegExprItem() = default;
    // Separators come from settings as they are at the moment of matching.
    virtual bool Check(unsigned char c, bool caseInsensitive, const TFormatSettings& settings) const = 0;
    virtual std::unique_ptr<TcxRegExprItem> Clone() const = 0;
    // The one byte a literal class stands for (symbols and separators).
    virtual std::optional<char> Literal(const TFormatSettings&) const { return std::nullopt; }
    // A symbol hands its own byte to the text it matched case-insensitively.
    virtual bool IsSymbol() const { return false; }
};

class TcxRegExprSymbol : public TcxRegExprItem {
public:
    explicit TcxRegExprSymbol(char symbol) : Symbol(symbol) {}
    bool Check(unsigned char c, bool caseInsensitive, const TFormatSettings&) const override;
    std::unique_ptr<TcxRegExprItem> Clone() const override;
    std::optional<char> Literal(const TFormatSettings&) const override { return Symbol; }
    bool IsSymbol() const override { return true; }
    char Symbol;
};

class TcxRegExprTimeSeparator : public TcxRegExprItem {
public:
    bool Check(unsigned char c, bool, const TFormatSettings& settings) const override;
    std::unique_ptr<TcxRegExprItem> Clone() const override;
    std::optional<char> Literal(const TFormatSettings& settings) const override;
};

class TcxRegExprDateSeparator : public TcxRegExprItem {
public:
    bool Check(unsigned char c, bool, const TFormatSettings& settings) const override;
    std::unique_ptr<TcxRegExprItem> Clone() const override;
    std::optional<char> Literal(const TFormatSettings& settings) const override;
};

class TcxRegExprSubrange : public TcxRegExprItem {
public:
    TcxRegExprSubrange(unsigned char first, unsigned char last) : First(first), Last(last) {}
    bool Check(unsigned char c, bool, const TFormatSettings&) const override { return First <= c && c <= Last; }
    std::unique_ptr<TcxRegExprItem> Clone() const override;
    unsigned char First, Last;
};

class TcxRegExprEnumeration : public TcxRegExprItem {
public:
    explicit TcxRegExprEnumeration(bool inverse) : Inverse(inverse) {}
    bool Inverse;
};

class TcxRegExprUserEnumeration : public TcxRegExprEnumeration {
public:
    using TcxRegExprEnumeration::TcxRegExprEnumeration;
    bool Check(unsigned char c, bool caseInsensitive, const TFormatSettings& settings) const override;
    std::unique_ptr<TcxRegExprItem> Clone() const override;
    void Add(std::unique_ptr<TcxRegExprItem> item) { Items.push_back(std::move(item)); }
    std::vector<std::unique_ptr<TcxRegExprItem>> Items;
};

class TcxRegExprDigit : public TcxRegExprEnumeration {
public:
    using TcxRegExprEnumeration::TcxRegExprEnumeration;
    bool Check(unsigned char c, bool, const TFormatSettings&) const override;
    std::unique_ptr<TcxRegExprItem> Clone() const override;
};

class TcxRegExprIdLetter : public TcxRegExprEnumeration {
public:
    using TcxRegExprEnumeration::TcxRegExprEnumeration;
    bool Check(unsigned char c, bool, const TFormatSettings&) const override;
    std::unique_ptr<TcxRegExprItem> Clone() const override;
};

class TcxRegExprSpace : public TcxRegExprEnumeration {
public:
    using TcxRegExprEnumeration::TcxRegExprEnumeration;
    bool Check(unsigned char c, bool, const TFormatSettings&) const override;
    std::unique_ptr<TcxRegExprItem> Clone() const override;
};

class TcxRegExprAll : public TcxRegExprItem {
public:
    bool Check(unsigned char, bool, const TFormatSettings&) const override { return true; }
    std::unique_ptr<TcxRegExprItem> Clone() const override;
};

// The blanks that the mask text skips and \s matches: #0, TAB, LF, FF, CR, space.
bool cxRegExprIsBlank(unsigned char c);
// ASCII letters folded to upper case; every other byte as it is.
unsigned char cxRegExprUpperAscii(unsigned char c);
