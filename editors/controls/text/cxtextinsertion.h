// Where a text editor's insertion of text (typed, pasted or cut) leaves its
// text and caret, before the editor validates the result.
#pragma once

#include <optional>
#include <string>

#include "editors/controls/text/cxtexteditmodes.h"

struct TcxTextInsertionRequest {
    std::string Text;
    // Byte offsets; one inside a character counts as the next character.
    int SelStart = 0;
    int SelLength = 0;
    std::string Inserted;
    // The user typed, pasted or cut: MaxLength holds and temNoEdit refuses.
    bool FromKeyboard = false;
    TcxTextEditingMode Mode = temEdit;
    // In characters, a double-byte one counting once; 0 or less: no limit.
    int MaxLength = 0;
};

struct TcxTextInsertion {
    std::string Text;
    int Caret = 0;
};

// The new text and caret, or none when the insertion is refused. The list
// and no-edit modes replace the whole text. Under MaxLength the text is cut
// to whole characters, and an insertion that would leave the caret before
// the selection is refused. A lead byte ending one piece is dropped when
// another piece follows, so it cannot take that piece's first byte.
std::optional<TcxTextInsertion> cxPrepareTextInsertion(const TcxTextInsertionRequest& request);
