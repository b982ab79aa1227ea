#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::cli {

struct LinePair {
  std::size_t before;
  std::size_t after;
  bool operator==(const LinePair&) const = default;
};

// Pairs of equal lines, increasing on both sides: a common subsequence of the two texts, the
// longest one wherever lines unique on both sides or small regions allow finding it
// (patience matching, exact matching inside small gaps). Near-linear on whole modules.
std::vector<LinePair> MatchEqualLines(std::span<const std::u16string_view> before,
                                      std::span<const std::u16string_view> after);

// For each edited line, the original line it stems from, if any: equal lines first, then
// lines equal but for leading and trailing blanks (re-indented), then the remaining lines of
// each changed region pairwise in order (edited in place). Unpaired originals were deleted,
// unpaired edited lines inserted.
std::vector<std::optional<std::size_t>> FindLineOrigins(std::span<const std::u16string> before,
                                                        std::span<const std::u16string> after);

}  // namespace tessaly::cli
