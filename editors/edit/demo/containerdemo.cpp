// Containers on show: a grid of containers, each hosting an EDIT, one per
// border style, one in the native look, one with a shadow and one disabled;
// two lines tell which container has the focus and which one the mouse is
// over, with its state and drawn frame. "--plain" shows plain EDITs in the
// same places instead, to compare the cost of mouse moves.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "classlib/customedit.h"
#include "classlib/form.h"
#include "classlib/label.h"
#include "editors/edit/container/cxcontainer.h"
#include "editors/edit/demo/cxdemoprogram.h"

// Its own window class, so that a test finds the demo's containers.
class TDemoContainer : public TcxContainer {
public:
    using TcxContainer::TcxContainer;
};

namespace {

struct TDemoBox {
    const char* name;
    TcxContainerBorderStyle border;
    bool native, shadow, enabled;
};

constexpr TDemoBox kBoxes[] = {
    {"None", cbsNone, false, false, true},         {"Single", cbsSingle, false, false, true},
    {"Thick", cbsThick, false, false, true},       {"Flat", cbsFlat, false, false, true},
    {"ThreeD", cbs3D, false, false, true},          {"UltraFlat", cbsUltraFlat, false, false, true},
    {"Office11", cbsOffice11, false, false, true}, {"Native", cbsSingle, true, false, true},
    {"Shadow", cbsSingle, false, true, true},      {"Disabled", cbsSingle, false, false, false},
};
constexpr int kColumns = 5, kBoxWidth = 112, kBoxHeight = 26;

constexpr const char* kFrameNames[] = {"cbsNone",  "cbsSingle",    "cbsThick",   "cbsFlat",
                                       "cbs3D",    "cbsUltraFlat", "cbsOffice11"};

std::string StateText(std::uint8_t state)
{
    static constexpr std::pair<std::uint8_t, const char*> kNames[] = {
        {csfNormal, "csfNormal"}, {csfFocused, "csfFocused"}, {csfDisabled, "csfDisabled"}, {csfHot, "csfHot"}};
    std::string text;
    for (auto [flag, name] : kNames) {
        if (!(state & flag))
            continue;
        if (!text.empty())
            text.push_back('+');
        text.append(name);
    }
    return text;
}

std::string Describe(const TcxContainer& box, bool withFrame)
{
    const TcxContainerViewInfo& vi = box.ViewInfo();
    std::string text = box.Text();
    text.append(" ").append(StateText(vi.ContainerState));
    if (withFrame)
        text.append(" ").append(kFrameNames[vi.FrameStyle]);
    return text;
}

TRect Cell(int index)
{
    const int left = 12 + (index % kColumns) * (kBoxWidth + 16), top = 60 + (index / kColumns) * 56;
    return TRect{left, top, left + kBoxWidth, top + kBoxHeight};
}

class TContainersForm : public TForm {
public:
    TContainersForm()
    {
        SetText("Containers");
        SetBounds(40, 40, 0, 0);
        SetProperty("ClientWidth", "660");
        SetProperty("ClientHeight", "200");
        focusLine_ = &AddLabel(8);
        hoverLine_ = &AddLabel(30);
        const bool plain = std::string(GetCommandLineA()).find("--plain") != std::string::npos;
        for (int i = 0; i < static_cast<int>(std::size(kBoxes)); ++i)
            plain ? AddPlainEdit(kBoxes[i], Cell(i)) : AddContainer(kBoxes[i], Cell(i));
        // The lines follow the containers' view information as it changes.
        cxShowDemoLines(*this, [this] { ShowStates(); });
    }

private:
    TLabel& AddLabel(int top)
    {
        auto& label = Adopt(std::make_unique<TLabel>());
        label.SetBounds(12, top, 636, 20);
        label.SetParent(this);
        return label;
    }

    void AddContainer(const TDemoBox& spec, const TRect& r)
    {
        auto& box = Adopt(std::make_unique<TDemoContainer>());
        box.SetName(spec.name);
        box.SetText(spec.name);
        TcxContainerStyle& normal = box.Styles().StyleNormal();
        normal.SetBorderStyle(spec.border);
        normal.SetTransparentBorder(false);
        normal.SetShadow(spec.shadow);
        normal.LookAndFeel().SetNativeStyle(spec.native);
        box.SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
        box.SetEnabled(spec.enabled);
        box.SetParent(this);
        auto& edit = Adopt(std::make_unique<TEdit>());
        edit.SetName(std::string(spec.name) + "Edit");
        edit.SetText(spec.name);
        edit.SetParent(&box);
        box.SetInnerControl(&edit);
        containers_.push_back(&box);
    }

    void AddPlainEdit(const TDemoBox& spec, const TRect& r)
    {
        auto& edit = Adopt(std::make_unique<TEdit>());
        edit.SetName(std::string(spec.name) + "Edit");
        edit.SetText(spec.name);
        edit.SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
        edit.SetParent(this);
    }

    void ShowStates()
    {
        std::string focus = "Focus: none", hover = "Hover: none";
        for (const TcxContainer* box : containers_) {
            const std::uint8_t state = box->ViewInfo().ContainerState;
            if (state & csfFocused)
                focus = "Focus: " + Describe(*box, false);
            if (state & csfHot)
                hover = "Hover: " + Describe(*box, true);
        }
        // Setting a label's text repaints it: only a change is shown.
        if (focusLine_->Text() != focus)
            focusLine_->SetText(focus);
        if (hoverLine_->Text() != hover)
            hoverLine_->SetText(hover);
    }

    TLabel* focusLine_;
    TLabel* hoverLine_;
    std::vector<TcxContainer*> containers_;
};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return cxRunEditDemo<TContainersForm>();
}
