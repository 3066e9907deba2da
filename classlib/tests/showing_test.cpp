// CM_SHOWINGCHANGED reaches each control whose Showing changed, however it
// changed: its own visibility, a parent's, or a new parent.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "classlib/application.h"
#include "classlib/form.h"

namespace {

class TShowingForm : public TForm {
public:
    TShowingForm()
    {
        LoadFromText("Shown: TForm\n"
                     "  P: TPanel\n"
                     "    X: TEdit\n"
                     "    Y: TEdit\n"
                     "      Visible = false\n"
                     "  Z: TEdit\n");
        for (TControl* c : {static_cast<TControl*>(this), &Get("P"), &Get("X"), &Get("Y"), &Get("Z")})
            c->WindowProc = [this, c, passOn = c->WindowProc](TMessage& m) {
                if (m.Msg == CM_SHOWINGCHANGED) {
                    log += c->Name() + (m.WParam ? ":1 " : ":0 ");
                    if (auto run = std::exchange(then, nullptr))
                        run();
                }
                passOn(m);
            };
    }
    TControl& Get(const std::string& name) { return Component<TControl>(name); }
    TWinControl& Panel() { return Component<TWinControl>("P"); }

    std::string log;
    // Run once, after the next notification is logged.
    std::function<void()> then;
};

} // namespace

TEST(Showing, EachControlWhoseShowingChangedHearsOfIt)
{
    Application.Initialize();
    TShowingForm form;
    const struct {
        const char* step;
        std::function<void(TShowingForm&)> act;
        const char* log;
    } steps[] = {
        // Parents first; a hidden child stays unseen.
        {"the form shows", [](TShowingForm& f) { f.Show(); }, "Shown:1 P:1 X:1 Z:1 "},
        {"a panel hides", [](TShowingForm& f) { f.Panel().SetVisible(false); }, "P:0 X:0 "},
        {"a child of the hidden panel is made visible", [](TShowingForm& f) { f.Get("Y").SetVisible(true); }, ""},
        {"the panel shows again", [](TShowingForm& f) { f.Panel().SetVisible(true); }, "P:1 X:1 Y:1 "},
        {"Visible set to what it is", [](TShowingForm& f) { f.Panel().SetVisible(true); }, ""},
        {"a child moves from a hidden panel onto the form",
         [](TShowingForm& f) {
             f.Panel().SetVisible(false);
             f.log.clear();
             f.Get("X").SetParent(&f);
         },
         "X:1 "},
        {"a child moves between shown parents",
         [](TShowingForm& f) {
             f.Panel().SetVisible(true);
             f.log.clear();
             f.Get("Z").SetParent(&f.Panel());
         },
         ""},
        {"the form hides", [](TShowingForm& f) { f.Hide(); }, "Shown:0 P:0 Y:0 Z:0 X:0 "},
        // Freed by the form's handler before its turn, it is skipped.
        {"a handler frees a control yet to hear",
         [](TShowingForm& f) {
             f.then = [&f] { delete &f.Get("Y"); };
             f.Show();
         },
         "Shown:1 P:1 Z:1 X:1 "},
    };
    for (const auto& s : steps) {
        form.log.clear();
        s.act(form);
        EXPECT_EQ(form.log, s.log) << s.step;
    }
}
