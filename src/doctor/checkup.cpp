#include "doctor/checkup.h"

#include <ostream>

#include "doctor/examination.h"
#include "doctor/remedies.h"
#include "doctor/report_table.h"

namespace tessaly::doctor {

int Checkup(Installation& installation, const std::string& version, bool fix, std::ostream& out) {
  Examination examination = Examine(installation, version);
  if (fix && !examination.problems.empty()) {
    const auto done = ApplyRemedies(installation, examination);
    for (const auto& line : done)
      out << line << "\n";
    if (done.empty()) out << "nothing that --fix may do: see below\n";
    out << "\n";
    examination = Examine(installation, version);
  }
  out << ReportText(examination);
  return examination.problems.empty() ? 0 : 1;
}

}  // namespace tessaly::doctor
