// The text editors on show: one for each setting worth seeing (plain, a
// maximum length, password, upper case, right-aligned, lookup items) and a
// plain EDIT below them, each with a line telling its value, selection and
// find selection in bytes.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/customedit.h"
#include "classlib/form.h"
#include "classlib/label.h"
#include "editors/controls/text/cxtextedit.h"
#include "editors/edit/demo/cxdemoprogram.h"

namespace {

std::string ValueText(const Variant& value)
{
    return value.IsNull() ? "Null" : value.ToString();
}

std::string Line(const std::string& name, const std::string& value, int start, int length, bool find)
{
    return name + ": value=" + value + " sel=" + std::to_string(start) + "," + std::to_string(length) +
           " find=" + (find ? "1" : "0");
}

class TTextEditorsForm : public TForm {
public:
    TTextEditorsForm()
    {
        SetText("Text editors");
        SetBounds(40, 40, 0, 0);
        SetProperty("ClientWidth", "560");
        SetProperty("ClientHeight", "240");
        AddEditor("Plain");
        AddEditor("Limited").TextEditProperties().SetMaxLength(5);
        AddEditor("Password").TextEditProperties().SetEchoMode(eemPassword);
        AddEditor("Upper").TextEditProperties().SetCharCase(TEditCharCase::ecUpperCase);
        AddEditor("Right").TextEditProperties().Alignment().SetHorz(TAlignment::taRightJustify);
        TcxTextEditLookupItems& items = AddEditor("Lookup").TextEditProperties().LookupItems();
        for (const char* item : {"apple", "apricot", "banana", "上午", "下午"})
            items.Add(item);
        plain_ = &Adopt(std::make_unique<TEdit>());
        plain_->SetBounds(8, Top(editors_.size()), 200, 21);
        plain_->SetParent(this);
        plainLine_ = &AddLine(editors_.size());
        // Keys move the selection without telling anybody: the lines look.
        cxShowDemoLines(*this, [this] { ShowLines(); });
    }

private:
    struct Shown {
        std::string name;
        TcxTextEdit* edit;
        TLabel* line;
    };

    static int Top(std::size_t row) { return 8 + static_cast<int>(row) * 32; }

    TcxTextEdit& AddEditor(const std::string& name)
    {
        auto& edit = Adopt(std::make_unique<TcxTextEdit>());
        edit.SetBounds(8, Top(editors_.size()), 200, 21);
        edit.SetParent(this);
        editors_.push_back({name, &edit, &AddLine(editors_.size())});
        return edit;
    }

    TLabel& AddLine(std::size_t row)
    {
        auto& line = Adopt(std::make_unique<TLabel>());
        line.SetBounds(216, Top(row) + 3, 336, 20);
        line.SetParent(this);
        return line;
    }

    static void Show(TLabel& line, const std::string& text)
    {
        if (line.Text() != text)
            line.SetText(text);
    }

    void ShowLines()
    {
        for (const Shown& s : editors_)
            Show(*s.line, Line(s.name, ValueText(s.edit->EditValue()), s.edit->SelectionStart(),
                               s.edit->SelectionLength(), s.edit->FindSelection()));
        Show(*plainLine_, Line("Edit", plain_->Text(), plain_->SelStart(), plain_->SelLength(), false));
    }

    std::vector<Shown> editors_;
    TEdit* plain_ = nullptr;
    TLabel* plainLine_ = nullptr;
};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return cxRunEditDemo<TTextEditorsForm>();
}
