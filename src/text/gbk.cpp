#include "text/gbk.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <stdexcept>

namespace tessaly::text {

namespace {

// The C library's converters supply the characters. Its "CP936" is the Windows code page
// (0x80 is the euro sign) but leaves out the user-defined areas; its "GB18030" maps those
// to the private use area as Windows does. Taking CP936 first and GB18030 for the pairs it
// leaves out gives the code page the editor writes, and every accepted mapping is checked
// in both directions so that decoding and encoding are exact inverses.
class Converter {
 public:
  Converter(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {
    if (descriptor_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("the C library cannot convert from ") + from + " to " +
                               to + "; code page 936 files cannot be read");
    }
  }
  ~Converter() { iconv_close(descriptor_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts the whole input or returns nothing.
  std::optional<std::string> Convert(std::string_view input) {
    iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
    std::string in(input);
    char out[16];
    char* in_pointer = in.data();
    std::size_t in_left = in.size();
    char* out_pointer = out;
    std::size_t out_left = sizeof out;
    if (iconv(descriptor_, &in_pointer, &in_left, &out_pointer, &out_left) ==
            static_cast<std::size_t>(-1) ||
        in_left != 0) {
      return std::nullopt;
    }
    return std::string(out, out_pointer);
  }

 private:
  iconv_t descriptor_;
};

// A pair is packed as lead << 8 | trail; the single byte 0x80 as 0x0080.
class GbkTable {
 public:
  GbkTable() {
    Fill("CP936", [](unsigned code) { return code == 0x80 || IsPair(code); });
    Fill("GB18030", [this](unsigned code) { return IsPair(code) && decode_[code] == 0; });
  }

  char16_t Decode(unsigned code) const { return decode_[code]; }
  std::uint16_t Encode(char16_t unit) const { return encode_[unit]; }

 private:
  static bool IsPair(unsigned code) {
    const unsigned lead = code >> 8;
    const unsigned trail = code & 0xFF;
    return lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
  }

  static std::string Bytes(unsigned code) {
    if (code < 0x100) return std::string(1, static_cast<char>(code));
    return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
  }

  template <typename Wanted>
  void Fill(const char* charset, Wanted wanted) {
    Converter decoder("UTF-16LE", charset);
    Converter encoder(charset, "UTF-16LE");
    for (unsigned code = 0x80; code <= 0xFFFF; ++code) {
      if (!wanted(code)) continue;
      const auto utf16 = decoder.Convert(Bytes(code));
      if (!utf16 || utf16->size() != 2) continue;
      const auto unit = static_cast<char16_t>(static_cast<unsigned char>((*utf16)[0]) |
                                              static_cast<unsigned char>((*utf16)[1]) << 8);
      if (unit < 0x80 || (unit >= 0xD800 && unit < 0xE000) || encode_[unit] != 0) continue;
      if (encoder.Convert(*utf16) != Bytes(code)) continue;
      decode_[code] = unit;
      encode_[unit] = static_cast<std::uint16_t>(code);
    }
  }

  std::array<char16_t, 0x10000> decode_{};
  std::array<std::uint16_t, 0x10000> encode_{};
};

// Built on first use and never changed afterwards; the C++ runtime makes the first use
// thread-safe.
const GbkTable& Table() {
  static const auto table = std::make_unique<const GbkTable>();
  return *table;
}

}  // namespace

std::u16string DecodeGbk(std::string_view bytes) {
  const GbkTable& table = Table();
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
    if (i == bytes.size()) break;
    const unsigned char byte = data[i];
    if (i + 1 < bytes.size()) {
      const unsigned pair = byte << 8 | static_cast<unsigned char>(bytes[i + 1]);
      if (const char16_t unit = table.Decode(pair); unit != 0) {
        *out++ = unit;
        i += 2;
        continue;
      }
    }
    const char16_t single = table.Decode(byte);
    *out++ = single != 0 ? single : EscapeByte(byte);
    ++i;
  }
  text.resize(static_cast<std::size_t>(out - text.data()));
  return text;
}

Encoded EncodeGbk(std::u16string_view text) {
  const GbkTable& table = Table();
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
    } else if (const std::uint16_t code = table.Encode(unit); code >= 0x100) {
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
