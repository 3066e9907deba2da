// Variants on show: two value texts, A and B, evaluated on Enter into their
// kind, text and typed stream bytes, compared and read back.
#include <windows.h>

#include <memory>
#include <string>

#include "classlib/customedit.h"
#include "classlib/exceptions.h"
#include "classlib/form.h"
#include "classlib/label.h"
#include "editors/edit/demo/cxdemoprogram.h"
#include "editors/edit/demo/cxvaluetext.h"
#include "editors/edit/variants/cxvariants.h"

namespace {

class TValuesForm : public TForm {
public:
    TValuesForm()
    {
        SetText("Values");
        SetBounds(40, 40, 0, 0);
        SetProperty("ClientWidth", "640");
        SetProperty("ClientHeight", "200");
        editA_ = &AddEdit(8, "i:200");
        editB_ = &AddEdit(36, "s:abc");
        for (int i = 0; i < kLines; ++i)
            lines_[i] = &AddLabel(72 + 24 * i);
        Evaluate();
    }

private:
    static constexpr int kLines = 5;

    TEdit& AddEdit(int top, const std::string& text)
    {
        auto& edit = Adopt(std::make_unique<TEdit>());
        edit.SetBounds(8, top, 624, 22);
        edit.SetText(text);
        edit.SetParent(this);
        edit.OnKeyPress = [this](TComponent&, char& key) {
            if (key == '\r') {
                key = 0;
                Evaluate();
            }
        };
        return edit;
    }

    TLabel& AddLabel(int top)
    {
        auto& label = Adopt(std::make_unique<TLabel>());
        label.SetBounds(8, top, 624, 20);
        label.SetParent(this);
        return label;
    }

    void Evaluate()
    {
        Variant a, b;
        bool parsedA = Describe(*editA_, "A: ", *lines_[0], a);
        bool parsedB = Describe(*editB_, "B: ", *lines_[1], b);
        if (!parsedA || !parsedB) {
            for (int i = 2; i < kLines; ++i)
                lines_[i]->SetText("");
            return;
        }
        lines_[2]->SetText(std::string("Compare: ").append(std::to_string(CompareVariants(a, b))));
        lines_[3]->SetText(std::string("Equal: ") + (VariantsEqual(a, b) ? "True" : "False"));
        bool readBack = cxReadsBackEqual(a) && cxReadsBackEqual(b);
        lines_[4]->SetText(std::string("Read back: ") + (readBack ? "equal" : "differs"));
    }

    // Fills value from the edit's text and shows it; false when it is no value.
    static bool Describe(const TEdit& edit, const std::string& name, TLabel& line, Variant& value)
    {
        try {
            value = cxValueFromText(edit.Text());
            line.SetText(name + cxDescribeValue(value));
            return true;
        } catch (const Exception& e) {
            line.SetText(name + "error | " + e.what());
            return false;
        }
    }

    TEdit* editA_;
    TEdit* editB_;
    TLabel* lines_[kLines];
};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return cxRunEditDemo<TValuesForm>();
}
