#include "addin/export_extensions.h"

#include "host/editor.h"

namespace tessaly::addin {

namespace {

struct ExportedAs {
  std::int32_t component_type;
  std::u16string_view extension;
};

// An Office document's module (ThisWorkbook, Sheet1) exports as a class.
constexpr ExportedAs kExtensions[] = {
    {host::kStdModule, u".bas"},       {host::kClassModule, u".cls"}, {host::kDocument, u".cls"},
    {host::kMSForm, u".frm"},          {host::kVBForm, u".frm"},      {host::kVBMDIForm, u".frm"},
    {host::kUserControl, u".ctl"},     {host::kPropPage, u".pag"},    {host::kDocObject, u".dob"},
    {host::kActiveXDesigner, u".dsr"},
};

}  // namespace

std::optional<std::u16string_view> ExportExtension(std::int32_t component_type) {
  for (const auto& row : kExtensions) {
    if (row.component_type == component_type) return row.extension;
  }
  return std::nullopt;
}

}  // namespace tessaly::addin
