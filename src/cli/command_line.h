#pragma once

// The `tessaly` command line: each command reads its arguments, does its work through the
// simulated editor, and answers with an exit status (0 done, 1 a check found changes, 2 bad
// input, with one line on standard error).

#include <cstddef>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "cli/bounded_read.h"
#include "language/messages.h"

namespace tessaly::cli {

// Where a run reads and writes, the most a module it writes may hold (result_bound.h), which
// tests lower, the language it answers in, chosen once when the program starts, and how many
// threads may work on modules at once (0: as many as the machine runs), which tests set.
struct Streams {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  std::size_t result_limit = kModuleSizeLimit;
  language::Language language = language::Language::kEnglish;
  std::size_t threads = 0;

  std::string Say(const language::Message& message) const {
    return language::Say(language, message);
  }
  const char* Words(language::MessageId id) const { return language::Words(language, id); }
};

// An output that shows text rather than keeping bytes (a console on Windows, which takes
// UTF-16) has a way round for module text, which goes out in its file's own encoding.
class RawBytesOutput {
 public:
  virtual ~RawBytesOutput() = default;
  // False when the bytes could not all be written.
  virtual bool WriteRawBytes(std::string_view bytes) = 0;
};

// A module's bytes, exactly as they would be written to its file; a failed write shows in the
// stream's state, as any other.
void WriteModuleBytes(std::ostream& out, std::string_view bytes);

// Wrong arguments; the message is the one line the user sees.
class UsageError : public language::MessageError {
 public:
  UsageError(language::MessageId id, std::vector<language::MessageArgument> arguments = {})
      : MessageError({id, std::move(arguments), {}}) {}
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
int DoctorCommand(const std::vector<std::string>& args, Streams streams);
int StyleCommand(const std::vector<std::string>& args, Streams streams);

}  // namespace tessaly::cli
