#include "editors/controls/time/cxfiltertimeedithelper.h"

#include <memory>

#include "classlib/classregistry.h"
#include "editors/controls/time/cxtimeedit.h"
#include "editors/controls/time/cxtimeeditformatlistener.h"
#include "editors/edit/repository/cxeditpropertiesregistry.h"

namespace {

// The unit's one listener, alive from the first time editor to the unit's end.
std::unique_ptr<TcxTimeEditFormatListener>& Listener()
{
    static std::unique_ptr<TcxTimeEditFormatListener> listener;
    return listener;
}

bool unitStarted = false;

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
    unitStarted = true;
    EditPropertiesRegistry().Register(&cxTimeEditPropertiesClass, "TimeEdit|Represents an editor displaying time values");
    FilterEditsControllerInstance().Register(&cxTimeEditPropertiesClass, &TcxFilterTimeEditHelper::Instance);
    RegisterComponentClass(cxTimeEditClass.Name, cxTimeEditClass.Factory);
}

TcxTimeEditFormatListener* cxTimeEditFormatListener()
{
    // Made with the first time editor, so a program that shows none does not
    // start the format controller it listens to.
    if (!Listener() && unitStarted)
        Listener() = std::make_unique<TcxTimeEditFormatListener>();
    return Listener().get();
}

// The controller frees itself with its last registration.
void cxTimeEditFinalize()
{
    FilterEditsControllerInstance().Unregister(&cxTimeEditPropertiesClass, &TcxFilterTimeEditHelper::Instance);
    Listener().reset();
    unitStarted = false;
}
