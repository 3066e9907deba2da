// Which of an editor's optional values are set: MaxValue, MinValue and
// ReadOnly mean something only once assigned. Descendant editors add flags
// after these.
#pragma once

#include <cstdint>
#include <memory>

#include "classlib/persistent.h"

class TcxCustomEditProperties;
class TcxCustomEditPropertiesValues;

// An assigned-values class as a value: makes one for its properties.
using TcxCustomEditPropertiesValuesClass =
    std::unique_ptr<TcxCustomEditPropertiesValues> (*)(TcxCustomEditProperties& owner);

// The flags, as bit numbers of the set.
using TcxEditAssignedValue = int;
enum : TcxEditAssignedValue { avMaxValue, avMinValue, avReadOnly };

class TcxCustomEditPropertiesValues : public TPersistent {
public:
    explicit TcxCustomEditPropertiesValues(TcxCustomEditProperties& owner) : owner_(owner) {}
    static std::unique_ptr<TcxCustomEditPropertiesValues> Create(TcxCustomEditProperties& owner);

    TPersistent* GetOwner() const override;
    TcxCustomEditProperties& Owner() const { return owner_; }
    // The three flags, inside one update of the owner.
    void Assign(const TPersistent& source) override;

    bool IsAssigned(TcxEditAssignedValue value) const { return flags_ & Bit(value); }
    // Tells the owner of a change.
    void SetAssigned(TcxEditAssignedValue value, bool assigned);

    bool MaxValue() const { return IsAssigned(avMaxValue); }
    void SetMaxValue(bool value) { SetAssigned(avMaxValue, value); }
    bool MinValue() const { return IsAssigned(avMinValue); }
    void SetMinValue(bool value) { SetAssigned(avMinValue, value); }
    bool ReadOnly() const { return IsAssigned(avReadOnly); }
    void SetReadOnly(bool value) { SetAssigned(avReadOnly, value); }

    // Form text keeps a MaxValue (MinValue) flag only where the value cannot
    // say it: set, the value 0, and published by the owner's class.
    bool IsMaxValueStored() const;
    bool IsMinValueStored() const;

    // Every flag, descendants' too, inside one update of the owner.
    virtual void ClearAssigned();

protected:
    const TPropertyTable& Properties() const override;

private:
    static std::uint32_t Bit(TcxEditAssignedValue value) { return std::uint32_t{1} << value; }
    bool IsFlagStored(TcxEditAssignedValue value, const char* name, double ownerValue) const;

    TcxCustomEditProperties& owner_;
    std::uint32_t flags_ = 0;
};
