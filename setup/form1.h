// The setup window: pick a folder, write the calculator there, make its
// shortcuts and start it.
#pragma once

#include <string>
#include <vector>

#include "classlib/button.h"
#include "classlib/checkbox.h"
#include "classlib/customedit.h"
#include "classlib/form.h"

// Setup state, shared by the window's handlers and routines.
extern std::string installpath;
extern bool makedesktop, makestartmenu, runafter;

class TForm1 : public TForm {
public:
    TForm1();

    TCheckBox *chbstart = nullptr, *chbrun = nullptr;
    TEdit* edtpath = nullptr;
    TButton *Button1 = nullptr, *btnnext = nullptr, *btnexit = nullptr;

    void FormCreate(TComponent& Sender);
    void Button1Click(TComponent& Sender);
    void btnnextClick(TComponent& Sender);
    void btnexitClick(TComponent& Sender);
    void chbstartClick(TComponent& Sender);
    void chbrunClick(TComponent& Sender);

    // Writes the calculator into installpath and makes its shortcuts;
    // returns the shortcut files that could not be saved.
    std::vector<std::string> filetodisk();
    std::vector<std::string> addlink();

private:
    bool installed = false;
};
