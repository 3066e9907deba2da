// How a value of one kind lives in a raw record buffer: its size, how it
// converts to and from a variant, compares, shows and streams. Value types
// are classes used only as class references: each has one stateless
// instance and callers hold a pointer to it (TcxValueTypeClass). The
// operations keep the library's slot order.
//
// A text buffer is a pointer-sized slot holding the display string cell,
// none until StoreText makes one. Types whose values live in cells (String,
// WideString, Variant) keep the cell's pointer in the buffer; for them the
// "data" CompareValueData takes is the cell itself (ResolveBuffer), none
// for no value.
#pragma once

#include <string>

#include "classlib/streams.h"
#include "classlib/variant.h"

class TcxValueType {
public:
    constexpr TcxValueType() = default;
    TcxValueType(const TcxValueType&) = delete;
    TcxValueType& operator=(const TcxValueType&) = delete;

    static const TcxValueType Instance;

    // The class's own name, which TypeCaption shortens.
    virtual const char* ClassName() const;

    virtual int CompareBuffers(const void* a, const void* b) const;
    virtual void ReleaseBuffer(void* buffer) const;
    virtual void ReleaseTextBuffer(void* textBuffer) const;
    virtual int BufferSize() const;
    virtual Variant BufferToVariant(const void* buffer) const;
    // The value as text; empty when it has none.
    virtual std::string DefaultTextOf(const void* buffer) const;
    virtual std::string StoredTextOf(const void* textBuffer) const;
    // On a read error the buffer keeps its value.
    virtual void LoadValue(void* buffer, TStream& stream) const;
    virtual void LoadText(void* textBuffer, TStream& stream) const;
    virtual void VariantToBuffer(void* buffer, const Variant& value) const;
    virtual void StoreText(void* textBuffer, const std::string& text) const;
    virtual void SaveValue(const void* buffer, TStream& stream) const;
    virtual void SaveText(const void* textBuffer, TStream& stream) const;
    // The class name without "Tcx" before and "ValueType" after.
    virtual std::string TypeCaption() const;
    virtual int CompareValueData(const void* a, const void* b) const;
    virtual Variant ValueOf(const void* buffer) const;
    virtual TVarType VariantTypeCode() const;
    // Converts value in place to VariantTypeCode; false when it cannot be.
    virtual bool CanConvert(Variant& value) const;
    virtual bool HoldsText() const;
    virtual void ResolveBuffer(const void*& buffer) const;
};

using TcxValueTypeClass = const TcxValueType*;
