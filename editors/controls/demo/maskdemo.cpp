// The masks on show: a regular-expression mask typed into byte by byte, with
// its separators, case and completion switches, and a standard mask laid
// over a text.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "classlib/checkbox.h"
#include "classlib/customedit.h"
#include "classlib/form.h"
#include "classlib/label.h"
#include "editors/controls/regexpr/cxregexpr.h"
#include "editors/controls/standardmask/cxstandardmask.h"
#include "editors/edit/demo/cxdemoprogram.h"

namespace {

std::string Hex(const std::string& bytes)
{
    std::string text;
    char digits[4];
    for (unsigned char c : bytes) {
        std::snprintf(digits, sizeof digits, "%02X", c);
        text += digits;
    }
    return text;
}

class TMasksForm : public TForm {
public:
    TMasksForm() : settings_(FormatSettings())
    {
        SetText("Masks");
        SetBounds(40, 40, 0, 0);
        SetProperty("ClientWidth", "640");
        SetProperty("ClientHeight", "260");
        mask_ = &AddEdit(8, 8, 400, "Mask", "\\d\\d:\\d\\d");
        separators_[0] = &AddEdit(8, 36, 40, "Time", std::string(1, settings_.TimeSeparator));
        separators_[1] = &AddEdit(108, 36, 40, "Date", std::string(1, settings_.DateSeparator));
        separators_[2] = &AddEdit(208, 36, 40, "Decimal", std::string(1, settings_.DecimalSeparator));
        caseInsensitive_ = &AddCheckBox(308, 36, "Case-insensitive");
        completion_ = &AddCheckBox(458, 36, "Completion");
        input_ = &AddEdit(8, 64, 400, "Input", "");
        input_->OnKeyPress = [this](TComponent&, char& key) { InputKey(key), key = 0; };
        regExprLine_ = &AddLabel(8, 92);
        standard_ = &AddEdit(8, 140, 400, "Standard", "00:00:00;1;0");
        text_ = &AddEdit(8, 168, 400, "Text", "10:30:00");
        standardLine_ = &AddLabel(8, 196);
        for (TEdit* edit : {mask_, separators_[0], separators_[1], separators_[2]})
            edit->OnChange = [this](TComponent&) { Recompile(); };
        for (TEdit* edit : {standard_, text_})
            edit->OnChange = [this](TComponent&) { ShowStandard(); };
        regExpr_.OnLiteralAdded = [this](char c) { typed_ += c; };
        regExpr_.OnLiteralRemoved = [this] { typed_.pop_back(); };
        Recompile();
        ShowStandard();
    }

private:
    TEdit& AddEdit(int left, int top, int width, const std::string& caption, const std::string& text)
    {
        auto& label = Adopt(std::make_unique<TLabel>());
        label.SetBounds(left, top + 3, 56, 20);
        label.SetText(caption);
        label.SetParent(this);
        auto& edit = Adopt(std::make_unique<TEdit>());
        edit.SetBounds(left + 60, top, width, 22);
        edit.SetText(text);
        edit.SetParent(this);
        return edit;
    }

    TCheckBox& AddCheckBox(int left, int top, const std::string& caption)
    {
        auto& box = Adopt(std::make_unique<TCheckBox>());
        box.SetBounds(left, top, 140, 20);
        box.SetText(caption);
        box.SetParent(this);
        box.OnClick = [this](TComponent&) { Recompile(); };
        return box;
    }

    TLabel& AddLabel(int left, int top)
    {
        auto& label = Adopt(std::make_unique<TLabel>());
        label.SetBounds(left, top, 624, 40);
        label.SetParent(this);
        return label;
    }

    // The separators as their boxes give them; an empty box keeps the locale's.
    void ReadSeparators()
    {
        settings_ = FormatSettings();
        char* targets[] = {&settings_.TimeSeparator, &settings_.DateSeparator, &settings_.DecimalSeparator};
        for (int i = 0; i < 3; ++i)
            if (const std::string text = separators_[i]->Text(); !text.empty())
                *targets[i] = text[0];
    }

    void Recompile()
    {
        ReadSeparators();
        errors_ = "none";
        regExpr_.SetCaseInsensitive(caseInsensitive_->Checked());
        regExpr_.SetLiteralCompletion(false);
        try {
            regExpr_.Compile(mask_->Text());
        } catch (const EcxRegExprError& e) {
            errors_.clear();
            for (std::size_t i = 0; i < e.Errors().Count(); ++i)
                errors_ += (i ? "; " : "") + e.Errors().Items(i).FullMessage;
        }
        typed_.clear();
        // Switched on once compiled, it forces the literals the mask starts with.
        regExpr_.SetLiteralCompletion(completion_->Checked());
        ShowRegExpr();
    }

    void InputKey(char key)
    {
        if (!regExpr_.IsCompiled())
            return;
        if (key == '\b') {
            if (regExpr_.StepBack() && !typed_.empty())
                typed_.pop_back();
        } else if (key == '\x1b') {
            regExpr_.Rewind();
            typed_.clear();
            regExpr_.SetLiteralCompletion(completion_->Checked());
        } else {
            // Forced literals follow the byte that forced them.
            const std::string before = typed_;
            typed_.clear();
            if (regExpr_.FeedChar(key))
                typed_ = before + key + typed_;
            else
                typed_ = before;
        }
        ShowRegExpr();
    }

    void ShowRegExpr()
    {
        input_->SetText(typed_);
        input_->SetSelStart(static_cast<int>(typed_.size()));
        const bool compiled = regExpr_.IsCompiled();
        regExprLine_->SetText("accepted=" + Hex(typed_) +
                              " complete=" + (compiled && regExpr_.IsMatchComplete() ? "1" : "0") +
                              " start=" + (compiled && regExpr_.IsAtStart() ? "1" : "0") + " errors=" + errors_);
    }

    void ShowStandard()
    {
        ReadSeparators();
        TcxStandardMask mask;
        mask.SetMask(standard_->Text(), settings_);
        std::string applied = text_->Text();
        mask.ApplyToText(applied, true, true);
        std::string value = applied, checked = applied;
        mask.GetValueText(value);
        const bool valid = mask.IsTextValid(checked);
        standardLine_->SetText("applied=" + applied + " value=" + value + " valid=" + (valid ? "1" : "0") +
                               " empty=" + mask.GetEmptyText());
    }

    TFormatSettings settings_;
    TcxRegExpr regExpr_{settings_};
    std::string typed_, errors_;
    TEdit *mask_, *input_, *standard_, *text_;
    TEdit* separators_[3];
    TCheckBox *caseInsensitive_, *completion_;
    TLabel *regExprLine_, *standardLine_;
};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return cxRunEditDemo<TMasksForm>();
}
