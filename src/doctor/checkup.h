#pragma once

// `tessaly doctor [--fix]` over any installation: examine, mend what may be mended, examine
// again, and answer with the table and the problems left.

#include <iosfwd>
#include <string>

#include "doctor/installation.h"
#include "language/language.h"

namespace tessaly::doctor {

// 0 when every editor can load the add-in, 1 otherwise. `version` is the command line's own;
// the answer is in `language`.
int Checkup(Installation& installation, const std::string& version, bool fix,
            language::Language language, std::ostream& out);

}  // namespace tessaly::doctor
