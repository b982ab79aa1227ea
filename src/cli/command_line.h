#pragma once

// The `tessaly` command line: each command reads its arguments, does its work through the
// simulated editor, and answers with an exit status (0 done, 1 a check found changes, 2 bad
// input, with one line on standard error).

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

namespace tessaly::cli {

struct Streams {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

// Wrong arguments; the message is the one line the user sees.
class UsageError : public std::runtime_error {
 public:
  explicit UsageError(const std::string& what) : std::runtime_error(what) {}
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitChanged = 1;
inline constexpr int kExitBadInput = 2;

int RunCommandLine(const std::vector<std::string>& args, Streams streams);

int ClickCommand(const std::vector<std::string>& args, Streams streams);
int FormatCommand(const std::vector<std::string>& args, Streams streams);
int AnnotateCommand(const std::vector<std::string>& args, Streams streams);
int MenuCommand(const std::vector<std::string>& args, Streams streams);
int AboutCommand(const std::vector<std::string>& args, Streams streams);
int DemoCommand(const std::vector<std::string>& args, Streams streams);

}  // namespace tessaly::cli
