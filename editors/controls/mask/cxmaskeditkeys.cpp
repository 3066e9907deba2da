#include "editors/controls/mask/cxmaskeditkeys.h"

namespace {

constexpr char kBackspace = 8, kTab = 9, kEnter = 13, kEscape = 27;
constexpr char kCtrlC = 3, kCtrlV = 22, kCtrlX = 24;

} // namespace

// The inner edit's own cut would shorten a standard mask's text.
bool cxMaskEditCut(TcxMaskEditCustomMode& mode, TcxMaskEditPort& port)
{
    port.CopySelection();
    mode.ClearSelection();
    return false;
}

bool cxMaskEditKeyDown(TcxMaskEditCustomMode& mode, TcxMaskEditPort& port, TcxMaskEditKey key, bool shift, bool ctrl)
{
    port.ShiftDown = shift;
    if (mode.IsMaskAbsent())
        return true;
    switch (key) {
    case TcxMaskEditKey::Left:
        if (!ctrl)
            return mode.CaretLeft();
        port.SendKey(TcxMaskEditKey::Home, shift);
        mode.CaretHome();
        return false;
    case TcxMaskEditKey::Right:
        if (!ctrl)
            return mode.CaretRight();
        port.SendKey(TcxMaskEditKey::End, shift);
        mode.CaretEnd();
        return false;
    case TcxMaskEditKey::Home: return mode.CaretHome();
    case TcxMaskEditKey::End: return mode.CaretEnd();
    case TcxMaskEditKey::Delete:
        if (!shift)
            return mode.ClearSelection();
        if (port.Selection().Length > 0)
            return cxMaskEditCut(mode, port);
        port.ShiftDown = false;
        return mode.Backspace();
    case TcxMaskEditKey::Back: break;
    }
    return true;
}

bool cxMaskEditKeyPress(TcxMaskEditCustomMode& mode, TcxMaskEditPort& port, char& key)
{
    if (mode.IsMaskAbsent())
        return true;
    switch (key) {
    case kTab:
    case kEscape: return false;
    case kEnter:
    case kCtrlC:
    case kCtrlV: return true;
    case kCtrlX: return port.Selection().Length > 0 && cxMaskEditCut(mode, port);
    case kBackspace:
        // Shift held from an earlier key does not make Backspace select.
        port.ShiftDown = false;
        return mode.Backspace();
    default: return mode.TypeChar(key);
    }
}

std::string cxMaskEditPasteText(const std::string& clipboard)
{
    return clipboard.substr(0, clipboard.find_first_of("\r\n"));
}

void cxMaskEditPaste(TcxMaskEditCustomMode& mode, TcxMaskEditPort& port, const std::string& clipboard)
{
    const std::string text = cxMaskEditPasteText(clipboard);
    if (mode.IsMaskAbsent()) {
        port.ReplaceSelection(text);
        return;
    }
    mode.BeforePaste(text);
    port.ReplaceSelection(text);
    mode.FinishPaste();
}
