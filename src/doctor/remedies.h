#pragma once

// `tessaly doctor --fix`: what may be mended without an administrator, mended.

#include <string>
#include <vector>

#include "doctor/examination.h"
#include "doctor/installation.h"
#include "language/language.h"

namespace tessaly::doctor {

// Carries out each problem's remedy once (one registration per bitness however many editors
// need it); one line for each thing done, or refused by the registry.
std::vector<std::string> ApplyRemedies(Installation& installation, const Examination& examination,
                                       language::Language language);

}  // namespace tessaly::doctor
