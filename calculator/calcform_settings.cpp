// Section calcform of setinfo.ini: read when the window is made, written on
// the way out together with the tape autosave.
#include "calculator/calcform.h"
#include "classlib/application.h"
#include "classlib/inifile.h"

namespace {

constexpr char kSettingsName[] = "setinfo.ini";
constexpr char kSection[] = "calcform";

// How far GetWindowPlacement's normal position lies from the screen
// position of a window with those bounds. Windows gives it in workspace coordinates
// (a taskbar at the top or left shifts it), Wine in screen coordinates:
// measured on a hidden window of the same kind rather than assumed.
POINT PlacementShift(const RECT& at)
{
    HWND probe = CreateWindowExA(0, "STATIC", nullptr, WS_POPUP, at.left, at.top, at.right - at.left,
                                 at.bottom - at.top, nullptr, nullptr, nullptr, nullptr);
    if (!probe)
        return {};
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    RECT screen{};
    POINT shift{};
    if (GetWindowPlacement(probe, &placement) && GetWindowRect(probe, &screen))
        shift = {placement.rcNormalPosition.left - screen.left, placement.rcNormalPosition.top - screen.top};
    DestroyWindow(probe);
    return shift;
}

// Where the window stands on the screen when shown normally, also while minimised.
RECT NormalBounds(HWND window)
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    RECT bounds{};
    if (!IsIconic(window) || !GetWindowPlacement(window, &placement)) {
        GetWindowRect(window, &bounds);
        return bounds;
    }
    bounds = placement.rcNormalPosition;
    POINT shift = PlacementShift(bounds);
    OffsetRect(&bounds, -shift.x, -shift.y);
    return bounds;
}

} // namespace

void TCalcForm::loadsetting()
{
    TIniFile ini(folder_ + kSettingsName);
    const TIniSection saved(ini, kSection);
    int top = saved.ReadInteger("iTop", 0);
    // Also a window that stood at row 0 starts with the description's values.
    if (top == 0)
        return;
    SetBounds(saved.ReadInteger("iLeft", 0), top, Width(), Height());

    CheckBox1->SetChecked(saved.ReadBool("ontop", true));
    applyontop();
    CheckBox2->SetChecked(saved.ReadBool("voice", false));
    applyvoice();
    CheckBox5->SetChecked(saved.ReadBool("readnum", true));
    CheckBox4->SetChecked(saved.ReadBool("daxie", false));
    CheckBox3->SetChecked(saved.ReadBool("scrollBars", false));
    CheckBox6->SetChecked(saved.ReadBool("showdate", true));
    Panel1->SetVisible(saved.ReadBool("panel1", true));
    applyshowdate();
    applyscrollbars();

    SpinEdit1->SetValue(saved.ReadInteger("number", 2));
    SpinEdit3->SetValue(saved.ReadInteger("rate", 280));
    int fontsize = saved.ReadInteger("fontsize", 10);
    Memo1->Font().SetSize(fontsize);
    SpinEdit2->SetValue(fontsize);

    // A colour text that does not convert is reported once and that colour
    // keeps its value; the other colours and the write-back still happen.
    auto readcolor = [&](const char* key, auto apply) {
        try {
            std::string text = saved.ReadString(key, "");
            if (!text.empty())
                apply(StringToColor(text));
        } catch (const EConvertError&) {
            Application.HandleException();
        }
    };
    readcolor("fontcolor", [this](TColor color) { Memo1->Font().SetColor(color); });
    readcolor("memocolor", [this](TColor color) { Memo1->SetColor(color); });
    readcolor("backcolor", [this](TColor color) { setpanelcolor(color); });

    // The spin box has clamped what the file held.
    std::string number = std::to_string(SpinEdit1->Value());
    if (saved.ReadString("number", "") != number)
        ini.WriteString(kSection, "number", number);
}

void TCalcForm::savesetting()
{
    try {
        TIniFile ini(folder_ + kSettingsName);
        RECT bounds = NormalBounds(Handle());
        ini.WriteInteger(kSection, "iTop", bounds.top);
        ini.WriteInteger(kSection, "iLeft", bounds.left);
        ini.WriteBool(kSection, "ontop", CheckBox1->Checked());
        ini.WriteBool(kSection, "voice", CheckBox2->Checked());
        ini.WriteBool(kSection, "readnum", CheckBox5->Checked());
        ini.WriteBool(kSection, "daxie", CheckBox4->Checked());
        ini.WriteBool(kSection, "scrollBars", CheckBox3->Checked());
        ini.WriteBool(kSection, "showdate", CheckBox6->Checked());
        ini.WriteBool(kSection, "panel1", Panel1->Visible());
        ini.WriteColor(kSection, "backcolor", Panel3->Color());
        ini.WriteColor(kSection, "memocolor", Memo1->Color());
        ini.WriteColor(kSection, "fontcolor", Memo1->Font().Color());
        ini.WriteInteger(kSection, "fontsize", Memo1->Font().Size());
        ini.WriteInteger(kSection, "number", SpinEdit1->Value());
        ini.WriteInteger(kSection, "rate", SpinEdit3->Value());
    } catch (const Exception&) {
        // Shown once: the keys after a refused one would be refused alike.
        // The tape is saved all the same and the way out goes on.
        Application.HandleException();
    }
    savetape();
}
