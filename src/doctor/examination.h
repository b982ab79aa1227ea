#pragma once

// The doctor's decisions: what each editor finds of the add-in, and each problem that keeps it
// from loading the add-in, with what to do about it and whether `tessaly doctor --fix` may do
// it.

#include <optional>
#include <string>
#include <vector>

#include "doctor/editor_findings.h"
#include "doctor/editors.h"
#include "doctor/installation.h"
#include "language/language.h"

namespace tessaly::doctor {

// What `--fix` does for a problem: nothing (it needs an administrator or a new install), the
// editor's add-in key written back (LoadBehavior 3), or the current user's registration of the
// editor's bitness written again from the installed DLL.
enum class Remedy { kNone, kAddInKey, kUserRegistration };

struct Problem {
  Editor editor;
  std::string line;  // what is wrong and what to do, one line
  Remedy remedy = Remedy::kNone;
};

struct Examination {
  std::vector<EditorFindings> editors;
  std::vector<Problem> problems;
};

// `version` is the command line's own, which the DLLs must have; the problems are told in
// `language`.
Examination Examine(Installation& installation, const std::string& version,
                    language::Language language);

}  // namespace tessaly::doctor
