#pragma once

// The host side of a code tool's run. A tool reads each line of its range once, works out
// every new text in memory, and writes back only the lines that changed: on a 65,000-line
// module each call into the editor costs far more than the text work.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/editor.h"

namespace tessaly::codetools {

// The lines of one module as read during one run; valid until the first write.
class LineCache {
 public:
  explicit LineCache(host::CodeModule& module) : module_(module) {}

  host::CodeModule& Module() { return module_; }

  // Reads line n once and keeps it. Throws host::HostError when the editor refuses; a
  // refused read is not remembered.
  const std::u16string& Line(std::int32_t n);

  // Hands line n over to the caller, from memory when it was read before; a line taken is
  // forgotten, so a whole range is never held twice.
  std::u16string Take(std::int32_t n);

 private:
  host::CodeModule& module_;
  std::unordered_map<std::int32_t, std::u16string> lines_;
};

struct RangeText {
  // The texts of the range from its first line on, up to the first line that could not be
  // read.
  std::vector<std::u16string> lines;
  bool complete = true;
};

RangeText ReadRange(LineCache& cache, std::int32_t first, std::int32_t last);

// The one loop through which every code tool writes back: changed_text(i) gives the new text of
// line first + i, which read as read[i], or nothing when that line stays; each changed line is
// written once, its old text told to the module first (host::CodeModule::KnowLine). A refused
// write leaves that line as it was and the walk goes on.
void WriteChangedLines(
    host::CodeModule& module, std::int32_t first, const std::vector<std::u16string>& read,
    const std::function<std::optional<std::u16string>(std::size_t)>& changed_text);

}  // namespace tessaly::codetools
