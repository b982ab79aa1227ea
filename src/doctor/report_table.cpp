#include "doctor/report_table.h"

#include <algorithm>
#include <array>
#include <vector>

#include "text/utf.h"

namespace tessaly::doctor {

namespace {

constexpr std::size_t kColumns = 8;
using Row = std::array<std::string, kColumns>;

std::string PlaceText(Place place) {
  switch (place) {
    case Place::kMissing:
      return "missing";
    case Place::kIncomplete:
      return "incomplete";
    case Place::kPerUser:
      return "per-user";
    case Place::kMachineWide:
      return "machine-wide";
    case Place::kBoth:
      return "both";
  }
  return {};
}

std::string LoadBehaviorCell(const EditorFindings& found) {
  if (!found.listed) return "not listed";
  if (!found.load_behavior) return "missing";
  return std::to_string(*found.load_behavior) + (*found.load_behavior == 0 ? " (off)" : "");
}

std::string DllCell(const EditorFindings& found) {
  if (found.dll == DllState::kNotRegistered) return "-";
  if (found.dll == DllState::kMissing) return "missing";
  if (!found.dll_bitness) return "not a DLL";
  return *found.dll_bitness == Bitness::kX86 ? "x86" : "x64";
}

Row RowOf(const EditorFindings& found) {
  return {found.editor.name,
          LoadBehaviorCell(found),
          PlaceText(found.classes),
          PlaceText(found.prog_ids),
          PlaceText(found.type_library),
          found.editor.program.empty() ? "-"
          : found.elevated_by          ? "yes"
                                       : "no",
          DllCell(found) + (found.dll_version ? " " + text::ToUtf8(*found.dll_version) : ""),
          found.dll_path ? text::ToUtf8(*found.dll_path) : "-"};
}

}  // namespace

std::string ReportText(const Examination& examination) {
  std::vector<Row> rows{
      {"editor", "LoadBehavior", "class", "ProgID", "type library", "as admin", "DLL", "file"}};
  for (const auto& found : examination.editors)
    rows.push_back(RowOf(found));
  // Every column but the file's holds ASCII alone, so bytes measure its width.
  std::array<std::size_t, kColumns> widths{};
  for (const auto& row : rows) {
    for (std::size_t column = 0; column < kColumns; ++column) {
      widths[column] = std::max(widths[column], row[column].size());
    }
  }
  std::string text;
  for (const auto& row : rows) {
    for (std::size_t column = 0; column + 1 < kColumns; ++column) {
      text += row[column] + std::string(widths[column] - row[column].size() + 2, ' ');
    }
    text += row.back() + "\n";
  }
  text += "\n";
  for (const auto& problem : examination.problems)
    text += problem.line + "\n";
  if (examination.problems.empty()) text += "no problem found: every editor can load the add-in\n";
  return text;
}

}  // namespace tessaly::doctor
