// Editor buttons on show: rows of editor views, one per button style, one
// in the native look, one whose buttons share the width left over and one
// that shows its buttons only while focused. Each view is laid out by a
// view data at the mouse point and painted by its view information; a line
// names the row last changed with its hot and pressed button and where its
// buttons lie.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "classlib/bitmap.h"
#include "classlib/form.h"
#include "classlib/label.h"
#include "editors/edit/buttons/cxeditbuttons.h"
#include "editors/edit/demo/cxdemoprogram.h"
#include "editors/edit/properties/cxeditproperties.h"
#include "editors/edit/styles/cxeditstyle.h"
#include "editors/edit/viewinfo/cxeditviewdata.h"
#include "editors/foundation/controls/cxcontrols.h"

namespace {

struct TDemoButton {
    TcxEditButtonKind kind;
    const char* caption;
    int width;
};

struct TDemoRow {
    const char* name;
    TcxEditButtonStyle buttonStyle;
    TcxContainerBorderStyle border;
    bool native = false;
    std::uint8_t buttonsStyleKind = 0;
    TcxEditButtonTransparency transparency = ebtNone;
    std::vector<TDemoButton> buttons = {{bkEllipsis, "", 0}, {bkText, "&Go", 0}, {bkDown, "", 0}};
    int width = 200;
};

const std::vector<TDemoRow>& Rows()
{
    static const std::vector<TDemoRow> rows = {
        {"Default", btsDefault, cbsSingle},
        {"ThreeD", bts3D, cbs3D},
        {"Flat", btsFlat, cbsFlat},
        {"Simple", btsSimple, cbsSingle},
        {"HotFlat", btsHotFlat, cbsSingle},
        {"UltraFlat", btsUltraFlat, cbsUltraFlat},
        {"Office11", btsOffice11, cbsOffice11},
        {"Native", btsDefault, cbsSingle, true},
        // 60 pixels of buttons and 7 more to share inside a single border.
        {"Stretched", btsDefault, cbsSingle, false, 1, ebtNone, {{bkDown, "", 10}, {bkDown, "", 20}, {bkDown, "", 30}},
         69},
        {"HideInactive", btsDefault, cbsSingle, false, 0, ebtHideInactive},
    };
    return rows;
}

constexpr int kRowHeight = 24, kRowStep = 32, kTop = 40;

} // namespace

// Its own window class, so that a test finds the demo's views.
class TDemoButtonsView : public TcxControl {
public:
    TDemoButtonsView(const TDemoRow& row, TcxCanvas& measure) : row_(row), measure_(measure)
    {
        style_.SetBorderStyle(row.border);
        style_.SetTransparentBorder(false);
        style_.SetButtonStyle(row.buttonStyle);
        style_.SetGradientButtons(row.buttonStyle == btsOffice11);
        style_.SetButtonTransparency(row.transparency);
        style_.LookAndFeel().SetNativeStyle(row.native);
        properties_.SetButtonsStyleKind(row.buttonsStyleKind);
        for (const TDemoButton& b : row.buttons) {
            TcxEditButton& button = properties_.Buttons().Add();
            button.SetKind(b.kind);
            button.SetCaption(b.caption);
            button.SetWidth(b.width);
        }
        SetText(row.name);
        SetTabStop(true);
    }

    const TDemoRow& Row() const { return row_; }
    const TcxCustomEditViewInfo& ViewInfo() const { return viewInfo_; }
    // Told after every computation but the one when the mouse left: the
    // line follows the view under the mouse.
    std::function<void(TDemoButtonsView&)> OnViewChanged;

    // The view at p (client coordinates; (-1, -1) away) with the buttons held.
    void Recompute(POINT p, TShiftState shift, bool notify = true)
    {
        auto data = TcxCustomEditViewData::Create(properties_, &style_, false);
        data->WindowHandle = HandleAllocated() ? Handle() : nullptr;
        data->ViewState.Enabled = Enabled();
        data->ViewState.Focused = Focused();
        data->Compute(measure_, TRect{0, 0, Width(), Height()}, p, pressed_, shift, viewInfo_);
        if (HandleAllocated())
            Invalidate();
        if (notify && OnViewChanged)
            OnViewChanged(*this);
    }

protected:
    void MouseMove(TShiftState shift, int x, int y) override
    {
        TcxControl::MouseMove(shift, x, y);
        Recompute(POINT{x, y}, shift);
    }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override
    {
        TcxControl::MouseDown(button, shift, x, y);
        Recompute(POINT{x, y}, shift);
        // The pressed button stays pressed while the left button is held.
        if (button == TMouseButton::mbLeft)
            pressed_ = viewInfo_.PressedButton;
    }
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override
    {
        TcxControl::MouseUp(button, shift, x, y);
        if (button == TMouseButton::mbLeft)
            pressed_ = -1;
        Recompute(POINT{x, y}, shift);
    }
    void MouseLeave(TControl* control) override
    {
        TcxControl::MouseLeave(control);
        if (pressed_ < 0)
            Recompute(POINT{-1, -1}, 0, false);
    }
    void FocusChanged() override
    {
        TcxControl::FocusChanged();
        POINT p = cxReadMouseCursorPos();
        if (HandleAllocated())
            ScreenToClient(Handle(), &p);
        Recompute(p, 0);
    }
    void Resize() override
    {
        TcxControl::Resize();
        Recompute(POINT{-1, -1}, 0);
    }
    void Paint() override { viewInfo_.Paint(cxCanvas()); }

private:
    const TDemoRow& row_;
    TcxCanvas& measure_;
    TcxCustomEditProperties properties_{nullptr};
    TcxEditStyle style_{nullptr, cssNormal, nullptr, false};
    TcxCustomEditViewInfo viewInfo_;
    int pressed_ = -1;
};

namespace {

std::string Describe(const TDemoButtonsView& view)
{
    const TcxCustomEditViewInfo& vi = view.ViewInfo();
    std::string text = std::string(view.Row().name) + ": hot=" + std::to_string(vi.HotButton) +
                       " pressed=" + std::to_string(vi.PressedButton) + " buttons=";
    for (int i = 0; i < vi.ButtonCount(); ++i) {
        const TRect& b = vi.Button(i).Bounds;
        if (i > 0)
            text.push_back(',');
        text.append(std::to_string(b.left)).append("-").append(std::to_string(b.right));
    }
    return text;
}

class TButtonsForm : public TForm {
public:
    TButtonsForm()
    {
        SetText("Edit buttons");
        SetBounds(40, 40, 0, 0);
        SetProperty("ClientWidth", "400");
        SetProperty("ClientHeight", std::to_string(kTop + kRowStep * static_cast<int>(Rows().size())));
        measureBitmap_.SetSize(8, 8);
        line_ = &Adopt(std::make_unique<TLabel>());
        line_->SetBounds(12, 10, 380, 20);
        line_->SetText("none");
        line_->SetParent(this);
        for (std::size_t i = 0; i < Rows().size(); ++i) {
            const TDemoRow& row = Rows()[i];
            auto& view = Adopt(std::make_unique<TDemoButtonsView>(row, measure_));
            view.SetName(row.name);
            view.SetBounds(12, kTop + kRowStep * static_cast<int>(i), row.width, kRowHeight);
            view.OnViewChanged = [this](TDemoButtonsView& v) { ShowState(v); };
            view.SetParent(this);
        }
    }

private:
    void ShowState(TDemoButtonsView& view)
    {
        // Setting a label's text repaints it: only a change is shown.
        const std::string text = Describe(view);
        if (line_->Text() != text)
            line_->SetText(text);
    }

    TBitmap measureBitmap_;
    TcxCanvas measure_{measureBitmap_.Canvas()};
    TLabel* line_ = nullptr;
};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return cxRunEditDemo<TButtonsForm>();
}
