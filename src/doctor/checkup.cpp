#include "doctor/checkup.h"

#include <ostream>

#include "doctor/examination.h"
#include "doctor/remedies.h"
#include "doctor/report_table.h"
#include "language/messages.h"

namespace tessaly::doctor {

int Checkup(Installation& installation, const std::string& version, bool fix,
            language::Language language, std::ostream& out) {
  Examination examination = Examine(installation, version, language);
  if (fix && !examination.problems.empty()) {
    const auto done = ApplyRemedies(installation, examination, language);
    for (const auto& line : done)
      out << line << "\n";
    if (done.empty()) out << language::Words(language, language::MessageId::kNothingToFix) << "\n";
    out << "\n";
    examination = Examine(installation, version, language);
  }
  out << ReportText(examination, language);
  return examination.problems.empty() ? 0 : 1;
}

}  // namespace tessaly::doctor
