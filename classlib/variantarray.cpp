#include "classlib/exceptions.h"
#include "classlib/variant.h"
#include "classlib/variantarraydata.h"

#include <cstdint>
#include <limits>
#include <new>
#include <stdexcept>

namespace {
[[noreturn]] void BadIndex()
{
    throw EVariantError("Variant or safe array index out of bounds");
}

[[noreturn]] void NotAnArray()
{
    throw EVariantError("Variant is not an array");
}
}  // namespace

Variant::ArrayHandle::ArrayHandle(std::unique_ptr<ArrayData> d) : data(std::move(d)) {}
Variant::ArrayHandle::ArrayHandle(const ArrayHandle& other) : data(std::make_unique<ArrayData>(*other.data)) {}
Variant::ArrayHandle::ArrayHandle(ArrayHandle&&) noexcept = default;
Variant::ArrayHandle& Variant::ArrayHandle::operator=(const ArrayHandle& other)
{
    data = std::make_unique<ArrayData>(*other.data);
    return *this;
}
Variant::ArrayHandle& Variant::ArrayHandle::operator=(ArrayHandle&&) noexcept = default;
Variant::ArrayHandle::~ArrayHandle() = default;

Variant Variant::CreateArray(std::span<const int> bounds)
{
    if (bounds.empty() || bounds.size() % 2 != 0) {
        throw EVariantError("Variant array bounds come in pairs");
    }
    auto data = std::make_unique<ArrayData>();
    std::size_t total = 1;
    for (std::size_t i = 0; i < bounds.size(); i += 2) {
        const std::int64_t count = std::int64_t{bounds[i + 1]} - bounds[i] + 1;
        if (count < 0) {
            throw EVariantError("Variant array high bound below the low bound");
        }
        // Compared before narrowing: on 32 bits a full int range (2^32) would wrap to 0.
        constexpr auto kMax = std::numeric_limits<std::size_t>::max();
        if (static_cast<std::uint64_t>(count) > kMax) {
            throw EVariantError("Variant array too large");
        }
        const auto n = static_cast<std::size_t>(count);
        if (n != 0 && total > kMax / n) {
            throw EVariantError("Variant array too large");
        }
        total *= n;
        data->bounds.emplace_back(bounds[i], bounds[i + 1]);
    }
    try {
        data->items.resize(total);
    } catch (const std::bad_alloc&) {
        throw EVariantError("Variant array too large");
    } catch (const std::length_error&) {
        throw EVariantError("Variant array too large");
    }
    return Variant(varArray, ArrayHandle(std::move(data)));
}

Variant Variant::ArrayOf(std::vector<Variant> elements)
{
    if (elements.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw EVariantError("Variant array too large");
    }
    auto data = std::make_unique<ArrayData>();
    data->bounds.emplace_back(0, static_cast<int>(elements.size()) - 1);
    data->items = std::move(elements);
    return Variant(varArray, ArrayHandle(std::move(data)));
}

int Variant::DimCount() const noexcept
{
    return IsArray() ? static_cast<int>(std::get<ArrayHandle>(value_).data->bounds.size()) : 0;
}

int Variant::LowBound(int dim) const
{
    if (dim < 1 || dim > DimCount()) {
        IsArray() ? BadIndex() : NotAnArray();
    }
    return std::get<ArrayHandle>(value_).data->bounds[static_cast<std::size_t>(dim - 1)].first;
}

int Variant::HighBound(int dim) const
{
    if (dim < 1 || dim > DimCount()) {
        IsArray() ? BadIndex() : NotAnArray();
    }
    return std::get<ArrayHandle>(value_).data->bounds[static_cast<std::size_t>(dim - 1)].second;
}

const Variant& Variant::Element(std::span<const int> indices) const
{
    if (!IsArray()) {
        NotAnArray();
    }
    const ArrayData& data = *std::get<ArrayHandle>(value_).data;
    if (indices.size() != data.bounds.size()) {
        BadIndex();
    }
    std::size_t offset = 0;
    std::size_t stride = 1;
    for (std::size_t d = 0; d < indices.size(); ++d) {
        const auto [low, high] = data.bounds[d];
        if (indices[d] < low || indices[d] > high) {
            BadIndex();
        }
        offset += static_cast<std::size_t>(std::int64_t{indices[d]} - low) * stride;
        stride *= static_cast<std::size_t>(std::int64_t{high} - low + 1);
    }
    return data.items[offset];
}

Variant& Variant::Element(std::span<const int> indices)
{
    return const_cast<Variant&>(static_cast<const Variant&>(*this).Element(indices));
}

Variant VarArrayCreate(std::initializer_list<int> bounds, TVarType elementType)
{
    if (elementType != varVariant) {
        throw EVariantError("Variant arrays hold Variants only");
    }
    return Variant::CreateArray(std::span<const int>(bounds.begin(), bounds.size()));
}
