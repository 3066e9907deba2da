// The spin and time editors on show, stacked: each row an editor and a line
// telling its shown text, its value (a time editor's Time) and its edit
// value; a classlib spin box for comparison, and a button that switches the
// time designators between the locale's and AM/PM.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "classlib/button.h"
#include "classlib/form.h"
#include "classlib/formatsettings.h"
#include "classlib/label.h"
#include "classlib/spinedit.h"
#include "editors/controls/spin/cxspinedit.h"
#include "editors/controls/time/cxtimeedit.h"
#include "editors/edit/demo/cxdemoprogram.h"

namespace {

std::string Fixed(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6f", value);
    return buffer;
}

std::string ValueText(const Variant& value)
{
    return value.IsNull() ? "Null" : VarToStr(value);
}

std::string Line(const std::string& name, const std::string& text, const std::string& value, const std::string& edit)
{
    return name + ": text=" + text + " value=" + value + " edit=" + edit;
}

class TSpinTimeForm : public TForm {
public:
    TSpinTimeForm()
    {
        SetText("Spin and time editors");
        SetBounds(40, 40, 0, 0);
        SetProperty("ClientWidth", "600");
        AddSpin("Int", [](TcxSpinEditProperties& p) {
            p.SetValueType(vtInt);
            p.SetMinValue(0);
            p.SetMaxValue(100000);
        });
        AddSpin("Ring", [](TcxSpinEditProperties& p) {
            p.SetMinValue(0);
            p.SetMaxValue(10);
            p.SetCircular(true);
        });
        AddSpin("Float", [](TcxSpinEditProperties& p) { p.SetIncrement(0.5); });
        AddTime("Time24", [](TcxTimeEditProperties&) {});
        AddTime("Time12", [](TcxTimeEditProperties& p) { p.SetUse24HourFormat(false); });
        AddTime("HourMin", [](TcxTimeEditProperties& p) { p.SetTimeFormat(tfHourMin); });
        AddSpinBox("SpinEdit");
        AddDesignatorSwitch();
        SetProperty("ClientHeight", std::to_string(Top(rows_.size())));
        // Keys change the editors without telling the form: the lines look.
        cxShowDemoLines(*this, [this] { ShowLines(); });
    }

private:
    struct Row {
        std::function<std::string()> line;
        TLabel* label;
    };

    static int Top(std::size_t row) { return 8 + static_cast<int>(row) * 32; }

    // The control goes into the next row, its line beside it.
    template <class C>
    C& Place(std::unique_ptr<C> made)
    {
        C& control = Adopt(std::move(made));
        control.SetBounds(8, Top(rows_.size()), 160, 21);
        control.SetParent(this);
        return control;
    }

    void AddRow(std::function<std::string()> line)
    {
        auto& label = Adopt(std::make_unique<TLabel>());
        label.SetBounds(176, Top(rows_.size()) + 3, 416, 20);
        label.SetParent(this);
        rows_.push_back({std::move(line), &label});
    }

    void AddSpin(const std::string& name, const std::function<void(TcxSpinEditProperties&)>& setup)
    {
        TcxSpinEdit& edit = Place(std::make_unique<TcxSpinEdit>());
        setup(edit.SpinEditProperties());
        AddRow([name, &edit] {
            const Variant value = edit.Value();
            return Line(name, edit.Text(), value.IsNull() ? "Null" : Fixed(value.ToDouble()), ValueText(edit.EditValue()));
        });
    }

    void AddTime(const std::string& name, const std::function<void(TcxTimeEditProperties&)>& setup)
    {
        TcxTimeEdit& edit = Place(std::make_unique<TcxTimeEdit>());
        setup(edit.TimeEditProperties());
        times_.push_back(&edit);
        AddRow([name, &edit] { return Line(name, edit.Text(), Fixed(edit.Time()), ValueText(edit.EditValue())); });
    }

    // Between the locale's designators and AM/PM, in this process only: the
    // masks follow as the format listener fits them after a locale change.
    void AddDesignatorSwitch()
    {
        auto& button = Place(std::make_unique<TButton>());
        button.SetText("AM/PM");
        rows_.push_back({nullptr, nullptr});
        button.OnClick = [this](TComponent&) {
            TFormatSettings& settings = FormatSettings();
            const bool english = settings.TimeAMString == "AM";
            settings.TimeAMString = english ? locale_.TimeAMString : "AM";
            settings.TimePMString = english ? locale_.TimePMString : "PM";
            cxTimeFormatTable().UpdateTimeMasks(settings);
            for (TcxTimeEdit* edit : times_)
                edit->TimeEditProperties().ApplyTimeEditMask();
            ShowLines();
        };
    }

    void AddSpinBox(const std::string& name)
    {
        TSpinEdit& box = Place(std::make_unique<TSpinEdit>());
        box.SetProperty("MinValue", "0");
        box.SetProperty("MaxValue", "100000");
        AddRow([name, &box] {
            const int value = box.Value();
            return Line(name, box.Text(), Fixed(value), std::to_string(value));
        });
    }

    void ShowLines()
    {
        for (const Row& row : rows_) {
            // The button's row has no line.
            if (!row.line)
                continue;
            if (const std::string text = row.line(); row.label->Text() != text)
                row.label->SetText(text);
        }
    }

    std::vector<Row> rows_;
    std::vector<TcxTimeEdit*> times_;
    const TFormatSettings locale_ = FormatSettings();
};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return cxRunEditDemo<TSpinTimeForm>();
}
