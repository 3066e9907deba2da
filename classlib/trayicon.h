// An icon in the notification area: added when made, removed once, either
// by Remove or when it goes away.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

// The notify-icon record in its first form (88 bytes in a 32-bit program).
constexpr DWORD kTrayRecordSize = NOTIFYICONDATAA_V1_SIZE;
constexpr UINT kTrayIconId = 100;
constexpr UINT kTrayFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
// The message the icon sends to its window; lParam carries the mouse message.
constexpr UINT WM_TRAYICON = WM_USER + 1;
constexpr std::size_t kTrayTipSize = 64;

// The record the shell is given; the tip is cut to fit its zero-filled field.
NOTIFYICONDATAA TrayIconRecord(HWND window, HICON icon, const std::string& tip);

// The program's icon (resource MAINICON), or the standard application icon
// when the program has none.
HICON ApplicationIcon();

class TTrayIcon {
public:
    // Adds the icon; Added() tells whether the shell took it.
    TTrayIcon(HWND window, HICON icon, const std::string& tip);
    ~TTrayIcon() { Remove(); }
    TTrayIcon(const TTrayIcon&) = delete;
    TTrayIcon& operator=(const TTrayIcon&) = delete;

    bool Added() const { return added_; }
    // Takes the icon away; true when this call removed it, so only the first can.
    bool Remove();

private:
    NOTIFYICONDATAA record_;
    bool added_ = false;
};
