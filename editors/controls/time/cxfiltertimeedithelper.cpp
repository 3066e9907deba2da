#include "editors/controls/time/cxfiltertimeedithelper.h"

#include <memory>

#include "classlib/classregistry.h"
#include "editors/controls/time/cxtimeedit.h"
#include "editors/controls/time/cxtimeeditformatlistener.h"
#include "editors/edit/repository/cxeditpropertiesregistry.h"

namespace {

// The unit's one listener, alive between its start and its end.
std::unique_ptr<TcxTimeEditFormatListener>& Listener()
{
    static std::unique_ptr<TcxTimeEditFormatListener> listener;
    return listener;
}

} // namespace

const TcxClass TcxFilterTimeEditHelper::Class{"TcxFilterTimeEditHelper", &TcxFilterSpinEditHelper::Class, nullptr};
const TcxFilterTimeEditHelper TcxFilterTimeEditHelper::Instance{TcxFilterTimeEditHelper::Class};

const TcxClass* TcxFilterTimeEditHelper::FilterEditorClass() const
{
    return &cxTimeEditClass;
}

void TcxFilterTimeEditHelper::InitFilterEdit(TcxCustomEdit& edit, const TcxCustomEditProperties& source) const
{
    TcxFilterSpinEditHelper::InitFilterEdit(edit, source);
    if (auto* time = dynamic_cast<TcxCustomTimeEdit*>(&edit))
        time->SetTime(0);
}

void cxTimeEditInitialize()
{
    Listener() = std::make_unique<TcxTimeEditFormatListener>();
    EditPropertiesRegistry().Register(&cxTimeEditPropertiesClass, "TimeEdit|Represents an editor displaying time values");
    FilterEditsControllerInstance().Register(&cxTimeEditPropertiesClass, &TcxFilterTimeEditHelper::Instance);
    RegisterComponentClass(cxTimeEditClass.Name, cxTimeEditClass.Factory);
}

TcxTimeEditFormatListener* cxTimeEditFormatListener()
{
    return Listener().get();
}

// The controller frees itself with its last registration.
void cxTimeEditFinalize()
{
    FilterEditsControllerInstance().Unregister(&cxTimeEditPropertiesClass, &TcxFilterTimeEditHelper::Instance);
    Listener().reset();
}
