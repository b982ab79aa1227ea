#include "cli/module_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "cli/line_scan.h"
#include "cli/module_header.h"
#include "cli/reindent_as_read.h"
#include "text/surrogates.h"

namespace tessaly::cli {

using language::MessageId;

namespace {

MessageId EncodingName(FileEncoding encoding) {
  return encoding == FileEncoding::kCodePage936 ? MessageId::kCodePage936 : MessageId::kUtf8;
}

// The character at `at`, named as U+XXXX; a surrogate pair is named by its code point.
std::string CharacterName(std::u16string_view text, std::size_t at) {
  const char32_t code_point = text::CodePointAt(text, at).code_point;
  char name[12];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(code_point));
  return name;
}

}  // namespace

namespace {

std::size_t LeadingBlanks(std::u16string_view line) {
  std::size_t blanks = 0;
  while (blanks < line.size() && (line[blanks] == u' ' || line[blanks] == u'\t'))
    ++blanks;
  return blanks;
}

// The library compares char16_t text unit by unit; a byte comparison is several times
// faster on the long runs of lines a whole-module command compares.
bool SameText(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(char16_t)) == 0;
}

}  // namespace

namespace {

// How many of the file's first lines are its hidden header (module_header.h), read from as
// few lines as decide it: the header stands at the head of the file, and most modules' is a
// line or a few. A count over some first lines stands for the whole file once a line that is
// not blank follows it among them; until then the head read grows.
std::size_t HeaderLineCount(std::string_view all, std::size_t begin) {
  std::vector<std::string_view> head;
  std::size_t at = begin;
  for (std::size_t wanted = 16;; wanted *= 4) {
    while (head.size() < wanted && at < all.size()) {
      std::size_t end = at;
      while (end < all.size() && all[end] != '\r' && all[end] != '\n')
        ++end;
      head.push_back(all.substr(at, end - at));
      at = end == all.size() ? end : end + (all.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    const std::size_t count = CountHeaderLines(head);
    const auto blank = [](std::string_view line) {
      return line.find_first_not_of(" \t") == std::string_view::npos;
    };
    if (at == all.size() ||
        !std::all_of(head.begin() + static_cast<std::ptrdiff_t>(count), head.end(), blank)) {
      return count;
    }
  }
}

}  // namespace

ModuleFile::LineBreak ModuleFile::BreakAt(std::string_view bytes, std::size_t at) {
  if (at == bytes.size()) return LineBreak::kNone;
  if (bytes[at] == '\n') return LineBreak::kLf;
  return at + 1 < bytes.size() && bytes[at + 1] == '\n' ? LineBreak::kCrLf : LineBreak::kCr;
}

// Appends lines one after the other and decides each line break only when the next line
// comes, so that a line which stops being the last one gets a break and the new last line
// follows the original file's final newline or lack of it.
class ModuleFile::Writer {
 public:
  // `expected_size` is what the output should come to; a larger output still grows as usual.
  Writer(const ModuleFile& file, std::size_t expected_size) : file_(file) {
    out_.reserve(expected_size + 64);
    out_ = std::string_view(*file.bytes_).substr(0, file.bom_size_);
  }

  void Append(std::string_view content, LineBreak line_break) {
    FinishLine();
    out_ += content;
    pending_ = line_break;
    has_line_ = true;
    line_empty_ = content.empty();
  }
  void AppendOriginal(const RawLine& line) { Append(file_.BytesOf(line), line.line_break); }
  // The line with its indentation and trailing blanks as the layout has them; its code keeps
  // its own bytes, whatever they are. Blanks and tabs are one byte each in every encoding the
  // file may have, so the layout's counts of units count bytes.
  void AppendLaidOut(const RawLine& line, const codetools::LineLayout& layout) {
    FinishLine();
    out_.append(layout.tabs, '\t').append(layout.blanks, ' ');
    const std::size_t code = line.length - layout.strip - layout.trim;
    out_ += std::string_view(*file_.bytes_).substr(line.begin + layout.strip, code);
    pending_ = line.line_break;
    has_line_ = true;
    line_empty_ = layout.Indentation() == 0 && code == 0;
  }
  // Edited line number `index` (0-based), which stems from visible line `origin` if it has
  // one. Throws FileError when it holds a character the file's encoding cannot represent.
  void AppendEdited(std::size_t index, std::u16string_view edited,
                    std::optional<std::size_t> origin) {
    if (origin) {
      const RawLine& raw = file_.body_[*origin];
      const std::u16string_view original = file_.visible_lines_[*origin];
      if (SameText(original, edited)) {
        AppendOriginal(raw);
        return;
      }
      const std::size_t new_blanks = LeadingBlanks(edited);
      const std::size_t old_blanks = LeadingBlanks(original);
      if (SameText(edited.substr(new_blanks), original.substr(old_blanks))) {
        // Re-indented: the code keeps its own bytes, whatever they are, and needs no encoding.
        AppendReindented(raw, edited.substr(0, new_blanks), old_blanks);
        return;
      }
    }
    const text::Encoded encoded = Encode(edited, file_.encoding_);
    if (encoded.unencodable_at) {
      throw FileError({MessageId::kUnencodable,
                       {std::to_string(index + 1), CharacterName(edited, *encoded.unencodable_at),
                        EncodingName(file_.encoding_)},
                       {}});
    }
    RefuseJoinedBytes(index, edited, encoded.bytes);
    Append(encoded.bytes, origin ? file_.body_[*origin].line_break : LineBreak::kNone);
  }

  std::string Finish() && {
    if (has_line_ && (file_.ends_with_line_break_ || line_empty_)) FinishLine();
    return std::move(out_);
  }

 private:
  // A byte that no decoder accepted is kept as it was, but the text an edit puts next to it
  // may complete it: a GBK lead byte before a letter reads back as one character. The line
  // would no longer read as edited, so it is refused. Only such bytes can join their
  // neighbours; lines without them are not decoded again.
  void RefuseJoinedBytes(std::size_t index, std::u16string_view edited,
                         std::string_view bytes) const {
    if (std::none_of(edited.begin(), edited.end(), text::IsByteEscape)) return;
    const std::u16string read_back = Decode(bytes, file_.encoding_);
    const auto [differs, ignored] =
        std::mismatch(edited.begin(), edited.end(), read_back.begin(), read_back.end());
    if (differs == edited.end() && read_back.size() == edited.size()) return;
    // The joining byte is the last one kept up to the first unit that reads back otherwise.
    const auto up_to = differs == edited.end() ? differs : differs + 1;
    auto stray = std::find_if(std::make_reverse_iterator(up_to), edited.rend(), text::IsByteEscape);
    if (stray == edited.rend()) {
      stray = std::find_if(edited.rbegin(), edited.rend(), text::IsByteEscape);
    }
    char name[8];
    std::snprintf(name, sizeof name, "0x%02X",
                  static_cast<unsigned>(static_cast<unsigned char>(text::EscapedByte(*stray))));
    throw FileError({MessageId::kStrayByte,
                     {std::to_string(index + 1), std::string(name), EncodingName(file_.encoding_)},
                     {}});
  }

  // The line with its leading blanks replaced: the new blanks, then the original bytes after
  // its own blanks, which are one byte each in every encoding the file may have.
  void AppendReindented(const RawLine& line, std::u16string_view blanks, std::size_t old_blanks) {
    FinishLine();
    // Blanks and tabs are ASCII, so each unit narrows to its byte.
    const std::size_t at = out_.size();
    out_.resize(at + blanks.size());
    std::transform(blanks.begin(), blanks.end(), out_.begin() + static_cast<std::ptrdiff_t>(at),
                   [](char16_t blank) { return static_cast<char>(blank); });
    AppendAfterBlanks(line, blanks.empty(), old_blanks);
  }
  void AppendAfterBlanks(const RawLine& line, bool no_blanks, std::size_t old_blanks) {
    out_ +=
        std::string_view(*file_.bytes_).substr(line.begin + old_blanks, line.length - old_blanks);
    pending_ = line.line_break;
    has_line_ = true;
    line_empty_ = no_blanks && line.length == old_blanks;
  }

  void FinishLine() {
    if (!has_line_) return;
    LineBreak line_break = pending_ == LineBreak::kNone ? file_.usual_break_ : pending_;
    // A lone CR, nothing, then LF would read back as one CR LF: the empty line would vanish.
    if (line_empty_ && break_before_ == LineBreak::kCr && line_break == LineBreak::kLf) {
      line_break = LineBreak::kCrLf;
    }
    out_.append(line_break == LineBreak::kCrLf ? std::string_view("\r\n")
                : line_break == LineBreak::kCr ? std::string_view("\r")
                                               : std::string_view("\n"));
    break_before_ = line_break;
    has_line_ = false;
  }

  const ModuleFile& file_;
  std::string out_;
  LineBreak pending_ = LineBreak::kNone;
  bool has_line_ = false;
  bool line_empty_ = false;
  // The break written before the line being appended; none before the first.
  LineBreak break_before_ = LineBreak::kNone;
};

ModuleFile ModuleFile::Parse(std::string bytes, FileEncoding plain_ascii, const Reading& reading) {
  if (bytes.find('\0') != std::string::npos) {
    throw FileError({MessageId::kBinaryFile, {}, {}});
  }
  ModuleFile file;
  file.reading_ = reading;
  file.bytes_ = std::make_unique<const std::string>(std::move(bytes));
  const std::string_view all = *file.bytes_;
  const bool bom = all.starts_with(kUtf8Bom);
  file.bom_size_ = bom ? kUtf8Bom.size() : 0;
  const std::size_t header_lines = HeaderLineCount(all, file.bom_size_);
  // Never more units than bytes. Left as allocated: the walk writes every unit it keeps.
  if (reading.purpose != Reading::kMeasure) {
    const std::size_t lines = CountLineFeeds(all) + 1;
    file.body_.reserve(lines);
    if (reading.purpose == Reading::kText) {
      file.text_ = std::make_unique_for_overwrite<char16_t[]>(all.size() + kScanSlack);
      file.visible_lines_.reserve(lines);
    } else {
      file.layouts_.reserve(lines);
    }
  }
  if (bom) {
    file.encoding_ = FileEncoding::kUtf8WithBom;
    file.ScanLines(header_lines, /*strict=*/false);
    return file;
  }
  // UTF-8 until a byte says otherwise, as DetectEncoding decides: the walk then starts again
  // in code page 936, which is seldom far in, as a GBK character is seldom valid UTF-8.
  file.encoding_ = FileEncoding::kUtf8;
  const Scan scan = file.ScanLines(header_lines, /*strict=*/true);
  if (scan == Scan::kPlainAscii) {
    file.encoding_ = plain_ascii;  // the text reads the same in both
  } else if (scan == Scan::kRefused) {
    file.encoding_ = FileEncoding::kCodePage936;
    // Only code page 936 narrows lines into a buffer of their own (line_scan.h).
    if (reading.purpose != Reading::kText) {
      file.layout_text_ = std::make_unique_for_overwrite<char[]>(all.size());
    }
    file.ScanLines(header_lines, /*strict=*/false);
  }
  return file;
}

ModuleFile::Scan ModuleFile::ScanLines(std::size_t header_lines, bool strict) {
  header_.clear();
  body_.clear();
  hidden_.clear();
  visible_lines_.clear();
  layouts_.clear();
  const std::string_view all = *bytes_;
  const bool text = reading_.purpose == Reading::kText;
  const bool keeps_lines = reading_.purpose != Reading::kMeasure;
  // Header and hidden lines are decoded too, to tell the encoding, but over the room the next
  // visible line takes.
  char16_t* out = text_.get();
  std::optional<ReindentAsRead> layout;
  if (!text) layout.emplace(reading_.style, layout_text_.get(), keeps_lines ? &layouts_ : nullptr);

  std::size_t break_counts[4] = {};
  std::size_t visible_count = 0;
  bool plain_ascii = true;
  bool any_line = false;
  for (std::size_t begin = bom_size_; begin < all.size();) {
    char16_t* units_end = out;
    char* narrowed_end = text ? nullptr : layout->Scratch();
    const ScannedLine line = text ? ScanLine(all, begin, encoding_, strict, units_end)
                                  : ScanLineForLayout(all, begin, encoding_, strict, narrowed_end);
    if (line.refused) return Scan::kRefused;
    plain_ascii = plain_ascii && line.ascii;
    any_line = true;
    const std::string_view content = all.substr(begin, line.end - begin);
    if (content.size() > UINT32_MAX) throw FileError({MessageId::kLineOf4GiB, {}, {}});
    const LineBreak line_break = BreakAt(all, line.end);
    ++break_counts[static_cast<std::size_t>(line_break)];
    const RawLine raw{begin, static_cast<std::uint32_t>(content.size()), line_break};
    begin = line.end + (line_break == LineBreak::kCrLf ? 2 : 1);
    if (header_.size() < header_lines) {
      header_.push_back(raw);
      continue;
    }
    if (visible_count != 0 && (content.starts_with('A') || content.starts_with('a')) &&
        IsMemberAttribute(content)) {
      if (keeps_lines) hidden_.push_back({visible_count - 1, raw});
      continue;
    }
    ++visible_count;
    if (keeps_lines) body_.push_back(raw);
    if (text) {
      visible_lines_.emplace_back(out, static_cast<std::size_t>(units_end - out));
      out = units_end;
      continue;
    }
    layout->Add(content, narrowed_end);
  }
  if (layout) {
    const ReindentedSize size = layout->Finish();
    reindented_ = {size.Of(all.size()), size.changes};
  }
  // New lines take the break most lines have; CR LF, as the editor writes, wins a tie.
  const auto count_of = [&](LineBreak line_break) {
    return break_counts[static_cast<std::size_t>(line_break)];
  };
  usual_break_ = LineBreak::kCrLf;
  for (const LineBreak other : {LineBreak::kLf, LineBreak::kCr}) {
    if (count_of(other) > count_of(usual_break_)) usual_break_ = other;
  }
  ends_with_line_break_ = !any_line || all.ends_with('\n') || all.ends_with('\r');
  return plain_ascii ? Scan::kPlainAscii : Scan::kDecoded;
}

std::vector<std::u16string> ModuleFile::VisibleLines() const {
  return {visible_lines_.begin(), visible_lines_.end()};
}

std::span<const ModuleFile::HiddenLine> ModuleFile::HiddenBelow(std::size_t index) const {
  const auto [first, last] =
      std::equal_range(hidden_.begin(), hidden_.end(), HiddenLine{index, {}},
                       [](const HiddenLine& a, const HiddenLine& b) { return a.below < b.below; });
  return {first, last};
}

std::size_t ModuleFile::ExpectedSize(const std::vector<std::u16string>& edited_lines) const {
  // Re-indenting changes only blanks, one byte each, so the output comes to the input plus
  // the difference in length of all lines; other edits may need the output to grow.
  std::size_t edited_units = 0;
  for (const std::u16string& line : edited_lines)
    edited_units += line.size();
  std::size_t visible_units = 0;
  for (const std::u16string_view line : visible_lines_)
    visible_units += line.size();
  return bytes_->size() + (edited_units > visible_units ? edited_units - visible_units : 0);
}

std::string ModuleFile::Serialize(const std::vector<std::u16string>& edited_lines) const {
  if (edited_lines.size() != visible_lines_.size()) {
    throw std::invalid_argument("lines edited in place must keep their number");
  }
  Writer writer(*this, ExpectedSize(edited_lines));
  for (const RawLine& line : header_)
    writer.AppendOriginal(line);
  // Every line stays where it stands, and its hidden lines with it.
  for (std::size_t j = 0; j < edited_lines.size(); ++j) {
    writer.AppendEdited(j, edited_lines[j], j);
    for (const HiddenLine& hidden : HiddenBelow(j))
      writer.AppendOriginal(hidden.raw);
  }
  return std::move(writer).Finish();
}

ModuleFile::Reindentation ModuleFile::MeasureReindented(
    std::span<const codetools::LineLayout> layouts) const {
  if (layouts.size() != body_.size()) throw std::invalid_argument("a layout for each visible line");
  // The bytes stay but for each line's indentation and trailing blanks.
  ReindentedSize size;
  for (std::size_t j = 0; j < layouts.size(); ++j)
    size.Add(BytesOf(body_[j]), layouts[j]);
  return {size.Of(bytes_->size()), size.changes};
}

std::string ModuleFile::SerializeReindented(std::span<const codetools::LineLayout> layouts) const {
  const Reindentation measured = MeasureReindented(layouts);
  Writer writer(*this, measured.size);
  for (const RawLine& line : header_)
    writer.AppendOriginal(line);
  for (std::size_t j = 0; j < layouts.size(); ++j) {
    // Blanks and tabs are one byte each in every encoding the file may have.
    if (codetools::ChangesLine(BytesOf(body_[j]), layouts[j])) {
      writer.AppendLaidOut(body_[j], layouts[j]);
    } else {
      writer.AppendOriginal(body_[j]);
    }
    for (const HiddenLine& hidden : HiddenBelow(j))
      writer.AppendOriginal(hidden.raw);
  }
  return std::move(writer).Finish();
}

std::string ModuleFile::SerializeReindented() const {
  if (reading_.purpose != Reading::kLayout) {
    throw std::logic_error("only a file read for its layout keeps its lines' layouts");
  }
  return SerializeReindented(layouts_);
}

std::string ModuleFile::Serialize(const std::vector<std::u16string>& edited_lines,
                                  LineOrigins origins) const {
  if (origins.size() != edited_lines.size()) {
    throw std::invalid_argument("each edited line needs its origin");
  }
  std::optional<std::size_t> previous;
  for (const std::optional<std::size_t>& origin : origins) {
    if (!origin) continue;
    if (*origin >= visible_lines_.size() || (previous && *origin <= *previous)) {
      throw std::invalid_argument("origins must name visible lines in increasing order");
    }
    previous = origin;
  }
  Writer writer(*this, ExpectedSize(edited_lines));
  for (const RawLine& line : header_)
    writer.AppendOriginal(line);

  // Hidden lines go below the edited line that their own line became, or that the nearest
  // surviving line above became; index 0 is the place above all edited lines. Most modules
  // have none, and then the places are not worked out at all.
  const bool any_hidden = !hidden_.empty();
  std::vector<std::vector<const RawLine*>> hidden_below(any_hidden ? edited_lines.size() + 1 : 0);
  std::size_t place = 0;
  std::size_t next_edited = 0;
  for (std::size_t original = 0; any_hidden && original < body_.size(); ++original) {
    while (next_edited < origins.size() &&
           (!origins[next_edited] || *origins[next_edited] < original)) {
      ++next_edited;
    }
    if (next_edited < origins.size() && origins[next_edited] == original) place = next_edited + 1;
    for (const HiddenLine& hidden : HiddenBelow(original)) {
      hidden_below[place].push_back(&hidden.raw);
    }
  }

  const auto write_hidden_at = [&](std::size_t at) {
    if (!any_hidden) return;
    for (const RawLine* hidden : hidden_below[at])
      writer.AppendOriginal(*hidden);
  };
  write_hidden_at(0);
  for (std::size_t j = 0; j < edited_lines.size(); ++j) {
    writer.AppendEdited(j, edited_lines[j], origins[j]);
    write_hidden_at(j + 1);
  }
  return std::move(writer).Finish();
}

}  // namespace tessaly::cli
