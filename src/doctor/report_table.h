#pragma once

// The doctor's answer as text: a table of what each editor finds, then one line for each
// problem, or that there is none.

#include <string>

#include "doctor/examination.h"

namespace tessaly::doctor {

std::string ReportText(const Examination& examination, language::Language language);

}  // namespace tessaly::doctor
