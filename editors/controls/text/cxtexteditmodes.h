// How a text editor lets the user type, and how it shows its text.
#pragma once

#include <cstdint>

// temEdit free typing; temEditList typing completed from the lookup items;
// temFixedList only lookup items; temNoEdit no caret and no typing.
enum TcxTextEditingMode : std::uint8_t { temEdit, temEditList, temFixedList, temNoEdit };

enum TcxEditEchoMode : std::uint8_t { eemNormal, eemPassword };

inline bool IsListMode(TcxTextEditingMode mode)
{
    return mode == temEditList || mode == temFixedList;
}
