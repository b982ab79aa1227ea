#include "codetools/target_range.h"

#include "codetools/block_prefixes.h"
#include "host/resume.h"

namespace tessaly::codetools {

namespace {

constexpr std::int32_t kOrdinaryProcedure = 0;

template <std::size_t N>
bool BeginsWithAny(std::u16string_view text, const std::array<std::u16string_view, N>& prefixes) {
  for (const auto prefix : prefixes) {
    if (text.substr(0, prefix.size()) == prefix) return true;
  }
  return false;
}

// A line the editor refuses reads as empty: it is neither a header nor a stop.
std::u16string_view LineOrEmpty(LineCache& lines, std::int32_t n) {
  const std::u16string* text = nullptr;
  host::Resume([&] { text = &lines.Line(n); });
  return text ? std::u16string_view(*text) : std::u16string_view();
}

std::int32_t FindBlockHeader(LineCache& lines, std::int32_t start_line) {
  for (std::int32_t i = start_line; i >= 1; --i) {
    const auto text = LineOrEmpty(lines, i);
    if (BeginsWithAny(text, BlockHeaderPrefixes)) return i;
    // The caret line itself never stops the search, so "End Type" finds its "Type".
    if (i != start_line && BeginsWithAny(text, StopPrefixes)) return 0;
  }
  return 0;
}

TargetRange WholeModule(std::int32_t count_of_lines) {
  return {1, count_of_lines};
}

}  // namespace

TargetRange RangeAroundLine(LineCache& lines, const std::u16string& proc_name,
                            std::int32_t start_line) {
  host::CodeModule& module = lines.Module();
  if (!proc_name.empty()) {
    // A property procedure is not an ordinary one: both calls fail and the block search
    // finds it by its header. So does any procedure whose start or length the editor refuses:
    // half an answer is no range.
    std::int32_t start = 0;
    std::int32_t count = 0;
    if (host::Resume([&] { start = module.ProcStartLine(proc_name, kOrdinaryProcedure); }) &&
        host::Resume([&] { count = module.ProcCountLines(proc_name, kOrdinaryProcedure); }) &&
        (start != 0 || count != 0)) {
      return {start, start + count - 1};
    }
  }
  const auto count_of_lines = host::ResumeOr(0, [&] { return module.CountOfLines(); });
  const auto header = FindBlockHeader(lines, start_line);
  if (header == 0) return WholeModule(count_of_lines);
  for (std::int32_t i = start_line; i <= count_of_lines; ++i) {
    if (LineOrEmpty(lines, i).substr(0, 3) == u"End") return {header, i};
  }
  return {header, count_of_lines};
}

TargetRange FindTargetRange(LineCache& lines, std::int32_t start_line) {
  const auto proc_name = host::ResumeOr(
      std::u16string(), [&] { return lines.Module().ProcOfLine(start_line, kOrdinaryProcedure); });
  return RangeAroundLine(lines, proc_name, start_line);
}

void RestoreCaret(host::CodePane& pane, std::int32_t line) {
  host::Resume([&] { pane.SetSelection(line, 1, line, 1); });
}

}  // namespace tessaly::codetools
