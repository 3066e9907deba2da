// The calculator window under test: one real window per suite, driven with
// the messages a user's keys and clicks send, and a watcher on its own
// thread answering the modal dialogs the window opens.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calculator/calcform.h"
#include "calculator/clipplayer_win.h"
#include "classlib/tests/testfiles.h"
#include "classlib/tests/dialogwatcher.h"

// A watcher on its own thread answers every dialog a test's window opens.
class CalcDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // What the next dialog gets done to it (default: OK).
    void OnDialog(std::function<void(HWND)> action);
    std::vector<std::string> Messages() const { return watcher->Messages(); }
    int DialogCount() const { return watcher->Count(); }

private:
    std::unique_ptr<DialogWatcher> watcher;
    std::mutex actionLock;
    std::function<void(HWND)> action;
};

// One window for the whole suite, in a program folder of its own.
class CalcFormTest : public CalcDialogTest {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // A key as the keyboard sends it: key-down, its character, key-up.
    void Key(WORD vk, char ch);
    void Type(const std::string& keys);
    void Enter() { Key(VK_RETURN, '\r'); }
    void Click(const std::string& button);
    void SetTape(const std::string& text);
    // Puts the caret at byte pos, as a click there would.
    void SetCaret(int pos);
    std::string Tape() const { return form->Memo1->Text(); }
    std::vector<std::string> Lines() const;
    int Caret() const { return form->Memo1->SelStart(); }

    static std::unique_ptr<TCalcForm> form;
};

// A new window for each start, in a folder the test chooses, as each run
// of the program would make it; for start-up and the ways out.
class CalcShellTest : public CalcDialogTest {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void TearDown() override;

    static std::unique_ptr<TCalcForm> Start(const std::string& folder, const TClock& clock = SystemClock());
};

// Notes every clip the window starts, and still plays it.
class NotingPlayer : public TResourceClipPlayer {
public:
    bool play(const std::string& clip) override
    {
        played.push_back(clip);
        return TResourceClipPlayer::play(clip);
    }
    std::vector<std::string> played;
};
// A fresh NotingPlayer as the window's clip player; the window owns it.
NotingPlayer& NoteClips(TCalcForm& form);

// A click on a button of the window, as BM_CLICK gives it; on a speed button
// a press and release in its middle, sent to the window it is drawn in.
void ClickButton(TCalcForm& form, const std::string& button);

std::string TempFolder();
// An empty folder of that name in TempFolder(), made or emptied, with a
// trailing backslash: the program folder of a window under test.
std::string FreshFolder(const std::string& name);
// A key of section calcform in folder's setinfo.ini, read as the program reads it.
std::string SettingOf(const std::string& folder, const std::string& key);

// Whether the shell holds the window's tray icon (it can modify one it holds).
bool TrayIconPresent(HWND window);
// Whether the shell takes tray icons at all in this session.
bool ShellHasTray();
// Takes the quit request an exit posts; true when there was one.
bool TakeQuit();
// Right-clicks the window's tray icon and picks the menu item of that
// accelerator letter; returns the check marks the menu showed.
std::vector<bool> ChooseTrayItem(HWND window, char accelerator);
