// Incremental search as the user types into a text editor: the typed start
// is completed with the rest of the first lookup item that begins with it,
// and that rest is selected (the find selection) so the next key replaces
// it. The editor implements the port on its inner EDIT; tests on a string.
#pragma once

#include <string>

#include "editors/controls/text/cxtexteditlookupdata.h"
#include "editors/controls/text/cxtexteditmodes.h"

class TcxIncrementalSearchPort {
public:
    virtual ~TcxIncrementalSearchPort() = default;

    virtual IcxTextEditLookupData& LookupData() = 0;
    virtual TcxTextEditingMode EditingMode() const = 0;
    virtual bool IncrementalSearch() const = 0;
    virtual bool FixedListSelection() const = 0;

    // The shown text and its selection, in bytes.
    virtual std::string Text() const = 0;
    virtual int SelStart() const = 0;
    virtual int SelLength() const = 0;
    virtual void Select(int start, int length) = 0;
    virtual bool FindSelection() const = 0;
    virtual void SetFindSelection(bool value) = 0;
    // Shows text as the display value (applied unchecked, as the user's).
    virtual void ApplyDisplayText(const std::string& text) = 0;
    // The trail byte that came with the lead byte being handled; 0 when none.
    virtual char PendingSecondByte() const = 0;
    virtual void SetLookupTextLocked(bool value) = 0;
    // The text as painted while the EDIT is hidden.
    virtual void UpdateDrawValue() {}
};

// Whether incremental search handles keys in this mode at all.
bool cxUsesIncrementalSearch(const TcxIncrementalSearchPort& port);

// Backspace (8) or a printable character typed: true when the search took
// the key (the EDIT must not handle it).
bool cxIncrementalSearchKey(TcxIncrementalSearchPort& port, char key);
