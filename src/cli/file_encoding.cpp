#include "cli/file_encoding.h"

#include <cstdint>
#include <cstring>

#include "text/gbk.h"
#include "text/surrogates.h"
#include "text/utf.h"

namespace tessaly::cli {

namespace {

// Length of the well-formed UTF-8 sequence at `at` and its code point, or 0. Encoded
// surrogates are refused: U+DC80..U+DCFF would be mistaken for byte escapes.
int Utf8SequenceAt(std::string_view bytes, std::size_t at, char32_t& code_point) {
  const text::Utf8Sequence sequence = text::Utf8SequenceAt(bytes, at);
  if (text::IsSurrogate(sequence.code_point)) return 0;
  code_point = sequence.code_point;
  return sequence.length;
}

// Whether the eight bytes from `at` are all there and all ASCII (none has its high bit set),
// tested as one word.
bool IsAsciiEight(std::string_view bytes, std::size_t at) {
  if (at + 8 > bytes.size()) return false;
  std::uint64_t eight;
  std::memcpy(&eight, bytes.data() + at, sizeof eight);
  return (eight & 0x8080808080808080u) == 0;
}

// The characters of a run of UTF-8 from `at`, each code point handed to `take` (a byte that
// starts no character as its escape), up to the next ASCII byte or the end. With `strict` the
// walk stops at such a byte instead and says so.
template <typename Take>
CheckedRun WalkUtf8Run(std::string_view bytes, std::size_t at, bool strict, Take take) {
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  std::size_t i = at;
  while (i < bytes.size() && data[i] >= 0x80) {
    char32_t cp = 0;
    const int length = Utf8SequenceAt(bytes, i, cp);
    if (length == 0) {
      if (strict) return {i, true};
      take(static_cast<char32_t>(text::EscapeByte(data[i])));
      ++i;
    } else {
      take(cp);
      i += static_cast<std::size_t>(length);
    }
  }
  return {i, false};
}

DecodedRun DecodeUtf8Run(std::string_view bytes, std::size_t at, bool strict, char16_t* out) {
  const CheckedRun run = WalkUtf8Run(bytes, at, strict, [&out](char32_t cp) {
    text::PutUnits(cp, [&out](char16_t unit) { *out++ = unit; });
  });
  return {run.end, out, run.refused};
}

std::u16string DecodeUtf8(std::string_view bytes) {
  // Never more units than bytes: a four-byte sequence makes two.
  std::u16string text(bytes.size(), u'\0');
  char16_t* out = text.data();
  std::size_t i = 0;
  while (i < bytes.size()) {
    // Most of a module is ASCII: eight bytes are tested at once (none has its high bit set)
    // and taken over as they are.
    if (IsAsciiEight(bytes, i)) {
      for (std::size_t k = i; k < i + 8; ++k)
        *out++ = static_cast<char16_t>(bytes[k]);
      i += 8;
    } else if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      *out++ = static_cast<char16_t>(bytes[i++]);
    } else {
      const DecodedRun run = DecodeUtf8Run(bytes, i, /*strict=*/false, out);
      i = run.end;
      out = run.out;
    }
  }
  text.resize(static_cast<std::size_t>(out - text.data()));
  return text;
}

text::Encoded EncodeUtf8(std::u16string_view text) {
  text::Encoded result;
  result.bytes.reserve(text.size() * 3);
  for (std::size_t i = 0; i < text.size();) {
    const text::CodePointUnits read = text::CodePointAt(text, i);
    if (text::IsByteEscape(text[i])) {
      result.bytes.push_back(text::EscapedByte(text[i]));
    } else if (text::IsSurrogate(read.code_point)) {
      result.unencodable_at = i;
      return result;
    } else {
      text::AppendUtf8(result.bytes, read.code_point);
    }
    i += read.units;
  }
  return result;
}

}  // namespace

FileEncoding DetectEncoding(std::string_view bytes, FileEncoding plain_ascii) {
  if (bytes.starts_with(kUtf8Bom)) return FileEncoding::kUtf8WithBom;
  bool ascii = true;
  std::size_t i = 0;
  while (i < bytes.size()) {
    // Most of a module is ASCII, which is valid UTF-8: eight such bytes are passed over at
    // once, so that a long UTF-8 file costs little more than reading it.
    if (IsAsciiEight(bytes, i)) {
      i += 8;
      continue;
    }
    char32_t cp = 0;
    const int length = Utf8SequenceAt(bytes, i, cp);
    if (length == 0) return FileEncoding::kCodePage936;
    ascii = ascii && length == 1;
    i += length;
  }
  return ascii ? plain_ascii : FileEncoding::kUtf8;
}

std::u16string Decode(std::string_view bytes, FileEncoding encoding) {
  return encoding == FileEncoding::kCodePage936 ? text::DecodeGbk(bytes) : DecodeUtf8(bytes);
}

DecodedRun DecodeNonAsciiRun(std::string_view bytes, std::size_t at, FileEncoding encoding,
                             bool strict, char16_t* out) {
  if (encoding != FileEncoding::kCodePage936) return DecodeUtf8Run(bytes, at, strict, out);
  const std::size_t end = text::DecodeGbkRun(bytes, at, out);
  return {end, out, false};
}

CheckedRun CheckUtf8Run(std::string_view bytes, std::size_t at) {
  return WalkUtf8Run(bytes, at, /*strict=*/true, [](char32_t) {});
}

text::Encoded Encode(std::u16string_view text, FileEncoding encoding) {
  return encoding == FileEncoding::kCodePage936 ? text::EncodeGbk(text) : EncodeUtf8(text);
}

}  // namespace tessaly::cli
