#include "classlib/dialogs.h"

#include <windows.h>
#include <commdlg.h>

#include <algorithm>

#include "classlib/application.h"
#include "classlib/formhost.h"
#include "classlib/propertytable.h"
#include "classlib/lateproc.h"

void ShowMessage(const std::string& text)
{
    Application.MessageBox(text, Application.Title(), MB_OK);
}

const TPropertyTable& TFileDialog::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TFileDialog>(TComponent::Properties(), {
        {"Filter", [](TFileDialog& d, const TPropertyValue& v) { d.Filter = v.Text(); }},
        {"FileName", [](TFileDialog& d, const TPropertyValue& v) { d.FileName = v.Text(); }},
        {"Title", [](TFileDialog& d, const TPropertyValue& v) { d.Title = v.Text(); }},
    });
    return table;
}

bool TFileDialog::Run(bool save)
{
    // The filter's "|" separators become the NUL separators the dialog wants.
    std::string filter = Filter;
    std::replace(filter.begin(), filter.end(), '|', '\0');
    filter.append(2, '\0');
    std::string file = FileName;
    file.resize(std::max<size_t>(file.size() + 1, 32768), '\0');

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    HWND owner = FormWindowOf(Owner());
    ofn.hwndOwner = owner ? owner : GetActiveWindow();
    ofn.lpstrFilter = Filter.empty() ? nullptr : filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrTitle = Title.empty() ? nullptr : Title.c_str();
    ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER | OFN_NOCHANGEDIR;
    // comdlg32 comes with the first dialog, not with every start.
    using Dialog = BOOL(WINAPI*)(OPENFILENAMEA*);
    static const auto open = LateProc<Dialog>("comdlg32.dll", "GetOpenFileNameA");
    static const auto saveAs = LateProc<Dialog>("comdlg32.dll", "GetSaveFileNameA");
    Dialog run = save ? saveAs : open;
    BOOL ok = run && run(&ofn);
    if (!ok)
        return false;
    FileName = file.c_str();
    return true;
}
