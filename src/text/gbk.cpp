#include "text/gbk.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

#include "text/cp936_table.h"

namespace tessaly::text {

namespace {

// The character of a single byte of 0x80 or more, or of a lead byte and the byte after it,
// read from the data table as it stands; 0 where the code is no character. Decoding needs no
// table built, so reading a module for its layout pays nothing for the other direction.
char16_t DecodeSingle(unsigned char byte) {
  return kCp936SingleBytes[byte - kCp936FirstSingleByte];
}

char16_t DecodePair(unsigned char lead, unsigned char trail) {
  if (lead < kCp936FirstLead || lead >= kCp936FirstLead + kCp936LeadCount ||
      trail < kCp936FirstTrail || trail >= kCp936FirstTrail + kCp936TrailCount) {
    return 0;
  }
  return kCp936Pairs[lead - kCp936FirstLead][trail - kCp936FirstTrail];
}

// The other direction spread out so that a unit is one index: a code is a single byte or
// lead << 8 | trail, and 0 means no character. The data is one-to-one.
class Encoding {
 public:
  Encoding() {
    for (unsigned index = 0; index < kCp936SingleByteCount; ++index) {
      Add(kCp936FirstSingleByte + index, kCp936SingleBytes[index]);
    }
    for (unsigned row = 0; row < kCp936LeadCount; ++row) {
      for (unsigned column = 0; column < kCp936TrailCount; ++column) {
        Add((kCp936FirstLead + row) << 8 | (kCp936FirstTrail + column), kCp936Pairs[row][column]);
      }
    }
  }

  std::uint16_t Encode(char16_t unit) const { return encode_[unit]; }

 private:
  void Add(unsigned code, char16_t unit) {
    if (unit != 0) encode_[unit] = static_cast<std::uint16_t>(code);
  }

  std::array<std::uint16_t, 0x10000> encode_{};
};

// Built on first use and never changed afterwards; the C++ runtime makes the first use
// thread-safe.
const Encoding& Cp936Encoding() {
  static const auto encoding = std::make_unique<const Encoding>();
  return *encoding;
}

// The characters of a run from `at`, as code page 936 pairs them, each handed to `take` with
// its unit, up to the next ASCII byte or the end. Returns where the run stops.
template <typename Take>
std::size_t WalkGbkRun(std::string_view bytes, std::size_t at, Take take) {
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  std::size_t i = at;
  while (i < bytes.size() && data[i] >= 0x80) {
    const unsigned char byte = data[i];
    if (i + 1 < bytes.size()) {
      if (const char16_t unit = DecodePair(byte, data[i + 1]); unit != 0) {
        take(unit);
        i += 2;
        continue;
      }
    }
    const char16_t single = DecodeSingle(byte);
    take(single != 0 ? single : EscapeByte(byte));
    ++i;
  }
  return i;
}

}  // namespace

std::size_t DecodeGbkRun(std::string_view bytes, std::size_t at, char16_t*& out) {
  return WalkGbkRun(bytes, at, [&out](char16_t unit) { *out++ = unit; });
}

std::size_t CountGbkRun(std::string_view bytes, std::size_t at, std::size_t& characters) {
  return WalkGbkRun(bytes, at, [&characters](char16_t) { ++characters; });
}

std::u16string DecodeGbk(std::string_view bytes) {
  // Never more units than bytes; writing through a pointer keeps the loop free of capacity
  // checks, which dominate on long ASCII runs.
  std::u16string text(bytes.size(), u'\0');
  char16_t* out = text.data();
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  std::size_t i = 0;
  while (i < bytes.size()) {
    // Most of a module is ASCII. Eight bytes are tested at once (none has its high bit set)
    // and widened in a loop of fixed length the compiler unrolls; the rest of a run goes byte
    // by byte.
    while (i + 8 <= bytes.size()) {
      std::uint64_t eight;
      std::memcpy(&eight, data + i, sizeof eight);
      if ((eight & 0x8080808080808080u) != 0) break;
      for (int k = 0; k < 8; ++k)
        out[k] = data[i + k];
      out += 8;
      i += 8;
    }
    while (i < bytes.size() && data[i] < 0x80)
      *out++ = data[i++];
    i = DecodeGbkRun(bytes, i, out);
  }
  text.resize(static_cast<std::size_t>(out - text.data()));
  return text;
}

Encoded EncodeGbk(std::u16string_view text) {
  const Encoding& code_page = Cp936Encoding();
  Encoded result;
  // At most two bytes a unit; see DecodeGbk for why the loop writes through a pointer.
  result.bytes.resize(text.size() * 2);
  char* out = result.bytes.data();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (unit < 0x80) {
      *out++ = static_cast<char>(unit);
    } else if (IsByteEscape(unit)) {
      *out++ = EscapedByte(unit);
    } else if (const std::uint16_t code = code_page.Encode(unit); code >= 0x100) {
      *out++ = static_cast<char>(code >> 8);
      *out++ = static_cast<char>(code & 0xFF);
    } else if (code != 0) {
      *out++ = static_cast<char>(code);
    } else {
      result.unencodable_at = i;
      break;
    }
  }
  result.bytes.resize(static_cast<std::size_t>(out - result.bytes.data()));
  return result;
}

}  // namespace tessaly::text
