#include "editors/controls/spin/cxfilterspinedithelper.h"

#include "classlib/classregistry.h"
#include "editors/controls/spin/cxspinedit.h"
#include "editors/edit/repository/cxeditpropertiesregistry.h"

namespace {

// Equal, unequal, the four orderings and the two ranges.
constexpr TcxFilterOperators kSpinOperators = 1662;
// The four kinds of blank tests.
constexpr TcxFilterOperators kExtendedOperators = 30720;

} // namespace

const TcxClass TcxFilterSpinEditHelper::Class{"TcxFilterSpinEditHelper", &TcxFilterMaskEditHelper::Class, nullptr};
const TcxFilterSpinEditHelper TcxFilterSpinEditHelper::Instance{TcxFilterSpinEditHelper::Class};

void TcxFilterSpinEditHelper::FilterOperatorsFor(const TcxCustomEditProperties&, TcxValueTypeClass,
                                                 TcxFilterOperators& operators, bool extended) const
{
    operators = kSpinOperators | (extended ? kExtendedOperators : 0);
}

const TcxClass* TcxFilterSpinEditHelper::FilterEditorClass() const
{
    return &cxSpinEditClass;
}

void TcxFilterSpinEditHelper::InitFilterProperties(TcxCustomEditProperties& target,
                                                   const TcxCustomEditProperties& source, bool keepButtons) const
{
    TcxFilterMaskEditHelper::InitFilterProperties(target, source, keepButtons);
    if (auto* spin = dynamic_cast<TcxCustomSpinEditProperties*>(&target))
        spin->SetCanEdit(true);
}

void cxSpinEditInitialize()
{
    EditPropertiesRegistry().Register(&cxSpinEditPropertiesClass, "SpinEdit|Represents a spin editor");
    FilterEditsControllerInstance().Register(&cxSpinEditPropertiesClass, &TcxFilterSpinEditHelper::Instance);
    RegisterComponentClass(cxSpinEditClass.Name, cxSpinEditClass.Factory);
}

// The controller frees itself with its last registration.
void cxSpinEditFinalize()
{
    FilterEditsControllerInstance().Unregister(&cxSpinEditPropertiesClass, &TcxFilterSpinEditHelper::Instance);
}
