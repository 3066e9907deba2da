#include "setup/tests/setupfixture.h"

#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "classlib/application.h"

#include "classlib/comptr.h"
#include "classlib/oleerror.h"
#include "classlib/widetext.h"

using namespace setuptest;

std::unique_ptr<TComInitializer> SetupTest::com_;

namespace setuptest {

std::string WinePath(const std::string& unixPath)
{
    if (unixPath.empty() || unixPath[0] != '/')
        return unixPath;
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string LinkFile(int csidl)
{
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return {};
    return std::string(folder) + "\\Olvane语音计算器.lnk";
}

LinkInfo ReadLink(const std::string& file)
{
    ComPtr<IShellLinkA> link;
    OleCheck(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.put_void()),
             "ShellLink");
    auto persist = link.as<IPersistFile>(IID_IPersistFile);
    OleCheck(persist ? persist->Load(WideFromAnsi(file).c_str(), STGM_READ) : E_NOINTERFACE, "IPersistFile::Load");
    char target[MAX_PATH] = {}, folder[MAX_PATH] = {};
    OleCheck(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH), "IShellLinkA::GetPath");
    OleCheck(link->GetWorkingDirectory(folder, MAX_PATH), "IShellLinkA::GetWorkingDirectory");
    return {target, folder};
}

void DeleteSetupLinks()
{
    for (int csidl : {CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_COMMON_PROGRAMS})
        DeleteTree(LinkFile(csidl));
}

} // namespace setuptest

void SetupTest::SetUpTestSuite()
{
    com_ = std::make_unique<TComInitializer>();
    Application.Initialize();
}

void SetupTest::TearDownTestSuite()
{
    com_.reset();
}

void SetupTest::SetUp()
{
    DeleteSetupLinks();
    installpath.clear();
    temp = std::make_unique<TTempFolder>();
    watcher = std::make_unique<DialogWatcher>([this](HWND dialog) {
        std::vector<std::string> texts;
        char text[1024] = {};
        GetWindowTextA(dialog, text, sizeof text);
        texts.push_back(text);
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            char cls[16] = {};
            GetClassNameA(child, cls, sizeof cls);
            if (lstrcmpiA(cls, "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0)
                texts.push_back(text);
        }
        {
            std::lock_guard<std::mutex> hold(lock_);
            dialogs_.push_back(texts);
        }
        DialogWatcher::Press(dialog, answer);
    });
    OpenWindow();
    ASSERT_FALSE(runafter);
}

void SetupTest::OpenWindow()
{
    Application.DestroyForms();
    QuitRequested();
    form = &Application.CreateForm<TForm1>();
    form->Show();
    // No test starts the calculator unless it says so.
    Click(*form->chbrun);
}

void SetupTest::TearDown()
{
    watcher.reset();
    Application.DestroyForms();
    QuitRequested();
    DeleteSetupLinks();
    temp.reset();
}

void SetupTest::TypePath(const std::string& path)
{
    SendMessageA(form->edtpath->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
}

void SetupTest::Click(TControl& control)
{
    SendMessageA(control.Handle(), BM_CLICK, 0, 0);
}

std::string SetupTest::Caption() const
{
    char text[256] = {};
    GetWindowTextA(form->Handle(), text, sizeof text);
    return text;
}

bool SetupTest::Visible(TControl& control) const
{
    return IsWindowVisible(control.Handle()) != FALSE;
}

bool SetupTest::QuitRequested()
{
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

std::vector<std::vector<std::string>> SetupTest::Dialogs() const
{
    std::lock_guard<std::mutex> hold(lock_);
    return dialogs_;
}

std::string SetupTest::DialogLog() const
{
    std::string log;
    for (const auto& texts : Dialogs()) {
        log += "[dialog]";
        for (const std::string& text : texts)
            log += " | " + text;
        log += "\n";
    }
    return log;
}
