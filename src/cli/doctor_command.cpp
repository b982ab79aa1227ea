#include "cli/arguments.h"
#include "cli/command_line.h"

namespace tessaly::cli {

using language::MessageId;

// The add-in is installed on Windows only; this system has nothing for the doctor to examine.
int DoctorCommand(const std::vector<std::string>& args, Streams) {
  const Arguments arguments(args, {"--fix"}, {});
  if (!arguments.Operands().empty()) throw UsageError(MessageId::kDoctorOperands);
  throw UsageError(MessageId::kDoctorElsewhere);
}

}  // namespace tessaly::cli
