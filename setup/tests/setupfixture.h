// Test helpers for the setup program: temporary folders, the files and
// shortcuts an install leaves, and a fixture holding the real setup window.
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/cominit.h"
#include "classlib/filepaths.h"
#include "classlib/tests/dialogwatcher.h"
#include "classlib/tests/testfiles.h"
#include "setup/form1.h"

namespace setuptest {

// A path of the build (a Unix path) as Wine sees it.
std::string WinePath(const std::string& unixPath);

// Where the installer puts its shortcut, found through the shell's folder lookup.
std::string LinkFile(int csidl);
struct LinkInfo {
    std::string target;
    std::string workingDirectory;
};
// The target and working folder of a shortcut file, read back through IShellLinkA.
LinkInfo ReadLink(const std::string& file);
// Removes the installer's shortcuts from both all-users folders.
void DeleteSetupLinks();

} // namespace setuptest

// Each test gets a new setup window with run-after switched off, a watcher that
// records every dialog's texts and answers it, and clean shortcut folders.
class SetupTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Replaces the window by a new one, as a new run of the setup would show it.
    void OpenWindow();
    // The window's controls through messages, as a user would drive them.
    void TypePath(const std::string& path);
    void Click(TControl& control);
    std::string Caption() const;
    bool Visible(TControl& control) const;
    // True when the program was asked to end (a WM_QUIT waits in the queue).
    bool QuitRequested();
    // Texts of the dialogs answered so far: caption, then every static text.
    std::vector<std::vector<std::string>> Dialogs() const;
    // The same as one text, for failure messages.
    std::string DialogLog() const;

    TForm1* form = nullptr;
    // What the watcher presses in each dialog.
    std::atomic<int> answer{IDOK};
    std::unique_ptr<TTempFolder> temp;
    std::unique_ptr<DialogWatcher> watcher;

private:
    mutable std::mutex lock_;
    std::vector<std::vector<std::string>> dialogs_;
    static std::unique_ptr<TComInitializer> com_;
};
