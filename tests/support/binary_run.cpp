// Running the built program on Linux: fork and exec, standard input from a file, output into
// files, so that no pipe can fill up while the test waits.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/cli_fixture.h"

namespace tessaly::test_support {

namespace {

[[noreturn]] void Exec(const std::vector<std::string>& args) {
  std::vector<char*> argv{const_cast<char*>(TESSALY_BINARY)};
  for (const auto& arg : args)
    argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  ::execv(TESSALY_BINARY, argv.data());
  ::_exit(127);
}

int WaitFor(pid_t child) {
  int status = 0;
  if (::waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

CommandResult RunBinary(const std::vector<std::string>& args, const std::string& standard_input,
                        bool output_closed) {
  const TempFolder streams;
  const std::string in = streams.Write("in", standard_input);
  const std::string out = (streams.Path() / "out").string();
  const std::string err = (streams.Path() / "err").string();
  int pipe_ends[2] = {-1, -1};
  if (output_closed && ::pipe(pipe_ends) != 0) return {};
  if (output_closed) ::close(pipe_ends[0]);
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(::open(in.c_str(), O_RDONLY), 0);
    ::dup2(output_closed ? pipe_ends[1] : ::open(out.c_str(), O_WRONLY | O_CREAT, 0600), 1);
    ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT, 0600), 2);
    Exec(args);
  }
  if (output_closed) ::close(pipe_ends[1]);
  CommandResult result;
  result.status = WaitFor(child);
  result.out = output_closed ? "" : ReadBytes(std::filesystem::path(out));
  result.err = ReadBytes(std::filesystem::path(err));
  return result;
}

StartedBinary::StartedBinary(const std::vector<std::string>& args) {
  const pid_t child = ::fork();
  if (child == 0) {
    const int nothing = ::open("/dev/null", O_RDWR);
    for (int stream = 0; stream < 3; ++stream)
      ::dup2(nothing, stream);
    Exec(args);
  }
  process_ = child;
}

StartedBinary::~StartedBinary() {
  if (process_ > 0) Wait();
}

int StartedBinary::Wait() {
  const int status = WaitFor(static_cast<pid_t>(process_));
  process_ = -1;
  return status;
}

}  // namespace tessaly::test_support
