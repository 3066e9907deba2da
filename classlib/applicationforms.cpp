// The application's forms, its message loop (which offers keys to their
// controls first) and the classes form texts name: the part of the
// application object that knows forms and controls.
#include "classlib/application.h"

#include <commctrl.h>

#include "classlib/control.h"
#include "classlib/form.h"
#include "classlib/standardclasses.h"

namespace {
constexpr char kOwnerClass[] = "VostrelApplication";
} // namespace

LRESULT CALLBACK TApplication::OwnerWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    // Every top-level window of the thread hears it, hidden ones too.
    if (msg == WM_ACTIVATEAPP)
        Application.active_ = wp != FALSE;
    return DefWindowProcA(hwnd, msg, wp, lp);
}

TApplication::TApplication() = default;

TApplication::~TApplication()
{
    // Forms left at process end die with the process; their windows are gone already.
    for (auto& f : forms_)
        (void)f.release();
}

void TApplication::Initialize()
{
    if (ownerWindow_)
        return;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    RegisterStandardClasses();

    WNDCLASSA wc{};
    wc.lpfnWndProc = OwnerWndProc;
    wc.hInstance = Instance();
    wc.lpszClassName = kOwnerClass;
    RegisterClassA(&wc);
    ownerWindow_ = CreateWindowExA(WS_EX_TOOLWINDOW, kOwnerClass, Title().c_str(), WS_POPUP, 0, 0, 0, 0,
                                   nullptr, nullptr, Instance(), nullptr);
}

void TApplication::AddForm(std::unique_ptr<TForm> form)
{
    if (!mainForm_)
        mainForm_ = form.get();
    forms_.push_back(std::move(form));
}

void TApplication::DestroyForms()
{
    while (!forms_.empty())
        forms_.pop_back();
    mainForm_ = nullptr;
}

namespace {
bool IsKeyMsg(const MSG& msg)
{
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    TControl* control = TControl::FindControl(msg.hwnd);
    return control && control->Perform(CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}
} // namespace

TApplication::TTaken TApplication::HandleMessage(MSG& msg, bool wait, const TMessageFilter& filter)
{
    if (wait) {
        if (GetMessageA(&msg, nullptr, 0, 0) == -1)
            return TTaken::None;
    } else if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        return TTaken::None;
    }
    if (msg.message == WM_QUIT)
        return TTaken::Quit;
    if (filter && filter(msg))
        return TTaken::Handled;
    bool answered = Guarded([&] { return IsKeyMsg(msg); }, true);
    if (!answered) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return TTaken::Handled;
}

void TApplication::ShowMainForm()
{
    if (!mainForm_)
        return;
    mainForm_->Show();
    RedrawWindow(mainForm_->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TApplication::Run()
{
    if (mainForm_)
        mainForm_->Show();
    MSG msg;
    while (!terminated_) {
        if (!idleTasks_.empty() && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            std::function<void()> task = std::move(idleTasks_.front());
            idleTasks_.pop_front();
            Guarded([&] { return task(), true; }, false);
            continue;
        }
        TTaken taken = HandleMessage(msg, true);
        if (taken != TTaken::Handled)
            terminated_ = true;
    }
}

void TApplication::ProcessMessages()
{
    ProcessWaiting(nullptr);
}

void TApplication::ProcessMessages(const std::function<bool()>& pastDeadline)
{
    // A difference, so a wrap of the tick count changes nothing.
    const DWORD began = GetTickCount();
    ProcessWaiting([&](const MSG& next) { return pastDeadline() && static_cast<LONG>(next.time - began) > 0; });
}

void TApplication::ProcessWaiting(const std::function<bool(const MSG& next)>& stop)
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (stop && stop(msg))
            return;
        TTaken taken = HandleMessage(msg, false);
        if (taken == TTaken::None)
            return;
        if (taken == TTaken::Quit) {
            // Handed back to the application's own loop.
            terminated_ = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
    }
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags)
{
    HWND owner = GetActiveWindow();
    if (!owner && mainForm_)
        owner = mainForm_->Handle();
    return ::MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}
