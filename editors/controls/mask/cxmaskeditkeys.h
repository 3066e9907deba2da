// How a masked editor hands keys, typed characters and paste to its mode;
// true leaves the key to the text editor and its inner edit. Without a mask
// every key goes there.
#pragma once

#include <string>

#include "editors/controls/mask/cxmaskeditmode.h"

// A caret or editing key going down (Left, Right, Home, End, Delete).
bool cxMaskEditKeyDown(TcxMaskEditCustomMode& mode, TcxMaskEditPort& port, TcxMaskEditKey key, bool shift, bool ctrl);
// A typed character; the mode may rewrite its case. A cut (Shift+Delete,
// Ctrl+X) copies and then clears through the mode.
bool cxMaskEditKeyPress(TcxMaskEditCustomMode& mode, TcxMaskEditPort& port, char& key);
// Copies the selection and clears it through the mode; false.
bool cxMaskEditCut(TcxMaskEditCustomMode& mode, TcxMaskEditPort& port);
// The text a paste inserts: up to its first line break.
std::string cxMaskEditPasteText(const std::string& clipboard);
// BeforePaste, the inner edit's paste of the text, FinishPaste.
void cxMaskEditPaste(TcxMaskEditCustomMode& mode, TcxMaskEditPort& port, const std::string& clipboard);
