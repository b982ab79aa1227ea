#pragma once

// The runtime's conversions of stored setting texts. A text that does not convert yields
// nothing, so the caller skips the step as the editor's handlers do after a failed
// conversion.

#include <cstdint>
#include <optional>
#include <string>

namespace tessaly::addin {

// As the runtime reads a numeric text (registry_paths::ParseVbNumber): decimal with sign, fraction
// and exponent, or &H / &O.
std::optional<double> ToNumber(const std::u16string& text);
// Rounded half to even, as the runtime rounds to a whole number; nothing when out of range.
std::optional<std::int32_t> ToWholeNumber(const std::u16string& text);
// Any non-zero number is true; "True"/"False" in any letter case as well.
std::optional<bool> ToBoolean(const std::u16string& text);

}  // namespace tessaly::addin
