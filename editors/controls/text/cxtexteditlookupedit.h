// The lookup data and incremental search of a real text editor: its
// properties in force give the items and settings, its inner EDIT the text
// and selection.
#pragma once

#include <memory>

#include "editors/controls/text/cxtexteditlookupdataintf.h"

class TcxCustomTextEdit;

// The lookup data class of the text editors (TcxCustomTextEditLookupData).
std::unique_ptr<IcxTextEditLookupData> cxCreateTextEditLookupData(TcxCustomTextEdit& owner);

// Incremental search of a typed character or Backspace (8) in the editor;
// true when the search took the key.
bool cxTextEditIncrementalSearch(TcxCustomTextEdit& edit, char key);
