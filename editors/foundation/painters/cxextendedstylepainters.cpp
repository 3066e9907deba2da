#include "editors/foundation/painters/cxextendedstylepainters.h"

#include <algorithm>
#include <memory>

#include "editors/foundation/core/cxtext.h"

namespace {

std::unique_ptr<TcxExtendedStylePainters> painters;

} // namespace

int TcxExtendedStylePainters::IndexOf(const std::string& name) const
{
    for (int i = 0; i < Count(); ++i)
        if (cxAnsiCompareText(items_[i].Name, name) == 0)
            return i;
    return -1;
}

void TcxExtendedStylePainters::Register(const std::string& name, TcxCustomLookAndFeelPainterClass painter)
{
    if (int i = IndexOf(name); i >= 0)
        items_[i].Painter = painter;
    else
        items_.push_back(TItem{name, painter});
    Changed();
}

void TcxExtendedStylePainters::Unregister(const std::string& name)
{
    if (int i = IndexOf(name); i >= 0) {
        items_.erase(items_.begin() + i);
        Changed();
    }
}

bool TcxExtendedStylePainters::GetPainterByName(const std::string& name,
                                                TcxCustomLookAndFeelPainterClass& painter) const
{
    int i = IndexOf(name);
    painter = i >= 0 ? items_[i].Painter : nullptr;
    return i >= 0;
}

void TcxExtendedStylePainters::AddListener(IPainterListListener* listener)
{
    listeners_.Add(listener);
}

void TcxExtendedStylePainters::RemoveListener(IPainterListListener* listener)
{
    listeners_.Remove(listener);
}

void TcxExtendedStylePainters::Changed()
{
    listeners_.ForEach([](IPainterListListener& listener) { listener.PainterListChanged(); });
}

TcxExtendedStylePainters* GetExtendedStylePainters()
{
    return painters.get();
}

void cxExtendedStylePaintersCreate()
{
    painters = std::make_unique<TcxExtendedStylePainters>();
}

void cxExtendedStylePaintersFree()
{
    painters.reset();
}
