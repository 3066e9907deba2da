// A character typed over a time editor's text: whether the item at the
// caret takes it, and what the editor writes itself.
#pragma once

#include <string>
#include <string_view>

#include "classlib/formatsettings.h"
#include "editors/controls/mask/cxmaskeditport.h"
#include "editors/controls/time/cxtimeformats.h"

struct TcxTimeKeyCheck {
    // False: the key is dropped.
    bool Valid = false;
    // The character the mask then writes at SelStart, moving on behind it;
    // empty when the editor wrote the text itself.
    std::string Key;
    std::string Text;
    // 0-based.
    int SelStart = 0;
};

// key (one whole character, a double-byte one as its two bytes) typed at
// 1-based position p of text.
// Digits keep the hour in 0..23 (1..12 in 12-hour mode), minutes and
// seconds in 0..59: a first digit too big for the item goes to the second
// ("7" over "08" gives "07"), one that makes it too big clears the second
// ("2" over "08" gives "20"), and a second digit too big clears the first.
// The designator takes the characters of the AM and PM words, whole
// characters compared, ASCII letters in either case; at the first one in
// which they differ the key chooses the word, written whole with the caret
// behind it.
TcxTimeKeyCheck cxTimeCharValidAt(const std::string& text, int p, std::string_view key,
                                  const TcxTimeEditFormat& format, const TFormatSettings& settings);

// The check on an editor's text at 1-based p, the key and the trail byte
// typed with it: what the item writes itself goes to the port with the
// caret where the mask goes on; key becomes what the mask then writes (0:
// nothing). False: the key is dropped.
bool cxTimeCheckTypedChar(TcxMaskEditPort& port, char& key, int p, const TcxTimeEditFormat& format,
                          const TFormatSettings& settings);
