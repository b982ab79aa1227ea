#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "language/language.h"

int main(int argc, char** argv) {
  // Output to a pipe closed early (`tessaly fmt a.bas | head -1`) is a failed write like any
  // other, answered with one line and status 2, not a death by signal half-way through.
  std::signal(SIGPIPE, SIG_IGN);
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return tessaly::cli::RunCommandLine(
      args, {std::cin, std::cout, std::cerr, tessaly::cli::kModuleSizeLimit,
             tessaly::language::UserLanguage()});
}
