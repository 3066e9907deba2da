#include "editors/controls/text/cxtextincrementalsearch.h"

#include <algorithm>

#include "classlib/gbkchars.h"
#include "editors/controls/text/cxtextchars.h"

namespace {

constexpr char kBackspace = 8;

// The editor's search step: t completed from the first item starting with
// it, the rest selected. A lead byte being typed brings its trail byte, so
// the search sees the whole character; the trail byte then leads the
// selected rest, where the trail byte's own key lands.
bool SearchText(TcxIncrementalSearchPort& port, std::string t, char key)
{
    TcxLookupTextLock lock(port);
    const char pending = IsGbkLeadByte(key) ? port.PendingSecondByte() : '\0';
    if (pending)
        t += pending;
    std::string tail;
    const bool found = port.LookupData().Locate(t, tail, false);
    if (found && pending) {
        tail.insert(tail.begin(), t.back());
        t.pop_back();
    }
    port.SetFindSelection(found);
    if (t.empty()) {
        port.SetFindSelection(false);
        if (port.EditingMode() != temFixedList)
            port.ApplyDisplayText({});
    } else if (found) {
        port.ApplyDisplayText(t + tail);
        port.Select(static_cast<int>(t.size()), static_cast<int>(tail.size()));
    }
    port.UpdateDrawValue();
    return found;
}

bool PrintableKey(TcxIncrementalSearchPort& port, char c)
{
    const TcxTextEditingMode mode = port.EditingMode();
    const std::string text = port.Text();
    const auto start = static_cast<std::size_t>(std::max(port.SelStart(), 0));
    const int length = port.SelLength();
    const bool findBefore = port.FindSelection();
    const bool caretAtEnd = length == 0 && start >= text.size();
    if (!IsListMode(mode) && !caretAtEnd && !findBefore && length == 0)
        return false;

    const std::string before = text.substr(0, std::min(start, text.size()));
    bool found = false;
    if (mode == temFixedList && findBefore) {
        // Typing on after a found item, else starting afresh from c.
        found = SearchText(port, (length > 0 ? before : text) + c, c);
        if (!found)
            found = SearchText(port, std::string(1, c), c);
    } else if (length > 0)
        found = SearchText(port, before + c, c);
    else if (mode != temFixedList)
        found = SearchText(port, before + c + text.substr(before.size()), c);
    else
        found = SearchText(port, std::string(1, c), c);
    if (!found && mode == temFixedList && !port.FixedListSelection())
        found = SearchText(port, std::string(1, c), c);
    if (found || !IsListMode(mode))
        return found;
    // A list mode takes no text that no item starts with.
    if (mode == temEditList ? !port.Text().empty() : !port.FixedListSelection() && findBefore)
        port.SetFindSelection(true);
    return true;
}

bool BackspaceKey(TcxIncrementalSearchPort& port)
{
    const TcxTextEditingMode mode = port.EditingMode();
    if (mode == temFixedList && !port.FixedListSelection()) {
        port.SetFindSelection(false);
        return true;
    }
    const std::string text = port.Text();
    if (mode == temEditList && !text.empty() && !port.FindSelection()) {
        const int start = std::min(std::max(port.SelStart(), 0), static_cast<int>(text.size()));
        port.Select(start, static_cast<int>(text.size()) - start);
        port.SetFindSelection(true);
    }
    bool found = false;
    if (port.FindSelection()) {
        std::string t = text.substr(0, std::min(static_cast<std::size_t>(std::max(port.SelStart(), 0)), text.size()));
        t.erase(cxLastCharOffset(t));
        found = SearchText(port, t, kBackspace);
    }
    return found || mode == temFixedList;
}

} // namespace

bool cxUsesIncrementalSearch(const TcxIncrementalSearchPort& port)
{
    const TcxTextEditingMode mode = port.EditingMode();
    return IsListMode(mode) || (mode == temEdit && port.IncrementalSearch());
}

bool cxIncrementalSearchKey(TcxIncrementalSearchPort& port, char key)
{
    if (!cxUsesIncrementalSearch(port))
        return false;
    if (key == kBackspace)
        return BackspaceKey(port);
    return static_cast<unsigned char>(key) > 31 && PrintableKey(port, key);
}
