// `tessaly fmt --check` over a generated repository (realistic_repository.h) against the floor
// under it, reading the same files, both in this process: the command as a pre-commit hook
// runs it, through the command line's own entry with its output in memory, and each file
// read whole as the command reads it (open, size, read to the end), one after the other as
// `cat` would. Each round reads, then checks, so both meet the same load on a shared machine;
// the median of the rounds' ratios is the figure. The largest module alone is measured the
// same way after the repository.
//
// Then, on Linux, the same as a user runs them: the `tessaly` program built beside this one
// started on all the files against `cat` started on them, each a process of its own with its
// output thrown away, as a hook or `xargs` starts them. The start of a process counts there.
//
// With FOLDER the repository is written there and kept, to measure the command line from
// outside (its memory).
//
// usage: fmt_check_repository [ROUNDS] [MODULES] [FOLDER]

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <sstream>
#include <string_view>
#include <thread>
#include <vector>

#if !defined(_WIN32)
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "cli/bounded_read.h"
#include "cli/command_line.h"
#include "realistic_repository.h"
#include "workloads.h"

namespace {

using namespace tessaly;

int Number(int argc, char** argv, int at, int fallback) {
  int value = fallback;
  if (argc > at) std::from_chars(argv[at], argv[at] + std::string_view(argv[at]).size(), value);
  return value;
}

std::size_t ReadAll(const std::vector<std::string>& paths) {
  std::size_t bytes = 0;
  for (const auto& path : paths)
    bytes += cli::ReadFileBounded(path).size();
  return bytes;
}

void CheckAll(const std::vector<std::string>& paths) {
  std::vector<std::string> args = {"fmt", "--check"};
  args.insert(args.end(), paths.begin(), paths.end());
  std::istringstream in;
  std::ostringstream out, err;
  if (cli::RunCommandLine(args, {in, out, err}) != cli::kExitChanged) {
    std::fprintf(stderr, "fmt --check did not find the changes: %s\n", err.str().c_str());
    std::exit(2);
  }
}

// The median ratio of checking to reading, with the lowest and the highest.
void Measure(const char* what, const std::vector<std::string>& paths, int rounds) {
  ReadAll(paths);  // the first read meets a cold cache
  CheckAll(paths);
  std::vector<double> ratios;
  double read_seconds = 0;
  double check_seconds = 0;
  // The processor time of all threads beside the clock's: on a loaded machine the clock counts
  // the other processes' turns too.
  std::clock_t read_clock = 0;
  std::clock_t check_clock = 0;
  for (int round = 0; round < rounds; ++round) {
    const std::clock_t start = std::clock();
    const double read = bench::SecondsOf([&] { ReadAll(paths); });
    const std::clock_t between = std::clock();
    const double check = bench::SecondsOf([&] { CheckAll(paths); });
    check_clock += std::clock() - between;
    read_clock += between - start;
    read_seconds += read;
    check_seconds += check;
    ratios.push_back(check / read);
  }
  std::sort(ratios.begin(), ratios.end());
  std::printf(
      "%s: fmt --check / reading: median %.2f (lowest %.2f, highest %.2f) over %d rounds; "
      "%.1f ms against %.1f ms a round; processor time %.2f\n",
      what, ratios[ratios.size() / 2], ratios.front(), ratios.back(), rounds,
      check_seconds / rounds * 1e3, read_seconds / rounds * 1e3,
      static_cast<double>(check_clock) /
          static_cast<double>(std::max<std::clock_t>(read_clock, 1)));
}

#if !defined(_WIN32)
// Runs the program with the arguments, its output to /dev/null; its exit status.
int Run(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const auto& argument : command)
    argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const int failed = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  if (failed != 0 || waitpid(child, &status, 0) < 0 || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

void MeasureProcesses(const char* what, const std::string& tessaly,
                      const std::vector<std::string>& paths, int rounds) {
  std::vector<std::string> check = {tessaly, "fmt", "--check"};
  check.insert(check.end(), paths.begin(), paths.end());
  std::vector<std::string> cat = {"cat"};
  cat.insert(cat.end(), paths.begin(), paths.end());
  if (Run(check) != cli::kExitChanged || Run(cat) != 0) {
    std::printf("%s: %s or cat did not run as expected; not measured\n", what, tessaly.c_str());
    return;
  }
  std::vector<double> ratios;
  for (int round = 0; round < rounds; ++round) {
    const double read = bench::SecondsOf([&] { Run(cat); });
    ratios.push_back(bench::SecondsOf([&] { Run(check); }) / read);
  }
  std::sort(ratios.begin(), ratios.end());
  std::printf(
      "%s: tessaly fmt --check / cat, each a process: median %.2f (lowest %.2f, "
      "highest %.2f) over %d rounds\n",
      what, ratios[ratios.size() / 2], ratios.front(), ratios.back(), rounds);
}
#endif

}  // namespace

int main(int argc, char** argv) {
  const int rounds = Number(argc, argv, 1, 15);
  const auto count = static_cast<std::size_t>(Number(argc, argv, 2, 500));
  const bench::ScratchDirectory scratch;
  const std::filesystem::path folder = argc > 3 ? std::filesystem::path(argv[3]) : scratch.Path();
  std::filesystem::create_directories(folder);
  std::vector<std::string> paths;
  std::size_t bytes = 0, lines = 0;
  for (const auto& module : bench::RealisticRepository(count, 27'000)) {
    const auto path = folder / module.name;
    bench::WriteBytes(path, module.bytes);
    // The command line takes its paths as UTF-8, on Windows too.
    const std::u8string utf8 = path.u8string();
    paths.emplace_back(utf8.begin(), utf8.end());
    bytes += module.bytes.size();
    lines += module.lines;
  }
  std::printf("%zu modules, %.1f MB, %zu lines; %u hardware threads\n", paths.size(), bytes / 1e6,
              lines, std::thread::hardware_concurrency());
  Measure("repository", paths, rounds);
  Measure("largest module (27,000 lines)", {paths.back()}, rounds);
#if !defined(_WIN32)
  const auto tessaly = (std::filesystem::path(argv[0]).parent_path() / "tessaly").string();
  MeasureProcesses("repository", tessaly, paths, rounds);
  MeasureProcesses("largest module (27,000 lines)", tessaly, {paths.back()}, rounds);
#endif
}
