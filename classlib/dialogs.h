// Message boxes and the common open and save dialogs.
#pragma once

#include <string>

#include "classlib/component.h"

// A message box with the application's title and an OK button.
void ShowMessage(const std::string& text);

class TFileDialog : public TComponent {
public:
    // "Text files|*.txt|All|*.*" pairs of description and pattern.
    std::string Filter;
    std::string FileName;
    std::string Title;
    // Runs the dialog modally; true when the user confirmed a file name.
    virtual bool Execute() = 0;

protected:
    const TPropertyTable& Properties() const override;
    bool Run(bool save);
};

class TOpenDialog : public TFileDialog {
public:
    bool Execute() override { return Run(false); }
};

class TSaveDialog : public TFileDialog {
public:
    bool Execute() override { return Run(true); }
};
