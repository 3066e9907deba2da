// What the generic editor asks of the Windows control inside it (the text
// editors' EDIT), and the helper some of those controls answer through.
#pragma once

#include <functional>
#include <memory>

class TComponent;
class TWinControl;
class TcxCustomEdit;

// Runs when the inner control's text changed.
using TcxInnerEditChangeEvent = std::function<void()>;

// {468D21B5-48AA-4077-8ED5-4C6112D460B1}
class IcxCustomInnerEdit {
public:
    // The control itself.
    virtual TWinControl& WinControl() = 0;
    // Gives it the focus where it can take it.
    virtual void FocusInner() = 0;
    // The editor becomes its parent.
    virtual void AttachToEditor(TcxCustomEdit& edit) = 0;
    virtual void SetChangeNotification(TcxInnerEditChangeEvent handler) = 0;
    virtual void SetReadOnlyState(bool value) = 0;

protected:
    ~IcxCustomInnerEdit() = default;
};

// {35667555-6DC8-40D5-B705-B08D5697C621}: an object that hands out the
// inner-edit interface of another object instead of answering it itself.
class IcxInnerEditHelper {
public:
    virtual IcxCustomInnerEdit& GetHelper() = 0;

protected:
    ~IcxInnerEditHelper() = default;
};

// An inner edit class as a value: makes one for the editor, which then owns
// it. The object answers IcxCustomInnerEdit or IcxInnerEditHelper.
using TcxInnerEditClass = std::unique_ptr<TComponent> (*)(TcxCustomEdit& edit);
