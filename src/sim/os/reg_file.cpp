#include "sim/os/reg_file.h"

#include <stdexcept>

#include "host/registry.h"
#include "text/utf.h"

namespace tessaly::sim {

namespace {

constexpr std::u16string_view kHeader = u"Windows Registry Editor Version 5.00";
constexpr std::u16string_view kNewLine = u"\r\n";
// regedit's wrapping: a line of hex data holds at most this many characters before the
// backslash that continues it.
constexpr int kHexLineWidth = 77;

std::u16string Quoted(std::u16string_view text) {
  std::u16string out = u"\"";
  for (char16_t c : text) {
    if (c == u'\\' || c == u'"') out.push_back(u'\\');
    out.push_back(c);
  }
  out.push_back(u'"');
  return out;
}

std::u16string HexDigits(std::uint32_t number, int min_width) {
  static constexpr char16_t kDigits[] = u"0123456789abcdef";
  std::u16string out;
  do {
    out.insert(out.begin(), kDigits[number & 0xF]);
    number >>= 4;
  } while (number != 0);
  while (static_cast<int>(out.size()) < min_width)
    out.insert(out.begin(), u'0');
  return out;
}

std::u16string Utf16FromBytes(const std::vector<std::uint8_t>& data) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
    text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  }
  return text;
}

std::vector<std::uint8_t> BytesFromUtf16(std::u16string_view text) {
  std::vector<std::uint8_t> data;
  for (char16_t c : text) {
    data.push_back(static_cast<std::uint8_t>(c & 0xFF));
    data.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  return data;
}

// A REG_SZ can be written as "text" only when quoting loses nothing: one terminating zero,
// no other zero, and no line break that would split the line.
bool FitsQuotedString(const RegistryValue& value) {
  if (value.type != host::kRegSz || value.data.size() < 2 || value.data.size() % 2 != 0) {
    return false;
  }
  const auto text = Utf16FromBytes(value.data);
  if (text.back() != 0) return false;
  return text.find_first_of(std::u16string_view(u"\0\r\n", 3)) == text.size() - 1;
}

std::u16string HexData(std::u16string line, const std::vector<std::uint8_t>& data) {
  int column = kHexLineWidth - static_cast<int>(line.size());
  for (std::size_t i = 0; i < data.size(); ++i) {
    line += HexDigits(data[i], 2);
    if (i + 1 == data.size()) break;
    line.push_back(u',');
    column -= 3;
    if (column < 3) {
      line += u"\\\r\n  ";
      column = kHexLineWidth - 2;
    }
  }
  return line;
}

std::u16string ValueLine(const RegistryValue& value) {
  std::u16string line = value.name.empty() ? u"@" : Quoted(value.name);
  line.push_back(u'=');
  if (FitsQuotedString(value)) {
    auto text = Utf16FromBytes(value.data);
    text.pop_back();
    return line + Quoted(text);
  }
  if (value.type == host::kRegDword && value.data.size() == 4) {
    const std::uint32_t number = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                                 (static_cast<std::uint32_t>(value.data[3]) << 24);
    return line + u"dword:" + HexDigits(number, 8);
  }
  line += value.type == host::kRegBinary ? u"hex:" : u"hex(" + HexDigits(value.type, 1) + u"):";
  return HexData(std::move(line), value.data);
}

// Every key below `root` in the order the keys nest, each with its values. Keys may nest
// deeper than the call stack goes, so the walk keeps its own stack, and each key's path
// grows from its parent's instead of being made anew from the root.
void AppendKeys(const RegistryNode& root, std::u16string& out) {
  struct Visit {
    const RegistryNode* node;
    std::size_t parent_path_size;  // 0 for the root
  };
  std::u16string path;
  std::vector<Visit> pending = {{&root, 0}};
  while (!pending.empty()) {
    const Visit visit = pending.back();
    pending.pop_back();
    const RegistryNode& node = *visit.node;
    path.resize(visit.parent_path_size);
    if (!path.empty()) path += u'\\';
    path += node.name();
    if (node.listed() || !node.values().empty()) {
      out += u"[";
      out += path;
      out += u"]";
      out += kNewLine;
      for (const auto& value : node.values()) {
        out += ValueLine(value);
        out += kNewLine;
      }
      out += kNewLine;
    }
    const auto& children = node.children();
    for (auto child = children.rbegin(); child != children.rend(); ++child)
      pending.push_back({child->get(), path.size()});
  }
}

// ---- reading ----

class Parser {
 public:
  Parser(const std::string& source, RegistryTree& tree) : source_(source), tree_(tree) {}

  void Run(const std::u16string& text) {
    const auto lines = SplitLines(text);
    if (lines.empty() || lines[0] != kHeader) {
      Fail(1, "not a Windows Registry Editor Version 5.00 file");
    }
    for (std::size_t i = 1; i < lines.size(); ++i) {
      const int line_number = static_cast<int>(i) + 1;
      std::u16string line = TrimLeft(lines[i]);
      if (line.empty() || line[0] == u';') continue;
      if (line[0] == u'[') {
        Section(line, line_number);
        continue;
      }
      // Hex data may go on over several lines, each but the last ending in a backslash.
      while (IsHexValue(line) && !line.empty() && line.back() == u'\\' && i + 1 < lines.size()) {
        line.pop_back();
        line += TrimLeft(lines[++i]);
      }
      Value(line, line_number);
    }
  }

 private:
  [[noreturn]] void Fail(int line, const std::string& reason) const {
    throw std::runtime_error(source_ + ":" + std::to_string(line) + ": " + reason);
  }

  static std::vector<std::u16string> SplitLines(const std::u16string& text) {
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
      auto end = text.find(u'\n', start);
      if (end == std::u16string::npos) end = text.size();
      auto line = text.substr(start, end - start);
      if (!line.empty() && line.back() == u'\r') line.pop_back();
      lines.push_back(std::move(line));
      start = end + 1;
    }
    return lines;
  }

  static std::u16string TrimLeft(const std::u16string& s) {
    const auto first = s.find_first_not_of(u" \t");
    return first == std::u16string::npos ? std::u16string() : s.substr(first);
  }

  static std::u16string TrimRight(std::u16string s) {
    while (!s.empty() && (s.back() == u' ' || s.back() == u'\t'))
      s.pop_back();
    return s;
  }

  static bool IsHexValue(const std::u16string& line) {
    const auto equals = ValueSeparator(line);
    return equals != std::u16string::npos && line.compare(equals + 1, 3, u"hex") == 0;
  }

  // The '=' after the name: the first one after the closing quote of a quoted name.
  static std::size_t ValueSeparator(const std::u16string& line) {
    if (line.empty()) return std::u16string::npos;
    if (line[0] == u'@') return line.size() > 1 && line[1] == u'=' ? 1 : std::u16string::npos;
    if (line[0] != u'"') return std::u16string::npos;
    for (std::size_t i = 1; i < line.size(); ++i) {
      if (line[i] == u'\\') {
        ++i;
      } else if (line[i] == u'"') {
        return i + 1 < line.size() && line[i + 1] == u'=' ? i + 1 : std::u16string::npos;
      }
    }
    return std::u16string::npos;
  }

  std::u16string Unquote(std::u16string_view quoted, int line) const {
    if (quoted.size() < 2 || quoted.front() != u'"' || quoted.back() != u'"') {
      Fail(line, "string is not enclosed in double quotes");
    }
    std::u16string out;
    for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
      char16_t c = quoted[i];
      if (c == u'\\') {
        if (i + 2 >= quoted.size() || (quoted[i + 1] != u'\\' && quoted[i + 1] != u'"')) {
          Fail(line, "unknown escape in string");
        }
        c = quoted[++i];
      } else if (c == u'"') {
        Fail(line, "unescaped double quote in string");
      }
      out.push_back(c);
    }
    return out;
  }

  void Section(const std::u16string& line, int line_number) {
    const auto close = line.rfind(u']');
    if (close == std::u16string::npos || !TrimRight(line.substr(close + 1)).empty()) {
      Fail(line_number, "key line does not end with ']'");
    }
    const auto path = line.substr(1, close - 1);
    if (!path.empty() && path[0] == u'-') Fail(line_number, "key deletions are not supported");
    const auto parts = SplitRegistryPath(path);
    RegistryNode* node = parts.empty() ? nullptr : tree_.RootByName(parts[0]);
    if (!node) Fail(line_number, "unknown root key");
    for (std::size_t i = 1; i < parts.size(); ++i) {
      if (parts[i].empty()) Fail(line_number, "empty key name in path");
      RegistryNode* child = node->FindChild(parts[i]);
      node = child ? child : &node->AddChild(parts[i]);
    }
    node->set_listed(true);
    current_ = node;
  }

  void Value(const std::u16string& line, int line_number) {
    if (!current_) Fail(line_number, "value before the first key");
    const auto equals = ValueSeparator(line);
    if (equals == std::u16string::npos) Fail(line_number, "expected \"name\"= or @=");
    RegistryValue value;
    if (line[0] == u'"') {
      value.name = Unquote(std::u16string_view(line).substr(0, equals), line_number);
      if (value.name.empty()) Fail(line_number, "empty value name (the default value is @)");
    }
    const auto data = TrimRight(line.substr(equals + 1));
    if (data == u"-") Fail(line_number, "value deletions are not supported");
    if (!data.empty() && data[0] == u'"') {
      value.type = host::kRegSz;
      value.data = BytesFromUtf16(Unquote(data, line_number));
      value.data.push_back(0);
      value.data.push_back(0);
    } else if (data.starts_with(u"dword:")) {
      const auto digits = data.substr(6);
      if (digits.empty() || digits.size() > 8) Fail(line_number, "dword needs 1 to 8 hex digits");
      std::uint32_t number = 0;
      for (char16_t c : digits)
        number = number * 16 + HexDigit(c, line_number);
      value.type = host::kRegDword;
      value.data = {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
                    static_cast<std::uint8_t>(number >> 16),
                    static_cast<std::uint8_t>(number >> 24)};
    } else if (data.starts_with(u"hex")) {
      const auto colon = data.find(u':');
      if (colon == std::u16string::npos) Fail(line_number, "hex data without ':'");
      value.type = HexType(data.substr(3, colon - 3), line_number);
      value.data = HexBytes(data.substr(colon + 1), line_number);
    } else {
      Fail(line_number, "unknown value data");
    }
    current_->SetValue(std::move(value));
  }

  std::uint32_t HexDigit(char16_t c, int line) const {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    Fail(line, "invalid hex digit");
  }

  std::uint32_t HexType(const std::u16string& type_text, int line) const {
    if (type_text.empty()) return host::kRegBinary;
    if (type_text.size() < 3 || type_text.size() > 10 || type_text.front() != u'(' ||
        type_text.back() != u')') {
      Fail(line, "invalid hex(type)");
    }
    std::uint32_t type = 0;
    for (std::size_t i = 1; i + 1 < type_text.size(); ++i)
      type = type * 16 + HexDigit(type_text[i], line);
    return type;
  }

  std::vector<std::uint8_t> HexBytes(const std::u16string& text, int line) const {
    std::vector<std::uint8_t> bytes;
    if (text.find_first_not_of(u" \t") == std::u16string::npos) return bytes;
    std::size_t start = 0;
    while (true) {
      const auto comma = text.find(u',', start);
      auto token = text.substr(start, comma - start);
      const auto first = token.find_first_not_of(u" \t");
      token = first == std::u16string::npos ? u"" : TrimRight(token.substr(first));
      if (token.empty() || token.size() > 2) Fail(line, "invalid byte in hex data");
      std::uint32_t byte = 0;
      for (char16_t c : token)
        byte = byte * 16 + HexDigit(c, line);
      bytes.push_back(static_cast<std::uint8_t>(byte));
      if (comma == std::u16string::npos) break;
      start = comma + 1;
    }
    return bytes;
  }

  const std::string& source_;
  RegistryTree& tree_;
  RegistryNode* current_ = nullptr;
};

std::u16string DecodeFile(const std::vector<std::uint8_t>& bytes, const std::string& source) {
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
    if (bytes.size() % 2 != 0) {
      throw std::runtime_error(source + ":1: UTF-16 file with an odd number of bytes");
    }
    return Utf16FromBytes(std::vector<std::uint8_t>(bytes.begin() + 2, bytes.end()));
  }
  // A hand-written file may well be UTF-8; it is written back as UTF-16. Bytes in any other
  // encoding would come back as replacement characters, so such a file is refused instead.
  std::string_view utf8(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (utf8.starts_with("\xEF\xBB\xBF")) utf8.remove_prefix(3);
  std::u16string text = text::FromUtf8(utf8);
  if (text::ToUtf8(text) != utf8) {
    throw std::runtime_error(source + ":1: neither UTF-16 nor UTF-8 text");
  }
  return text;
}

}  // namespace

bool IsStorableRegistryName(std::u16string_view name) {
  return name.find_first_of(std::u16string_view(u"\0\r\n", 3)) == std::u16string_view::npos;
}

std::vector<std::uint8_t> FormatRegFile(const RegistryTree& tree) {
  std::u16string text(kHeader);
  text += kNewLine;
  text += kNewLine;
  for (const auto& root : tree.roots())
    AppendKeys(*root, text);
  std::vector<std::uint8_t> bytes = {0xFF, 0xFE};
  const auto body = BytesFromUtf16(text);
  bytes.insert(bytes.end(), body.begin(), body.end());
  return bytes;
}

void ParseRegFile(const std::vector<std::uint8_t>& bytes, const std::string& source_name,
                  RegistryTree& tree) {
  Parser(source_name, tree).Run(DecodeFile(bytes, source_name));
}

}  // namespace tessaly::sim
