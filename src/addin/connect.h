#pragma once

// The add-in object the editor creates: its three events drive the add-in's whole life.

#include <cstdint>
#include <memory>
#include <string>

#include "addin/app_event_vbide.h"
#include "addin/connection.h"
#include "addin/features.h"
#include "host/editor.h"
#include "host/os.h"

namespace tessaly::addin {

inline constexpr char16_t kComponentName[] = u"QWIX";
inline constexpr char16_t kAddInsEntryCaption[] = u"Tessaly";

class Connect {
 public:
  // The sinks are the function menu's buttons', which a disconnection lets go of.
  Connect(Connection& connection, ButtonSinks& button_sinks, host::Os& os, Features& features,
          std::u16string component_name = kComponentName);
  ~Connect();
  Connect(const Connect&) = delete;
  Connect& operator=(const Connect&) = delete;

  void OnConnection(std::shared_ptr<host::Application> application, std::int32_t connect_mode,
                    host::AddInInstance& add_in);
  void OnStartupComplete();
  void OnDisconnection(std::int32_t remove_mode);

  // A button at the end of the editor's "Add-Ins" bar, after a separator; null on failure.
  std::shared_ptr<host::CommandBarControl> AddToAddInCommandBar(const std::u16string& caption);

  // Moves the cursor to (x, y) and clicks the left button count times.
  void ClickAt(std::int32_t count, std::int32_t x, std::int32_t y);
  // Lets the editor process its messages until ms milliseconds have passed; at least once.
  void Delay(std::uint32_t ms);

 private:
  class AboutEntrySink;

  bool IsAccepted() const;
  // The editor's Add-Ins bar, found by its popup's built-in Id before its English name.
  std::shared_ptr<host::CommandBar> AddInsBar();
  void CreateAddInsEntry();
  // A switch as start-up reads it: its default when the store refuses.
  std::u16string StartupSetting(std::int32_t index);
  void ApplyStartupSettings();
  void ShowTabWindowAtStartup();
  void RemoveVbaEntry();

  Connection& connection_;
  ButtonSinks& button_sinks_;
  host::Os& os_;
  Features& features_;
  std::shared_ptr<host::CommandBarControl> menu_entry_;
  std::shared_ptr<host::ClickSource> menu_handler_;
  std::shared_ptr<AboutEntrySink> menu_handler_sink_;
  std::unique_ptr<host::EventConnection> menu_handler_connection_;
  std::shared_ptr<host::CommandBarControl> vba_entry_;
  std::weak_ptr<AppEventVBIDE> vba_entry_sink_;
  // The start-up steps ran for this connection: they run once, whichever event brings them.
  bool started_ = false;
};

}  // namespace tessaly::addin
