#include "classlib/trayicon.h"

#include <algorithm>
#include <cstddef>

// 88 bytes in a 32-bit program; the handles widen it to 104 in a 64-bit one.
static_assert(kTrayRecordSize == (sizeof(void*) == 4 ? 88 : 104));
static_assert(offsetof(NOTIFYICONDATAA, szTip) + kTrayTipSize == kTrayRecordSize);

NOTIFYICONDATAA TrayIconRecord(HWND window, HICON icon, const std::string& tip)
{
    NOTIFYICONDATAA record{};
    record.cbSize = kTrayRecordSize;
    record.hWnd = window;
    record.uID = kTrayIconId;
    record.uFlags = kTrayFlags;
    record.uCallbackMessage = WM_TRAYICON;
    record.hIcon = icon;
    // Room for the closing zero byte, and no GBK character cut in half.
    std::size_t length = 0;
    for (std::size_t i = 0; i < tip.size();) {
        std::size_t step = IsDBCSLeadByte(static_cast<BYTE>(tip[i])) && i + 1 < tip.size() ? 2 : 1;
        if (i + step > kTrayTipSize - 1)
            break;
        i += step;
        length = i;
    }
    std::copy_n(tip.data(), length, record.szTip);
    return record;
}

HICON ApplicationIcon()
{
    if (HICON icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON"))
        return icon;
    return LoadIconA(nullptr, IDI_APPLICATION);
}

TTrayIcon::TTrayIcon(HWND window, HICON icon, const std::string& tip)
    : record_(TrayIconRecord(window, icon, tip)), added_(Shell_NotifyIconA(NIM_ADD, &record_) != FALSE)
{
}

bool TTrayIcon::Remove()
{
    if (!added_)
        return false;
    added_ = false;
    return Shell_NotifyIconA(NIM_DELETE, &record_) != FALSE;
}
