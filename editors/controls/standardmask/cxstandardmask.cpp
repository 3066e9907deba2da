#include "editors/controls/standardmask/cxstandardmask.h"

#include <algorithm>

namespace {

bool IsAsciiLetter(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char WithCase(char c, unsigned char rule)
{
    if (rule == cxCaseUpper && c >= 'a' && c <= 'z')
        return static_cast<char>(c - 'a' + 'A');
    if (rule == cxCaseLower && c >= 'A' && c <= 'Z')
        return static_cast<char>(c - 'A' + 'a');
    return c;
}

template <class Item>
std::unique_ptr<TcxStandardMaskCustomItem> DataItemOf(unsigned char caseRule, bool optional)
{
    return std::make_unique<Item>(caseRule, optional);
}

} // namespace

bool TcxStandardMaskManyItem::Check(char& c) const
{
    const bool accepted = Accepts(static_cast<unsigned char>(c));
    c = WithCase(c, CaseRule);
    return accepted;
}

bool TcxStandardMaskAlphaItem::Accepts(unsigned char c) const
{
    return IsAsciiLetter(c);
}

bool TcxStandardMaskAlphaNumericItem::Accepts(unsigned char c) const
{
    return IsAsciiLetter(c) || (c >= '0' && c <= '9');
}

void TcxStandardMask::Clear()
{
    MaskText.clear();
    FillFromRight = false;
    KeepLiterals = true;
    BlankChar = '_';
    ItemList.clear();
}

void TcxStandardMask::SetMask(const std::string& mask, const TFormatSettings& settings)
{
    Clear();
    MaskText = mask;
    std::string rest = mask;
    if (!rest.empty() && rest[0] == '!') {
        FillFromRight = true;
        rest.erase(0, 1);
    }
    ParseMask(rest, settings);
}

void TcxStandardMask::ParseMask(const std::string& mask, const TFormatSettings& settings)
{
    unsigned char caseRule = cxCaseUnchanged;
    const auto isKeepFlag = [](char c) { return c == '0' || c == '1'; };
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const char c = mask[i];
        const std::size_t after = mask.size() - i - 1;
        std::unique_ptr<TcxStandardMaskCustomItem> item;
        switch (c) {
        case 'L': item = DataItemOf<TcxStandardMaskAlphaItem>(caseRule, false); break;
        case 'l': item = DataItemOf<TcxStandardMaskAlphaItem>(caseRule, true); break;
        case 'A': item = DataItemOf<TcxStandardMaskAlphaNumericItem>(caseRule, false); break;
        case 'a': item = DataItemOf<TcxStandardMaskAlphaNumericItem>(caseRule, true); break;
        case 'C': item = DataItemOf<TcxStandardMaskASCIIItem>(caseRule, false); break;
        case 'c': item = DataItemOf<TcxStandardMaskASCIIItem>(caseRule, true); break;
        case '0': item = DataItemOf<TcxStandardMaskNumericItem>(caseRule, false); break;
        case '9': item = DataItemOf<TcxStandardMaskNumericItem>(caseRule, true); break;
        case '#': item = DataItemOf<TcxStandardMaskNumericSymbolItem>(caseRule, true); break;
        case ':': item = std::make_unique<TcxStandardMaskLiteralItem>(settings.TimeSeparator); break;
        case '/': item = std::make_unique<TcxStandardMaskLiteralItem>(settings.DateSeparator); break;
        case '>': caseRule = cxCaseUpper; break;
        case '<':
            if (i + 1 < mask.size() && mask[i + 1] == '>') {
                caseRule = cxCaseUnchanged;
                ++i;
            } else {
                caseRule = cxCaseLower;
            }
            break;
        case '\\':
            if (++i < mask.size())
                item = std::make_unique<TcxStandardMaskLiteralItem>(mask[i]);
            break;
        case ';':
            if ((after == 3 && isKeepFlag(mask[i + 1]) && mask[i + 2] == ';') || (after == 1 && isKeepFlag(mask[i + 1]))) {
                KeepLiterals = mask[i + 1] == '1';
                if (after == 3)
                    BlankChar = mask[i + 3];
                return;
            }
            item = std::make_unique<TcxStandardMaskLiteralItem>(';');
            break;
        default: item = std::make_unique<TcxStandardMaskLiteralItem>(c); break;
        }
        if (item)
            ItemList.push_back(std::move(item));
    }
}

const TcxStandardMaskManyItem* TcxStandardMask::DataItem(std::size_t index) const
{
    return dynamic_cast<const TcxStandardMaskManyItem*>(ItemList[index].get());
}

std::string TcxStandardMask::GetEmptyText() const
{
    std::string text;
    for (std::size_t i = 0; i < Count(); ++i)
        text += DataItem(i) ? BlankChar : static_cast<const TcxStandardMaskLiteralItem&>(*ItemList[i]).LiteralChar;
    return text;
}

char TcxStandardMask::ValueChar(const TcxStandardMaskManyItem& item, char shown) const
{
    return shown == BlankChar && !item.TakesAsData(BlankChar) ? ' ' : shown;
}

std::string TcxStandardMask::GetEmptyValue() const
{
    std::string text;
    for (std::size_t i = 0; i < Count(); ++i) {
        if (const TcxStandardMaskManyItem* data = DataItem(i))
            text += ValueChar(*data, BlankChar);
        else if (KeepLiterals)
            text += static_cast<const TcxStandardMaskLiteralItem&>(*ItemList[i]).LiteralChar;
    }
    return text;
}

void TcxStandardMask::ApplyToText(std::string& text, bool applyCase, bool textHasLiterals) const
{
    std::string result = GetEmptyText();
    const auto count = static_cast<long>(Count());
    const long step = FillFromRight ? -1 : 1;
    long position = FillFromRight ? count - 1 : 0;
    const bool skipLiterals = !KeepLiterals && !textHasLiterals;
    const auto length = static_cast<long>(text.size());
    for (long t = FillFromRight ? length - 1 : 0; t >= 0 && t < length; t += step) {
        const char ch = text[static_cast<std::size_t>(t)];
        for (long p = position; p >= 0 && p < count; p += step) {
            const auto index = static_cast<std::size_t>(p);
            const TcxStandardMaskManyItem* data = DataItem(index);
            if (!data && skipLiterals)
                continue;
            char checked = ch;
            if (ItemList[index]->Check(checked)) {
                result[index] = applyCase ? checked : ch;
                position = p + step;
                break;
            }
            if (data && (ch == BlankChar || ch == ' ')) {
                position = p + step;
                break;
            }
        }
    }
    text = result;
}

void TcxStandardMask::GetValueText(std::string& text) const
{
    std::string value;
    const std::size_t length = std::min(text.size(), Count());
    for (std::size_t i = 0; i < length; ++i) {
        if (const TcxStandardMaskManyItem* data = DataItem(i))
            value += ValueChar(*data, text[i]);
        else if (KeepLiterals)
            value += text[i];
    }
    text = value;
}

bool TcxStandardMask::IsTextValid(std::string& text) const
{
    if (text.size() != Count())
        return false;
    for (std::size_t i = 0; i < Count(); ++i) {
        const char shown = text[i];
        if (ItemList[i]->Check(text[i]))
            continue;
        const TcxStandardMaskManyItem* data = DataItem(i);
        if (!(data && data->IsOptional && (shown == BlankChar || shown == ' ')))
            return false;
    }
    return true;
}
