// Enter on a focused push button, typed through the input queue.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/application.h"
#include "classlib/form.h"
#include "classlib/tests/realinput.h"

namespace {

// Other comes before Go, so a form offering Enter to every control offers it to Other first.
const char* const kButtonForm = R"(ButtonForm: TForm
  ClientWidth = 240
  ClientHeight = 140
  KeyPreview = true
  OnKeyDown = FormKeyDown
  Other: TButton
    Left = 10
    Top = 10
    Caption = Other
    OnClick = Clicked
  Go: TButton
    Left = 10
    Top = 40
    Caption = Go
    OnClick = Clicked
  Box: TEdit
    Left = 10
    Top = 70
  Calc: TBitBtn
    Left = 10
    Top = 100
    Caption = 计算(&C)
    OnClick = Clicked
)";

class TButtonForm : public TForm {
public:
    TButtonForm()
    {
        Bind("Clicked", &TButtonForm::Clicked);
        Bind("FormKeyDown", &TButtonForm::FormKeyDown);
        LoadFromText(kButtonForm);
    }
    void Clicked(TComponent& sender) { clicks.push_back(sender.Name()); }
    void FormKeyDown(TComponent&, WORD& key, TShiftState) { markerSeen |= key == kInputMarker; }

    std::vector<std::string> clicks;
    bool markerSeen = false;
};

TEST(Button, EnterClicksTheFocusedButtonOnly)
{
    Application.Initialize();
    TButtonForm form;
    form.Show();
    SetForegroundWindow(form.Handle());
    const struct {
        const char* focused;
        WORD key;
        WORD held;
        std::vector<std::string> clicks;
    } cases[] = {
        {"Go", VK_RETURN, 0, {"Go"}},
        {"Other", VK_RETURN, 0, {"Other"}},
        {"Go", VK_RETURN, VK_SHIFT, {}},
        {"Go", VK_RETURN, VK_CONTROL, {}},
        {"Box", VK_RETURN, 0, {}},
        {"Calc", VK_RETURN, 0, {"Calc"}},
        // The button's own key still clicks once.
        {"Go", VK_SPACE, 0, {"Go"}},
    };
    for (const auto& c : cases) {
        auto& focused = form.Component<TControl>(c.focused);
        focused.SetFocus();
        Application.ProcessMessages();
        ASSERT_EQ(GetFocus(), focused.Handle()) << DescribeInputTarget();
        form.clicks.clear();
        ASSERT_TRUE(TapKeyAndSettle(c.key, c.held, form.markerSeen)) << DescribeInputTarget();
        EXPECT_EQ(form.clicks, c.clicks) << c.focused << " " << c.key << " held " << c.held;
        EXPECT_EQ(GetFocus(), focused.Handle()) << c.focused;
    }
}

}  // namespace
