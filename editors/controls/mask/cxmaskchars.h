// Whole-character steps over GBK byte texts: the inner EDIT holds its caret
// only between characters, so the modes never step by a lone byte.
#pragma once

#include <string>
#include <string_view>

// The offset after the character at p (the text's end at or past it).
int cxMaskNextChar(std::string_view text, int p);
// The start of the character that ends at or covers p - 1; 0 at the start.
int cxMaskPrevChar(std::string_view text, int p);
// The character boundary at or before p.
int cxMaskCharFloor(std::string_view text, int p);
// Characters in [from, to), a part of one counting whole.
int cxMaskCharCount(std::string_view text, int from, int to);
// The character boundary at or after p.
int cxMaskCharCeil(std::string_view text, int p);
// The typed key and, for a lead byte, the trail byte typed with it; empty
// when the trail is missing, as a lone lead byte is no character.
std::string cxMaskTypedUnit(char key, char pendingSecondByte);
