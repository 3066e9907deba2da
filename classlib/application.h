// The application object: the hidden owner window, the forms it owns,
// the message loop, and the one place where exceptions are reported.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class TForm;

class TApplication {
public:
    TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;
    ~TApplication();

    // Common controls and window classes; once, before any form.
    void Initialize();
    bool Initialized() const { return ownerWindow_ != nullptr; }

    // Creates a form the application owns, from the arguments given; the
    // first one is the main form.
    template <class T, class... A>
    T& CreateForm(A&&... args)
    {
        auto form = std::make_unique<T>(std::forward<A>(args)...);
        T& ref = *form;
        AddForm(std::move(form));
        return ref;
    }
    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* form) { mainForm_ = form; }

    // Shows the main form and paints it at once, so that it is on screen
    // before start-up work that it does not need.
    void ShowMainForm();
    // Shows the main form and handles messages until Terminate.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Runs task from Run's loop once nothing is waiting (the windows are
    // painted and no input is queued): one task per idle moment, in the
    // order given, so a key typed meanwhile is served before the next task.
    // A task that raises is reported and the next ones still run.
    void RunWhenIdle(std::function<void()> task) { idleTasks_.push_back(std::move(task)); }
    // Handles every waiting message, then returns.
    void ProcessMessages();
    // The same, but once pastDeadline answers true it handles only messages
    // queued before the call: timers and paints that keep coming cannot hold
    // the caller past its deadline.
    void ProcessMessages(const std::function<bool()>& pastDeadline);
    // Takes one message (waiting for one when asked) and handles it: keys
    // are offered to their control first (CN_KEYDOWN ...), and one it
    // answers goes no further. A quit request is not handled: the caller
    // hands it on to the loop it belongs to. A modal loop's filter sees
    // each message first and answers true for one it has dealt with itself.
    enum class TTaken { None, Handled, Quit };
    using TMessageFilter = std::function<bool(MSG& msg)>;
    TTaken HandleMessage(MSG& msg, bool wait, const TMessageFilter& filter = nullptr);
    // Frees every form, newest first.
    void DestroyForms();

    // Reports the exception being handled; call only inside a catch block.
    // The silent abort (EAbort) is not reported.
    void HandleException() noexcept;

    // Whether a window of the application is the active one, as Windows
    // last told the application window.
    bool Active() const { return active_; }

    // Whether a change of the regional settings makes the format settings
    // be read again (by the editor library's format controller).
    bool UpdateFormatSettings = true;

    HWND Handle() const { return ownerWindow_; }
    HINSTANCE Instance() const;
    // The program file's name without its extension.
    std::string Title() const;
    int MessageBox(const std::string& text, const std::string& caption, UINT flags);

private:
    static LRESULT CALLBACK OwnerWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void AddForm(std::unique_ptr<TForm> form);
    // Handles waiting messages until there are none, stop answers true for
    // the next one, or a quit request comes.
    void ProcessWaiting(const std::function<bool(const MSG& next)>& stop);

    HWND ownerWindow_ = nullptr;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    bool active_ = false;
    std::vector<std::unique_ptr<TForm>> forms_;
    std::deque<std::function<void()>> idleTasks_;
};

extern TApplication Application;

// Runs a Win32 entry point's body; an exception goes to the application's
// handler instead of unwinding into Windows, and the entry point answers onError.
template <class F>
auto Guarded(F&& body, decltype(body()) onError) noexcept -> decltype(body())
{
    try {
        return body();
    } catch (...) {
        Application.HandleException();
        return onError;
    }
}
