#include "windows/calchelp.h"

Tf_calchelp* f_calchelp = nullptr;

Tf_calchelp::Tf_calchelp()
{
    LoadFromResource("CALCHELP");
    Memo1 = &Component<TMemo>("Memo1");
    // A form description holds one line per property, so the lines come from here.
    std::string text = kCalcHelpLines.front();
    for (size_t i = 1; i < kCalcHelpLines.size(); ++i)
        text += std::string("\r\n") + kCalcHelpLines[i];
    Memo1->SetText(text);
    DoCreate();
}
