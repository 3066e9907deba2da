// The open popups and the three thread hooks that serve them: a click
// outside every popup, the application going inactive, the owner hidden or
// closed close them; Alt keys are dropped while one is open. The hooks exist
// only while the list holds a popup.
#pragma once

#include <windows.h>

class TWinControl;

// What the hooks need of a popup window.
class TcxPopup {
public:
    TcxPopup() = default;
    TcxPopup(const TcxPopup&) = delete;
    TcxPopup& operator=(const TcxPopup&) = delete;
    // A popup freed while open leaves the list.
    virtual ~TcxPopup();

    // Closes the popup; one that closes leaves the list (cxPopupClosed).
    virtual void ClosePopup() = 0;
    // Whether a WM_CLOSE of its own window may close it.
    virtual bool CanClose() { return true; }
    // Its own window; OwnsWindow also takes the windows inside it.
    virtual HWND PopupWindow() const = 0;
    virtual bool OwnsWindow(HWND window) const;
    // A system key (WM_SYSKEYDOWN) it handles; others are dropped while it is the newest popup.
    virtual bool AcceptsKey(WPARAM key) const = 0;
    // The control it belongs to (a drop-down's editor), or none.
    virtual TWinControl* OwnerControl() const = 0;
    // The form window whose caption stays active while it is open.
    virtual HWND OwnerForm() const = 0;
    // Closing the main popup ends the application.
    virtual bool IsMainPopup() const { return false; }
    virtual bool IsEnabled() const { return true; }
    // A left click on its owner control inside the owner's draw bounds, told
    // before the popups close; true swallows the click (it closed the popup,
    // it must not open it again).
    virtual bool OwnerClicked() { return false; }
};

// The popup enters the list: the newest from now on; the hooks come with the first.
void cxPopupOpened(TcxPopup* popup);
// The popup leaves the list; the hooks go with the last.
void cxPopupClosed(TcxPopup* popup);
bool cxIsPopupOpen(const TcxPopup* popup);
int cxOpenPopupCount();
bool cxPopupHooksInstalled();
// Calls of the three hook procedures so far: none while no popup is open.
long cxPopupHookCalls();
// Unit shut-down: the list is emptied (popups stay as they are) and the hooks go.
void cxPopupsFinalize();
