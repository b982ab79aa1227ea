#include "addin/apply_setting.h"

#include "addin/editor_queries.h"
#include "addin/feature_settings.h"
#include "host/resume.h"

namespace tessaly::addin {

namespace {

void ShowMenuBar(const Connection& connection, bool visible) {
  auto* application = connection.HostApplication.get();
  if (!CommandBarExists(application, kMenuBarName)) return;
  host::Resume([&] { application->CommandBars()->Item(kMenuBarName)->SetVisible(visible); });
}

void ShowTabWindow(const Connection& connection, bool visible) {
  auto* application = connection.HostApplication.get();
  if (!WindowExists(application, kTabWindowCaption)) return;
  host::Resume([&] { application->Windows()->Item(kTabWindowCaption)->SetVisible(visible); });
}

void SwitchOn(const Connection& connection, Features& features, std::int32_t index) {
  switch (index) {
    case kFunctionMenu:
      ShowMenuBar(connection, true);
      break;
    case kDialogEnlargement:
      features.StartDialogWatch();
      break;
    case kCodeTabs:
      ShowTabWindow(connection, true);
      break;
    case kMouseWheel:
      features.LoadWheel();
      break;
    default:
      break;
  }
}

void SwitchOff(const Connection& connection, Features& features, std::int32_t index) {
  switch (index) {
    case kFunctionMenu:
      ShowMenuBar(connection, false);
      break;
    case kDialogEnlargement:
      features.StopDialogWatch();
      break;
    case kCodeTabs:
      ShowTabWindow(connection, false);
      break;
    case kMouseWheel:
      features.UnloadWheel();
      break;
    default:
      break;
  }
}

}  // namespace

void ApplySetting(const Connection& connection, Features& features, host::SettingsStore& settings,
                  std::int32_t index, std::int32_t value) {
  if (value == 1) SwitchOn(connection, features, index);
  if (value == 0) SwitchOff(connection, features, index);
  SaveFeatureSetting(settings, index, value);
}

}  // namespace tessaly::addin
