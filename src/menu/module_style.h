#pragma once

// The layout a click's module asks for: the .editorconfig files that apply to its exported file
// in the folder of its project's file, read anew on each click (they are small, and an edit to
// one shows at the next click). The same files and rules as `tessaly fmt`, so a team that
// checks with `fmt --check` gets from "代码缩进" the text it checks for.

#include <functional>
#include <string>

#include "codetools/indent_style.h"
#include "host/editor.h"
#include "style/config_source.h"

namespace tessaly::menu {

// One line of the failure log.
using FailureLog = std::function<void(const std::u16string& line)>;

// A project never saved, or a member the editor refuses on the way, gives the default layout;
// so does an .editorconfig that cannot be read or holds a value a key cannot take, with one
// line in the failure log and never a dialog: the user did not open that file.
codetools::IndentStyle ModuleStyle(host::Application& application, host::CodeModule& module,
                                   style::ConfigSource& files, const FailureLog& log);

}  // namespace tessaly::menu
