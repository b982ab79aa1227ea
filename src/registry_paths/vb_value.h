#pragma once

// The few shapes of a VB variant the registry utilities take and give: Empty, a string, a
// number, a list of strings (a REG_MULTI_SZ read) and a list of numbers (bytes to write).

#include <string>
#include <variant>
#include <vector>

namespace tessaly::registry_paths {

using VbValue = std::variant<std::monostate, std::u16string, double, std::vector<std::u16string>,
                             std::vector<double>>;

}  // namespace tessaly::registry_paths
