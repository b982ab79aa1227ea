#pragma once

// The workloads whose ratios the README quotes, each run once between callgrind client
// requests, so that instruction counts (which a busy machine does not disturb) can stand
// beside the timings. instruction_ratios.sh runs this under callgrind and prints the ratios.

namespace tessaly::bench {

// Returns the process exit status; refuses to run outside valgrind, where it would measure
// nothing.
int RunInstructionCounts();

}  // namespace tessaly::bench
