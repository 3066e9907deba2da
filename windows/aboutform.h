// The about window: product title, the maker's home page and mail links,
// and the computer's memory figures read once at creation.
#pragma once

#include "classlib/form.h"
#include "classlib/label.h"

// The maker's addresses behind the two links.
inline constexpr char kHomePage[] = "https://olvane.example/";
inline constexpr char kMailLink[] = "mailto:support@olvane.example";

class Tf_about : public TForm {
public:
    Tf_about();

    TLabel* PhysMem = nullptr;
    TLabel* FreeRes = nullptr;

    void FormCreate(TComponent& Sender);
    void Label7Click(TComponent& Sender);
    // Clicking the mail address Label6.
    void Label2Click(TComponent& Sender);
};

extern Tf_about* f_about;
