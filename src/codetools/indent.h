#pragma once

// "代码缩进": every line of the range gives up its indentation and is written behind one level
// of the project's style per block level.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "codetools/code_tool.h"
#include "codetools/indent_style.h"
#include "codetools/line_layout.h"
#include "codetools/line_walk.h"

namespace tessaly::codetools {

// How each of a run of lines is laid out, the level starting at 0 on the first. Re-indenting
// can make text far larger than it was (each level adds to every line inside it, so deep
// nesting grows with the square of its depth): the layouts tell what the result comes to
// before it is built. Linear in the size of the text; a line's layout depends only on the
// lines above it and on the lines its statement continues over.
std::vector<LineLayout> IndentLayouts(std::span<const std::u16string_view> lines,
                                      const IndentStyle& style);
// The same of lines as the rules read them (indent_rules.h), bytes: a module's file needs no
// decoding to be laid out.
std::vector<LineLayout> IndentLayouts(std::span<const std::string_view> lines,
                                      const IndentStyle& style);
std::vector<LineLayout> IndentLayouts(const std::vector<std::u16string>& lines,
                                      const IndentStyle& style);

// Re-indents lines first to last of a module, writing only the lines that change, each built
// just before it is written, so that no more than the editor takes is ever held. Returns
// false when a line could not be read: the lines above it are indented, the rest untouched.
bool IndentRange(LineCache& lines, std::int32_t first, std::int32_t last, const IndentStyle& style);

// The menu tool: the TargetRange of the active code pane, then the caret back to
// SavedStartLine.
void IndentCode(const CodeTarget& target);

}  // namespace tessaly::codetools
