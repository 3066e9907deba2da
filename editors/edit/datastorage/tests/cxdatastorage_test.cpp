#include "editors/edit/datastorage/cxdatastorage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "classlib/exceptions.h"
#include "classlib/persistent.h"
#include "classlib/units.h"
#include "editors/edit/core/cxeditunits.h"
#include "editors/edit/variants/cxplainstreams.h"
#include "editors/edit/variants/cxvariants.h"
#include "editors/edit/variants/tests/allocationwatch.h"

namespace {

// A record buffer of the type's size, released as the data storage would.
class TBuffer {
public:
    explicit TBuffer(TcxValueTypeClass type) : type_(type), bytes_(static_cast<std::size_t>(type->BufferSize()) + 1, 0)
    {
    }
    ~TBuffer() { type_->ReleaseBuffer(Data()); }
    TBuffer(const TBuffer&) = delete;
    TBuffer& operator=(const TBuffer&) = delete;

    // One byte in, so no type may count on an aligned buffer.
    void* Data() { return bytes_.data() + 1; }

private:
    TcxValueTypeClass type_;
    std::vector<std::uint8_t> bytes_;
};

struct TypeCase {
    TcxValueTypeClass type;
    const char* caption;
    int bufferSize;
    TVarType variantType;
    Variant low, high;
};

const int kPointer = static_cast<int>(sizeof(void*));

const TypeCase kTypes[] = {
    {&TcxStringValueType::Instance, "String", kPointer, varString, Variant("abc"), Variant("abd")},
    {&TcxWideStringValueType::Instance, "WideString", kPointer, varOleStr, Variant(u"a\u6587"), Variant(u"b")},
    {&TcxSmallintValueType::Instance, "Smallint", 2, varSmallint, Variant(std::int16_t{-32768}),
     Variant(std::int16_t{32767})},
    {&TcxIntegerValueType::Instance, "Integer", 4, varInteger, Variant(std::numeric_limits<std::int32_t>::min()),
     Variant(std::numeric_limits<std::int32_t>::max())},
    {&TcxWordValueType::Instance, "Word", 2, varWord, Variant(std::uint16_t{0}), Variant(std::uint16_t{65535})},
    {&TcxBooleanValueType::Instance, "Boolean", 1, varBoolean, Variant(false), Variant(true)},
    {&TcxFloatValueType::Instance, "Float", 8, varDouble, Variant(-1e300), Variant(0.1)},
    {&TcxCurrencyValueType::Instance, "Currency", 8, varCurrency,
     Variant(Currency{std::numeric_limits<std::int64_t>::min()}), Variant(Currency{12500})},
    {&TcxDateTimeValueType::Instance, "DateTime", 8, varDate, VarFromDateTime(45293.25), VarFromDateTime(45293.5)},
    {&TcxLargeIntValueType::Instance, "LargeInt", 8, varInt64, Variant(std::numeric_limits<std::int64_t>::min()),
     Variant(std::numeric_limits<std::int64_t>::max())},
    {&TcxFMTBcdValueType::Instance, "FMTBcd", 34, varFMTBcd, Variant(Int64ToBcd(-5)), Variant(Int64ToBcd(123))},
    {&TcxSQLTimeStampValueType::Instance, "SQLTimeStamp", 16, varSQLTimeStamp,
     Variant(TSQLTimeStamp{2024, 1, 2, 13, 5, 0, 0}), Variant(TSQLTimeStamp{2024, 1, 2, 13, 5, 0, 1})},
    {&TcxVariantValueType::Instance, "Variant", kPointer, varVariant, Variant(std::int32_t{1}), Variant(2.5)},
    {&TcxObjectValueType::Instance, "Object", kPointer, kPointer == 4 ? varInteger : varInt64, Variant(), Variant()},
};

std::string Saved(TcxValueTypeClass type, void* buffer)
{
    TMemoryStream s;
    type->SaveValue(buffer, s);
    return {reinterpret_cast<const char*>(s.Memory()), static_cast<std::size_t>(s.Size())};
}

} // namespace

TEST(TcxDataStorage, TheEditUnitsRegisterTheFourteenInOrderOnceAndTheLastEndEmptiesTheList)
{
    const int count = static_cast<int>(std::size(kTypes));
    {
        TUnitsStarted units(cxEditUnits());
        ASSERT_EQ(cxValueTypeClassList().Count(), count);
        for (int i = 0; i < count; ++i)
            EXPECT_EQ(cxValueTypeClassList().Items(i), kTypes[i].type) << kTypes[i].caption;
        cxValueTypeClassList().RegisterItem(&TcxStringValueType::Instance);
        EXPECT_EQ(cxValueTypeClassList().Count(), count);

        cxDataStorageInitialize();
        cxDataStorageFinalize();
        EXPECT_EQ(cxValueTypeClassList().Count(), count);
        cxValueTypeClassList().UnregisterItem(&TcxFloatValueType::Instance);
        EXPECT_EQ(cxValueTypeClassList().Count(), count - 1);
    }
    EXPECT_EQ(cxValueTypeClassList().Count(), 0);
}

TEST(TcxValueTypes, DescribeTheirBuffersAndVariants)
{
    for (const auto& c : kTypes) {
        EXPECT_EQ(c.type->TypeCaption(), c.caption);
        EXPECT_EQ(c.type->BufferSize(), c.bufferSize) << c.caption;
        EXPECT_EQ(c.type->VariantTypeCode(), c.variantType) << c.caption;
        bool holdsText = c.type == &TcxStringValueType::Instance || c.type == &TcxWideStringValueType::Instance;
        EXPECT_EQ(c.type->HoldsText(), holdsText) << c.caption;
    }
    EXPECT_EQ(TcxValueType::Instance.TypeCaption(), "");
    EXPECT_EQ(TcxValueType::Instance.VariantTypeCode(), varVariant);
}

TEST(TcxValueTypes, ValuesGoThroughBufferAndStreamAndCompareInOrder)
{
    for (const auto& c : kTypes) {
        if (c.low.IsEmpty())
            continue;
        TBuffer low(c.type), high(c.type), loaded(c.type);
        c.type->VariantToBuffer(low.Data(), c.low);
        c.type->VariantToBuffer(high.Data(), c.high);
        Variant lowBack = c.type->BufferToVariant(low.Data());
        EXPECT_EQ(CompareVariants(lowBack, c.low), 0) << c.caption;
        EXPECT_EQ(CompareVariants(c.type->ValueOf(high.Data()), c.high), 0) << c.caption;

        EXPECT_LT(c.type->CompareBuffers(low.Data(), high.Data()), 0) << c.caption;
        EXPECT_GT(c.type->CompareBuffers(high.Data(), low.Data()), 0) << c.caption;
        EXPECT_EQ(c.type->CompareBuffers(low.Data(), low.Data()), 0) << c.caption;

        TMemoryStream s;
        c.type->SaveValue(high.Data(), s);
        s.SetPosition(0);
        c.type->LoadValue(loaded.Data(), s);
        EXPECT_EQ(s.Position(), s.Size()) << c.caption;
        EXPECT_EQ(c.type->CompareBuffers(loaded.Data(), high.Data()), 0) << c.caption;
        EXPECT_EQ(Saved(c.type, loaded.Data()), Saved(c.type, high.Data())) << c.caption;
    }
}

TEST(TcxValueTypes, IntegersCompareByTheSignEvenWhereTheDifferenceOverflows)
{
    std::int32_t low = std::numeric_limits<std::int32_t>::min(), high = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(TcxIntegerValueType::Instance.CompareValueData(&low, &high), -1);
    EXPECT_EQ(TcxIntegerValueType::Instance.CompareValueData(&high, &low), 1);
    std::int16_t s1 = -32768, s2 = 32767;
    EXPECT_LT(TcxSmallintValueType::Instance.CompareValueData(&s1, &s2), 0);
}

TEST(TcxValueTypes, NoCellSortsFirstAndIsNull)
{
    const TcxValueTypeClass cellTypes[] = {&TcxStringValueType::Instance, &TcxWideStringValueType::Instance,
                                           &TcxVariantValueType::Instance};
    for (TcxValueTypeClass type : cellTypes) {
        TBuffer none(type), other(type), value(type);
        type->VariantToBuffer(value.Data(), Variant(""));
        EXPECT_TRUE(type->BufferToVariant(none.Data()).IsNull()) << type->TypeCaption();
        EXPECT_EQ(type->CompareBuffers(none.Data(), other.Data()), 0) << type->TypeCaption();
        EXPECT_EQ(type->CompareBuffers(none.Data(), value.Data()), -1) << type->TypeCaption();
        EXPECT_EQ(type->CompareBuffers(value.Data(), none.Data()), 1) << type->TypeCaption();
        const void* resolved = value.Data();
        type->ResolveBuffer(resolved);
        EXPECT_NE(resolved, value.Data()) << type->TypeCaption();
        EXPECT_EQ(type->CompareValueData(resolved, nullptr), 1) << type->TypeCaption();
        type->VariantToBuffer(value.Data(), Variant::Null());
        EXPECT_TRUE(type->ValueOf(value.Data()).IsNull()) << type->TypeCaption();
    }
}

TEST(TcxValueTypes, TheObjectTypeFreesItsObjectAndIsNotStreamed)
{
    static int freed = 0;
    struct TCounted : TPersistent {
        ~TCounted() override { ++freed; }
    };
    auto* first = new TCounted, * second = new TCounted;
    const TcxObjectValueType& type = TcxObjectValueType::Instance;
    std::vector<std::uint8_t> a(sizeof(void*)), b(sizeof(void*));
    TcxObjectValueType::SetObject(a.data(), first);
    type.VariantToBuffer(b.data(), type.BufferToVariant(a.data()));
    EXPECT_EQ(TcxObjectValueType::ObjectOf(b.data()), first);
    TcxObjectValueType::SetObject(b.data(), second);
    int expected = first < second ? -1 : 1;
    EXPECT_EQ(type.CompareBuffers(a.data(), b.data()), expected);

    TMemoryStream s;
    type.SaveValue(a.data(), s);
    EXPECT_EQ(s.Size(), 0);
    type.ReleaseBuffer(a.data());
    type.ReleaseBuffer(b.data());
    EXPECT_EQ(freed, 2);
    EXPECT_EQ(TcxObjectValueType::ObjectOf(a.data()), nullptr);
}

TEST(TcxValueTypes, TextIsShownStoredAndStreamed)
{
    struct Case {
        TcxValueTypeClass type;
        Variant value;
        const char* text;
    };
    const Case cases[] = {
        {&TcxBooleanValueType::Instance, Variant(true), "True"},
        {&TcxBooleanValueType::Instance, Variant("False"), "False"},
        {&TcxIntegerValueType::Instance, Variant("-12"), "-12"},
        {&TcxFloatValueType::Instance, Variant(2.5), "2.5"},
        {&TcxCurrencyValueType::Instance, Variant(1.25), "1.25"},
        {&TcxFMTBcdValueType::Instance, Variant("-12.50"), "-12.5"},
        {&TcxStringValueType::Instance, Variant(std::int32_t{7}), "7"},
        {&TcxVariantValueType::Instance, Variant::Null(), ""},
    };
    for (const auto& c : cases) {
        TBuffer buffer(c.type);
        c.type->VariantToBuffer(buffer.Data(), c.value);
        EXPECT_EQ(c.type->DefaultTextOf(buffer.Data()), c.text) << c.type->TypeCaption();
    }

    void* textBuffer = nullptr;
    const TcxValueType& type = TcxValueType::Instance;
    EXPECT_EQ(type.StoredTextOf(&textBuffer), "");
    type.StoreText(&textBuffer, "\xCE\xC4");
    TMemoryStream s;
    type.SaveText(&textBuffer, s);
    type.ReleaseTextBuffer(&textBuffer);
    EXPECT_EQ(textBuffer, nullptr);
    s.SetPosition(0);
    type.LoadText(&textBuffer, s);
    EXPECT_EQ(type.StoredTextOf(&textBuffer), "\xCE\xC4");
    type.ReleaseTextBuffer(&textBuffer);
}

TEST(TcxValueTypes, CanConvertConvertsInPlaceOrSaysNo)
{
    struct Case {
        TcxValueTypeClass type;
        Variant value;
        bool expected;
        TVarType after;
    };
    const Case cases[] = {
        {&TcxIntegerValueType::Instance, Variant("12"), true, varInteger},
        {&TcxIntegerValueType::Instance, Variant("abc"), false, varString},
        {&TcxIntegerValueType::Instance, Variant::Null(), true, varNull},
        {&TcxSmallintValueType::Instance, Variant(std::int32_t{40000}), false, varInteger},
        {&TcxVariantValueType::Instance, Variant("abc"), true, varString},
        {&TcxDateTimeValueType::Instance, Variant(2.0), true, varDate},
    };
    for (const auto& c : cases) {
        Variant v = c.value;
        EXPECT_EQ(c.type->CanConvert(v), c.expected) << c.type->TypeCaption();
        EXPECT_EQ(VarType(v), c.after) << c.type->TypeCaption();
    }
}

TEST(TcxValueTypes, HostileStreamsLeaveTheBufferAsItWas)
{
    struct Case {
        TcxValueTypeClass type;
        std::string bytes;
    };
    const Case cases[] = {
        {&TcxStringValueType::Instance, std::string("\xFF\xFF\xFF\xFF" "abc")},
        {&TcxWideStringValueType::Instance, std::string("\x01\0\0\x80" "abcd", 8)},
        {&TcxVariantValueType::Instance, std::string("\x0C\xFF\xFF\xFF\xFF" "abc")},
        {&TcxVariantValueType::Instance, std::string("\x01\x02\xFF", 3)},
        {&TcxIntegerValueType::Instance, std::string("\x01\x02", 2)},
        {&TcxFloatValueType::Instance, std::string(9, '\0')},
        {&TcxFMTBcdValueType::Instance, std::string("\x12\x01\0\0\0", 5)},
    };
    for (const auto& c : cases) {
        TBuffer buffer(c.type);
        c.type->VariantToBuffer(buffer.Data(), Variant("1"));
        std::string before = Saved(c.type, buffer.Data());
        TMemoryStream s;
        s.WriteBuffer(c.bytes.data(), c.bytes.size());
        s.SetPosition(0);
        TAllocationWatch watch;
        EXPECT_THROW(c.type->LoadValue(buffer.Data(), s), EReadError) << c.type->TypeCaption();
        EXPECT_LT(watch.Largest(), 1024u) << c.type->TypeCaption();
        EXPECT_EQ(Saved(c.type, buffer.Data()), before) << c.type->TypeCaption();
    }

    void* textBuffer = nullptr;
    TcxValueType::Instance.StoreText(&textBuffer, "kept");
    TMemoryStream s;
    s.WriteBuffer("\xFF\xFF\xFF\x7F", 4);
    s.SetPosition(0);
    EXPECT_THROW(TcxValueType::Instance.LoadText(&textBuffer, s), EReadError);
    EXPECT_EQ(TcxValueType::Instance.StoredTextOf(&textBuffer), "kept");
    TcxValueType::Instance.ReleaseTextBuffer(&textBuffer);
}
