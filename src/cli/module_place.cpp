#include "cli/module_place.h"

#include <filesystem>

#include "addin/export_extensions.h"
#include "cli/native_path.h"
#include "text/ascii_case.h"
#include "text/utf.h"

namespace tessaly::cli {

namespace {

std::int32_t ComponentTypeOf(const std::u16string& extension, bool vb6) {
  const std::int32_t clickable[] = {
      host::kStdModule,      host::kClassModule, vb6 ? host::kVBForm : host::kMSForm,
      host::kUserControl,    host::kPropPage,    host::kDocObject,
      host::kActiveXDesigner};
  for (const auto type : clickable) {
    if (addin::ExportExtension(type) == text::AsciiLowercased(extension)) return type;
  }
  return host::kStdModule;
}

}  // namespace

ModulePlace PlaceOf(const std::string& path, bool vb6) {
  if (path == "-") return {};
  // The editors name a project by its full path.
  const auto file = std::filesystem::absolute(NativePath(path)).lexically_normal();
  const auto project = file.parent_path() / (vb6 ? "Project1.vbp" : "Book1.xlsm");
  return {text::FromUtf8(PathText(project)),
          ComponentTypeOf(text::FromUtf8(PathText(file.extension())), vb6)};
}

}  // namespace tessaly::cli
