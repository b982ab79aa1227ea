#include "menu/module_style.h"

#include "addin/module_file_path.h"
#include "style/editorconfig_lookup.h"
#include "style/style_error.h"
#include "style/style_resolution.h"
#include "text/utf.h"

namespace tessaly::menu {

codetools::IndentStyle ModuleStyle(host::Application& application, host::CodeModule& module,
                                   style::ConfigSource& files, const FailureLog& log) {
  const auto path = addin::ModuleFilePath(application, module);
  if (!path) return {};
  try {
    style::EditorConfigLookup lookup(files);
    return style::ResolveStyle(lookup.PropertiesFor(text::ToUtf8(*path)), {}).style;
  } catch (const style::StyleError& error) {
    log(u"代码缩进: " + text::FromUtf8(error.what()));
    return {};
  }
}

}  // namespace tessaly::menu
