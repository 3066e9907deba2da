// The value types that hold a record of their custom variant kind: FMTBcd
// and SQL time stamps.
#include "classlib/formatsettings.h"
#include "editors/edit/datastorage/cxvaluebuffers.h"
#include "editors/edit/datastorage/cxvaluetypes.h"

// FMTBcd

const TcxFMTBcdValueType TcxFMTBcdValueType::Instance;
const char* TcxFMTBcdValueType::ClassName() const { return "TcxFMTBcdValueType"; }
int TcxFMTBcdValueType::BufferSize() const { return sizeof(TBcd); }
TVarType TcxFMTBcdValueType::VariantTypeCode() const { return varFMTBcd; }

Variant TcxFMTBcdValueType::BufferToVariant(const void* buffer) const
{
    return Variant(cxBufferValue<TBcd>(buffer));
}

std::string TcxFMTBcdValueType::DefaultTextOf(const void* buffer) const
{
    return BcdToStr(cxBufferValue<TBcd>(buffer), FormatSettings());
}

void TcxFMTBcdValueType::VariantToBuffer(void* buffer, const Variant& value) const
{
    cxSetBufferValue(buffer, value.ToBcd());
}

int TcxFMTBcdValueType::CompareValueData(const void* a, const void* b) const
{
    return BcdCompare(cxBufferValue<TBcd>(a), cxBufferValue<TBcd>(b));
}

// SQLTimeStamp

const TcxSQLTimeStampValueType TcxSQLTimeStampValueType::Instance;
const char* TcxSQLTimeStampValueType::ClassName() const { return "TcxSQLTimeStampValueType"; }
int TcxSQLTimeStampValueType::BufferSize() const { return sizeof(TSQLTimeStamp); }
TVarType TcxSQLTimeStampValueType::VariantTypeCode() const { return varSQLTimeStamp; }

Variant TcxSQLTimeStampValueType::BufferToVariant(const void* buffer) const
{
    return VarFromDateTime(SQLTimeStampToDateTime(cxBufferValue<TSQLTimeStamp>(buffer)));
}

void TcxSQLTimeStampValueType::VariantToBuffer(void* buffer, const Variant& value) const
{
    cxSetBufferValue(buffer, value.ToSQLTimeStamp());
}

// Field by field from the year down; the first that differs decides.
int TcxSQLTimeStampValueType::CompareValueData(const void* a, const void* b) const
{
    auto x = cxBufferValue<TSQLTimeStamp>(a), y = cxBufferValue<TSQLTimeStamp>(b);
    const int differences[] = {x.Year - y.Year, x.Month - y.Month, x.Day - y.Day,
                               x.Hour - y.Hour, x.Minute - y.Minute, x.Second - y.Second};
    for (int d : differences)
        if (d != 0)
            return d;
    return cxSign(x.Fractions, y.Fractions);
}
