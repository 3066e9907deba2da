// The system clipboard's text.
#pragma once

#include <string>

class TClipboard {
public:
    // Whether the clipboard holds data of this format (CF_TEXT and the like),
    // without opening it.
    bool HasFormat(unsigned format) const;
    std::string AsText() const;
    void SetAsText(const std::string& text);
};

TClipboard& Clipboard();
