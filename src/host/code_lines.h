#pragma once

// How the editors take code handed to InsertLines or ReplaceLine: CR, LF and CR LF each break
// a line, so a text of n breaks becomes n + 1 lines. Lines they hand back (Lines of a count
// above one) come joined by CR LF.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::host {

std::vector<std::u16string> SplitCodeLines(std::u16string_view text);
std::u16string JoinCodeLines(std::span<const std::u16string> lines);

}  // namespace tessaly::host
