// Two class registries: one maps a class to another by inheritance (the most
// derived registered ancestor wins), one lists classes with a description.
#pragma once

#include <string>
#include <vector>

#include "editors/foundation/core/cxclasses.h"

struct TcxRegisteredClassListItemData {
    const TcxClass* ItemClass;
    const TcxClass* RegisteredClass;
};

class TcxRegisteredClassList {
public:
    TcxRegisteredClassList() = default;
    TcxRegisteredClassList(const TcxRegisteredClassList&) = delete;
    TcxRegisteredClassList& operator=(const TcxRegisteredClassList&) = delete;
    virtual ~TcxRegisteredClassList() = default;

    // True with index at the most derived registered ancestor of aClass (or
    // aClass itself); false with index at the first registered descendant,
    // left as the caller preset it when there is none.
    virtual bool Find(const TcxClass* aClass, int& index) const;
    // Ancestors stay ahead of their descendants; a later registration wins
    // over an earlier one of the same class.
    virtual void Register(const TcxClass* itemClass, const TcxClass* registeredClass);
    // Removes every pair of exactly these two classes.
    virtual void Unregister(const TcxClass* itemClass, const TcxClass* registeredClass);

    // The class registered for aClass or its nearest registered ancestor; nullptr when none.
    const TcxClass* GetClass(const TcxClass* aClass) const;
    void Clear() { items_.clear(); }
    int Count() const { return static_cast<int>(items_.size()); }
    const TcxRegisteredClassListItemData& Items(int index) const { return items_[index]; }

private:
    std::vector<TcxRegisteredClassListItemData> items_;
};

class TcxRegisteredClasses {
public:
    // registerWithLibrary: component classes also become creatable by name from form text.
    explicit TcxRegisteredClasses(bool registerWithLibrary = false) : registerWithLibrary_(registerWithLibrary) {}
    TcxRegisteredClasses(const TcxRegisteredClasses&) = delete;
    TcxRegisteredClasses& operator=(const TcxRegisteredClasses&) = delete;
    virtual ~TcxRegisteredClasses() = default;

    // A class already listed is left as it is.
    void Register(const TcxClass* aClass, const std::string& description);
    void Unregister(const TcxClass* aClass);
    void Clear() { items_.clear(); }

    int Count() const { return static_cast<int>(items_.size()); }
    const TcxClass* Items(int index) const { return items_[index].Class; }
    // The stored text up to its first "|".
    std::string Descriptions(int index) const;
    int IndexOfClass(const TcxClass* aClass) const;

    bool Sorted() const { return sorted_; }
    void SetSorted(bool value);

protected:
    // Below, equal or above zero as description index1 sorts before, with or after index2.
    virtual int CompareItems(int index1, int index2) const;
    virtual void Sort();

private:
    struct TItem {
        std::string Text;
        const TcxClass* Class;
    };
    bool registerWithLibrary_;
    bool sorted_ = false;
    std::vector<TItem> items_;
};
