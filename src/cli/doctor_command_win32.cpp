#include <iostream>

#include "cli/arguments.h"
#include "cli/command_line.h"
#include "doctor/checkup.h"
#include "tessaly_version.h"
#include "win32/win_installation.h"

namespace tessaly::cli {

using language::MessageId;

// Whether each editor can load the add-in as installed, and what to do where it cannot.
int DoctorCommand(const std::vector<std::string>& args, Streams streams) {
  const Arguments arguments(args, {"--fix"}, {});
  if (!arguments.Operands().empty()) throw UsageError(MessageId::kDoctorOperands);
  win32::WinInstallation installation;
  return doctor::Checkup(installation, TESSALY_VERSION, arguments.Flag("--fix"), streams.language,
                         streams.out);
}

}  // namespace tessaly::cli
