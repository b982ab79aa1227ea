// Running the built program on Linux: fork and exec, standard input from a file, output into
// files, so that no pipe can fill up while the test waits.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/cli_fixture.h"

namespace tessaly::test_support {

CommandResult RunBinary(const std::vector<std::string>& args, const std::string& standard_input,
                        bool output_closed, const std::vector<std::string>& environment) {
  const TempFolder streams;
  const std::string in = streams.Write("in", standard_input);
  const std::string out = (streams.Path() / "out").string();
  const std::string err = (streams.Path() / "err").string();
  std::vector<char*> argv{const_cast<char*>(TESSALY_BINARY)};
  for (const auto& arg : args)
    argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  std::vector<std::string> own;
  for (char** entry = environ; *entry; ++entry)
    own.emplace_back(*entry);
  const auto variables = ChangedEnvironment(own, environment);
  std::vector<char*> envp;
  for (const auto& variable : variables)
    envp.push_back(const_cast<char*>(variable.c_str()));
  envp.push_back(nullptr);
  int pipe_ends[2] = {-1, -1};
  if (output_closed && (::pipe(pipe_ends) != 0 || ::close(pipe_ends[0]) != 0)) return {};
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(::open(in.c_str(), O_RDONLY), 0);
    ::dup2(output_closed ? pipe_ends[1] : ::open(out.c_str(), O_WRONLY | O_CREAT, 0600), 1);
    ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT, 0600), 2);
    ::execve(TESSALY_BINARY, argv.data(), envp.data());
    ::_exit(127);
  }
  if (output_closed) ::close(pipe_ends[1]);
  int status = 0;
  CommandResult result;
  // A signal's end is no status of the program's own.
  if (::waitpid(child, &status, 0) == child && WIFEXITED(status))
    result.status = WEXITSTATUS(status);
  result.out = output_closed ? "" : ReadBytes(out);
  result.err = ReadBytes(err);
  return result;
}

}  // namespace tessaly::test_support
