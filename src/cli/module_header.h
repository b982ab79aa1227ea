#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace tessaly::cli {

// The editor does not show the head of an exported module: a class or form starts with its
// `VERSION` line, any `Object = ...` lines, the `BEGIN`...`END` property block or the form's
// designer block (nested `Begin`...`End`), and every module has its `Attribute VB_...` lines.
// Recognised by content, since a module read from standard input has no file name. The lines
// are raw bytes without their line break; the keywords are ASCII in every encoding we read.
std::size_t CountHeaderLines(std::span<const std::string_view> lines);

// `Attribute Foo.VB_Description = "..."`: a member attribute that the editor hides below the
// procedure or variable line it belongs to.
bool IsMemberAttribute(std::string_view line);

}  // namespace tessaly::cli
