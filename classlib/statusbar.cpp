#include "classlib/statusbar.h"

#include <commctrl.h>

TCreateParams TStatusBar::CreateParams() const
{
    // Placed by the parent's alignment, not by the control itself.
    return {STATUSCLASSNAMEA, CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER | SBARS_SIZEGRIP, 0};
}

void TStatusBar::HandleCreated()
{
    ApplyPanels();
}

void TStatusBar::ApplyPanels()
{
    if (!HandleAllocated() || panels_.empty())
        return;
    std::vector<int> rights;
    int right = 0;
    for (const Panel& p : panels_)
        rights.push_back(right += p.width);
    SendMessageA(Handle(), SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
    for (size_t i = 0; i < panels_.size(); ++i)
        SendMessageA(Handle(), SB_SETTEXTA, i, reinterpret_cast<LPARAM>(panels_[i].text.c_str()));
}

TStatusBar::Panel& TStatusBar::At(int index)
{
    if (index < 0 || index >= PanelCount())
        throw EComponentError("Status bar panel " + std::to_string(index) + " out of range");
    return panels_[static_cast<size_t>(index)];
}

std::string TStatusBar::PanelText(int index) const
{
    const Panel& p = const_cast<TStatusBar*>(this)->At(index);
    if (!HandleAllocated())
        return p.text;
    // The length may count characters, not bytes: room for two bytes each.
    auto length = LOWORD(SendMessageA(Handle(), SB_GETTEXTLENGTHA, static_cast<WPARAM>(index), 0));
    std::string text(static_cast<size_t>(length) * 2 + 1, '\0');
    SendMessageA(Handle(), SB_GETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::char_traits<char>::length(text.c_str()));
    return text;
}

void TStatusBar::SetPanelText(int index, const std::string& text)
{
    At(index).text = text;
    if (HandleAllocated())
        SendMessageA(Handle(), SB_SETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
}

TPersistent* TStatusBar::NestedObject(std::string_view name)
{
    return name == "Panels" ? &panelsText_ : nullptr;
}

const TPropertyTable& TStatusBar::TStatusPanels::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TStatusPanels>(TPersistent::Properties(), {
        {"Width", [](TStatusPanels& p, const TPropertyValue& v) {
             p.bar_.panels_.push_back({v.Int(), {}});
             p.bar_.ApplyPanels();
         }},
        {"Text", [](TStatusPanels& p, const TPropertyValue& v) {
             if (p.textsSet_ >= p.bar_.panels_.size())
                 throw EComponentError("Panels.Text before its Panels.Width");
             p.bar_.SetPanelText(static_cast<int>(p.textsSet_++), v.Text());
         }},
    });
    return table;
}
