// What an editor's data binding knows of the values it edits (their
// bounds, alignment, read-only state, formats), asked by the properties
// where they have no value of their own. A provider going away clears
// itself from every properties object still pointing at it.
#pragma once

#include "classlib/control.h"
#include "editors/foundation/core/cxclasses.h"

// {AE727882-6FDF-4E3A-AB35-E58AB28EFE7B}
class IcxEditDefaultValuesProvider {
public:
    virtual bool AllowsEditMode() const = 0;
    // Every properties object that points at this provider drops it.
    virtual void ClearUsers() = 0;
    virtual TAlignment DefaultAlignment() const = 0;
    virtual bool AllowsModify() const = 0;
    virtual double DefaultMaxValue() const = 0;
    virtual double DefaultMinValue() const = 0;
    virtual bool DefaultReadOnly() const = 0;
    // The object that implements the interface.
    virtual TPersistent* GetInstance() = 0;
    virtual bool IsValueStore() const = 0;
    virtual bool DataPresent() const = 0;
    virtual bool IsDisplayFormatDefined(bool editing) const = 0;
    virtual bool HasTextHandler() const = 0;
    virtual bool AcceptsChar(char character) const = 0;

protected:
    ~IcxEditDefaultValuesProvider() = default;
};

class TcxCustomEditDefaultValuesProvider : public TcxInterfacedPersistent, public IcxEditDefaultValuesProvider {
public:
    explicit TcxCustomEditDefaultValuesProvider(TPersistent* owner) : TcxInterfacedPersistent(owner) {}
    ~TcxCustomEditDefaultValuesProvider() override;

    bool AllowsEditMode() const override { return true; }
    void ClearUsers() override;
    TAlignment DefaultAlignment() const override { return TAlignment::taLeftJustify; }
    bool AllowsModify() const override { return true; }
    double DefaultMaxValue() const override { return 0; }
    double DefaultMinValue() const override { return 0; }
    bool DefaultReadOnly() const override { return false; }
    TPersistent* GetInstance() override { return this; }
    bool IsValueStore() const override { return false; }
    bool DataPresent() const override { return true; }
    bool IsDisplayFormatDefined(bool) const override { return false; }
    bool HasTextHandler() const override { return false; }
    bool AcceptsChar(char) const override { return true; }
};
