#include "codetools/indent_rules.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "codetools/blanks.h"
#include "codetools/vb_words.h"

namespace tessaly::codetools {

namespace {

using namespace vb_words;

// Bytes that end a word (a blank, a tab, a colon), and those a comment's search must look at (a
// quote, an apostrophe, the R of `Rem`): tables, as the words of every keyword line and every
// If line are walked byte by byte.
constexpr auto ByteSet(std::string_view members) {
  std::array<bool, 0x100> set{};
  for (const char c : members)
    set[static_cast<unsigned char>(c)] = true;
  return set;
}
constexpr auto kWordEnds = ByteSet(" \t:");
constexpr auto kCommentClues = ByteSet("\"'Rr");

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && SameWord(text.substr(text.size() - suffix.size()), suffix);
}

// `word` ends the text as a word of its own, not as the end of a name (`isThen`).
bool EndsWithWord(std::string_view text, std::string_view word) {
  return EndsWithIgnoringCase(text, word) &&
         (text.size() == word.size() || !IsNameCharacter(text[text.size() - word.size() - 1]));
}

// `Rem` as a word of its own at `at`: an apostrophe right after it opens a comment too.
bool IsRemAt(std::string_view text, std::size_t at) {
  return text.size() - at >= 3 && SameWord(text.substr(at, 3), "Rem") &&
         (text.size() - at == 3 || IsBlankOrTab(text[at + 3]) || text[at + 3] == '\'');
}

// The words of a statement as VB reads them: blanks and tabs part them, and a colon ends the
// statement, so `Else:` is the word Else and `End If: x = 1` ends at If.
class Words {
 public:
  explicit Words(std::string_view statement) : rest_(statement) {}

  // The next word; empty at the statement's end.
  std::string_view Next() {
    rest_ = TrimLeadingBlanksAndTabs(rest_);
    std::size_t end = 0;
    while (end < rest_.size() && !kWordEnds[static_cast<unsigned char>(rest_[end])])
      ++end;
    const std::string_view word = rest_.substr(0, end);
    // A colon ends the statement: nothing after it is this statement's word.
    rest_ = end < rest_.size() && rest_[end] == ':' ? std::string_view() : rest_.substr(end);
    return word;
  }

 private:
  std::string_view rest_;
};

struct StatementStart {
  std::string_view statement;  // what follows a line number or label, if there is one
  bool labelled = false;
};

// `10 If x Then` and `Retry: If x Then` are the statements after the number and the label. A
// keyword before a colon (`Else:`) is the statement itself, not a label. `name` is the run of
// name characters the code starts with, `group` its keyword group.
StatementStart SkipLabel(std::string_view code, std::string_view name, WordGroup group) {
  const std::string_view after = code.substr(name.size());
  if (IsDigit(name.front())) {
    const bool line_number = std::all_of(name.begin(), name.end(), IsDigit);
    if (line_number && !after.empty() && after.front() == ':') {
      return {TrimLeadingBlanksAndTabs(after.substr(1)), true};
    }
    if (line_number && (after.empty() || IsBlankOrTab(after.front()))) {
      return {TrimLeadingBlanksAndTabs(after), true};
    }
    return {code};
  }
  const bool colon = !after.empty() && after.front() == ':' &&
                     (after.size() == 1 || after[1] != '=');  // `a:=1` names an argument
  if (!colon || group != WordGroup::kNone) return {code};
  return {TrimLeadingBlanksAndTabs(after.substr(1)), true};
}

// The code of a line before its comment: an apostrophe outside a string literal opens one,
// and so does `Rem` where a statement may start (after a colon or a single-line If's Then).
// One walk looks for both, with the quotes counted as FirstApostropheOutsideString counts them:
// If lines run long and most carry a comment.
std::string_view WithoutComment(std::string_view line) {
  bool in_string = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (!kCommentClues[static_cast<unsigned char>(c)]) continue;
    if (c == '"') {
      in_string = !in_string;
    } else if (in_string) {
      continue;
    } else if (c == '\'') {
      return line.substr(0, i);
    } else if ((c == 'R' || c == 'r') && i > 0 && IsBlankOrTab(line[i - 1]) && IsRemAt(line, i)) {
      const std::string_view before = TrimTrailingBlanksAndTabs(line.substr(0, i));
      if ((!before.empty() && before.back() == ':') || EndsWithWord(before, "Then")) {
        return line.substr(0, i);
      }
    }
  }
  return line;
}

// Each takes a word packed.
bool IsProcedureWord(std::uint64_t word) {
  return word == kSub || word == kFunction || word == kProperty;
}

bool IsMemberListWord(std::uint64_t word) {
  return word == kType || word == kEnum;
}

bool IsHeaderWord(std::uint64_t word) {
  return IsProcedureWord(word) || IsMemberListWord(word);
}

// A one-line block ("For i = 1 To 3: Next", "Open f For Output As #1: Print #1, x: Close #1",
// "Private Sub P(): x = 1: End Sub", "Enum E: A: End Enum")
// carries its own closer: a statement of its own after a colon, so that a loop variable named
// NextRow, a condition on LoopDone or a string holding ": Next" does not hide the block the
// line opens.
bool HoldsItsOwnCloser(std::span<const std::string_view> lines, WordGroup opener) {
  for (const std::string_view line : lines) {
    if (line.find(':') == std::string_view::npos) continue;
    const std::string_view code = WithoutComment(line);
    bool in_string = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
      if (code[i] == '"') in_string = !in_string;
      if (in_string || code[i] != ':' || (i + 1 < code.size() && code[i + 1] == '=')) continue;
      Words words(TrimLeadingBlanksAndTabs(code.substr(i + 1)));
      const std::uint64_t word = PackedLowerCase(words.Next());
      if (opener == WordGroup::kOpen) {
        if (word == kClose) return true;
      } else if (opener == WordGroup::kHeader) {
        if (word == kEnd && IsHeaderWord(PackedLowerCase(words.Next()))) return true;
      } else if (opener == WordGroup::kSelect) {
        if (word == kEnd && PackedLowerCase(words.Next()) == kSelect) return true;
      } else if (word == kNext || word == kLoop || word == kWend ||
                 (word == kEnd && PackedLowerCase(words.Next()) == kWith)) {
        return true;
      }
    }
  }
  return false;
}

// `Next j, i` ends the loops of both counters.
int CountersNamed(std::string_view next_statement) {
  int counters = 1;
  for (const char c : WithoutComment(next_statement)) {
    if (c == ':') break;
    if (c == ',') ++counters;
  }
  return counters;
}

// "If a Then b = 1" is complete; "If a Then" and "If a Then ' why" open a block. A condition
// continued over several lines ends where its last line ends.
bool IsBlockIf(std::string_view last_line) {
  return EndsWithWord(TrimTrailingBlanksAndTabs(WithoutComment(last_line)), "Then");
}

// A procedure, Type or Enum header, which VB has only at the module's level. One that ends on
// its own line (`Private Sub P(): x = 1: End Sub`) opens nothing and leaves the level at 0.
void OpenAtModuleLevel(StatementEffect& effect, std::span<const std::string_view> lines,
                       std::uint64_t header) {
  effect.starts_at_module_level = true;
  if (HoldsItsOwnCloser(lines, WordGroup::kHeader)) {
    effect.ends_at_module_level = true;
    return;
  }
  effect.open_after = 1;
  effect.opens_member_list = IsMemberListWord(header);
}

}  // namespace

StatementEffect EffectOfStatement(std::span<const std::string_view> lines, bool indent_case) {
  return EffectOfStatement(StatementHead(lines.front()), lines, indent_case);
}

StatementEffect EffectOfStatement(const StatementHead& head,
                                  std::span<const std::string_view> lines, bool indent_case) {
  StatementEffect effect;
  if (head.MovesNoLevel()) return effect;
  const std::string_view code = lines.front();
  const std::string_view name = head.name_;
  auto group = static_cast<WordGroup>(head.group_);
  const StatementStart start = SkipLabel(code, name, group);
  std::string_view first = name;
  Words words(start.statement);
  if (start.labelled) {
    first = words.Next();
    if (first.empty() || IsCommentCode(start.statement)) {
      effect.lone_label = true;
      return effect;
    }
    group = GroupOf(first);
  } else {
    // The first word is the name the head read, unless it runs on past it (`If(x)`,
    // `End_Sub = 1`); the words after it follow, up to a colon.
    const std::string_view after = code.substr(name.size());
    if (!after.empty() && !kWordEnds[static_cast<unsigned char>(after.front())]) return effect;
    words = Words(after.starts_with(':') ? std::string_view() : after);
  }
  const int select_depth = indent_case ? 2 : 1;
  switch (group) {
    case WordGroup::kScope: {
      std::uint64_t header = PackedLowerCase(words.Next());
      if (header == kStatic) {
        header = PackedLowerCase(words.Next());
        if (!IsProcedureWord(header)) break;
      }
      if (IsHeaderWord(header)) OpenAtModuleLevel(effect, lines, header);
      break;
    }
    case WordGroup::kStatic: {
      // `Static Sub S()` is a header; `Static x As Long` declares a variable.
      const std::uint64_t header = PackedLowerCase(words.Next());
      if (IsProcedureWord(header)) OpenAtModuleLevel(effect, lines, header);
      break;
    }
    case WordGroup::kHeader:
      OpenAtModuleLevel(effect, lines, PackedLowerCase(first));
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
      if (PackedLowerCase(first) == kElse && PackedLowerCase(words.Next()) == kIf &&
          IsBlockIf(lines.back())) {
        effect.open_after = 2;
      }
      break;
    case WordGroup::kEnd: {
      const std::uint64_t second = PackedLowerCase(words.Next());
      if (IsHeaderWord(second) || second == kIf || second == kWith) {
        effect.close_before = 1;
      } else if (second == kSelect) {
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

bool EndsMemberList(std::string_view code) {
  return EffectOfStatement(std::span(&code, 1), false).closes_member_list;
}

bool IsCommentCode(std::string_view code) {
  if (!code.empty() && code.front() == '\'') return true;
  return code.size() >= 3 && SameWord(code.substr(0, 3), "Rem") &&
         (code.size() == 3 || IsBlankOrTab(code[3]));
}

Directive DirectiveOf(std::string_view code) {
  if (code.empty() || code.front() != '#') return Directive::kNone;
  Words words(code.substr(1));
  const std::uint64_t word = PackedLowerCase(words.Next());
  if (word == kIf) return Directive::kIf;
  if (word == kElseIf) return Directive::kElseIf;
  if (word == kElse) return Directive::kElse;
  if (word == kEnd) return Directive::kEndIf;
  if (word == kConst) return Directive::kConst;
  return Directive::kNone;
}

FormatMarker FormatMarkerOf(std::string_view code) {
  if (code.empty() || code.front() != '\'') return FormatMarker::kNone;
  std::string_view rest = TrimLeadingBlanksAndTabs(code.substr(1));
  constexpr std::string_view kName = "tessaly";
  if (rest.size() < kName.size() || !SameWord(rest.substr(0, kName.size()), kName)) {
    return FormatMarker::kNone;
  }
  rest = TrimLeadingBlanksAndTabs(rest.substr(kName.size()));
  if (rest.empty() || rest.front() != ':') return FormatMarker::kNone;
  rest = TrimLeadingBlanksAndTabs(rest.substr(1));
  std::size_t end = rest.size();
  while (end > 0 && IsBlankOrTab(rest[end - 1]))
    --end;
  rest = rest.substr(0, end);
  if (SameWord(rest, "off")) return FormatMarker::kOff;
  if (SameWord(rest, "on")) return FormatMarker::kOn;
  return FormatMarker::kNone;
}

}  // namespace tessaly::codetools
