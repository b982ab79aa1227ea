#include "cli/module_file.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "cli/line_matching.h"
#include "cli/module_header.h"

namespace tessaly::cli {

namespace {

std::string EncodingName(FileEncoding encoding) {
  return encoding == FileEncoding::kCodePage936 ? "code page 936" : "UTF-8";
}

// The character at `at`, named as U+XXXX; a surrogate pair is named by its code point.
std::string CharacterName(std::u16string_view text, std::size_t at) {
  char32_t code_point = text[at];
  if (code_point >= 0xD800 && code_point < 0xDC00 && at + 1 < text.size() &&
      text[at + 1] >= 0xDC00 && text[at + 1] < 0xE000) {
    code_point = 0x10000 + ((code_point - 0xD800) << 10) + (text[at + 1] - 0xDC00);
  }
  char name[12];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(code_point));
  return name;
}

}  // namespace

// Appends lines one after the other and decides each line break only when the next line
// comes, so that a line which stops being the last one gets a break and the new last line
// follows the original file's final newline or lack of it.
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

class ModuleFile::Writer {
 public:
  explicit Writer(const ModuleFile& file) : file_(file) {
    out_.reserve(file.bytes_.size() + 64);
    out_ = std::string_view(file.bytes_).substr(0, file.bom_size_);
  }

  void Append(std::string_view content, LineBreak line_break) {
    FinishLine();
    out_ += content;
    pending_ = line_break;
    has_line_ = true;
  }
  void AppendOriginal(const RawLine& line) {
    Append(std::string_view(file_.bytes_).substr(line.begin, line.length), line.line_break);
  }
  // The line with its leading blanks replaced: the new blanks, then the original bytes after
  // its own blanks, which are one byte each in every encoding the file may have.
  void AppendReindented(const RawLine& line, std::u16string_view blanks, std::size_t old_blanks) {
    FinishLine();
    for (const char16_t blank : blanks)
      out_.push_back(static_cast<char>(blank));
    out_ +=
        std::string_view(file_.bytes_).substr(line.begin + old_blanks, line.length - old_blanks);
    pending_ = line.line_break;
    has_line_ = true;
  }

  std::string Finish() && {
    if (has_line_ && file_.ends_with_line_break_) FinishLine();
    return std::move(out_);
  }

 private:
  void FinishLine() {
    if (!has_line_) return;
    const LineBreak line_break = pending_ == LineBreak::kNone ? file_.usual_break_ : pending_;
    out_ += line_break == LineBreak::kCrLf ? "\r\n" : "\n";
  }

  const ModuleFile& file_;
  std::string out_;
  LineBreak pending_ = LineBreak::kNone;
  bool has_line_ = false;
};

ModuleFile ModuleFile::Parse(std::string bytes) {
  if (bytes.find('\0') != std::string::npos) {
    throw FileError("binary file: it holds a NUL byte, so it is no exported module");
  }
  ModuleFile file;
  file.bytes_ = std::move(bytes);
  const std::string_view all = file.bytes_;
  file.encoding_ = DetectEncoding(all);
  file.bom_size_ = file.encoding_ == FileEncoding::kUtf8WithBom ? kUtf8Bom.size() : 0;

  std::vector<RawLine> lines;
  std::size_t crlf_count = 0;
  for (std::size_t begin = file.bom_size_; begin < all.size();) {
    const std::size_t lf = all.find('\n', begin);
    RawLine line{begin, (lf == std::string_view::npos ? all.size() : lf) - begin, LineBreak::kLf};
    if (lf == std::string_view::npos) {
      line.line_break = LineBreak::kNone;
    } else if (line.length > 0 && all[lf - 1] == '\r') {
      line.line_break = LineBreak::kCrLf;
      --line.length;
      ++crlf_count;
    }
    lines.push_back(line);
    begin = lf == std::string_view::npos ? all.size() : lf + 1;
  }
  const std::size_t lf_count =
      lines.size() - crlf_count - (!lines.empty() && lines.back().line_break == LineBreak::kNone);
  file.usual_break_ = lf_count > crlf_count ? LineBreak::kLf : LineBreak::kCrLf;
  file.ends_with_line_break_ = lines.empty() || lines.back().line_break != LineBreak::kNone;

  std::vector<std::string_view> contents;
  contents.reserve(lines.size());
  for (const RawLine& line : lines)
    contents.push_back(all.substr(line.begin, line.length));
  const std::size_t header_size = CountHeaderLines(contents);
  file.header_.assign(lines.begin(), lines.begin() + header_size);
  file.body_.reserve(lines.size() - header_size);
  file.visible_lines_.reserve(lines.size() - header_size);
  for (std::size_t k = header_size; k < lines.size(); ++k) {
    if (!file.body_.empty() && IsMemberAttribute(contents[k])) {
      file.body_.back().hidden_below.push_back(lines[k]);
    } else {
      file.body_.push_back({lines[k], {}});
      file.visible_lines_.push_back(Decode(contents[k], file.encoding_));
    }
  }
  return file;
}

std::string ModuleFile::Serialize(const std::vector<std::u16string>& edited_lines,
                                  LinePairing pairing) const {
  std::vector<std::optional<std::size_t>> origins;
  if (pairing == LinePairing::kSamePlaces) {
    if (edited_lines.size() != visible_lines_.size()) {
      throw std::invalid_argument("lines paired by place must keep their number");
    }
    origins.resize(edited_lines.size());
    for (std::size_t i = 0; i < origins.size(); ++i)
      origins[i] = i;
  } else {
    origins = FindLineOrigins(visible_lines_, edited_lines);
  }

  // Hidden lines go below the edited line that their own line became, or that the nearest
  // surviving line above became; index 0 is the place above all edited lines.
  std::vector<std::vector<const RawLine*>> hidden_below(edited_lines.size() + 1);
  std::size_t place = 0;
  std::size_t next_edited = 0;
  for (std::size_t original = 0; original < body_.size(); ++original) {
    while (next_edited < origins.size() &&
           (!origins[next_edited] || *origins[next_edited] < original)) {
      ++next_edited;
    }
    if (next_edited < origins.size() && origins[next_edited] == original) place = next_edited + 1;
    for (const RawLine& hidden : body_[original].hidden_below) {
      hidden_below[place].push_back(&hidden);
    }
  }

  Writer writer(*this);
  for (const RawLine& line : header_)
    writer.AppendOriginal(line);
  for (const RawLine* hidden : hidden_below[0])
    writer.AppendOriginal(*hidden);
  for (std::size_t j = 0; j < edited_lines.size(); ++j) {
    const BodyLine* origin = origins[j] ? &body_[*origins[j]] : nullptr;
    const std::u16string_view edited = edited_lines[j];
    const std::u16string_view original =
        origin ? std::u16string_view(visible_lines_[*origins[j]]) : std::u16string_view();
    const std::size_t new_blanks = LeadingBlanks(edited);
    const std::size_t old_blanks = LeadingBlanks(original);
    if (origin && SameText(original, edited)) {
      writer.AppendOriginal(origin->raw);
    } else if (origin && SameText(edited.substr(new_blanks), original.substr(old_blanks))) {
      // Re-indented: the code keeps its own bytes, whatever they are, and needs no encoding.
      writer.AppendReindented(origin->raw, edited.substr(0, new_blanks), old_blanks);
    } else {
      const text::Encoded encoded = Encode(edited_lines[j], encoding_);
      if (encoded.unencodable_at) {
        throw FileError("line " + std::to_string(j + 1) + " holds " +
                        CharacterName(edited_lines[j], *encoded.unencodable_at) + ", which " +
                        EncodingName(encoding_) + " cannot represent");
      }
      writer.Append(encoded.bytes, origin ? origin->raw.line_break : LineBreak::kNone);
    }
    for (const RawLine* hidden : hidden_below[j + 1])
      writer.AppendOriginal(*hidden);
  }
  return std::move(writer).Finish();
}

}  // namespace tessaly::cli
