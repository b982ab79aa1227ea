#pragma once

// A project's modules as a pre-commit run hands them to `tessaly fmt --check`: hundreds of
// standard, class and form modules from a few dozen lines to one of tens of thousands, most in
// code page 936 as the Chinese editions export them, some in UTF-8 as an editor outside the IDE
// saves them, most with CR LF and some with the LF a checkout may give them. The same count
// and seed always give the same files.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tessaly::bench {

struct RepositoryModule {
  std::string name;  // a file name, ASCII
  std::string bytes;
  std::size_t lines = 0;
};

// `module_count` modules whose sizes spread evenly over the orders of magnitude from 30 to
// 4,000 lines, the last one `largest_lines` long.
std::vector<RepositoryModule> RealisticRepository(std::size_t module_count,
                                                  std::size_t largest_lines,
                                                  std::uint32_t seed = 20240601);

}  // namespace tessaly::bench
