// A component that belongs to a custom control (a column, a band, a
// style): it knows its control, and the control can lose it either way.
#pragma once

#include "editors/foundation/core/cxclasses.h"

class TcxControl;

class TcxControlChildComponent : public TcxComponent {
public:
    explicit TcxControlChildComponent(TComponent* owner = nullptr) : TcxComponent(owner) {}
    // Owned by the control's owner when assignOwner, else by nobody.
    TcxControlChildComponent(TcxControl& control, bool assignOwner);
    ~TcxControlChildComponent() override;

    TcxControl* Control() const { return control_; }
    virtual void SetControl(TcxControl* value);
    bool IsDestroying() const { return (ComponentState() & csDestroying) != 0; }
    // The control it belongs to, for the form text; joins it when one is given.
    void SetParentComponent(TComponent* parent);
    TComponent* GetParentComponent() const;
    bool HasParent() const { return control_ != nullptr; }

protected:
    // Called by an owner that makes its children.
    virtual void Initialize() {}
    void Notification(TComponent* component, TOperation operation) override;

private:
    TcxControl* control_ = nullptr;
};
