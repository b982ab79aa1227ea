#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/file_encoding.h"
#include "cli/file_error.h"
#include "codetools/indent_style.h"
#include "codetools/line_layout.h"

namespace tessaly::cli {

// For each edited line, the visible line (0-based) it was edited from, or none for a line the
// edit inserted. The editor knows: it keeps each line's origin through its edits
// (sim::SimCodeModule::LineOrigins). Lines keep their order, so the origins given increase.
using LineOrigins = std::span<const std::optional<std::size_t>>;

// An exported module (.bas, .cls, .frm) as the editor shows it, and the way back to bytes.
//
// Writing back changes nothing the edit did not change: the hidden header (module_header.h)
// and every line whose text an edit left alone are written as their original bytes, in the
// file's encoding, with each line's own line break and the file's final newline or lack of
// it. New lines take the line break most lines of the file use (CR LF on a tie, as the editor
// writes). Member attributes (`Attribute Foo.VB_UserMemId = 0`) stay hidden and follow the
// line they were written below wherever edits move it; if that line is deleted they follow
// the nearest surviving line above it, so no attribute is ever lost.
//
// A line ends as the editor ends one: at CR LF, at LF, or at a CR on its own. A line keeps its
// own break when written back, so no command can join, split or move lines by the way it
// reads them, and a file with classic Mac line ends stays one. Where the bytes would read back
// as other lines, one break gives way: an empty line after a lone CR ends in CR LF, not LF
// (else the two breaks would read as one), and an empty last line gets a break even in a file
// without a final newline (else it would be no line at all).
class ModuleFile {
 public:
  // What a file is read for: its text, as the editor shows it, or its re-indentation in a
  // style (`tessaly fmt`). A file read for its re-indentation is laid out statement by statement
  // as it is split, its lines read only as the indentation rules read them (mostly as they
  // stand, line_scan.h) and never decoded; it answers Reindented, and with kLayout
  // SerializeReindented, and has no visible lines. One read to be measured (--check) keeps no
  // line at all.
  struct Reading {
    enum Purpose : std::uint8_t { kText, kLayout, kMeasure };
    Purpose purpose = kText;
    codetools::IndentStyle style;  // of kLayout and kMeasure
  };

  // Throws FileError for a binary file (one holding a NUL byte).
  // Plain ASCII is taken to be in `plain_ascii` (file_encoding.h).
  static ModuleFile Parse(std::string bytes, FileEncoding plain_ascii, const Reading& reading);
  static ModuleFile Parse(std::string bytes,
                          FileEncoding plain_ascii = FileEncoding::kCodePage936) {
    return Parse(std::move(bytes), plain_ascii, Reading());
  }

  // The lines the editor shows, each a view of one buffer that holds them all: parsing builds
  // no string a line. The views live as long as the file (moving it keeps them).
  std::span<const std::u16string_view> VisibleLineViews() const { return visible_lines_; }
  // The same lines as strings of their own, for an editor to take.
  std::vector<std::u16string> VisibleLines() const;
  FileEncoding Encoding() const { return encoding_; }
  // The file as it was read.
  const std::string& Bytes() const { return *bytes_; }

  // The file with its visible lines replaced by `edited_lines`, which stem from the visible
  // lines `origins` gives. Throws FileError when an edited line holds a character the file's
  // encoding cannot represent, or a byte no decoder accepted next to text it would join in
  // another character (a GBK lead byte before a letter the edit put after it).
  std::string Serialize(const std::vector<std::u16string>& edited_lines, LineOrigins origins) const;
  // Every line edited where it stands (re-indentation), so there are as many as the file
  // shows; throws std::invalid_argument otherwise.
  std::string Serialize(const std::vector<std::u16string>& edited_lines) const;

  // Re-indentation without the lines built first: each visible line laid out as `layouts[i]`
  // says, its code kept byte for byte. Throws std::invalid_argument unless there is a layout
  // for each visible line.
  std::string SerializeReindented(std::span<const codetools::LineLayout> layouts) const;
  // What SerializeReindented comes to, but for the line break (two bytes at most) that a line
  // it empties may gain; whether it changes any line.
  struct Reindentation {
    std::size_t size = 0;
    bool changes = false;
  };
  Reindentation MeasureReindented(std::span<const codetools::LineLayout> layouts) const;

  // The same of a file read for its re-indentation, in the style it was read in: measured as
  // it was read, and, read with kLayout, written (else throws std::logic_error).
  Reindentation Reindented() const { return reindented_; }
  std::string SerializeReindented() const;

 private:
  enum class LineBreak : std::uint8_t { kNone, kLf, kCrLf, kCr };
  // The break that starts at `at`, the end of a line's text.
  static LineBreak BreakAt(std::string_view bytes, std::size_t at);
  // Sixteen bytes a line: a module of short lines has millions of them.
  struct RawLine {
    std::size_t begin = 0;
    std::uint32_t length = 0;  // without the line break
    LineBreak line_break = LineBreak::kNone;
  };
  // The line's bytes, without its line break.
  std::string_view BytesOf(const RawLine& line) const {
    return std::string_view(*bytes_).substr(line.begin, line.length);
  }
  // A member attribute, hidden below visible line `below`.
  struct HiddenLine {
    std::size_t below = 0;
    RawLine raw;
  };
  // The hidden lines below visible line `index`, in file order.
  std::span<const HiddenLine> HiddenBelow(std::size_t index) const;
  // Splits the file into lines and decodes them in the file's encoding as far as it is known,
  // the first `header_lines` of them the header. With `strict`, UTF-8 gives up at a byte that
  // starts no character.
  enum class Scan { kPlainAscii, kDecoded, kRefused };
  Scan ScanLines(std::size_t header_lines, bool strict);
  // What the file will about come to with these lines, to reserve room for it.
  std::size_t ExpectedSize(const std::vector<std::u16string>& edited_lines) const;
  class Writer;

  // Held apart, so that views of it live as long as the file: moving a short string moves its
  // bytes.
  std::unique_ptr<const std::string> bytes_;
  FileEncoding encoding_ = FileEncoding::kCodePage936;
  std::size_t bom_size_ = 0;
  std::vector<RawLine> header_;
  std::vector<RawLine> body_;
  std::vector<HiddenLine> hidden_;  // by `below`, as in the file
  Reading reading_;
  std::unique_ptr<char16_t[]> text_;  // the visible lines' text, one after the other
  std::vector<std::u16string_view> visible_lines_;
  // GBK lines narrowed for the rules (line_scan.h), of the statement being laid out
  std::unique_ptr<char[]> layout_text_;
  std::vector<codetools::LineLayout> layouts_;  // a visible line's each, read with kLayout
  Reindentation reindented_;
  LineBreak usual_break_ = LineBreak::kCrLf;
  bool ends_with_line_break_ = true;
};

}  // namespace tessaly::cli
