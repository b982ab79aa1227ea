#pragma once

#include <optional>
#include <string>

#include "host/editor.h"

namespace tessaly::addin {

// The folder of the active project's file, with its last separator (empty for a bare file
// name), where the project's style and snippets are looked for. None for a project never saved
// (VB6 gives an empty name, the VBA editors refuse the member: an answer, not written to the
// log) or when the editor refuses the project itself (written to its refusal log).
std::optional<std::u16string> ProjectFolder(host::Application& application);

// Where the module lives on disk as the editors lay a project out: its exported file (the
// component's name and its type's extension) in the folder of the active project's file. None
// for a project never saved, a component without a code file, or when the editor refuses a
// member on the way (written to its refusal log). The project's file may be a Windows path or
// a POSIX one; the result keeps its separators.
std::optional<std::u16string> ModuleFilePath(host::Application& application,
                                             host::CodeModule& module);

}  // namespace tessaly::addin
