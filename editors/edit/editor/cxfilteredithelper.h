// How each editor kind is used to enter a filter value: a helper per kind,
// used only as a class (one stateless instance each, held by pointer), and
// the process-wide registry that maps a properties class to its helper.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "classlib/variant.h"
#include "editors/edit/datastorage/cxvaluetype.h"
#include "editors/foundation/core/cxregisteredclasses.h"

class TcxCustomEdit;
class TcxCustomEditProperties;

// Filter operators by number, 1 to 40, as bits 1 to 40 of a set.
using TcxFilterOperators = std::uint64_t;
constexpr TcxFilterOperators cxFilterOperator(int number)
{
    return TcxFilterOperators{1} << number;
}
// Operators first to last.
constexpr TcxFilterOperators cxFilterOperators(int first, int last)
{
    TcxFilterOperators set = 0;
    for (int number = first; number <= last; ++number)
        set |= cxFilterOperator(number);
    return set;
}

class TcxCustomFilterEditHelper {
public:
    constexpr explicit TcxCustomFilterEditHelper(const TcxClass& classRecord) : classRecord_(classRecord) {}
    TcxCustomFilterEditHelper(const TcxCustomFilterEditHelper&) = delete;
    TcxCustomFilterEditHelper& operator=(const TcxCustomFilterEditHelper&) = delete;

    static const TcxClass Class;
    static const TcxCustomFilterEditHelper Instance;
    // The record the registry keeps for this helper class.
    const TcxClass& ClassRecord() const { return classRecord_; }

    // The operations in their class's order.
    // Button click, change, edit-value changed and validate.
    virtual void ClearPropertiesEvents(TcxCustomEditProperties& properties) const;
    virtual void InitFilterEdit(TcxCustomEdit& edit, const TcxCustomEditProperties& source) const;
    virtual bool KeepsProvider(const TcxCustomEditProperties& source) const;
    // Not 0: the filter editor keeps its buttons.
    virtual int FilterDataKind() const;
    virtual void GetFilterValue(TcxCustomEdit& edit, const TcxCustomEditProperties& properties, std::string& text,
                                Variant& value) const;
    // valueType: none when not known.
    virtual void FilterOperatorsFor(const TcxCustomEditProperties& properties, TcxValueTypeClass valueType,
                                    TcxFilterOperators& operators, bool extended) const;
    // The editor class a filter uses; none here.
    virtual const TcxClass* FilterEditorClass() const;
    virtual void InitFilterProperties(TcxCustomEditProperties& target, const TcxCustomEditProperties& source,
                                      bool keepButtons) const;
    virtual bool AcceptsValue(TcxValueTypeClass valueType, const Variant& value) const;
    virtual void ApplyFilterValue(TcxCustomEdit& edit, TcxCustomEditProperties& properties,
                                  const Variant& value) const;
    virtual bool ShowsDisplayValue() const;

private:
    const TcxClass& classRecord_;
};

using TcxCustomFilterEditHelperClass = const TcxCustomFilterEditHelper*;

class TcxFilterEditsController : public TcxRegisteredClassList {
public:
    // Stored under the parent of itemClass.
    void Register(const TcxClass* itemClass, TcxCustomFilterEditHelperClass helper);
    // Once the last registration goes, the registry is freed: this object
    // is gone when the call returns with an empty list.
    void Unregister(const TcxClass* itemClass, TcxCustomFilterEditHelperClass helper);
    // The helper of a properties class or its nearest registered ancestor; none when none is.
    TcxCustomFilterEditHelperClass FindHelper(const TcxClass* propertiesClass) const;

private:
    using TcxRegisteredClassList::Register;
    using TcxRegisteredClassList::Unregister;

    std::vector<TcxCustomFilterEditHelperClass> helpers_;
};

// Made on first use.
TcxFilterEditsController& FilterEditsControllerInstance();
