#include "cli/unified_diff.h"

#include <algorithm>
#include <vector>

namespace tessaly::cli {

namespace {

constexpr std::size_t kContext = 3;

// Each line with its break; a line ends at CR LF, LF or a CR on its own, as modules are read.
std::vector<std::string_view> SplitKeepingBreaks(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find_first_of("\r\n", begin);
    if (end == std::string_view::npos) {
      end = text.size();
    } else {
      end += text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
    }
    lines.push_back(text.substr(begin, end - begin));
    begin = end;
  }
  return lines;
}

void AppendLine(std::string& out, char sign, std::string_view line) {
  out += sign;
  out += line;
  if (line.ends_with('\n')) return;
  out += '\n';
  // diff's own words for a last line without a break; a line ended by a CR alone has one.
  if (!line.ends_with('\r')) out += "\\ No newline at end of file\n";
}

// "-3,4" for lines 3 to 6; an empty range is named by the line before it.
std::string Range(char sign, std::size_t first, std::size_t count) {
  return sign + std::to_string(count == 0 ? first : first + 1) + "," + std::to_string(count);
}

}  // namespace

std::string UnifiedDiff(const std::string& path, std::string_view before, std::string_view after) {
  if (before == after) return {};
  const auto old_lines = SplitKeepingBreaks(before);
  const auto new_lines = SplitKeepingBreaks(after);
  std::string out = "--- " + path + "\n+++ " + path + "\n";
  if (old_lines.size() != new_lines.size()) {
    out +=
        "@@ " + Range('-', 0, old_lines.size()) + " " + Range('+', 0, new_lines.size()) + " @@\n";
    for (const auto line : old_lines)
      AppendLine(out, '-', line);
    for (const auto line : new_lines)
      AppendLine(out, '+', line);
    return out;
  }

  const std::size_t count = old_lines.size();
  std::size_t next = 0;
  while (true) {
    while (next < count && old_lines[next] == new_lines[next])
      ++next;
    if (next == count) break;
    // A hunk runs from the first change to the last one that is no more than two contexts
    // from the change before it.
    const std::size_t first = next >= kContext ? next - kContext : 0;
    std::size_t last_change = next;
    for (std::size_t k = next + 1; k < count && k <= last_change + 2 * kContext; ++k) {
      if (old_lines[k] != new_lines[k]) last_change = k;
    }
    const std::size_t end = std::min(count, last_change + kContext + 1);
    out += "@@ " + Range('-', first, end - first) + " " + Range('+', first, end - first) + " @@\n";
    for (std::size_t k = first; k < end;) {
      if (old_lines[k] == new_lines[k]) {
        AppendLine(out, ' ', old_lines[k++]);
        continue;
      }
      // A run of changed lines shows all its old lines, then all its new ones.
      std::size_t run_end = k;
      while (run_end < end && old_lines[run_end] != new_lines[run_end])
        ++run_end;
      for (std::size_t j = k; j < run_end; ++j)
        AppendLine(out, '-', old_lines[j]);
      for (std::size_t j = k; j < run_end; ++j)
        AppendLine(out, '+', new_lines[j]);
      k = run_end;
    }
    next = end;
  }
  return out;
}

}  // namespace tessaly::cli
