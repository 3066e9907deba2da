// The system's converter: code page 936, as the program's texts are.
#include "classlib/olestrconvert.h"

#include "classlib/exceptions.h"

#include <windows.h>

#include <climits>

namespace {
constexpr UINT kCodePage = 936;

int CheckedLength(std::size_t size)
{
    if (size > static_cast<std::size_t>(INT_MAX)) {
        throw EConvertError("Text too long to convert");
    }
    return static_cast<int>(size);
}

std::u16string GbkToOleStr(std::string_view text)
{
    if (text.empty()) {
        return {};
    }
    const int length = CheckedLength(text.size());
    const int count = MultiByteToWideChar(kCodePage, 0, text.data(), length, nullptr, 0);
    std::u16string result(static_cast<std::size_t>(count), u'\0');
    MultiByteToWideChar(kCodePage, 0, text.data(), length, reinterpret_cast<wchar_t*>(result.data()), count);
    return result;
}

std::string OleStrToGbk(std::u16string_view text)
{
    if (text.empty()) {
        return {};
    }
    const int length = CheckedLength(text.size());
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int count = WideCharToMultiByte(kCodePage, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(count), '\0');
    WideCharToMultiByte(kCodePage, 0, wide, length, result.data(), count, nullptr, nullptr);
    return result;
}
}  // namespace

TOleStrConverter SystemOleStrConverter()
{
    return {GbkToOleStr, OleStrToGbk};
}
