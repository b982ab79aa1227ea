#include "codetools/indent_rules.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>

#include "codetools/blanks.h"
#include "codetools/comments.h"

namespace tessaly::codetools {

namespace {

// The groups of the word table. Every word belongs to one group, so looking a word up once
// gives the same answer as trying the groups in order.
enum class WordGroup : std::uint8_t {
  kNone,
  kScope,       // Private, Public, Friend: a procedure header when a header word follows
  kStatic,      // a procedure header when Sub, Function or Property follows
  kHeader,      // opens a procedure or a declaration block
  kLoopOrWith,  // opens a block unless the statement closes it again
  kOpen,        // Open: a file's statements up to its Close, indented as a block
  kClose,       // closes the block of an Open
  kNext,        // closes as many For blocks as it names counters
  kIf,          // opens a block unless the statement is complete on its line
  kSelect,      // opens a block
  kMiddle,      // Case, Else, ElseIf: close the branch above and open their own
  kEnd,         // closes the block its second word names
  kCloser,      // closes a block
};

// A word of up to eight ASCII letters folded to lower case and packed one letter a byte, the
// first lowest: comparing two words is then comparing two integers. Zero for any other word,
// which no keyword packs to.
constexpr std::uint64_t PackedLowerCase(std::u16string_view word) {
  if (word.empty() || word.size() > 8) return 0;
  std::uint64_t packed = 0;
  for (std::size_t i = 0; i < word.size(); ++i) {
    // Setting bit 5 folds A-Z onto a-z and maps no other character onto a letter.
    const auto folded = static_cast<char16_t>(word[i] | 0x20);
    if (folded < u'a' || folded > u'z') return 0;
    packed |= static_cast<std::uint64_t>(folded) << (8 * i);
  }
  return packed;
}

struct WordEntry {
  std::uint64_t packed;
  WordGroup group;
};

// The table by length of word. A statement's first word is looked up for every line of a whole
// module, and most first words are no keyword at all: one packing and a comparison of integers
// or two with the entries of its length turn such a word away.
constexpr WordEntry kTwoLetterWords[] = {{PackedLowerCase(u"if"), WordGroup::kIf},
                                         {PackedLowerCase(u"do"), WordGroup::kLoopOrWith}};
constexpr WordEntry kThreeLetterWords[] = {{PackedLowerCase(u"end"), WordGroup::kEnd},
                                           {PackedLowerCase(u"for"), WordGroup::kLoopOrWith},
                                           {PackedLowerCase(u"sub"), WordGroup::kHeader}};
constexpr WordEntry kFourLetterWords[] = {{PackedLowerCase(u"else"), WordGroup::kMiddle},
                                          {PackedLowerCase(u"next"), WordGroup::kNext},
                                          {PackedLowerCase(u"case"), WordGroup::kMiddle},
                                          {PackedLowerCase(u"with"), WordGroup::kLoopOrWith},
                                          {PackedLowerCase(u"loop"), WordGroup::kCloser},
                                          {PackedLowerCase(u"type"), WordGroup::kHeader},
                                          {PackedLowerCase(u"enum"), WordGroup::kHeader},
                                          {PackedLowerCase(u"wend"), WordGroup::kCloser},
                                          {PackedLowerCase(u"open"), WordGroup::kOpen}};
constexpr WordEntry kFiveLetterWords[] = {{PackedLowerCase(u"while"), WordGroup::kLoopOrWith},
                                          {PackedLowerCase(u"close"), WordGroup::kClose}};
constexpr WordEntry kSixLetterWords[] = {{PackedLowerCase(u"select"), WordGroup::kSelect},
                                         {PackedLowerCase(u"elseif"), WordGroup::kMiddle},
                                         {PackedLowerCase(u"public"), WordGroup::kScope},
                                         {PackedLowerCase(u"friend"), WordGroup::kScope},
                                         {PackedLowerCase(u"static"), WordGroup::kStatic}};
constexpr WordEntry kSevenLetterWords[] = {{PackedLowerCase(u"private"), WordGroup::kScope}};
constexpr WordEntry kEightLetterWords[] = {{PackedLowerCase(u"function"), WordGroup::kHeader},
                                           {PackedLowerCase(u"property"), WordGroup::kHeader}};

std::span<const WordEntry> WordsOfLength(std::size_t length) {
  switch (length) {
    case 2:
      return kTwoLetterWords;
    case 3:
      return kThreeLetterWords;
    case 4:
      return kFourLetterWords;
    case 5:
      return kFiveLetterWords;
    case 6:
      return kSixLetterWords;
    case 7:
      return kSevenLetterWords;
    case 8:
      return kEightLetterWords;
    default:
      return {};
  }
}

char16_t AsciiLower(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

// VB's keywords in any letter case, as VB itself reads them.
bool SameWord(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

bool IsOneOf(std::u16string_view word, std::initializer_list<std::u16string_view> words) {
  for (const std::u16string_view candidate : words) {
    if (SameWord(candidate, word)) return true;
  }
  return false;
}

WordGroup GroupOf(std::u16string_view word) {
  const std::span<const WordEntry> entries = WordsOfLength(word.size());
  if (entries.empty()) return WordGroup::kNone;
  const std::uint64_t packed = PackedLowerCase(word);
  for (const WordEntry& entry : entries) {
    if (entry.packed == packed) return entry.group;
  }
  return WordGroup::kNone;
}

bool IsBlankOrTab(char16_t c) {
  return c == u' ' || c == u'\t';
}

constexpr bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

// Letters of any script may name a label (`出错:`). A table for the ASCII characters: the
// run of them a statement starts with is measured on every line.
constexpr auto kAsciiNameCharacters = [] {
  std::array<bool, 0x80> name{};
  for (char16_t c = 0; c < 0x80; ++c)
    name[c] = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || IsDigit(c) || c == u'_';
  return name;
}();

bool IsNameCharacter(char16_t c) {
  return c >= 0x80 || kAsciiNameCharacters[c];
}

bool EndsWithIgnoringCase(std::u16string_view text, std::u16string_view suffix) {
  return text.size() >= suffix.size() && SameWord(text.substr(text.size() - suffix.size()), suffix);
}

// `word` ends the text as a word of its own, not as the end of a name (`isThen`).
bool EndsWithWord(std::u16string_view text, std::u16string_view word) {
  return EndsWithIgnoringCase(text, word) &&
         (text.size() == word.size() || !IsNameCharacter(text[text.size() - word.size() - 1]));
}

bool IsRemAt(std::u16string_view text, std::size_t at) {
  return text.size() - at >= 3 && SameWord(text.substr(at, 3), u"Rem") &&
         (text.size() - at == 3 || IsBlankOrTab(text[at + 3]));
}

// The words of a statement as VB reads them: blanks and tabs part them, and a colon ends the
// statement, so `Else:` is the word Else and `End If: x = 1` ends at If.
class Words {
 public:
  explicit Words(std::u16string_view statement) : rest_(statement) {}

  // The next word; empty at the statement's end.
  std::u16string_view Next() {
    rest_ = TrimLeadingBlanksAndTabs(rest_);
    std::size_t end = 0;
    while (end < rest_.size() && !IsBlankOrTab(rest_[end]) && rest_[end] != u':')
      ++end;
    const std::u16string_view word = rest_.substr(0, end);
    // A colon ends the statement: nothing after it is this statement's word.
    rest_ = end < rest_.size() && rest_[end] == u':' ? std::u16string_view() : rest_.substr(end);
    return word;
  }

 private:
  std::u16string_view rest_;
};

struct StatementStart {
  std::u16string_view statement;  // what follows a line number or label, if there is one
  bool labelled = false;
};

// `10 If x Then` and `Retry: If x Then` are the statements after the number and the label. A
// keyword before a colon (`Else:`) is the statement itself, not a label. `name` is the run of
// name characters the code starts with, `group` its keyword group.
StatementStart SkipLabel(std::u16string_view code, std::u16string_view name, WordGroup group) {
  const std::u16string_view after = code.substr(name.size());
  if (IsDigit(name.front())) {
    const bool line_number = std::all_of(name.begin(), name.end(), IsDigit);
    if (line_number && !after.empty() && after.front() == u':') {
      return {TrimLeadingBlanksAndTabs(after.substr(1)), true};
    }
    if (line_number && (after.empty() || IsBlankOrTab(after.front()))) {
      return {TrimLeadingBlanksAndTabs(after), true};
    }
    return {code};
  }
  const bool colon = !after.empty() && after.front() == u':' &&
                     (after.size() == 1 || after[1] != u'=');  // `a:=1` names an argument
  if (!colon || group != WordGroup::kNone) return {code};
  return {TrimLeadingBlanksAndTabs(after.substr(1)), true};
}

// The code of a line before its comment: an apostrophe outside a string literal opens one,
// and so does `Rem` where a statement may start (after a colon or a single-line If's Then).
std::u16string_view WithoutComment(std::u16string_view line) {
  line = line.substr(0, std::min(line.size(), FirstApostropheOutsideString(line)));
  bool in_string = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == u'"') in_string = !in_string;
    if (in_string) continue;
    if ((line[i] == u'R' || line[i] == u'r') && i > 0 && IsBlankOrTab(line[i - 1]) &&
        IsRemAt(line, i)) {
      const std::u16string_view before = TrimTrailingBlanksAndTabs(line.substr(0, i));
      if ((!before.empty() && before.back() == u':') || EndsWithWord(before, u"Then")) {
        return line.substr(0, i);
      }
    }
  }
  return line;
}

bool IsHeaderWord(std::u16string_view word);

// A one-line block ("For i = 1 To 3: Next", "Open f For Output As #1: Print #1, x: Close #1",
// "Private Sub P(): x = 1: End Sub", "Enum E: A: End Enum")
// carries its own closer: a statement of its own after a colon, so that a loop variable named
// NextRow, a condition on LoopDone or a string holding ": Next" does not hide the block the
// line opens.
bool HoldsItsOwnCloser(std::span<const std::u16string_view> lines, WordGroup opener) {
  for (const std::u16string_view line : lines) {
    if (line.find(u':') == std::u16string_view::npos) continue;
    const std::u16string_view code = WithoutComment(line);
    bool in_string = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
      if (code[i] == u'"') in_string = !in_string;
      if (in_string || code[i] != u':' || (i + 1 < code.size() && code[i + 1] == u'=')) continue;
      Words words(TrimLeadingBlanksAndTabs(code.substr(i + 1)));
      const std::u16string_view word = words.Next();
      if (opener == WordGroup::kOpen) {
        if (SameWord(word, u"Close")) return true;
      } else if (opener == WordGroup::kHeader) {
        if (SameWord(word, u"End") && IsHeaderWord(words.Next())) return true;
      } else if (opener == WordGroup::kSelect) {
        if (SameWord(word, u"End") && SameWord(words.Next(), u"Select")) return true;
      } else if (IsOneOf(word, {u"Next", u"Loop", u"Wend"}) ||
                 (SameWord(word, u"End") && SameWord(words.Next(), u"With"))) {
        return true;
      }
    }
  }
  return false;
}

// `Next j, i` ends the loops of both counters.
int CountersNamed(std::u16string_view next_statement) {
  int counters = 1;
  for (const char16_t c : WithoutComment(next_statement)) {
    if (c == u':') break;
    if (c == u',') ++counters;
  }
  return counters;
}

// "If a Then b = 1" is complete; "If a Then" and "If a Then ' why" open a block. A condition
// continued over several lines ends where its last line ends.
bool IsBlockIf(std::u16string_view last_line) {
  return EndsWithWord(TrimTrailingBlanksAndTabs(WithoutComment(last_line)), u"Then");
}

bool IsHeaderWord(std::u16string_view word) {
  return IsOneOf(word, {u"Sub", u"Function", u"Type", u"Enum", u"Property"});
}

bool IsProcedureWord(std::u16string_view word) {
  return IsOneOf(word, {u"Sub", u"Function", u"Property"});
}

bool IsMemberListWord(std::u16string_view word) {
  return IsOneOf(word, {u"Type", u"Enum"});
}

// A procedure, Type or Enum header, which VB has only at the module's level. One that ends on
// its own line (`Private Sub P(): x = 1: End Sub`) opens nothing and leaves the level at 0.
void OpenAtModuleLevel(StatementEffect& effect, std::span<const std::u16string_view> lines,
                       std::u16string_view header) {
  effect.starts_at_module_level = true;
  if (HoldsItsOwnCloser(lines, WordGroup::kHeader)) {
    effect.ends_at_module_level = true;
    return;
  }
  effect.open_after = 1;
  effect.opens_member_list = IsMemberListWord(header);
}

}  // namespace

StatementEffect EffectOfStatement(std::span<const std::u16string_view> lines, bool indent_case) {
  StatementEffect effect;
  const std::u16string_view code = lines.front();
  std::size_t name_end = 0;
  while (name_end < code.size() && IsNameCharacter(code[name_end]))
    ++name_end;
  // Comments, `.Member = x` in a With and the like start with no name: nothing to read.
  if (name_end == 0) return effect;
  const std::u16string_view name = code.substr(0, name_end);
  WordGroup group = GroupOf(name);
  // Most statements start with a name that is no keyword and no label (`x = 1`, `Call F`,
  // `Debug.Print x`): the name and the character after it turn them away.
  const bool maybe_label = name_end < code.size() && code[name_end] == u':';
  if (group == WordGroup::kNone && !maybe_label && !IsDigit(name.front())) return effect;
  const StatementStart start = SkipLabel(code, name, group);
  Words words(start.statement);
  const std::u16string_view first = words.Next();
  if (start.labelled) {
    if (first.empty() || IsCommentCode(start.statement)) {
      effect.lone_label = true;
      return effect;
    }
    group = GroupOf(first);
  } else if (first.size() != name.size()) {
    group = WordGroup::kNone;  // `If(x)`, `End_Sub = 1`: the word runs on past the name
  }
  const int select_depth = indent_case ? 2 : 1;
  switch (group) {
    case WordGroup::kScope: {
      std::u16string_view header = words.Next();
      if (SameWord(header, u"Static")) {
        header = words.Next();
        if (!IsProcedureWord(header)) break;
      }
      if (IsHeaderWord(header)) OpenAtModuleLevel(effect, lines, header);
      break;
    }
    case WordGroup::kStatic: {
      // `Static Sub S()` is a header; `Static x As Long` declares a variable.
      const std::u16string_view header = words.Next();
      if (IsProcedureWord(header)) OpenAtModuleLevel(effect, lines, header);
      break;
    }
    case WordGroup::kHeader:
      OpenAtModuleLevel(effect, lines, first);
      break;
    case WordGroup::kSelect:
      effect.open_after = HoldsItsOwnCloser(lines, WordGroup::kSelect) ? 0 : select_depth;
      break;
    case WordGroup::kLoopOrWith:
      effect.open_after = HoldsItsOwnCloser(lines, WordGroup::kLoopOrWith) ? 0 : 1;
      break;
    case WordGroup::kOpen:
      effect.opens_file = !HoldsItsOwnCloser(lines, WordGroup::kOpen);
      effect.open_after = effect.opens_file ? 1 : 0;
      break;
    case WordGroup::kClose:
      effect.closes_file = true;
      break;
    case WordGroup::kNext:
      effect.close_before = CountersNamed(start.statement);
      break;
    case WordGroup::kIf:
      effect.open_after = IsBlockIf(lines.back()) ? 1 : 0;
      break;
    case WordGroup::kMiddle:
      effect.close_before = 1;
      effect.open_after = 1;
      // `Else If c Then` is an Else branch that holds a block If of its own.
      if (SameWord(first, u"Else") && SameWord(words.Next(), u"If") && IsBlockIf(lines.back())) {
        effect.open_after = 2;
      }
      break;
    case WordGroup::kEnd: {
      const std::u16string_view second = words.Next();
      if (IsOneOf(second, {u"Sub", u"Function", u"Type", u"Enum", u"If", u"With", u"Property"})) {
        effect.close_before = 1;
      } else if (SameWord(second, u"Select")) {
        effect.close_before = select_depth;
      }
      effect.closes_member_list = IsMemberListWord(second);
      effect.ends_at_module_level = IsHeaderWord(second);
      break;
    }
    case WordGroup::kCloser:
      effect.close_before = 1;
      break;
    case WordGroup::kNone:
      break;
  }
  return effect;
}

bool EndsMemberList(std::u16string_view code) {
  return EffectOfStatement(std::span(&code, 1), false).closes_member_list;
}

bool IsCommentCode(std::u16string_view code) {
  if (!code.empty() && code.front() == u'\'') return true;
  return code.size() >= 3 && SameWord(code.substr(0, 3), u"Rem") &&
         (code.size() == 3 || IsBlankOrTab(code[3]));
}

Directive DirectiveOf(std::u16string_view code) {
  if (code.empty() || code.front() != u'#') return Directive::kNone;
  Words words(code.substr(1));
  const std::u16string_view word = words.Next();
  if (SameWord(word, u"If")) return Directive::kIf;
  if (SameWord(word, u"ElseIf")) return Directive::kElseIf;
  if (SameWord(word, u"Else")) return Directive::kElse;
  if (SameWord(word, u"End")) return Directive::kEndIf;
  if (SameWord(word, u"Const")) return Directive::kConst;
  return Directive::kNone;
}

FormatMarker FormatMarkerOf(std::u16string_view code) {
  if (code.empty() || code.front() != u'\'') return FormatMarker::kNone;
  std::u16string_view rest = TrimLeadingBlanksAndTabs(code.substr(1));
  constexpr std::u16string_view kName = u"tessaly";
  if (rest.size() < kName.size() || !SameWord(rest.substr(0, kName.size()), kName)) {
    return FormatMarker::kNone;
  }
  rest = TrimLeadingBlanksAndTabs(rest.substr(kName.size()));
  if (rest.empty() || rest.front() != u':') return FormatMarker::kNone;
  rest = TrimLeadingBlanksAndTabs(rest.substr(1));
  std::size_t end = rest.size();
  while (end > 0 && IsBlankOrTab(rest[end - 1]))
    --end;
  rest = rest.substr(0, end);
  if (SameWord(rest, u"off")) return FormatMarker::kOff;
  if (SameWord(rest, u"on")) return FormatMarker::kOn;
  return FormatMarker::kNone;
}

}  // namespace tessaly::codetools
