#pragma once
// Amounts are 80-bit x87 extended floats, 10 bytes on disk and in the store's slots. The bytes
// are kept as read, so that a value the module never touches is written back unchanged.

#include <array>
#include <cfloat>
#include <cstdint>
#include <cstring>

static_assert(LDBL_MANT_DIG == 64, "amounts need the x87 80-bit long double");

using TAmount = long double;
using TRawValue = std::array<std::uint8_t, 10>;

inline TAmount ExtendedToAmount(const TRawValue& raw) {
    TAmount value = 0;
    std::memcpy(&value, raw.data(), raw.size());
    return value;
}

inline TRawValue AmountToExtended(TAmount value) {
    TRawValue raw{};
    std::memcpy(raw.data(), &value, raw.size());
    return raw;
}
