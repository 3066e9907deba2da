#include "editors/edit/core/cxedithelpers.h"

#include <algorithm>
#include <iterator>

#include "editors/edit/variants/cxvariants.h"

void EnlargeSize(TSize& a, const TSize& b)
{
    a.cx = std::max(a.cx, b.cx);
    a.cy = std::max(a.cy, b.cy);
}

TComponent* OwningComponent(TPersistent* persistent)
{
    for (TPersistent* p = persistent; p; p = p->GetOwner())
        if (auto* component = dynamic_cast<TComponent*>(p))
            return component;
    return nullptr;
}

bool VarEqualsSameType(const Variant& a, const Variant& b)
{
    return a.VarType() == b.VarType() && VariantsEqual(a, b);
}

TcxLookAndFeelKind ButtonsLookAndFeelKind(bool inPlace, TcxLookAndFeelKind styleKind,
                                          const TcxEditButtonStyle* firstButtonStyle)
{
    // By button style, btsDefault to btsOffice11.
    constexpr TcxLookAndFeelKind kKindOfStyle[] = {lfStandard, lfStandard, lfFlat,     lfFlat,
                                                   lfFlat,     lfUltraFlat, lfOffice11};
    if (inPlace)
        return styleKind;
    if (!firstButtonStyle || *firstButtonStyle >= std::size(kKindOfStyle))
        return lfStandard;
    return kKindOfStyle[*firstButtonStyle];
}

bool IsBlankChar(char c)
{
    switch (c) {
    case '\0': case '\t': case '\n': case '\f': case '\r': case ' ':
        return true;
    default:
        return false;
    }
}
