#include "sim/editor/sim_editor.h"

#include <stdexcept>

#include "text/utf.h"

namespace tessaly::sim {
namespace {

std::string Describe(const ControlPath& path) {
  std::string text;
  for (const auto& step : path) {
    if (!text.empty()) text += " > ";
    text += text::ToUtf8(step);
  }
  return text;
}

}  // namespace

SimEditor::SimEditor(EditorOptions options)
    : application_(std::make_shared<SimApplication>(std::move(options))) {}

SimCodeModule& SimEditor::AddModule(const std::u16string& project, const std::u16string& module,
                                    const std::vector<std::u16string>& lines,
                                    std::int32_t component_type) {
  auto* existing = application_->FindModule(module);
  if (existing && existing->Project() == project) {
    throw std::invalid_argument("module already open: " + text::ToUtf8(module));
  }
  return application_->AddModule(project, module, lines, component_type);
}

SimVBProject& SimEditor::Project(const std::u16string& project) const {
  auto* found = application_->FindProject(project);
  if (!found) throw std::invalid_argument("no project " + text::ToUtf8(project));
  return *found;
}

SimCodeModule& SimEditor::Module(const std::u16string& module) const {
  auto* found = application_->FindModule(module);
  if (!found) throw std::invalid_argument("no module " + text::ToUtf8(module));
  return *found;
}

void SimEditor::Activate(const std::u16string& module) {
  application_->SetActivePane(Module(module).Pane());
}

void SimEditor::ClearActivePane() {
  application_->SetActivePane(nullptr);
}

void SimEditor::RegisterDocumentClass(
    const std::u16string& prog_id, std::function<std::shared_ptr<host::UserDocument>()> factory) {
  application_->WindowList().RegisterDocumentClass(prog_id, std::move(factory));
}

ClickResult SimEditor::Click(const ControlPath& path) {
  return Control(path).RaiseClick();
}

int SimEditor::SinkCount(const ControlPath& path, SinkKind kind) const {
  return Control(path).LiveSinkCount(kind);
}

std::int64_t SimEditor::Calls(std::u16string_view member) const {
  return application_->Calls().Calls(member);
}

void SimEditor::ResetCalls() {
  application_->Calls().Reset();
}

void SimEditor::Refuse(std::u16string_view member, std::string description) {
  application_->Calls().Refuse(member, std::move(description));
}

void SimEditor::Allow(std::u16string_view member) {
  application_->Calls().Allow(member);
}

bool SimEditor::HasBar(std::u16string_view name) const {
  return application_->Bars().Find(name) != nullptr;
}

SimCommandBar& SimEditor::Bar(std::u16string_view name) const {
  auto* bar = application_->Bars().Find(name);
  if (!bar) throw std::invalid_argument("no command bar " + text::ToUtf8(name));
  return *bar;
}

SimCommandBarControl& SimEditor::Control(const ControlPath& path) const {
  if (path.size() < 2) throw std::invalid_argument("a control path needs a bar and a caption");
  const SimCommandBarControls* controls = &Bar(path.front()).ControlList();
  SimCommandBarControl* control = nullptr;
  for (std::size_t i = 1; i < path.size(); ++i) {
    if (!controls) throw std::invalid_argument("not a popup on the way: " + Describe(path));
    control = controls->Find(path[i]);
    if (!control) throw std::invalid_argument("no control " + Describe(path));
    controls = control->Children().get();
  }
  return *control;
}

SimWindow& SimEditor::Window(std::u16string_view caption) const {
  auto* window = application_->WindowList().Find(caption);
  if (!window) throw std::invalid_argument("no window " + text::ToUtf8(caption));
  return *window;
}

bool SimEditor::HasWindow(std::u16string_view caption) const {
  return application_->WindowList().Find(caption) != nullptr;
}

void SimEditor::CloseWindow(std::u16string_view caption) {
  SimWindow& window = Window(caption);
  if (auto* pane = ActivePane(); pane && &pane->CodeWindow() == &window) ClearActivePane();
  application_->WindowList().Remove(window);
}

const std::vector<std::shared_ptr<SimWindow>>& SimEditor::Windows() const {
  return application_->WindowList().All();
}

}  // namespace tessaly::sim
