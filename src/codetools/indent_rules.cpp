#include "codetools/indent_rules.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>

namespace tessaly::codetools {

namespace {

// The groups of the word table. Every word belongs to one group, so looking a word up once
// gives the same answer as trying the groups in order.
enum class WordGroup : std::uint8_t {
  kNone,
  kScope,       // Private, Public, Friend: a procedure header when a header word follows
  kHeader,      // opens a procedure or a declaration block
  kLoopOrWith,  // opens a block unless the line closes it again
  kIf,          // opens a block unless the statement is complete on its line
  kSelect,      // opens a block
  kMiddle,      // Case, Else, ElseIf: close the branch above and open their own
  kEnd,         // closes the block its second word names
  kCloser,      // closes a block
};

struct WordEntry {
  std::u16string_view word;
  WordGroup group;
};

// The table by length of word. A line's first word is looked up for every line of a whole
// module, and most first words are no keyword at all: picking the few entries of the word's
// length first turns such a word away after a comparison or two.
constexpr WordEntry kTwoLetterWords[] = {{u"Do", WordGroup::kLoopOrWith}, {u"If", WordGroup::kIf}};
constexpr WordEntry kThreeLetterWords[] = {
    {u"Sub", WordGroup::kHeader}, {u"For", WordGroup::kLoopOrWith}, {u"End", WordGroup::kEnd}};
constexpr WordEntry kFourLetterWords[] = {
    {u"Type", WordGroup::kHeader},     {u"Enum", WordGroup::kHeader},
    {u"With", WordGroup::kLoopOrWith}, {u"Open", WordGroup::kLoopOrWith},
    {u"Case", WordGroup::kMiddle},     {u"Else", WordGroup::kMiddle},
    {u"Loop", WordGroup::kCloser},     {u"Next", WordGroup::kCloser},
    {u"Wend", WordGroup::kCloser}};
constexpr WordEntry kFiveLetterWords[] = {{u"While", WordGroup::kLoopOrWith},
                                          {u"Close", WordGroup::kCloser}};
constexpr WordEntry kSixLetterWords[] = {{u"Public", WordGroup::kScope},
                                         {u"Friend", WordGroup::kScope},
                                         {u"Select", WordGroup::kSelect},
                                         {u"ElseIf", WordGroup::kMiddle}};
constexpr WordEntry kSevenLetterWords[] = {{u"Private", WordGroup::kScope}};
constexpr WordEntry kEightLetterWords[] = {{u"Function", WordGroup::kHeader},
                                           {u"Property", WordGroup::kHeader}};

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

WordGroup GroupOf(std::u16string_view word) {
  for (const WordEntry& entry : WordsOfLength(word.size())) {
    if (entry.word == word) return entry.group;
  }
  return WordGroup::kNone;
}

bool IsOneOf(std::u16string_view word, std::initializer_list<std::u16string_view> words) {
  for (const std::u16string_view candidate : words) {
    if (candidate == word) return true;
  }
  return false;
}

bool EndsWith(std::u16string_view text, std::u16string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

bool IsBlankOrTab(char16_t c) {
  return c == u' ' || c == u'\t';
}

// Whether `part` (no blanks or tabs in it) occurs in `text` once every blank and tab is taken
// out of the text, found without building that squeezed copy: a line of a whole module would
// otherwise cost an allocation for a question most lines answer no to.
bool ContainsIgnoringBlanksAndTabs(std::u16string_view text, std::u16string_view part) {
  for (std::size_t start = text.find(part.front()); start != std::u16string_view::npos;
       start = text.find(part.front(), start + 1)) {
    std::size_t matched = 1;
    for (std::size_t at = start + 1; at < text.size() && matched < part.size(); ++at) {
      if (IsBlankOrTab(text[at])) continue;
      if (text[at] != part[matched]) break;
      ++matched;
    }
    if (matched == part.size()) return true;
  }
  return false;
}

// Words split at single blanks, so two blanks in a row make an empty second word.
std::u16string_view FirstWord(std::u16string_view line) {
  return line.substr(0, line.find(u' '));
}

// Empty when the line has no second word; only a few first words need one.
std::optional<std::u16string_view> SecondWord(std::u16string_view line) {
  const auto first_blank = line.find(u' ');
  if (first_blank == std::u16string_view::npos) return std::nullopt;
  const auto rest = line.substr(first_blank + 1);
  return rest.substr(0, rest.find(u' '));
}

// A one-line loop or With ("For i = 1 To 3: Next") carries its own closer.
bool HoldsItsOwnCloser(std::u16string_view line) {
  return ContainsIgnoringBlanksAndTabs(line, u"Next") ||
         ContainsIgnoringBlanksAndTabs(line, u"EndWith") ||
         ContainsIgnoringBlanksAndTabs(line, u"Loop") ||
         ContainsIgnoringBlanksAndTabs(line, u"Wend");
}

// "If a Then b = 1" is complete on its line; "If a Then" and "If a Then ' why" open a block.
bool IsBlockIf(std::u16string_view line) {
  return EndsWith(line, u"Then") || ContainsIgnoringBlanksAndTabs(line, u"Then'");
}

}  // namespace

LevelEffect EffectOfWords(std::u16string_view line) {
  const auto second_is = [line](std::initializer_list<std::u16string_view> candidates) {
    const auto second = SecondWord(line);
    return second && IsOneOf(*second, candidates);
  };
  LevelEffect effect;
  switch (GroupOf(FirstWord(line))) {
    case WordGroup::kScope:
      if (second_is({u"Sub", u"Function", u"Type", u"Enum", u"Property"})) {
        effect.close_before = true;
        effect.open_after = true;
      }
      break;
    case WordGroup::kHeader:
    case WordGroup::kSelect:
      effect.open_after = true;
      break;
    case WordGroup::kLoopOrWith:
      effect.open_after = !HoldsItsOwnCloser(line);
      break;
    case WordGroup::kIf:
      effect.open_after = IsBlockIf(line);
      break;
    case WordGroup::kMiddle:
      effect.close_before = true;
      effect.open_after = true;
      break;
    case WordGroup::kEnd:
      effect.close_before = second_is(
          {u"Sub", u"Function", u"Type", u"Enum", u"If", u"With", u"Select", u"Property"});
      break;
    case WordGroup::kCloser:
      effect.close_before = true;
      break;
    case WordGroup::kNone:
      break;
  }
  return effect;
}

}  // namespace tessaly::codetools
