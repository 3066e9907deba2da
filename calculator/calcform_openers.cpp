// The toolbar buttons and the tray item that open the about, help, calendar and tools windows.
#include <utility>

#include "calculator/calcform.h"
#include "calculator/functionunit_win.h"
#include "classlib/application.h"
#include "classlib/filepaths.h"
#include "classlib/resources.h"
#include "classlib/showmodal.h"
#include "classlib/writereplacing.h"
#include "windows/aboutform.h"
#include "windows/calchelp.h"
#include "windows/toolsform.h"
#include "windows/webbrowse_open.h"

namespace {
// The program creates these at start; an opener still makes one that is missing.
template <class T, class... A>
T& Created(T*& window, A&&... args)
{
    if (!window) {
        if (BeforeOtherWindows)
            BeforeOtherWindows();
        window = &Application.CreateForm<T>(std::forward<A>(args)...);
    }
    return *window;
}
} // namespace

void TCalcForm::SpeedButton42Click(TComponent&)
{
    ShowModal(Created(f_about));
}

void TCalcForm::SpeedButton46Click(TComponent&)
{
    ShowModal(Created(f_calchelp));
}

void TCalcForm::SpeedButton43Click(TComponent&)
{
    std::string page = windowsdir() + "kestova.html";
    // Written once and reused; replaced whole so that no half page is ever left there.
    if (!FileExists(page))
        WriteFileReplacing(page, LoadResourceText("kestova_html", "file"));
    OpenWebPage({.address = page, .hide = {"Panel1"}, .caption = "万年历", .modal = true});
}

void TCalcForm::SpeedButton44Click(TComponent&)
{
    Created(f_tools, folder(), clock_).Show();
}

void TCalcForm::N4Click(TComponent& Sender)
{
    SpeedButton44Click(Sender);
}
