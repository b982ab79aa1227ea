#include "codetools/indent_rules.h"

#include <algorithm>

#include "codetools/blanks.h"

namespace tessaly::codetools {

namespace {

using Words = std::initializer_list<std::u16string_view>;

bool IsOneOf(std::u16string_view word, Words words) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

bool Contains(std::u16string_view text, std::u16string_view part) {
  return text.find(part) != std::u16string_view::npos;
}

bool EndsWith(std::u16string_view text, std::u16string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

struct LeadingWords {
  std::u16string_view first;
  std::u16string_view second;
  bool has_second = false;
};

// Words split at single blanks, so two blanks in a row make an empty second word.
LeadingWords SplitLeadingWords(std::u16string_view line) {
  LeadingWords words;
  const auto first_blank = line.find(u' ');
  words.first = line.substr(0, first_blank);
  if (first_blank == std::u16string_view::npos) return words;
  const auto rest = line.substr(first_blank + 1);
  words.second = rest.substr(0, rest.find(u' '));
  words.has_second = true;
  return words;
}

// A one-line loop or With ("For i = 1 To 3: Next") carries its own closer.
bool HoldsItsOwnCloser(std::u16string_view line) {
  const std::u16string squeezed = RemoveBlanksAndTabs(line);
  return Contains(squeezed, u"Next") || Contains(squeezed, u"EndWith") ||
         Contains(squeezed, u"Loop") || Contains(squeezed, u"Wend");
}

// "If a Then b = 1" is complete on its line; "If a Then" and "If a Then ' why" open a block.
bool IsBlockIf(std::u16string_view line) {
  return EndsWith(line, u"Then") || Contains(RemoveBlanksAndTabs(line), u"Then'");
}

}  // namespace

LevelEffect EffectOfWords(std::u16string_view line) {
  const LeadingWords words = SplitLeadingWords(line);
  const auto second_is = [&](Words candidates) {
    return words.has_second && IsOneOf(words.second, candidates);
  };
  LevelEffect effect;
  if (IsOneOf(words.first, {u"Private", u"Public", u"Friend"})) {
    if (second_is({u"Sub", u"Function", u"Type", u"Enum", u"Property"})) {
      effect.close_before = true;
      effect.open_after = true;
    }
  } else if (IsOneOf(words.first, {u"Sub", u"Function", u"Type", u"Enum", u"Property"})) {
    effect.open_after = true;
  } else if (IsOneOf(words.first, {u"For", u"With", u"Do", u"While", u"Open"})) {
    effect.open_after = !HoldsItsOwnCloser(line);
  } else if (words.first == u"If") {
    effect.open_after = IsBlockIf(line);
  } else if (words.first == u"Select") {
    effect.open_after = true;
  } else if (IsOneOf(words.first, {u"Case", u"Else", u"ElseIf"})) {
    effect.close_before = true;
    effect.open_after = true;
  } else if (words.first == u"End") {
    effect.close_before =
        second_is({u"Sub", u"Function", u"Type", u"Enum", u"If", u"With", u"Select", u"Property"});
  } else if (IsOneOf(words.first, {u"Loop", u"Next", u"Wend", u"Close"})) {
    effect.close_before = true;
  }
  return effect;
}

}  // namespace tessaly::codetools
