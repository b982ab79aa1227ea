#include "addin/module_file_path.h"

#include <memory>

#include "addin/export_extensions.h"
#include "host/host_error.h"
#include "host/resume.h"

namespace tessaly::addin {

namespace {

// The folder of a path with its last separator; empty for a bare file name.
std::u16string_view FolderOf(std::u16string_view path) {
  const auto separator = path.find_last_of(u"\\/");
  return separator == std::u16string_view::npos ? std::u16string_view()
                                                : path.substr(0, separator + 1);
}

struct Component {
  std::u16string name;
  std::int32_t type = 0;
};

}  // namespace

std::optional<std::u16string> ProjectFolder(host::Application& application) {
  const auto project = host::ResumeOr(std::shared_ptr<host::VBProject>(),
                                      [&] { return application.ActiveVBProject(); });
  if (!project) return std::nullopt;
  const auto project_file = host::ProbeOr(std::u16string(), [&] { return project->FileName(); });
  if (project_file.empty()) return std::nullopt;
  return std::u16string(FolderOf(project_file));
}

std::optional<std::u16string> ModuleFilePath(host::Application& application,
                                             host::CodeModule& module) {
  const auto folder = ProjectFolder(application);
  if (!folder) return std::nullopt;
  const auto component = host::ResumeOr(std::optional<Component>(), [&] {
    const auto parent = module.Parent();
    if (!parent) throw host::HostError("the module has no component");
    return std::optional<Component>(Component{parent->Name(), parent->Type()});
  });
  if (!component) return std::nullopt;
  const auto extension = ExportExtension(component->type);
  if (!extension) return std::nullopt;
  return *folder + component->name + std::u16string(*extension);
}

}  // namespace tessaly::addin
