// The run-time library's text conversions take blanks (spaces only) around
// the value.
#pragma once

#include <string_view>

inline std::string_view TrimBlanks(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(' ');
    return begin == std::string_view::npos ? std::string_view()
                                           : text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}
