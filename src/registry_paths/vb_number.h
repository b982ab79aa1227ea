#pragma once

// Numbers as the VB runtime reads and writes them in text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly::registry_paths {

// A numeric text (IsNumeric): blanks around, a sign, digits with a decimal point and an
// exponent, or &H / &O followed by at most 8 hex or 11 octal digits, read as a 32-bit value.
std::optional<double> ParseVbNumber(std::u16string_view text);

// CStr of a Double: whole numbers without a point, others with up to 15 significant digits.
std::u16string FormatVbNumber(double number);

// CLng: rounds halves to even; nothing when the result falls outside 32 bits.
std::optional<std::int32_t> VbLong(double number);

// The same rounding into an arbitrary range.
std::optional<std::int64_t> RoundHalfEvenIn(double number, std::int64_t low, std::int64_t high);

}  // namespace tessaly::registry_paths
