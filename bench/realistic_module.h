#pragma once

// Large Excel VBA standard modules that look like the ones users hand to the code tools:
// thousands of procedures of every kind, nested blocks, comments and strings in Chinese,
// continuations, and indentation and trailing comments left as careless hands leave them.
// The same size and seed always give the same module, so runs can be compared.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tessaly::bench {

// Exactly line_count lines: a declarations section padded with comment lines, then
// procedures until the next would not fit.
std::vector<std::u16string> RealisticExcelModule(std::size_t line_count,
                                                 std::uint32_t seed = 20240601);

// The module as an exported .bas file: the hidden VB_Name line, then the lines, each ending
// in CR LF, in code page 936 as the Chinese editions of the editor export it.
std::string RealisticExcelModuleFile(std::size_t line_count, std::uint32_t seed = 20240601);

}  // namespace tessaly::bench
