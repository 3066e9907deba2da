#include "editors/controls/mask/cxfiltermaskedithelper.h"

#include "editors/controls/mask/cxmaskedit.h"
#include "editors/edit/datastorage/cxvaluetype.h"
#include "editors/edit/repository/cxeditpropertiesregistry.h"

const TcxClass TcxFilterMaskEditHelper::Class{"TcxFilterMaskEditHelper", &TcxFilterTextEditHelper::Class, nullptr};
const TcxFilterMaskEditHelper TcxFilterMaskEditHelper::Instance{TcxFilterMaskEditHelper::Class};

namespace {

// Equal to, not equal to, the four comparisons, and the two blank tests.
constexpr TcxFilterOperators kMaskOperators =
    cxFilterOperators(1, 6) | cxFilterOperator(9) | cxFilterOperator(10);
// Like and not like: only a text without a mask stands for them.
constexpr TcxFilterOperators kTextOperators = cxFilterOperators(7, 8);
constexpr TcxFilterOperators kExtendedOperators = cxFilterOperators(11, 14);

} // namespace

void TcxFilterMaskEditHelper::FilterOperatorsFor(const TcxCustomEditProperties& properties,
                                                 TcxValueTypeClass valueType, TcxFilterOperators& operators,
                                                 bool extended) const
{
    operators = kMaskOperators;
    const auto* mask = dynamic_cast<const TcxCustomMaskEditProperties*>(&properties);
    if ((!mask || !mask->IsMasked()) && valueType && valueType->HoldsText())
        operators |= kTextOperators;
    if (extended)
        operators |= kExtendedOperators;
}

const TcxClass* TcxFilterMaskEditHelper::FilterEditorClass() const
{
    return &cxMaskEditClass;
}

void TcxFilterMaskEditHelper::InitFilterProperties(TcxCustomEditProperties& target,
                                                   const TcxCustomEditProperties& source, bool keepButtons) const
{
    TcxFilterTextEditHelper::InitFilterProperties(target, source, keepButtons);
    auto* mask = dynamic_cast<TcxCustomMaskEditProperties*>(&target);
    if (!mask)
        return;
    if (mask->MaskKind() == emkRegExpr)
        mask->SetMaskKind(emkRegExprEx);
    mask->SetAutoSelect(!mask->IsMasked());
}

void cxMaskEditInitialize()
{
    EditPropertiesRegistry().Register(&cxMaskEditPropertiesClass, "MaskEdit|Represents a generic masked edit control.");
    FilterEditsControllerInstance().Register(&cxMaskEditPropertiesClass, &TcxFilterMaskEditHelper::Instance);
    RegisterComponentClass(cxMaskEditClass.Name, cxMaskEditClass.Factory);
}

void cxMaskEditFinalize()
{
    FilterEditsControllerInstance().Unregister(&cxMaskEditPropertiesClass, &TcxFilterMaskEditHelper::Instance);
}
