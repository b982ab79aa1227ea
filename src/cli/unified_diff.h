#pragma once

#include <string>
#include <string_view>

namespace tessaly::cli {

// What `before` becomes in `after` as a unified diff with three lines of context, under the
// headers "--- path" and "+++ path"; empty when they are equal. Lines are shown as their bytes,
// line break included. Lines are paired by place, as re-indentation leaves them; texts with
// different numbers of lines are shown as one hunk replacing all.
std::string UnifiedDiff(const std::string& path, std::string_view before, std::string_view after);

}  // namespace tessaly::cli
