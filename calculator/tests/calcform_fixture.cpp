#include "calculator/tests/calcform_fixture.h"

#include <atomic>
#include <thread>

#include "classlib/application.h"
#include "classlib/trayicon.h"
#include "classlib/units.h"
#include "editors/controls/cxcontrolsunits.h"
#include "editors/edit/core/cxeditunits.h"
#include "editors/foundation/core/cxfoundationunits.h"
#include "windows/accessoryclasses.h"

namespace {
// What the program starts before its first form, so that the tools window
// can be made; a suite's windows are gone before they end.
std::vector<std::unique_ptr<TUnitsStarted>> units;

void StartUnits()
{
    Application.Initialize();
    RegisterAccessoryClasses();
    for (auto started : {cxFoundationUnits(), cxEditUnits(), cxControlsUnits()})
        units.push_back(std::make_unique<TUnitsStarted>(started));
}

void EndUnits()
{
    while (!units.empty())
        units.pop_back();
}
} // namespace

std::unique_ptr<TCalcForm> CalcFormTest::form;

void CalcFormTest::SetUpTestSuite()
{
    StartUnits();
    form = std::make_unique<TCalcForm>(FreshFolder("window"));
    form->Show();
    SetForegroundWindow(form->Handle());
}

void CalcFormTest::TearDownTestSuite()
{
    form.reset();
    EndUnits();
}

void CalcDialogTest::SetUp()
{
    OnDialog([](HWND dialog) { DialogWatcher::Press(dialog, IDOK); });
    watcher = std::make_unique<DialogWatcher>([this](HWND dialog) {
        std::function<void(HWND)> act;
        {
            std::lock_guard<std::mutex> hold(actionLock);
            act = action;
        }
        act(dialog);
    });
}

void CalcDialogTest::TearDown()
{
    watcher.reset();
}

void CalcDialogTest::OnDialog(std::function<void(HWND)> next)
{
    std::lock_guard<std::mutex> hold(actionLock);
    action = std::move(next);
}

void CalcFormTest::SetUp()
{
    // Voice off: these tests do not wait on the speech pace.
    form->CheckBox2->SetChecked(false);
    form->CheckBox4->SetChecked(false);
    form->CheckBox5->SetChecked(false);
    form->SpinEdit1->SetValue(2);
    form->Memo1->Clear();
    form->Edit2->Clear();
    form->Edit4->Clear();
    form->Edit5->Clear();
    form->curline = 0;
    SetForegroundWindow(form->Handle());
    form->Memo1->SetFocus();
    CalcDialogTest::SetUp();
}

void CalcShellTest::SetUpTestSuite()
{
    StartUnits();
    ShellHasTray();
}

void CalcShellTest::TearDownTestSuite()
{
    EndUnits();
}

void CalcShellTest::TearDown()
{
    CalcDialogTest::TearDown();
    // A way out asks the loop to end; no loop runs here.
    TakeQuit();
}

std::unique_ptr<TCalcForm> CalcShellTest::Start(const std::string& folder, const TClock& clock)
{
    return std::make_unique<TCalcForm>(folder, clock);
}

NotingPlayer& NoteClips(TCalcForm& form)
{
    auto player = std::make_unique<NotingPlayer>();
    NotingPlayer& noted = *player;
    form.setclipplayer(std::move(player));
    return noted;
}

void ClickButton(TCalcForm& form, const std::string& button)
{
    const TControl& control = form.Component<TControl>(button);
    if (!control.Windowless()) {
        SendMessageA(control.Handle(), BM_CLICK, 0, 0);
        return;
    }
    // A press and release in its middle, through the window it is drawn in.
    POINT at{0, 0};
    HWND window = control.DrawingWindow(&at);
    const LPARAM middle = MAKELPARAM(at.x + control.Width() / 2, at.y + control.Height() / 2);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageA(window, WM_LBUTTONUP, 0, middle);
}

void CalcFormTest::Key(WORD vk, char ch)
{
    HWND memo = form->Memo1->Handle();
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(vk, 0)) << 16;
    SendMessageA(memo, WM_KEYDOWN, vk, 1 | scan);
    if (ch)
        SendMessageA(memo, WM_CHAR, static_cast<unsigned char>(ch), 1 | scan);
    SendMessageA(memo, WM_KEYUP, vk, 1 | scan | (3u << 30));
}

void CalcFormTest::Type(const std::string& keys)
{
    for (char c : keys)
        Key(static_cast<WORD>(VkKeyScanA(c) & 0xFF), c);
}

void CalcFormTest::Click(const std::string& button)
{
    ClickButton(*form, button);
}

void CalcFormTest::SetTape(const std::string& text)
{
    form->Memo1->SetText(text);
    SetCaret(static_cast<int>(text.size()));
}

void CalcFormTest::SetCaret(int pos)
{
    form->Memo1->SetSelStart(pos);
    // Any key (here Shift, which changes nothing) tells the window where the caret is.
    Key(VK_SHIFT, 0);
}

std::vector<std::string> CalcFormTest::Lines() const
{
    std::vector<std::string> lines;
    std::string text = Tape();
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

std::string TempFolder()
{
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    std::string folder = std::string(dir) + "vostrel_calcform_" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::string FreshFolder(const std::string& name)
{
    std::string folder = TempFolder() + name + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return folder;
    do {
        std::string path = folder + found.cFileName;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileA(path.c_str());
        else if (found.cFileName[0] != '.')
            RemoveDirectoryA(path.c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return folder;
}

std::string SettingOf(const std::string& folder, const std::string& key)
{
    char value[256] = {};
    GetPrivateProfileStringA("calcform", key.c_str(), "(missing)", value, sizeof value,
                             (folder + "setinfo.ini").c_str());
    return value;
}

bool TrayIconPresent(HWND window)
{
    NOTIFYICONDATAA record = TrayIconRecord(window, ApplicationIcon(), "probe");
    return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

bool ShellHasTray()
{
    // Wine's notification area may take a moment to come up in a new session.
    // The probe icon stays: Wine hides the area when its last icon goes, and
    // hiding a window costs two seconds without a window manager.
    static const bool has = [] {
        NOTIFYICONDATAA probe = TrayIconRecord(Application.Handle(), ApplicationIcon(), "probe");
        probe.uID = kTrayIconId + 1;
        for (DWORD start = GetTickCount(); GetTickCount() - start < 3000; Sleep(100))
            if (Shell_NotifyIconA(NIM_ADD, &probe))
                return true;
        return false;
    }();
    return has;
}

bool TakeQuit()
{
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

std::vector<bool> ChooseTrayItem(HWND window, char accelerator)
{
    std::vector<bool> checks;
    std::atomic<bool> done{false};
    // A user on another thread: the menu runs its own loop on this one.
    std::thread user([&] {
        HWND menu = nullptr;
        while (!done && !(menu = FindMenuWindow()))
            Sleep(10);
        if (!menu)
            return;
        Sleep(50);
        auto items = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
        for (int i = 0; i < GetMenuItemCount(items); ++i)
            checks.push_back((GetMenuState(items, i, MF_BYPOSITION) & MF_CHECKED) != 0);
        PostMessageA(menu, WM_CHAR, static_cast<WPARAM>(accelerator), 1);
    });
    SendMessageA(window, WM_TRAYICON, kTrayIconId, WM_RBUTTONUP);
    done = true;
    user.join();
    return checks;
}
