#include "sim/editor/sim_application.h"

#include <utility>

#include "host/host_error.h"

namespace tessaly::sim {
namespace {

std::u16string MainCaption(const EditorOptions& options) {
  if (!options.main_caption.empty()) return options.main_caption;
  if (options.name == kVb6HostName) return u"Project1 - Microsoft Visual Basic [design]";
  return u"Microsoft Visual Basic for Applications - Project1";
}

}  // namespace

SimApplication::SimApplication(EditorOptions options)
    : options_(std::move(options)),
      calls_(std::make_shared<CallLog>()),
      bars_(std::make_shared<SimCommandBars>(calls_)),
      windows_(std::make_shared<SimWindows>(calls_)),
      main_window_(
          std::make_shared<SimWindow>(MainCaption(options_), kMainWindowType, true, calls_)),
      events_(std::make_shared<SimEvents>(IsVb6(), calls_)),
      focus_(std::make_shared<PaneFocus>()) {
  windows_->Append(std::make_shared<SimWindow>(NamesOf(options_).immediate_window,
                                               host::kImmediateWindow, true, calls_));
  windows_->Append(
      std::make_shared<SimWindow>(u"Project - Project1", host::kProjectExplorer, true, calls_));
  windows_->Append(
      std::make_shared<SimWindow>(u"Properties", host::kPropertiesWindow, true, calls_));
  AddStandardBars();
}

void SimApplication::AddStandardBars() {
  const auto names = NamesOf(options_);
  auto& menu_bar = bars_->AddBar(names.menu_bar, host::kBarTop, true);
  bars_->SetActiveMenuBar(names.menu_bar);
  bars_->AddBar(u"Standard", host::kBarTop, true);
  bars_->AddBar(u"Edit", host::kBarTop, false);
  if (options_.add_ins_bar) {
    // The editor's own entry comes first, so an add-in's entry is never control 1.
    auto& add_ins = bars_->AddBar(names.add_ins_bar, host::kBarTop, false);
    add_ins.ControlList().Append(host::kButton)->MutableProperties().caption =
        u"&Add-In Manager...";
    auto popup = menu_bar.ControlList().Append(host::kPopup);
    popup->MutableProperties().caption = names.add_ins_popup;
    popup->MutableProperties().id = host::kAddInsPopupId;
    popup->OpenBar(bars_->All().back(), add_ins.SharedControls());
  }
}

std::u16string SimApplication::Name() {
  calls_->Enter(u"Application.Name");
  if (!IsVb6()) throw calls_->Refused("the VBA editor's VBE has no Name");
  return options_.name;
}

std::u16string SimApplication::ExecutableName() {
  if (!options_.executable.empty()) return options_.executable;
  static constexpr std::pair<const char16_t*, const char16_t*> kPrograms[] = {
      {kVb6HostName, u"VB6.EXE"},
      {u"Microsoft Excel", u"EXCEL.EXE"},
      {u"Microsoft Word", u"WINWORD.EXE"},
      {u"Microsoft Access", u"MSACCESS.EXE"},
      {u"Microsoft PowerPoint", u"POWERPNT.EXE"}};
  for (const auto& [name, program] : kPrograms) {
    if (options_.name == name) return program;
  }
  return u"HOST.EXE";
}

std::u16string SimApplication::Version() {
  calls_->Enter(u"Application.Version");
  return options_.version;
}

std::shared_ptr<host::CommandBars> SimApplication::CommandBars() {
  calls_->Enter(u"Application.CommandBars");
  return bars_;
}

std::shared_ptr<host::Windows> SimApplication::Windows() {
  calls_->Enter(u"Application.Windows");
  return windows_;
}

std::shared_ptr<host::Window> SimApplication::MainWindow() {
  calls_->Enter(u"Application.MainWindow");
  return main_window_;
}

std::shared_ptr<host::Events> SimApplication::Events() {
  calls_->Enter(u"Application.Events");
  return events_;
}

std::shared_ptr<host::CodePane> SimApplication::ActiveCodePane() {
  calls_->Enter(u"Application.ActiveCodePane");
  auto pane = focus_->active.lock();
  if (!pane) throw host::HostError("ActiveCodePane: no code pane has the caret");
  return pane;
}

std::shared_ptr<host::VBProject> SimApplication::ActiveVBProject() {
  calls_->Enter(u"Application.ActiveVBProject");
  if (const auto* pane = ActivePane()) {
    if (auto* module = pane->Module()) return projects_.at(module->Project());
  }
  if (!last_opened_) throw calls_->Refused("ActiveVBProject: no project is open");
  return last_opened_;
}

SimCodeModule& SimApplication::AddModule(const std::u16string& project,
                                         const std::u16string& module,
                                         std::vector<std::u16string> lines,
                                         std::int32_t component_type) {
  auto& opened = projects_[project];
  if (!opened) {
    opened = std::make_shared<SimVBProject>(project, options_.project_file, IsVb6(), calls_);
    last_opened_ = opened;
  }
  auto code_module =
      std::make_shared<SimCodeModule>(project, module, std::move(lines), calls_, component_type);
  auto window =
      std::make_shared<SimWindow>(project + u" - " + module + u" " + NamesOf(options_).code_marker,
                                  host::kCodeWindow, true, calls_);
  auto pane = std::make_shared<SimCodePane>(code_module, window, calls_);
  // Showing or focusing a code window brings its pane to the front, as the editor does.
  window->OnBroughtToFront(
      [focus = std::weak_ptr<PaneFocus>(focus_), weak_pane = std::weak_ptr<SimCodePane>(pane)] {
        if (auto f = focus.lock()) f->active = weak_pane;
      });
  code_module->AttachPane(pane);
  windows_->Append(window);
  modules_.push_back(code_module);
  focus_->active = pane;
  return *code_module;
}

SimVBProject* SimApplication::FindProject(std::u16string_view project) const {
  const auto found = projects_.find(project);
  return found == projects_.end() ? nullptr : found->second.get();
}

SimCodeModule* SimApplication::FindModule(std::u16string_view module) const {
  for (const auto& code_module : modules_) {
    if (code_module->Name() == module) return code_module.get();
  }
  return nullptr;
}

}  // namespace tessaly::sim
