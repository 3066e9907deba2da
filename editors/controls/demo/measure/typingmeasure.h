// What the demonstrations' typing measurements share: input sent through
// the input queue into an editor and into a plain EDIT of the same running
// demo, timed from the first key until the text shows it all.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>

// The EDIT inside the row-th editor from the top (0 the topmost) with its
// editor, and the EDIT that is the form's own child; false when either is
// missing.
bool FindTypingTargets(HWND form, std::size_t row, HWND& editorBox, HWND& editor, HWND& plain);
// Runs after each of the editor's runs, before the focus leaves it.
using TTypingAfterEditor = std::function<void(HWND editorBox)>;
// Types keys into the editor and into the plain EDIT, runs times each in
// turn, each emptied first and done once its text is length bytes long;
// prints each run and the medians with their ratio beside the goal. False
// when a run did not finish.
bool CompareTyping(const char* editorName, HWND editorBox, HWND editor, HWND plain, const std::wstring& keys,
                   int length, int runs, double goal, const TTypingAfterEditor& afterEditor = {});
// The same with the input sent by type into boxes that start as start,
// each done once it reads done; what names the input in the summary.
bool CompareInput(const char* editorName, HWND editorBox, HWND editor, HWND plain, const std::function<void()>& type,
                  const std::string& start, const std::string& done, const char* what, int runs, double goal);
// The whole measurement: starts the demo (its built path exe), waits for
// its form with that caption, compares the row-th editor with the plain
// EDIT over five runs and closes the demo; the program's exit code.
int MeasureDemoTyping(const std::string& exe, const char* caption, std::size_t row, const char* editorName,
                      const std::wstring& keys, double goal);
// The same comparing by CompareInput.
int MeasureDemoInput(const std::string& exe, const char* caption, std::size_t row, const char* editorName,
                     const std::function<void()>& type, const std::string& start, const std::string& done,
                     const char* what, double goal);
