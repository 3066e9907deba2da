// The system clipboard's text.
#pragma once

#include <string>

class TClipboard {
public:
    std::string AsText() const;
    void SetAsText(const std::string& text);
};

TClipboard& Clipboard();
