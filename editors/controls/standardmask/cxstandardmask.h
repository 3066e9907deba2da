// The classic edit mask ("00:00:00;1;0", "!99/99;0", ">LL<ll"): one item per
// position of the shown text, and the texts an editor lays into it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "classlib/formatsettings.h"

class TcxStandardMaskCustomItem {
public:
    virtual ~TcxStandardMaskCustomItem() = default;
    // May rewrite the character (data items apply their case rule).
    virtual bool Check(char& c) const = 0;
};

class TcxStandardMaskLiteralItem : public TcxStandardMaskCustomItem {
public:
    explicit TcxStandardMaskLiteralItem(char literal) : LiteralChar(literal) {}
    bool Check(char& c) const override { return c == LiteralChar; }
    char LiteralChar;
};

// 0 upper, 1 lower, 2 unchanged.
enum : unsigned char { cxCaseUpper = 0, cxCaseLower = 1, cxCaseUnchanged = 2 };

class TcxStandardMaskManyItem : public TcxStandardMaskCustomItem {
public:
    TcxStandardMaskManyItem(unsigned char caseRule, bool optional) : CaseRule(caseRule), IsOptional(optional) {}
    bool Check(char& c) const override;
    // Whether the item holds blankChar as data rather than as an empty position.
    virtual bool TakesAsData(char blankChar) const { return Accepts(static_cast<unsigned char>(blankChar)); }
    unsigned char CaseRule;
    bool IsOptional;

protected:
    virtual bool Accepts(unsigned char c) const = 0;
};

class TcxStandardMaskAlphaItem : public TcxStandardMaskManyItem {
public:
    using TcxStandardMaskManyItem::TcxStandardMaskManyItem;

protected:
    bool Accepts(unsigned char c) const override;
};

class TcxStandardMaskAlphaNumericItem : public TcxStandardMaskManyItem {
public:
    using TcxStandardMaskManyItem::TcxStandardMaskManyItem;

protected:
    bool Accepts(unsigned char c) const override;
};

class TcxStandardMaskASCIIItem : public TcxStandardMaskManyItem {
public:
    using TcxStandardMaskManyItem::TcxStandardMaskManyItem;
    // Any byte fits, so the blank character is always an empty position.
    bool TakesAsData(char) const override { return false; }

protected:
    bool Accepts(unsigned char) const override { return true; }
};

class TcxStandardMaskNumericItem : public TcxStandardMaskManyItem {
public:
    using TcxStandardMaskManyItem::TcxStandardMaskManyItem;

protected:
    bool Accepts(unsigned char c) const override { return c >= '0' && c <= '9'; }
};

class TcxStandardMaskNumericSymbolItem : public TcxStandardMaskManyItem {
public:
    using TcxStandardMaskManyItem::TcxStandardMaskManyItem;

protected:
    bool Accepts(unsigned char c) const override { return c == '+' || c == '-' || (c >= '0' && c <= '9'); }
};

class TcxStandardMask {
public:
    // The separators are copied from settings into the literal items.
    void SetMask(const std::string& mask, const TFormatSettings& settings = FormatSettings());
    void Clear();

    std::size_t Count() const { return ItemList.size(); }
    const TcxStandardMaskCustomItem& Items(std::size_t index) const { return *ItemList.at(index); }

    void ApplyToText(std::string& text, bool applyCase, bool textHasLiterals) const;
    void GetValueText(std::string& text) const;
    bool IsTextValid(std::string& text) const;
    std::string GetEmptyText() const;
    std::string GetEmptyValue() const;

    char BlankChar = '_';
    std::vector<std::unique_ptr<TcxStandardMaskCustomItem>> ItemList;
    bool FillFromRight = false;
    bool KeepLiterals = true;
    std::string MaskText;

private:
    void ParseMask(const std::string& mask, const TFormatSettings& settings);
    const TcxStandardMaskManyItem* DataItem(std::size_t index) const;
    // The value text's byte for a data position.
    char ValueChar(const TcxStandardMaskManyItem& item, char shown) const;
};
