// The setup window in this process, driven through its real controls: the
// program file it writes, the shortcuts it saves, its two states and leaving.
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include <gtest/gtest.h>

#include "classlib/application.h"
#include "classlib/tests/keyboard.h"
#include "setup/tests/setupfixture.h"

namespace {

using namespace setuptest;

const std::string kIdle = "语音计算器安装程序";
const std::string kBusy = "语音计算器安装程序..正在安装";
const std::string kDone = "语音计算器安装程序..安装完成";

const std::string& BuiltCalculator()
{
    static const std::string bytes = ReadBytes(WinePath(VOSTREL_EXE));
    return bytes;
}

// What a completed install into folder leaves: the program and the shortcuts.
void ExpectInstalled(const std::string& folder, bool startMenu)
{
    std::string exe = folder + "\\vostrel.exe";
    ASSERT_FALSE(BuiltCalculator().empty());
    EXPECT_TRUE(ReadBytes(exe) == BuiltCalculator()) << exe << " differs from the built calculator";
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"vostrel.exe"});
    std::string desktop = LinkFile(CSIDL_COMMON_DESKTOPDIRECTORY), programs = LinkFile(CSIDL_COMMON_PROGRAMS);
    ASSERT_TRUE(FileExists(desktop)) << desktop;
    LinkInfo link = ReadLink(desktop);
    EXPECT_EQ(lstrcmpiA(link.target.c_str(), exe.c_str()), 0) << link.target;
    EXPECT_EQ(lstrcmpiA(link.workingDirectory.c_str(), (folder + "\\").c_str()), 0) << link.workingDirectory;
    EXPECT_EQ(FileExists(programs), startMenu) << programs;
    if (startMenu && FileExists(programs)) {
        LinkInfo menu = ReadLink(programs);
        EXPECT_EQ(lstrcmpiA(menu.target.c_str(), exe.c_str()), 0) << menu.target;
        EXPECT_EQ(lstrcmpiA(menu.workingDirectory.c_str(), (folder + "\\").c_str()), 0) << menu.workingDirectory;
    }
}

TEST_F(SetupTest, WindowShowsItsSizeAndTexts)
{
    EXPECT_EQ(Caption(), kIdle);
    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 419);
    EXPECT_EQ(client.bottom, 267);
    EXPECT_EQ(form->chbstart->Text(), "创建\"开始\"菜单快捷方式");
    EXPECT_EQ(form->edtpath->Text(), "d:\\vostrel");
}

TEST_F(SetupTest, BlankPathAsksForOneAndChangesNothing)
{
    for (const char* blank : {"", "   ", " \t "}) {
        SCOPED_TRACE(std::string("path \"") + blank + "\"");
        TypePath(blank);
        size_t before = Dialogs().size();
        Click(*form->btnnext);
        auto dialogs = Dialogs();
        ASSERT_EQ(dialogs.size(), before + 1);
        EXPECT_EQ(dialogs.back().back(), "请输入安装路径!");
        EXPECT_EQ(Caption(), kIdle);
        EXPECT_TRUE(Visible(*form->btnnext));
        EXPECT_TRUE(installpath.empty());
        EXPECT_FALSE(FileExists(LinkFile(CSIDL_COMMON_DESKTOPDIRECTORY)));
    }
}

// New folders, made with their missing parents; 淺 and 籠 end in the byte of "\\".
const char* const kNewFolders[] = {"新 目录\\a\\b", "淺\\籠"};

TEST_F(SetupTest, InstallsIntoNewNestedFolderWithBothShortcuts)
{
    for (const char* name : kNewFolders) {
        SCOPED_TRACE(name);
        OpenWindow();
        std::string folder = temp->Path() + "\\" + name;
        TypePath("  " + folder + " ");
        Click(*form->btnnext);
        EXPECT_TRUE(Dialogs().empty()) << DialogLog();
        EXPECT_EQ(installpath, folder);
        ExpectInstalled(folder, true);
        EXPECT_EQ(Caption(), kDone);
        EXPECT_FALSE(Visible(*form->btnnext));
    }
}

TEST_F(SetupTest, StartMenuUncheckedMakesOnlyTheDesktopShortcut)
{
    Click(*form->chbstart);
    TypePath(temp->Path());
    Click(*form->btnnext);
    EXPECT_TRUE(Dialogs().empty()) << DialogLog();
    ExpectInstalled(temp->Path(), false);
}

TEST_F(SetupTest, InstallingAgainReplacesProgramAndShortcuts)
{
    std::string first = temp->Path() + "\\first", second = temp->Path() + "\\second";
    TypePath(first);
    Click(*form->btnnext);
    ExpectInstalled(first, true);

    // A second run of the setup, over an older program in the other folder.
    OpenWindow();
    CreateDirectoryA(second.c_str(), nullptr);
    std::ofstream(second + "\\vostrel.exe", std::ios::binary) << std::string(BuiltCalculator().size() * 2, 'x');
    TypePath(second);
    Click(*form->btnnext);
    EXPECT_TRUE(Dialogs().empty()) << DialogLog();
    ExpectInstalled(second, true);
}

// Ways the program file cannot be written; each returns how to clear the way for the retry.
struct Blocker {
    const char* what;
    const char* installSubfolder;
    std::function<void()> (*block)(const std::string& root);
};

const Blocker kBlockers[] = {
    {"a file where a folder must go", "plain.txt\\sub",
     [](const std::string& root) -> std::function<void()> {
         std::ofstream(root + "\\plain.txt") << "in the way";
         return [root] { DeleteFileA((root + "\\plain.txt").c_str()); };
     }},
    {"a folder named like the program", "dest",
     [](const std::string& root) -> std::function<void()> {
         CreateDirectoryA((root + "\\dest").c_str(), nullptr);
         CreateDirectoryA((root + "\\dest\\vostrel.exe").c_str(), nullptr);
         return [root] { RemoveDirectoryA((root + "\\dest\\vostrel.exe").c_str()); };
     }},
    {"an older program that is running", "old",
     [](const std::string& root) -> std::function<void()> {
         std::string exe = root + "\\old\\vostrel.exe";
         CreateDirectoryA((root + "\\old").c_str(), nullptr);
         std::ofstream(exe, std::ios::binary) << "older program";
         // Held open as a running program is: it may be read, not replaced.
         HANDLE running = CreateFileA(exe.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
         return [running] { CloseHandle(running); };
     }},
};

TEST_F(SetupTest, UnwritableTargetLeavesNothingAndCanBeRetried)
{
    for (const Blocker& blocker : kBlockers) {
        SCOPED_TRACE(blocker.what);
        TTempFolder root;
        std::function<void()> clear = blocker.block(root.Path());
        std::string folder = root.Path() + "\\" + blocker.installSubfolder;
        auto entriesBefore = FolderEntries(folder);
        std::string oldProgram = ReadBytes(folder + "\\vostrel.exe");
        TypePath(folder);
        size_t before = Dialogs().size();
        Click(*form->btnnext);
        auto dialogs = Dialogs();
        ASSERT_EQ(dialogs.size(), before + 1);
        std::string expected = "Cannot create file \"" + folder + "\\vostrel.exe\". ";
        EXPECT_EQ(dialogs.back().back().rfind(expected, 0), 0u) << dialogs.back().back();
        EXPECT_GT(dialogs.back().back().size(), expected.size()) << "the system's reason is missing";
        EXPECT_EQ(FolderEntries(folder), entriesBefore) << "a partial file was left";
        EXPECT_EQ(ReadBytes(folder + "\\vostrel.exe"), oldProgram);
        EXPECT_EQ(Caption(), kBusy);
        EXPECT_TRUE(Visible(*form->btnnext));
        EXPECT_FALSE(FileExists(LinkFile(CSIDL_COMMON_DESKTOPDIRECTORY)));

        // Still in the first state: leaving asks.
        answer = IDCANCEL;
        Click(*form->btnexit);
        EXPECT_EQ(Dialogs().size(), before + 2);
        EXPECT_FALSE(QuitRequested());
        answer = IDOK;

        clear();
        Click(*form->btnnext);
        EXPECT_EQ(Dialogs().size(), before + 2);
        ExpectInstalled(folder, true);
        EXPECT_EQ(Caption(), kDone);

        // Back to a fresh window for the next blocker.
        DeleteSetupLinks();
        OpenWindow();
    }
}

TEST_F(SetupTest, ShortcutThatCannotBeSavedIsReportedAndInstallCounts)
{
    // A folder under the shortcut's name makes saving it fail.
    std::string desktop = LinkFile(CSIDL_COMMON_DESKTOPDIRECTORY);
    ASSERT_TRUE(CreateDirectoryA(desktop.c_str(), nullptr));
    TypePath(temp->Path());
    Click(*form->btnnext);
    auto dialogs = Dialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].back(), "Unable to write to " + desktop);
    EXPECT_EQ(Caption(), kDone);
    EXPECT_FALSE(Visible(*form->btnnext));
    EXPECT_TRUE(FileExists(LinkFile(CSIDL_COMMON_PROGRAMS)));
    EXPECT_TRUE(ReadBytes(temp->Path() + "\\vostrel.exe") == BuiltCalculator());
    Click(*form->btnexit);
    EXPECT_EQ(Dialogs().size(), 1u);
    EXPECT_TRUE(QuitRequested());
}

// Leaving by the exit button and the close box, before and after an install.
struct Leaving {
    const char* what;
    bool install;
    bool closeBox;
    int answer;
    bool asks;
    bool ends;
};

const Leaving kLeaving[] = {
    {"exit before install, cancelled", false, false, IDCANCEL, true, false},
    {"exit before install, confirmed", false, false, IDOK, true, true},
    {"exit after install", true, false, IDOK, false, true},
    {"close box before install", false, true, IDOK, false, true},
};

TEST_F(SetupTest, LeavingAsksOnlyBeforeAnInstall)
{
    for (const Leaving& c : kLeaving) {
        SCOPED_TRACE(c.what);
        OpenWindow();
        if (c.install) {
            TypePath(temp->Path());
            Click(*form->btnnext);
            ASSERT_EQ(Caption(), kDone);
        }
        size_t before = Dialogs().size();
        answer = c.answer;
        if (c.closeBox)
            SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
        else
            Click(*form->btnexit);
        auto dialogs = Dialogs();
        ASSERT_EQ(dialogs.size(), before + (c.asks ? 1 : 0));
        if (c.asks) {
            EXPECT_EQ(dialogs.back(), (std::vector<std::string>{"退出安装", "确定要退出本程序的安装吗?"}));
        }
        EXPECT_EQ(QuitRequested(), c.ends);
        EXPECT_EQ(IsWindowVisible(form->Handle()) != FALSE, !c.ends);
    }
}

TEST_F(SetupTest, BrowseStartsAtTheInstallFolderAndCancelKeepsThePath)
{
    // The first time the title line is empty; cancelling changes nothing.
    answer = IDCANCEL;
    Click(*form->Button1);
    ASSERT_EQ(Dialogs().size(), 1u);
    EXPECT_EQ(form->edtpath->Text(), "d:\\vostrel");
    EXPECT_TRUE(installpath.empty());

    answer = IDOK;
    TypePath(temp->Path());
    Click(*form->btnnext);
    TypePath("d:\\elsewhere");
    Click(*form->Button1);
    auto dialogs = Dialogs();
    ASSERT_EQ(dialogs.size(), 2u);
    auto& texts = dialogs[1];
    EXPECT_NE(std::find(texts.begin(), texts.end(), temp->Path()), texts.end()) << "no title line with the folder";
    EXPECT_EQ(lstrcmpiA(form->edtpath->Text().c_str(), temp->Path().c_str()), 0) << form->edtpath->Text();
    EXPECT_EQ(lstrcmpiA(installpath.c_str(), temp->Path().c_str()), 0);
}

} // namespace

// Tab and Shift+Tab visit every control that can take the focus, once
// each way round.
TEST_F(SetupTest, TabMovesTheFocusThroughTheWindow)
{
    SetForegroundWindow(form->Handle());
    std::vector<TControl*> stops;
    for (TControl* c : std::initializer_list<TControl*>{form->chbstart, form->chbrun, form->edtpath, form->Button1,
                                                        form->btnnext, form->btnexit})
        if (c->CanFocus())
            stops.push_back(c);
    ASSERT_GE(stops.size(), 2u);
    form->edtpath->SetFocus();
    std::vector<TControl*> forward, backward;
    for (size_t i = 0; i < stops.size(); ++i) {
        PressKey(VK_TAB);
        forward.push_back(TControl::FromHandle(GetFocus()));
    }
    EXPECT_EQ(forward.back(), form->edtpath) << "Tab did not come round";
    std::sort(forward.begin(), forward.end());
    std::sort(stops.begin(), stops.end());
    EXPECT_EQ(forward, stops);
    for (size_t i = 0; i < stops.size(); ++i) {
        PressKey(VK_TAB, ssShift);
        backward.push_back(TControl::FromHandle(GetFocus()));
    }
    EXPECT_EQ(backward.back(), form->edtpath) << "Shift+Tab did not come round";
}

// Opened as a user opens it, the keys work at once: the first check box has
// the focus, Space toggles it and Tab moves on.
TEST_F(SetupTest, OpensWithTheFirstCheckBoxFocused)
{
    Application.DestroyForms();
    form = &Application.CreateForm<TForm1>();
    form->Show();
    Application.ProcessMessages();
    EXPECT_EQ(TControl::FromHandle(GetFocus()), form->chbstart);
    PressKey(VK_SPACE);
    EXPECT_FALSE(form->chbstart->Checked());
    PressKey(VK_TAB);
    EXPECT_EQ(TControl::FromHandle(GetFocus()), form->chbrun);
}

// Installing from the keyboard hides the install button: the focus goes on
// to the exit button, so Enter or Space then leaves.
TEST_F(SetupTest, AfterAnInstallByKeyTheFocusIsOnTheExitButton)
{
    SetForegroundWindow(form->Handle());
    TypePath(temp->Path());
    form->btnnext->SetFocus();
    PressKey(VK_SPACE);
    EXPECT_TRUE(Dialogs().empty()) << DialogLog();
    EXPECT_FALSE(Visible(*form->btnnext));
    EXPECT_EQ(TControl::FromHandle(GetFocus()), form->btnexit);
    EXPECT_EQ(form->ActiveControl(), form->btnexit);
}
