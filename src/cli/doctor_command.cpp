#include <stdexcept>

#include "cli/arguments.h"
#include "cli/command_line.h"

namespace tessaly::cli {

// The add-in is installed on Windows only; this system has nothing for the doctor to examine.
int DoctorCommand(const std::vector<std::string>& args, Streams) {
  const Arguments arguments(args, {"--fix"}, {});
  if (!arguments.Operands().empty()) throw UsageError("doctor takes no operands, only --fix");
  throw std::runtime_error(
      "doctor checks the add-in's installation on Windows (tessaly.exe doctor); there is none "
      "on this system");
}

}  // namespace tessaly::cli
