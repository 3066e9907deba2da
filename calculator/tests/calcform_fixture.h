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
#include "classlib/tests/dialogwatcher.h"

class CalcFormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

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
    // What the next dialog gets done to it (default: OK).
    void OnDialog(std::function<void(HWND)> action);
    std::vector<std::string> Messages() const { return watcher->Messages(); }
    int DialogCount() const { return watcher->Count(); }

    static std::unique_ptr<TCalcForm> form;

private:
    std::unique_ptr<DialogWatcher> watcher;
    std::mutex actionLock;
    std::function<void(HWND)> action;
};

std::string TempFolder();
