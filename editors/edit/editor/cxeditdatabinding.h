// The editor's value binding: where its value comes from and goes to, and
// the default values provider its properties fall back on. The base class
// binds to nothing; it keeps the value in the editor.
#pragma once

#include <memory>

#include "classlib/persistent.h"
#include "classlib/variant.h"
#include "editors/edit/properties/cxeditdefaultvaluesprovider.h"

class TcxCustomEdit;
class TcxEditDataBinding;

// A binding class as a value: makes one of that class for the editor.
using TcxEditDataBindingClass = std::unique_ptr<TcxEditDataBinding> (*)(TcxCustomEdit& edit);
// A provider class as a value.
using TcxEditDefaultValuesProviderClass = std::unique_ptr<TcxCustomEditDefaultValuesProvider> (*)(TPersistent* owner);

class TcxEditDataBinding : public TPersistent {
public:
    explicit TcxEditDataBinding(TcxCustomEdit& edit);
    ~TcxEditDataBinding() override;
    TcxEditDataBinding(const TcxEditDataBinding&) = delete;
    TcxEditDataBinding& operator=(const TcxEditDataBinding&) = delete;
    static std::unique_ptr<TcxEditDataBinding> Create(TcxCustomEdit& edit);

    TcxCustomEdit& Edit() const { return *edit_; }
    TPersistent* GetOwner() const override;

    // The operations in their class's order.
    virtual void DefaultValuesChanged();
    virtual Variant ReadDisplayValue() const;
    virtual bool IsEditorModified() const;
    virtual bool IsEditing() const;
    virtual Variant ReadStoredValue() const;
    // The editor's RevertValue.
    virtual void Reset();
    virtual void WriteDisplayValue(const Variant& value);
    // Marks the editor modified by the user; false refuses editing.
    virtual bool StartEditMode();
    virtual void WriteStoredValue(const Variant& value);
    virtual bool AllowsCheck() const;
    virtual bool CanPostStored() const;
    // The class library here has no actions: neither is handled.
    virtual bool ExecuteAction() { return false; }
    virtual TcxEditDefaultValuesProviderClass GetDefaultValuesProviderClass() const { return providerClass_; }
    virtual void DataChanged();
    virtual bool UpdateAction() { return false; }
    virtual void RefreshDisplay();
    virtual void NameChangedHook() {}

    // The provider holds data to edit.
    bool HasData() const;
    IcxEditDefaultValuesProvider* GetDefaultValuesProvider() const { return provider_.get(); }

protected:
    // Descendants pass the provider class they use: it is made here, before
    // their own constructor could answer GetDefaultValuesProviderClass.
    TcxEditDataBinding(TcxCustomEdit& edit, TcxEditDefaultValuesProviderClass providerClass);

private:
    TcxCustomEdit* edit_;
    TcxEditDefaultValuesProviderClass providerClass_;
    std::unique_ptr<TcxCustomEditDefaultValuesProvider> provider_;
};
