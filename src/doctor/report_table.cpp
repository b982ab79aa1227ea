#include "doctor/report_table.h"

#include <algorithm>
#include <array>
#include <vector>

#include "language/messages.h"
#include "text/utf.h"

namespace tessaly::doctor {

namespace {

using language::MessageId;

constexpr std::size_t kColumns = 8;
using Row = std::array<std::string, kColumns>;

// The table's cells in one language.
class Cells {
 public:
  explicit Cells(language::Language language) : language_(language) {}

  Row Heading() const {
    return {Words(MessageId::kColumnEditor),
            "LoadBehavior",
            Words(MessageId::kColumnClass),
            "ProgID",
            Words(MessageId::kColumnTypeLibrary),
            Words(MessageId::kColumnAsAdmin),
            "DLL",
            Words(MessageId::kColumnFile)};
  }

  Row RowOf(const EditorFindings& found) const {
    return {found.editor.name,
            LoadBehaviorCell(found),
            PlaceText(found.classes),
            PlaceText(found.prog_ids),
            PlaceText(found.type_library),
            found.editor.program.empty() ? "-"
            : found.elevated_by          ? Words(MessageId::kYes)
                                         : Words(MessageId::kNo),
            DllCell(found) + (found.dll_version ? " " + text::ToUtf8(*found.dll_version) : ""),
            found.dll_path ? text::ToUtf8(*found.dll_path) : "-"};
  }

 private:
  std::string Words(MessageId id) const { return language::Words(language_, id); }

  std::string PlaceText(Place place) const {
    switch (place) {
      case Place::kMissing:
        return Words(MessageId::kMissing);
      case Place::kIncomplete:
        return Words(MessageId::kIncomplete);
      case Place::kPerUser:
        return Words(MessageId::kPerUser);
      case Place::kMachineWide:
        return Words(MessageId::kMachineWide);
      case Place::kBoth:
        return Words(MessageId::kBoth);
    }
    return {};
  }

  std::string LoadBehaviorCell(const EditorFindings& found) const {
    if (!found.listed) return Words(MessageId::kNotListed);
    if (!found.load_behavior) return Words(MessageId::kMissing);
    const std::string value = std::to_string(*found.load_behavior);
    if (*found.load_behavior != 0) return value;
    return language::Say(language_, {MessageId::kTurnedOff, {value}, {}});
  }

  std::string DllCell(const EditorFindings& found) const {
    if (found.dll == DllState::kNotRegistered) return "-";
    if (found.dll == DllState::kMissing) return Words(MessageId::kMissing);
    if (!found.dll_bitness) return Words(MessageId::kNotADll);
    return *found.dll_bitness == Bitness::kX86 ? "x86" : "x64";
  }

  language::Language language_;
};

// Columns a text takes on a terminal: a Chinese character takes two.
std::size_t Width(const std::string& cell) {
  std::size_t width = 0;
  for (const char16_t unit : text::FromUtf8(cell))
    width += unit >= 257 ? 2 : 1;
  return width;
}

}  // namespace

std::string ReportText(const Examination& examination, language::Language language) {
  const Cells cells(language);
  std::vector<Row> rows{cells.Heading()};
  for (const auto& found : examination.editors)
    rows.push_back(cells.RowOf(found));
  std::array<std::size_t, kColumns> widths{};
  for (const auto& row : rows) {
    for (std::size_t column = 0; column < kColumns; ++column) {
      widths[column] = std::max(widths[column], Width(row[column]));
    }
  }
  std::string text;
  for (const auto& row : rows) {
    for (std::size_t column = 0; column + 1 < kColumns; ++column) {
      text += row[column] + std::string(widths[column] - Width(row[column]) + 2, ' ');
    }
    text += row.back() + "\n";
  }
  text += "\n";
  for (const auto& problem : examination.problems)
    text += problem.line + "\n";
  if (examination.problems.empty()) {
    text += language::Words(language, MessageId::kNoProblem) + std::string("\n");
  }
  return text;
}

}  // namespace tessaly::doctor
