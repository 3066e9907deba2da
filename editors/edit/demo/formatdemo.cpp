// The format controller on show: a short date and a long time format typed
// into two boxes (empty: the locale's), evaluated on Enter into every
// result of the controller, with the locale's live value beside each, and
// the regional-settings and clock changes a registered listener was told of;
// and the filter operators the base filter helper offers for texts and numbers.
#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "classlib/customedit.h"
#include "classlib/form.h"
#include "classlib/formatsettings.h"
#include "classlib/label.h"
#include "editors/edit/datastorage/cxvaluetypes.h"
#include "editors/edit/demo/cxdemoprogram.h"
#include "editors/edit/editor/cxfilteredithelper.h"
#include "editors/edit/properties/cxeditproperties.h"
#include "editors/edit/formats/cxdateutils.h"
#include "editors/edit/formats/cxformats.h"

namespace {

// Each result by its name, in the controller's order.
struct TResultField {
    const char* Name;
    std::string (*Of)(const TcxFormatResults& results);
};
constexpr std::array<TResultField, 9> kResults = {{
    {"CurrencyPattern", [](const TcxFormatResults& r) { return r.CurrencyPattern; }},
    {"FirstDayOfWeek", [](const TcxFormatResults& r) { return std::to_string(r.FirstDayOfWeek); }},
    {"DateEditPattern", [](const TcxFormatResults& r) { return r.DateEditPattern; }},
    {"DateMaskStandard", [](const TcxFormatResults& r) { return r.DateMaskStandard; }},
    {"DateMaskRegExpr", [](const TcxFormatResults& r) { return r.DateMaskRegExpr; }},
    {"DateTimeMaskRegExpr", [](const TcxFormatResults& r) { return r.DateTimeMaskRegExpr; }},
    {"DateTimeMaskStandard", [](const TcxFormatResults& r) { return r.DateTimeMaskStandard; }},
    {"DateDisplayFormat", [](const TcxFormatResults& r) { return r.DateDisplayFormat; }},
    {"DateTimeDisplayFormat", [](const TcxFormatResults& r) { return r.DateTimeDisplayFormat; }},
}};

// "{1 2 ...}": the operator numbers of a value type.
std::string FilterOperatorsText(TcxValueTypeClass valueType)
{
    const TcxCustomEditProperties properties(nullptr);
    TcxFilterOperators operators = 0;
    TcxCustomFilterEditHelper::Instance.FilterOperatorsFor(properties, valueType, operators, false);
    std::string text;
    for (int number = 1; number <= 40; ++number)
        if (operators & cxFilterOperator(number)) {
            if (!text.empty())
                text += ' ';
            text += std::to_string(number);
        }
    return "{" + text + "}";
}

class TFormatsForm : public TForm, public IcxFormatListener, public IcxTimeChangeListener {
public:
    TFormatsForm()
    {
        SetText("Formats");
        SetBounds(20, 20, 0, 0);
        SetProperty("ClientWidth", "1200");
        SetProperty("ClientHeight", "364");
        shortDate_ = &AddEdit(8, "ShortDateFormat");
        longTime_ = &AddEdit(36, "LongTimeFormat");
        for (std::size_t i = 0; i < kResults.size(); ++i) {
            results_[i] = &AddLabel(8, 72 + 24 * static_cast<int>(i), 590);
            live_[i] = &AddLabel(602, 72 + 24 * static_cast<int>(i), 590);
        }
        changes_ = &AddLabel(8, 72 + 24 * static_cast<int>(kResults.size()), 590);
        AddLabel(8, 96 + 24 * static_cast<int>(kResults.size()), 590)
            .SetText("Filter operators: String " + FilterOperatorsText(&TcxStringValueType::Instance) + ", Integer " +
                     FilterOperatorsText(&TcxIntegerValueType::Instance));
        FormatControllerInstance().AddFormatListener(this);
        Evaluate();
        ShowChanges();
    }
    ~TFormatsForm() override { FormatControllerInstance().RemoveFormatListener(this); }

private:
    TEdit& AddEdit(int top, const char* name)
    {
        AddLabel(8, top + 3, 150).SetText(name);
        auto& edit = Adopt(std::make_unique<TEdit>());
        edit.SetName(name);
        edit.SetBounds(160, top, 400, 22);
        edit.SetParent(this);
        edit.OnKeyPress = [this](TComponent&, char& key) {
            if (key == '\r') {
                key = 0;
                Evaluate();
            }
        };
        return edit;
    }

    TLabel& AddLabel(int left, int top, int width)
    {
        auto& label = Adopt(std::make_unique<TLabel>());
        label.SetBounds(left, top, width, 20);
        label.SetParent(this);
        return label;
    }

    // The results with the typed formats, and the controller's own beside them.
    void Evaluate()
    {
        TFormatSettings settings = FormatSettings();
        if (!shortDate_->Text().empty())
            settings.ShortDateFormat = shortDate_->Text();
        if (!longTime_->Text().empty())
            settings.LongTimeFormat = longTime_->Text();
        const TcxFormatResults typed = cxComputeFormatResults(settings, cxRelativeDateWords(), LocaleStartOfWeek());
        const TcxFormatResults& live = FormatControllerInstance().Results();
        for (std::size_t i = 0; i < kResults.size(); ++i) {
            results_[i]->SetText(std::string(kResults[i].Name) + ": " + kResults[i].Of(typed));
            live_[i]->SetText(kResults[i].Of(live));
        }
    }

    void ShowChanges()
    {
        changes_->SetText("Changes: format=" + std::to_string(formatChanges_) + " time=" +
                          std::to_string(timeChanges_));
    }

    void FormatChanged() override
    {
        ++formatChanges_;
        ShowChanges();
        Evaluate();
    }
    void TimeChanged() override
    {
        ++timeChanges_;
        ShowChanges();
    }

    TEdit* shortDate_;
    TEdit* longTime_;
    std::array<TLabel*, kResults.size()> results_{};
    std::array<TLabel*, kResults.size()> live_{};
    TLabel* changes_;
    int formatChanges_ = 0;
    int timeChanges_ = 0;
};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return cxRunEditDemo<TFormatsForm>();
}
