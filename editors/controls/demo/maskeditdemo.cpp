// The masked editors on show, one per kind of mask worth seeing: a standard
// time, digits, a completing clock, 上午 or 下午, am or pm in any case, and
// a standard mask with a button that asks for it as a regular expression
// (which it is not); a plain EDIT below them. A line beside each tells its
// text, value text, whether the text is valid and how often it beeped.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/button.h"
#include "classlib/customedit.h"
#include "classlib/form.h"
#include "classlib/label.h"
#include "editors/controls/mask/cxmaskedit.h"
#include "editors/edit/demo/cxdemoprogram.h"

namespace {

struct TEditorSpec {
    const char* name;
    TcxEditMaskKind kind;
    const char* mask;
    bool caseInsensitive;
};

constexpr TEditorSpec kEditors[] = {
    {"Time", emkStandard, "00:00;1;_", false},  {"Digits", emkRegExpr, "[0-9]+", false},
    {"Clock", emkRegExprEx, "\\d\\d:\\d\\d", false}, {"Noon", emkRegExprEx, "'上午'|'下午'", false},
    {"Ampm", emkRegExprEx, "am|pm", true},       {"Switch", emkStandard, "*00", false},
};

class TMaskedEditorsForm : public TForm {
public:
    TMaskedEditorsForm()
    {
        SetText("Masked editors");
        SetBounds(40, 40, 0, 0);
        SetProperty("ClientWidth", "600");
        SetProperty("ClientHeight", "250");
        for (const TEditorSpec& spec : kEditors)
            AddEditor(spec);
        auto& toRegExpr = Adopt(std::make_unique<TButton>());
        toRegExpr.SetText("To RegExpr");
        toRegExpr.SetBounds(176, Top(editors_.size() - 1) - 2, 88, 25);
        toRegExpr.SetParent(this);
        TcxMaskEdit* switched = editors_.back().edit;
        toRegExpr.OnClick = [switched](TComponent&) { switched->MaskEditProperties().SetMaskKind(emkRegExpr); };
        TLabel& switchLine = *editors_.back().line;
        switchLine.SetBounds(272, switchLine.Top(), 320, switchLine.Height());
        auto& plain = Adopt(std::make_unique<TEdit>());
        plain.SetBounds(8, Top(editors_.size()), 160, 21);
        plain.SetParent(this);
        // Keys move the caret without telling anybody: the lines look.
        cxShowDemoLines(*this, [this] { ShowLines(); });
    }

private:
    struct Shown {
        std::string name;
        TcxMaskEdit* edit;
        TLabel* line;
        int beeps = 0;
    };

    static int Top(std::size_t row) { return 8 + static_cast<int>(row) * 32; }

    void AddEditor(const TEditorSpec& spec)
    {
        auto& edit = Adopt(std::make_unique<TcxMaskEdit>());
        edit.SetBounds(8, Top(editors_.size()), 160, 21);
        edit.SetParent(this);
        TcxMaskEditProperties& p = edit.MaskEditProperties();
        p.SetBeepOnError(true);
        p.SetCaseInsensitive(spec.caseInsensitive);
        p.SetMaskKind(spec.kind);
        p.SetEditMask(spec.mask);
        auto& line = Adopt(std::make_unique<TLabel>());
        line.SetBounds(176, Top(editors_.size()) + 3, 416, 20);
        line.SetParent(this);
        editors_.push_back({spec.name, &edit, &line});
        const std::size_t index = editors_.size() - 1;
        edit.OnErrorBeep = [this, index] { ++editors_[index].beeps; };
    }

    void ShowLines()
    {
        for (const Shown& s : editors_) {
            const std::string text = s.edit->Text();
            const bool valid = s.edit->Mode() && s.edit->Mode()->IsTextValid(text);
            const std::string line = s.name + ": text=" + text + " value=" + s.edit->ValueText() +
                                     " valid=" + (valid ? "1" : "0") + " beeps=" + std::to_string(s.beeps);
            if (s.line->Text() != line)
                s.line->SetText(line);
        }
    }

    std::vector<Shown> editors_;
};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return cxRunEditDemo<TMaskedEditorsForm>();
}
