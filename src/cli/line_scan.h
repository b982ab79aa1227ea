#pragma once

// A module's line found and decoded in one walk over its bytes. Most of a module is ASCII:
// sixteen bytes at a time are widened and searched for the line's end and for the first
// character that is not ASCII in the same step, and only a run of other characters goes
// through the encoding's decoder.

#include <cstddef>
#include <string_view>

#include "cli/file_encoding.h"

namespace tessaly::cli {

// The walk writes ASCII sixteen units at a time: `out` has room for as many units as the line
// has bytes, and this many more.
inline constexpr std::size_t kScanSlack = 16;

struct ScannedLine {
  std::size_t end = 0;   // where its text ends: at a CR or LF, or at the end
  bool ascii = true;     // every byte of it is ASCII
  bool refused = false;  // strict UTF-8 met a byte that starts no character
};

// The line whose text starts at `begin`, decoded from `out` as Decode would decode it; `out` is
// moved past its last unit. With `strict`, UTF-8 gives up at the first byte that starts no
// character (`refused`; the rest of the line is neither searched nor decoded).
ScannedLine ScanLine(std::string_view bytes, std::size_t begin, FileEncoding encoding, bool strict,
                     char16_t*& out);

// The same line as the indentation rules read it (codetools/indent_rules.h), without decoding
// what needs none: ASCII, UTF-8, and code page 936 whose characters all have their second byte
// outside ASCII read as they are. A code page 936 line where a byte from 0x40 to 0x7E follows one
// of 0x80 or more (a character's second byte may be ASCII there) is written from `out` with each
// of its characters outside ASCII one byte of 0x80, and `out` moved past it: `out` has room for
// as many bytes as the line has.
ScannedLine ScanLineForLayout(std::string_view bytes, std::size_t begin, FileEncoding encoding,
                              bool strict, char*& out);

// How many LF bytes there are: nearly every line ends in one, so this sizes a module's lists of
// lines before the walk fills them.
std::size_t CountLineFeeds(std::string_view bytes);

}  // namespace tessaly::cli
