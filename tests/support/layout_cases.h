#pragma once

// Small modules laid out in each style, the expected text whole: one table that the code tool
// in the editor and `tessaly fmt` both run, so the two faces cannot drift.

#include <string>
#include <vector>

#include "codetools/indent_style.h"

namespace tessaly::test_support {

struct LayoutCase {
  const char* title;
  // The `.editorconfig` lines (`key = value`) of the style; none for the default layout.
  std::vector<std::string> keys;
  // The module as written; empty: the expected text with every line's leading blanks and
  // tabs taken out, so the case shows that the layout comes back from nothing.
  std::u16string input;
  std::u16string expected;
};

const std::vector<LayoutCase>& LayoutCases();

// The lines of a case's text ('\n' between lines).
std::vector<std::u16string> CaseLines(const std::u16string& text);

// The input of a case as lines.
std::vector<std::u16string> InputLines(const LayoutCase& layout_case);

}  // namespace tessaly::test_support
