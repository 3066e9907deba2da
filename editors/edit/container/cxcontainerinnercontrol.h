// What the container and the control inside it tell each other about.
#pragma once

class TcxContainer;
class TWinControl;

// Implemented by a container's inner control.
class IcxContainerInnerControl {
public:
    virtual TWinControl* GetInnerWinControl() = 0;
    virtual TcxContainer* GetOwningContainer() = 0;

protected:
    ~IcxContainerInnerControl() = default;
};

// The window that really receives a control's input.
class IcxFocusTarget {
public:
    virtual TWinControl* GetFocusTarget() = 0;

protected:
    ~IcxFocusTarget() = default;
};
