#include "editors/edit/properties/cxeditalignment.h"

#include "classlib/handlercall.h"
#include "classlib/propertytable.h"
#include "editors/edit/properties/cxeditproperties.h"

namespace {

const TEnumName<TAlignment> kHorzNames[] = {{"taLeftJustify", TAlignment::taLeftJustify},
                                            {"taCenter", TAlignment::taCenter},
                                            {"taRightJustify", TAlignment::taRightJustify}};
const TEnumName<TcxEditVertAlignment> kVertNames[] = {
    {"taTopJustify", taTopJustify}, {"taBottomJustify", taBottomJustify}, {"taVCenter", taVCenter}};

} // namespace

TPersistent* TcxEditAlignment::GetOwner() const
{
    return owner_;
}

void TcxEditAlignment::Notify()
{
    CallHandler(OnChanged);
}

void TcxEditAlignment::SetHorz(TAlignment value)
{
    if (horzAssigned_ && horz_ == value)
        return;
    horz_ = value;
    horzAssigned_ = true;
    Notify();
}

void TcxEditAlignment::SetVert(TcxEditVertAlignment value)
{
    if (vert_ == value)
        return;
    vert_ = value;
    Notify();
}

void TcxEditAlignment::Assign(const TPersistent& source)
{
    auto* alignment = dynamic_cast<const TcxEditAlignment*>(&source);
    if (!alignment) {
        TPersistent::Assign(source);
        return;
    }
    horz_ = alignment->horz_;
    vert_ = alignment->vert_;
    horzAssigned_ = alignment->horzAssigned_;
    Notify();
}

const TPropertyTable& TcxEditAlignment::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TcxEditAlignment>(TPersistent::Properties(), {
        {"Horz", [](TcxEditAlignment& a, const TPropertyValue& v) { a.SetHorz(v.Enum(kHorzNames)); }},
        {"Vert", [](TcxEditAlignment& a, const TPropertyValue& v) { a.SetVert(v.Enum(kVertNames)); }},
    });
    return table;
}
