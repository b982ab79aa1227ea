#include "cli/line_scan.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>

#include "text/gbk.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tessaly::cli {

namespace {

#if defined(__SSE2__)
// A bit for each of sixteen bytes that stops a run of plain ASCII: a CR, an LF or a byte of
// 0x80 or more. A byte's high bit marks it: set by the comparisons for CR and LF, set already in
// a byte that is not ASCII.
unsigned StopsIn(__m128i bytes) {
  const __m128i stops =
      _mm_or_si128(bytes, _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')),
                                       _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n'))));
  return static_cast<unsigned>(_mm_movemask_epi8(stops));
}
#else
// Eight bytes as one word: none has its high bit set, and none is CR or LF (a byte that is
// zero after the XOR borrows in the subtraction).
bool AllPlainAscii(const unsigned char* eight) {
  constexpr std::uint64_t kOnes = 0x0101010101010101u;
  constexpr std::uint64_t kHighBits = 0x8080808080808080u;
  const auto has_byte = [](std::uint64_t word, unsigned char byte) {
    const std::uint64_t x = word ^ (kOnes * byte);
    return ((x - kOnes) & ~x & kHighBits) != 0;
  };
  std::uint64_t word;
  std::memcpy(&word, eight, sizeof word);
  return (word & kHighBits) == 0 && !has_byte(word, '\r') && !has_byte(word, '\n');
}
#endif

// Widens ASCII from `at` up to the first CR, LF or byte of 0x80 or more, or the end, writing
// from `out`; answers where it stopped, and `out` is moved past the units of the bytes taken.
std::size_t WidenAscii(const unsigned char* data, std::size_t size, std::size_t at,
                       char16_t*& out) {
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  while (at + 16 <= size) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
    // Written whole before the stop is known: the units past it are overwritten by the next
    // ones, within the room the caller left.
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(bytes, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8), _mm_unpackhi_epi8(bytes, zero));
    if (const unsigned mask = StopsIn(bytes); mask != 0) {
      const auto taken = static_cast<std::size_t>(__builtin_ctz(mask));
      out += taken;
      return at + taken;
    }
    out += 16;
    at += 16;
  }
#else
  while (at + 8 <= size && AllPlainAscii(data + at)) {
    for (int k = 0; k < 8; ++k)
      out[k] = data[at + k];
    out += 8;
    at += 8;
  }
#endif
  while (at < size && data[at] < 0x80 && data[at] != '\r' && data[at] != '\n')
    *out++ = data[at++];
  return at;
}

// Where the ASCII from `at` ends: at the first CR, LF or byte of 0x80 or more, or at the end.
std::size_t AsciiRunEnd(const unsigned char* data, std::size_t size, std::size_t at) {
#if defined(__SSE2__)
  while (at + 16 <= size) {
    const unsigned mask = StopsIn(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at)));
    if (mask != 0) return at + static_cast<std::size_t>(__builtin_ctz(mask));
    at += 16;
  }
#else
  while (at + 8 <= size && AllPlainAscii(data + at))
    at += 8;
#endif
  while (at < size && data[at] < 0x80 && data[at] != '\r' && data[at] != '\n')
    ++at;
  return at;
}

// Where the run of bytes of 0x80 or more from `at` ends, sixteen at a time: the Chinese of a
// comment or a string is such a run.
std::size_t NonAsciiRunEnd(const unsigned char* data, std::size_t size, std::size_t at) {
#if defined(__SSE2__)
  while (at + 16 <= size) {
    const auto high = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at))));
    if (high != 0xFFFF) return at + static_cast<std::size_t>(__builtin_ctz(~high));
    at += 16;
  }
#endif
  while (at < size && data[at] >= 0x80)
    ++at;
  return at;
}

// Where the rest of a code page 936 line from `at` ends, when no byte from 0x40 to 0x7E follows
// a byte of 0x80 or more in it: only there may a character have its second byte in ASCII, where
// it could pose as a letter, `\`, `|` or `_`. Such a line reads to the rules as it stands, each
// character a run of bytes of 0x80 or more as in UTF-8 (most Chinese text: the second bytes of
// its characters are 0xA1 or more). None where the line may hold such a character.
std::optional<std::size_t> EndWithoutTrailInAscii(const unsigned char* data, std::size_t size,
                                                  std::size_t at) {
  while (at < size && data[at] >= 0x80) {
    at = NonAsciiRunEnd(data, size, at);
    if (at < size && data[at] >= 0x40 && data[at] <= 0x7E) return std::nullopt;
    at = AsciiRunEnd(data, size, at);
  }
  return at;
}

// The rest of a line that is not all ASCII, from `at`, its first byte of 0x80 or more. Kept out
// of the walk over ASCII lines, which then saves and restores next to nothing. Runs outside
// ASCII are walked, not decoded: code page 936 only to count their characters, strict UTF-8
// only to check it.
[[gnu::noinline]] ScannedLine ScanRestForLayout(std::string_view bytes, std::size_t begin,
                                                std::size_t at, FileEncoding encoding, bool strict,
                                                char*& out) {
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  const bool narrows = encoding == FileEncoding::kCodePage936;
  if (narrows) {
    if (const auto end = EndWithoutTrailInAscii(data, bytes.size(), at)) return {*end, false};
    out = std::copy_n(data + begin, at - begin, out);
  }
  ScannedLine line;
  line.ascii = false;
  while (at < bytes.size() && data[at] >= 0x80) {
    std::size_t run_end = at;
    if (narrows) {
      std::size_t characters = 0;
      run_end = text::CountGbkRun(bytes, at, characters);
      out = std::fill_n(out, characters, '\x80');
    } else if (strict) {
      const CheckedRun run = CheckUtf8Run(bytes, at);
      if (run.refused) {
        line.refused = true;
        break;
      }
      run_end = run.end;
    } else {
      run_end = NonAsciiRunEnd(data, bytes.size(), at);
    }
    const std::size_t ascii_end = AsciiRunEnd(data, bytes.size(), run_end);
    if (narrows) out = std::copy(data + run_end, data + ascii_end, out);
    at = ascii_end;
  }
  line.end = at;
  return line;
}

}  // namespace

ScannedLine ScanLine(std::string_view bytes, std::size_t begin, FileEncoding encoding, bool strict,
                     char16_t*& out) {
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  ScannedLine line;
  std::size_t at = begin;
  for (;;) {
    at = WidenAscii(data, bytes.size(), at, out);
    if (at == bytes.size() || data[at] < 0x80) break;  // the end, or a CR or LF
    line.ascii = false;
    // A run of other characters never takes a CR or LF: neither can follow a GBK lead byte or
    // continue a UTF-8 sequence.
    const DecodedRun run = DecodeNonAsciiRun(bytes, at, encoding, strict, out);
    at = run.end;
    out = run.out;
    if (run.refused) {
      line.refused = true;
      break;
    }
  }
  line.end = at;
  return line;
}

ScannedLine ScanLineForLayout(std::string_view bytes, std::size_t begin, FileEncoding encoding,
                              bool strict, char*& out) {
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t at = AsciiRunEnd(data, bytes.size(), begin);
  if (at == bytes.size() || data[at] < 0x80) return {at, true, false};
  return ScanRestForLayout(bytes, begin, at, encoding, strict, out);
}

std::size_t CountLineFeeds(std::string_view bytes) {
  std::size_t count = 0;
  std::size_t at = 0;
#if defined(__SSE2__)
  // Each byte of the sum counts the matches in its lane, up to 255 blocks; then the lanes are
  // added up.
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i zero = _mm_setzero_si128();
  while (at + 16 <= bytes.size()) {
    __m128i lanes = zero;
    for (int block = 0; block < 255 && at + 16 <= bytes.size(); ++block, at += 16) {
      const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
      lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(chunk, lf));
    }
    const __m128i sums = _mm_sad_epu8(lanes, zero);
    count += static_cast<std::size_t>(_mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4));
  }
#endif
  return count + static_cast<std::size_t>(std::count(
                     bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.end(), '\n'));
}

}  // namespace tessaly::cli
