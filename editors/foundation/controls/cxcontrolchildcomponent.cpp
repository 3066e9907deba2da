#include "editors/foundation/controls/cxcontrolchildcomponent.h"

#include "editors/foundation/controls/cxcontrols.h"

TcxControlChildComponent::TcxControlChildComponent(TcxControl& control, bool assignOwner)
    : TcxComponent(assignOwner ? control.Owner() : nullptr)
{
    SetControl(&control);
}

TcxControlChildComponent::~TcxControlChildComponent()
{
    if (control_)
        control_->RemoveChildComponent(*this);
}

// The control tells the child when it goes, so the child never reaches
// back into a freed control.
void TcxControlChildComponent::SetControl(TcxControl* value)
{
    if (value == control_)
        return;
    if (control_)
        control_->RemoveFreeNotification(this);
    control_ = value;
    if (control_)
        control_->FreeNotification(this);
}

void TcxControlChildComponent::SetParentComponent(TComponent* parent)
{
    if (auto* control = dynamic_cast<TcxControl*>(parent))
        control->AddChildComponent(*this);
}

TComponent* TcxControlChildComponent::GetParentComponent() const
{
    return control_;
}

void TcxControlChildComponent::Notification(TComponent* component, TOperation operation)
{
    TcxComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == control_)
        control_ = nullptr;
}
