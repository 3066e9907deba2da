// The fourteen value types, in the order the unit registers them. Each lists
// what it does differently from its parent. Pointer-holding types take a
// pointer's size in the buffer: 4 bytes in the 32-bit build, 8 in 64-bit ones.
#pragma once

#include "editors/edit/datastorage/cxvaluetype.h"

class TPersistent;

// A pointer to a GBK string cell, none for Null; compares byte-wise.
class TcxStringValueType : public TcxValueType {
public:
    constexpr TcxStringValueType() = default;
    static const TcxStringValueType Instance;

    const char* ClassName() const override;
    int CompareBuffers(const void* a, const void* b) const override;
    void ReleaseBuffer(void* buffer) const override;
    int BufferSize() const override;
    Variant BufferToVariant(const void* buffer) const override;
    void LoadValue(void* buffer, TStream& stream) const override;
    void VariantToBuffer(void* buffer, const Variant& value) const override;
    void SaveValue(const void* buffer, TStream& stream) const override;
    int CompareValueData(const void* a, const void* b) const override;
    TVarType VariantTypeCode() const override;
    bool HoldsText() const override;
    void ResolveBuffer(const void*& buffer) const override;
};

// As String with a UTF-16 cell.
class TcxWideStringValueType : public TcxStringValueType {
public:
    constexpr TcxWideStringValueType() = default;
    static const TcxWideStringValueType Instance;

    const char* ClassName() const override;
    void ReleaseBuffer(void* buffer) const override;
    Variant BufferToVariant(const void* buffer) const override;
    void LoadValue(void* buffer, TStream& stream) const override;
    void VariantToBuffer(void* buffer, const Variant& value) const override;
    void SaveValue(const void* buffer, TStream& stream) const override;
    int CompareValueData(const void* a, const void* b) const override;
    TVarType VariantTypeCode() const override;
};

class TcxSmallintValueType : public TcxValueType {
public:
    constexpr TcxSmallintValueType() = default;
    static const TcxSmallintValueType Instance;

    const char* ClassName() const override;
    int BufferSize() const override;
    Variant BufferToVariant(const void* buffer) const override;
    void LoadValue(void* buffer, TStream& stream) const override;
    void VariantToBuffer(void* buffer, const Variant& value) const override;
    void SaveValue(const void* buffer, TStream& stream) const override;
    int CompareValueData(const void* a, const void* b) const override;
    TVarType VariantTypeCode() const override;
};

// Compares by the sign of the 64-bit difference, which cannot overflow.
class TcxIntegerValueType : public TcxValueType {
public:
    constexpr TcxIntegerValueType() = default;
    static const TcxIntegerValueType Instance;

    const char* ClassName() const override;
    int BufferSize() const override;
    Variant BufferToVariant(const void* buffer) const override;
    void LoadValue(void* buffer, TStream& stream) const override;
    void VariantToBuffer(void* buffer, const Variant& value) const override;
    void SaveValue(const void* buffer, TStream& stream) const override;
    int CompareValueData(const void* a, const void* b) const override;
    TVarType VariantTypeCode() const override;
};

class TcxWordValueType : public TcxValueType {
public:
    constexpr TcxWordValueType() = default;
    static const TcxWordValueType Instance;

    const char* ClassName() const override;
    int BufferSize() const override;
    Variant BufferToVariant(const void* buffer) const override;
    void LoadValue(void* buffer, TStream& stream) const override;
    void VariantToBuffer(void* buffer, const Variant& value) const override;
    void SaveValue(const void* buffer, TStream& stream) const override;
    int CompareValueData(const void* a, const void* b) const override;
    TVarType VariantTypeCode() const override;
};

// One byte, 0 or 1; shown as "True" or "False".
class TcxBooleanValueType : public TcxValueType {
public:
    constexpr TcxBooleanValueType() = default;
    static const TcxBooleanValueType Instance;

    const char* ClassName() const override;
    int BufferSize() const override;
    Variant BufferToVariant(const void* buffer) const override;
    std::string DefaultTextOf(const void* buffer) const override;
    void LoadValue(void* buffer, TStream& stream) const override;
    void VariantToBuffer(void* buffer, const Variant& value) const override;
    void SaveValue(const void* buffer, TStream& stream) const override;
    int CompareValueData(const void* a, const void* b) const override;
    TVarType VariantTypeCode() const override;
};

// A double, streamed as the 10-byte extended.
class TcxFloatValueType : public TcxValueType {
public:
    constexpr TcxFloatValueType() = default;
    static const TcxFloatValueType Instance;

    const char* ClassName() const override;
    int BufferSize() const override;
    Variant BufferToVariant(const void* buffer) const override;
    void LoadValue(void* buffer, TStream& stream) const override;
    void VariantToBuffer(void* buffer, const Variant& value) const override;
    void SaveValue(const void* buffer, TStream& stream) const override;
    int CompareValueData(const void* a, const void* b) const override;
    TVarType VariantTypeCode() const override;
};

// The 64-bit currency integer, value x 10000.
class TcxCurrencyValueType : public TcxValueType {
public:
    constexpr TcxCurrencyValueType() = default;
    static const TcxCurrencyValueType Instance;

    const char* ClassName() const override;
    int BufferSize() const override;
    Variant BufferToVariant(const void* buffer) const override;
    void LoadValue(void* buffer, TStream& stream) const override;
    void VariantToBuffer(void* buffer, const Variant& value) const override;
    void SaveValue(const void* buffer, TStream& stream) const override;
    int CompareValueData(const void* a, const void* b) const override;
    TVarType VariantTypeCode() const override;
};

// A date-time double.
class TcxDateTimeValueType : public TcxValueType {
public:
    constexpr TcxDateTimeValueType() = default;
    static const TcxDateTimeValueType Instance;

    const char* ClassName() const override;
    int BufferSize() const override;
    Variant BufferToVariant(const void* buffer) const override;
    std::string DefaultTextOf(const void* buffer) const override;
    void LoadValue(void* buffer, TStream& stream) const override;
    void VariantToBuffer(void* buffer, const Variant& value) const override;
    void SaveValue(const void* buffer, TStream& stream) const override;
    int CompareValueData(const void* a, const void* b) const override;
    TVarType VariantTypeCode() const override;
};

class TcxLargeIntValueType : public TcxValueType {
public:
    constexpr TcxLargeIntValueType() = default;
    static const TcxLargeIntValueType Instance;

    const char* ClassName() const override;
    int BufferSize() const override;
    Variant BufferToVariant(const void* buffer) const override;
    void LoadValue(void* buffer, TStream& stream) const override;
    void VariantToBuffer(void* buffer, const Variant& value) const override;
    void SaveValue(const void* buffer, TStream& stream) const override;
    int CompareValueData(const void* a, const void* b) const override;
    TVarType VariantTypeCode() const override;
};

// The 34-byte packed decimal record; streamed as a typed variant.
class TcxFMTBcdValueType : public TcxValueType {
public:
    constexpr TcxFMTBcdValueType() = default;
    static const TcxFMTBcdValueType Instance;

    const char* ClassName() const override;
    int BufferSize() const override;
    Variant BufferToVariant(const void* buffer) const override;
    std::string DefaultTextOf(const void* buffer) const override;
    void VariantToBuffer(void* buffer, const Variant& value) const override;
    int CompareValueData(const void* a, const void* b) const override;
    TVarType VariantTypeCode() const override;
};

// The 16-byte time-stamp record, read back as a date; streamed as a typed variant.
class TcxSQLTimeStampValueType : public TcxValueType {
public:
    constexpr TcxSQLTimeStampValueType() = default;
    static const TcxSQLTimeStampValueType Instance;

    const char* ClassName() const override;
    int BufferSize() const override;
    Variant BufferToVariant(const void* buffer) const override;
    void VariantToBuffer(void* buffer, const Variant& value) const override;
    int CompareValueData(const void* a, const void* b) const override;
    TVarType VariantTypeCode() const override;
};

// A pointer to a variant cell, none for Null; streamed as a typed variant.
class TcxVariantValueType : public TcxValueType {
public:
    constexpr TcxVariantValueType() = default;
    static const TcxVariantValueType Instance;

    const char* ClassName() const override;
    int CompareBuffers(const void* a, const void* b) const override;
    void ReleaseBuffer(void* buffer) const override;
    int BufferSize() const override;
    Variant BufferToVariant(const void* buffer) const override;
    void VariantToBuffer(void* buffer, const Variant& value) const override;
    int CompareValueData(const void* a, const void* b) const override;
    void ResolveBuffer(const void*& buffer) const override;
};

// An owned object kept as a pointer-wide integer; releasing frees it. Not
// streamed: loading and saving do nothing.
class TcxObjectValueType : public TcxIntegerValueType {
public:
    constexpr TcxObjectValueType() = default;
    static const TcxObjectValueType Instance;

    const char* ClassName() const override;
    void ReleaseBuffer(void* buffer) const override;
    int BufferSize() const override;
    Variant BufferToVariant(const void* buffer) const override;
    void LoadValue(void* buffer, TStream& stream) const override;
    void VariantToBuffer(void* buffer, const Variant& value) const override;
    void SaveValue(const void* buffer, TStream& stream) const override;
    int CompareValueData(const void* a, const void* b) const override;
    TVarType VariantTypeCode() const override;

    // The object a buffer holds, and storing one (the buffer then owns it).
    static TPersistent* ObjectOf(const void* buffer);
    static void SetObject(void* buffer, TPersistent* object);
};
