#include "addin/connect.h"

#include <algorithm>

#include "addin/editor_queries.h"
#include "addin/feature_settings.h"
#include "addin/host_recognition.h"
#include "addin/registration.h"
#include "addin/vb_conversion.h"
#include "host/resume.h"

namespace tessaly::addin {

using host::Resume;

// The VB6 Add-Ins entry opens the About form directly rather than through the dispatcher.
class Connect::AboutEntrySink : public host::ClickSink {
 public:
  explicit AboutEntrySink(Features& features) : features_(features) {}
  void OnClick(host::CommandBarControl& /*control*/, bool& /*handled*/,
               bool& /*cancel_default*/) override {
    if (!detached_) Resume([&] { features_.ShowAbout(); });
  }
  // See AppEventVBIDE::Detach.
  void Detach() { detached_ = true; }

 private:
  Features& features_;
  bool detached_ = false;
};

Connect::Connect(Connection& connection, ButtonSinks& button_sinks, host::Os& os,
                 Features& features, std::u16string component_name)
    : connection_(connection), button_sinks_(button_sinks), os_(os), features_(features) {
  connection_.ComponentName = std::move(component_name);
}

Connect::~Connect() = default;

bool Connect::IsAccepted() const {
  return IsAcceptedHost(connection_.HostName, connection_.HostVersion);
}

void Connect::OnConnection(std::shared_ptr<host::Application> application,
                           std::int32_t connect_mode, host::AddInInstance& add_in) {
  connection_.HostName = ReadHostName(*application);
  Resume([&] { connection_.HostVersion = application->Version(); });
  connection_.Program = GetProgramInfo(application.get());
  if (!IsAccepted() || connect_mode == host::kExternal) return;

  connection_.HostApplication = std::move(application);
  connection_.MenuBarName = kMenuBarName;
  connection_.HostMode = HostModeOf(connection_.HostName);
  auto* editor = connection_.HostApplication.get();

  if (!CommandBarExists(editor, connection_.MenuBarName)) {
    Resume([&] { features_.BuildFunctionMenu(); });
  } else if (!button_sinks_ || button_sinks_->empty()) {
    Resume([&] { features_.RewireFunctionMenu(); });
  }
  if (!WindowExists(editor, kTabWindowCaption)) {
    Resume([&] { features_.CreateTabWindow(add_in); });
  } else {
    Resume([&] { features_.TakeOverTabWindow(); });
  }
  CreateAddInsEntry();
  // Loaded from the Add-In Manager into a running editor: no start-up complete will follow.
  if (connect_mode == host::kAfterStartup) OnStartupComplete();
}

std::shared_ptr<host::CommandBar> Connect::AddInsBar() {
  const auto bars = connection_.HostApplication->CommandBars();
  // The bar's name is the user's language's ("外接程序"); its popup's Id is the same everywhere.
  std::shared_ptr<host::CommandBar> bar;
  Resume([&] {
    if (const auto popup = bars->ActiveMenuBar()->FindControl(host::kAddInsPopupId)) {
      bar = popup->CommandBar();
    }
  });
  return bar ? bar : bars->Item(u"Add-Ins");
}

void Connect::CreateAddInsEntry() {
  if (connection_.IsVb6()) {
    menu_entry_ = AddToAddInCommandBar(kAddInsEntryCaption);
    Resume([&] {
      if (!menu_entry_) throw host::HostError("no Add-Ins entry to attach events to");
      menu_handler_ = connection_.HostApplication->Events()->CommandBarEvents(*menu_entry_);
      menu_handler_sink_ = std::make_shared<AboutEntrySink>(features_);
      menu_handler_connection_ = menu_handler_->Advise(menu_handler_sink_);
    });
    return;
  }
  Resume([&] { vba_entry_ = AddInsBar()->Controls()->Add(host::kButton); });
  if (!vba_entry_) return;
  Resume([&] { vba_entry_->SetCaption(kAddInsEntryCaption); });
  Resume([&] { vba_entry_->SetVisible(true); });
  Resume([&] { vba_entry_->SetEnabled(true); });
  Resume([&] { vba_entry_->SetBeginGroup(true); });
  Resume([&] { vba_entry_->SetParameter(u"TBVBCode"); });
  Resume([&] {
    HookButton(connection_, button_sinks_, *vba_entry_,
               [this](const std::u16string& caption) { features_.RunFunctionMenu(caption); });
    vba_entry_sink_ = button_sinks_->back();
  });
}

std::shared_ptr<host::CommandBarControl> Connect::AddToAddInCommandBar(
    const std::u16string& caption) {
  return host::ResumeOr(std::shared_ptr<host::CommandBarControl>(), [&] {
    auto control = AddInsBar()->Controls()->Add(host::kButton);
    control->SetCaption(caption);
    control->SetBeginGroup(true);
    return control;
  });
}

void Connect::OnStartupComplete() {
  if (!IsAccepted() || !connection_.HostApplication || started_) return;
  started_ = true;
  ApplyStartupSettings();
  Resume([&] { WriteRegistration(connection_, os_); });
}

std::u16string Connect::StartupSetting(std::int32_t index) {
  return host::ResumeOr(std::u16string(kSettingDefault),
                        [&] { return ReadFeatureSetting(os_.settings, index); });
}

void Connect::ApplyStartupSettings() {
  if (connection_.IsVb6()) {
    const auto wheel = ToWholeNumber(StartupSetting(kMouseWheel));
    if (wheel && *wheel != 0) Resume([&] { features_.LoadWheel(); });
  }
  const auto dialogs = ToNumber(StartupSetting(kDialogEnlargement));
  if (dialogs && *dialogs == 1) Resume([&] { features_.StartDialogWatch(); });

  ShowTabWindowAtStartup();

  const auto menu_visible = ToBoolean(StartupSetting(kFunctionMenu));
  if (menu_visible) {
    Resume([&] {
      connection_.HostApplication->CommandBars()
          ->Item(connection_.MenuBarName)
          ->SetVisible(*menu_visible);
    });
  }
}

void Connect::ShowTabWindowAtStartup() {
  auto* editor = connection_.HostApplication.get();
  if (!WindowExists(editor, kTabWindowCaption)) return;
  std::shared_ptr<host::Window> window;
  Resume([&] { window = editor->Windows()->Item(kTabWindowCaption); });
  const auto tabs = ToNumber(StartupSetting(kCodeTabs));
  if (window && tabs && *tabs == 1) Resume([&] { window->SetVisible(true); });
  Resume([&] { features_.TabInitialize(); });
  Resume([&] { features_.HookProjectTree(); });
  if (!window) return;
  Resume([&] {
    const std::int32_t top = window->Top();
    const std::int32_t left = window->Left();
    // A docked window sits at 0; only a floating one is nudged into its docked place.
    if (top <= 0 || left <= 0) return;
    window->SetFocus();
    ClickAt(2, left + 10, top + 10);
    window->SetHeight(60);
  });
}

void Connect::ClickAt(std::int32_t count, std::int32_t x, std::int32_t y) {
  Resume([&] { os_.windows.SetCursorPos({x, y}); });
  for (std::int32_t i = 0; i < count; ++i) {
    Delay(0);
    Resume([&] { os_.windows.MouseEvent(host::kMouseLeftDown); });
    Resume([&] { os_.windows.MouseEvent(host::kMouseLeftUp); });
  }
}

void Connect::Delay(std::uint32_t ms) {
  Resume([&] {
    const std::uint32_t start = os_.loop.TickCount();
    do {
      os_.loop.DoEvents();
    } while (os_.loop.TickCount() - start < ms);
  });
}

void Connect::OnDisconnection(std::int32_t /*remove_mode*/) {
  started_ = false;
  // A click the editor delivers while the features stop must find nothing to run.
  if (menu_handler_sink_) menu_handler_sink_->Detach();
  DetachButtonSinks(button_sinks_);
  Resume([&] { features_.UnloadWheel(); });
  Resume([&] { features_.StopDialogWatch(); });
  if (menu_entry_) Resume([&] { menu_entry_->Delete(); });
  menu_handler_connection_.reset();
  menu_handler_.reset();
  menu_handler_sink_.reset();
  menu_entry_.reset();
  RemoveVbaEntry();
  // The bar stays in the editor; the next connection wires its buttons to its own sinks.
  ReleaseButtonSinks(button_sinks_);
  Resume([&] { features_.UnhookProjectTree(); });
}

// Loading the add-in again from the Add-In Manager must not leave a second entry behind.
void Connect::RemoveVbaEntry() {
  if (vba_entry_) Resume([&] { vba_entry_->Delete(); });
  vba_entry_.reset();
  const auto sink = vba_entry_sink_.lock();
  if (sink && button_sinks_) {
    sink->Unadvise();
    std::erase(*button_sinks_, sink);
  }
  vba_entry_sink_.reset();
}

}  // namespace tessaly::addin
