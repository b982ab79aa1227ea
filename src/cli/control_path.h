#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tessaly::cli {

// Where a caption stands on the function menu's bar: the bar's name, the popup's caption for
// a popup item, then the caption itself. Nothing for a caption the menu does not hold.
std::optional<std::vector<std::u16string>> MenuControlPath(const std::u16string& caption);

}  // namespace tessaly::cli
