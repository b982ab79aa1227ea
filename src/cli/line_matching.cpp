#include "cli/line_matching.h"

#include <algorithm>
#include <unordered_map>

namespace tessaly::cli {

namespace {

using Lines = std::span<const std::u16string_view>;

// A rectangle of the comparison still to be matched: before[a0, a1) against after[b0, b1).
struct Region {
  std::size_t a0, a1, b0, b1;
  bool Empty() const { return a0 == a1 || b0 == b1; }
};

// Longest increasing run of `after` indices among pairs sorted by `before` (patience sorting).
std::vector<LinePair> LongestIncreasingRun(const std::vector<LinePair>& candidates) {
  std::vector<std::size_t> tails;  // tails[k]: candidate ending the best run of length k + 1
  std::vector<std::size_t> previous(candidates.size());
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const auto slot = std::lower_bound(
        tails.begin(), tails.end(), candidates[i].after,
        [&](std::size_t tail, std::size_t after) { return candidates[tail].after < after; });
    previous[i] = slot == tails.begin() ? i : *(slot - 1);
    if (slot == tails.end()) {
      tails.push_back(i);
    } else {
      *slot = i;
    }
  }
  std::vector<LinePair> run(tails.size());
  std::size_t at = tails.empty() ? 0 : tails.back();
  for (std::size_t k = run.size(); k-- > 0;) {
    run[k] = candidates[at];
    at = previous[at];
  }
  return run;
}

// Lines that occur exactly once on each side of the region, as an increasing run of pairs.
std::vector<LinePair> UniqueAnchors(Lines before, Lines after, const Region& region) {
  struct Occurrences {
    std::size_t in_before = 0;
    std::size_t in_after = 0;
    std::size_t after_index = 0;
  };
  std::unordered_map<std::u16string_view, Occurrences> seen;
  seen.reserve(region.a1 - region.a0);
  for (std::size_t i = region.a0; i < region.a1; ++i)
    ++seen[before[i]].in_before;
  for (std::size_t j = region.b0; j < region.b1; ++j) {
    if (const auto found = seen.find(after[j]); found != seen.end()) {
      ++found->second.in_after;
      found->second.after_index = j;
    }
  }
  std::vector<LinePair> candidates;
  for (std::size_t i = region.a0; i < region.a1; ++i) {
    const Occurrences& occurrences = seen[before[i]];
    if (occurrences.in_before == 1 && occurrences.in_after == 1) {
      candidates.push_back({i, occurrences.after_index});
    }
  }
  return LongestIncreasingRun(candidates);
}

// Myers' shortest edit script, for regions without a unique line to anchor on. Gives up (and
// leaves the region unmatched) beyond kMaxEdits insertions and deletions, which bounds both
// time and the kept history of the search.
constexpr int kMaxEdits = 2000;

void MatchByShortestEdit(Lines before, Lines after, const Region& region,
                         std::vector<LinePair>& pairs) {
  const int n = static_cast<int>(region.a1 - region.a0);
  const int m = static_cast<int>(region.b1 - region.b0);
  const auto equal = [&](int x, int y) { return before[region.a0 + x] == after[region.b0 + y]; };
  const int max_edits = std::min(n + m, kMaxEdits);
  // furthest[k + offset]: furthest x reached on diagonal k = x - y.
  const int offset = max_edits + 1;
  std::vector<int> furthest(2 * offset + 1, 0);
  std::vector<std::vector<int>> history;  // furthest after each step, diagonals -d..d
  const auto comes_from_above = [](const std::vector<int>& reach, int base, int d, int k) {
    return k == -d || (k != d && reach[k - 1 + base] < reach[k + 1 + base]);
  };
  for (int d = 0; d <= max_edits; ++d) {
    for (int k = -d; k <= d; k += 2) {
      int x = comes_from_above(furthest, offset, d, k) ? furthest[k + 1 + offset]
                                                       : furthest[k - 1 + offset] + 1;
      int y = x - k;
      while (x < n && y < m && equal(x, y))
        ++x, ++y;
      furthest[k + offset] = x;
      if (x < n || y < m) continue;
      // Walk back through the history, collecting the diagonal runs (the equal lines).
      const std::size_t first_new = pairs.size();
      for (int step = d; step > 0; --step) {
        const std::vector<int>& reach = history[step - 1];
        const int base = step - 1;  // reach holds diagonals -(step-1)..(step-1)
        const int diagonal = x - y;
        const bool above =
            diagonal == -step ||
            (diagonal != step && reach[diagonal - 1 + base] < reach[diagonal + 1 + base]);
        const int previous_diagonal = above ? diagonal + 1 : diagonal - 1;
        const int previous_x = reach[previous_diagonal + base];
        const int start_x = above ? previous_x : previous_x + 1;
        while (x > start_x) {
          --x, --y;
          pairs.push_back({region.a0 + x, region.b0 + y});
        }
        x = previous_x;
        y = previous_x - previous_diagonal;
      }
      while (x > 0) {
        --x, --y;
        pairs.push_back({region.a0 + x, region.b0 + y});
      }
      std::reverse(pairs.begin() + static_cast<std::ptrdiff_t>(first_new), pairs.end());
      return;
    }
    history.emplace_back(furthest.begin() + offset - d, furthest.begin() + offset + d + 1);
  }
}

std::u16string_view Trimmed(std::u16string_view line) {
  const auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
  while (!line.empty() && blank(line.front()))
    line.remove_prefix(1);
  while (!line.empty() && blank(line.back()))
    line.remove_suffix(1);
  return line;
}

// Calls `gap` for every stretch between consecutive pairs (and before the first, after the
// last) that has lines on both sides.
template <typename Gap>
void ForEachGap(const std::vector<LinePair>& pairs, std::size_t before_size, std::size_t after_size,
                Gap gap) {
  std::size_t a = 0;
  std::size_t b = 0;
  for (std::size_t k = 0; k <= pairs.size(); ++k) {
    const std::size_t a_end = k < pairs.size() ? pairs[k].before : before_size;
    const std::size_t b_end = k < pairs.size() ? pairs[k].after : after_size;
    if (a < a_end && b < b_end) gap(Region{a, a_end, b, b_end});
    a = a_end + 1;
    b = b_end + 1;
  }
}

}  // namespace

std::vector<LinePair> MatchEqualLines(Lines before, Lines after) {
  std::vector<LinePair> pairs;
  // An explicit stack: nested regions can run deep on long, repetitive modules.
  std::vector<Region> pending{{0, before.size(), 0, after.size()}};
  while (!pending.empty()) {
    Region region = pending.back();
    pending.pop_back();
    while (region.a0 < region.a1 && region.b0 < region.b1 &&
           before[region.a0] == after[region.b0]) {
      pairs.push_back({region.a0++, region.b0++});
    }
    while (region.a0 < region.a1 && region.b0 < region.b1 &&
           before[region.a1 - 1] == after[region.b1 - 1]) {
      pairs.push_back({--region.a1, --region.b1});
    }
    if (region.Empty()) continue;
    const std::vector<LinePair> anchors = UniqueAnchors(before, after, region);
    if (!anchors.empty()) {
      std::size_t a = region.a0;
      std::size_t b = region.b0;
      for (const LinePair& anchor : anchors) {
        pending.push_back({a, anchor.before, b, anchor.after});
        pairs.push_back(anchor);
        a = anchor.before + 1;
        b = anchor.after + 1;
      }
      pending.push_back({a, region.a1, b, region.b1});
    } else {
      MatchByShortestEdit(before, after, region, pairs);
    }
  }
  std::sort(pairs.begin(), pairs.end(),
            [](const LinePair& x, const LinePair& y) { return x.before < y.before; });
  return pairs;
}

std::vector<std::optional<std::size_t>> FindLineOrigins(std::span<const std::u16string> before,
                                                        std::span<const std::u16string> after) {
  std::vector<std::u16string_view> before_lines(before.begin(), before.end());
  std::vector<std::u16string_view> after_lines(after.begin(), after.end());
  std::vector<std::optional<std::size_t>> origins(after.size());
  const std::vector<LinePair> equal = MatchEqualLines(before_lines, after_lines);
  for (const LinePair& pair : equal)
    origins[pair.after] = pair.before;

  ForEachGap(equal, before.size(), after.size(), [&](const Region& changed) {
    std::vector<std::u16string_view> before_trimmed;
    std::vector<std::u16string_view> after_trimmed;
    for (std::size_t i = changed.a0; i < changed.a1; ++i) {
      before_trimmed.push_back(Trimmed(before[i]));
    }
    for (std::size_t j = changed.b0; j < changed.b1; ++j) {
      after_trimmed.push_back(Trimmed(after[j]));
    }
    const std::vector<LinePair> reindented = MatchEqualLines(before_trimmed, after_trimmed);
    for (const LinePair& pair : reindented) {
      origins[changed.b0 + pair.after] = changed.a0 + pair.before;
    }
    ForEachGap(reindented, before_trimmed.size(), after_trimmed.size(), [&](const Region& rest) {
      for (std::size_t k = 0; k < std::min(rest.a1 - rest.a0, rest.b1 - rest.b0); ++k) {
        origins[changed.b0 + rest.b0 + k] = changed.a0 + rest.a0 + k;
      }
    });
  });
  return origins;
}

}  // namespace tessaly::cli
