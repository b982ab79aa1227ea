#pragma once

// The editor's extensibility object model, reduced to the members the add-in calls. Each
// member maps to one call on the real editor object (late-bound on Windows, in memory in the
// simulation). Any member may throw HostError when the editor refuses it.

#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "host/window_system.h"

namespace tessaly::host {

class CodeModule;
class CodePane;
class VBComponent;
class VBProject;
class Window;
class CommandBar;
class CommandBarControl;
class CommandBarControls;

// Window types as the editor numbers them.
enum WindowType : std::int32_t {
  kCodeWindow = 0,
  kImmediateWindow = 5,
  kProjectExplorer = 6,
  kPropertiesWindow = 7,
};

// Control types and styles of the Office command bars.
enum ControlType : std::int32_t { kButton = 1, kPopup = 10 };
enum ButtonStyle : std::int32_t { kIconAndCaption = 3 };
enum BarPosition : std::int32_t { kBarTop = 1 };

// Component types as the editors number them (vbext_ComponentType).
enum ComponentType : std::int32_t {
  kStdModule = 1,
  kClassModule = 2,
  kMSForm = 3,
  kResFile = 4,
  kVBForm = 5,
  kVBMDIForm = 6,
  kPropPage = 7,
  kUserControl = 8,
  kDocObject = 9,
  kRelatedDocument = 10,
  kActiveXDesigner = 11,
  kDocument = 100,
};

struct Selection {
  std::int32_t start_line = 0;
  std::int32_t start_column = 0;
  std::int32_t end_line = 0;
  std::int32_t end_column = 0;
  bool operator==(const Selection&) const = default;
};

class CodeModule {
 public:
  virtual ~CodeModule() = default;
  virtual std::u16string Lines(std::int32_t start_line, std::int32_t count) = 0;
  virtual void ReplaceLine(std::int32_t line, const std::u16string& code) = 0;
  // Text holding CR LF becomes several lines.
  virtual void InsertLines(std::int32_t line, const std::u16string& code) = 0;
  virtual void DeleteLines(std::int32_t start_line, std::int32_t count) = 0;
  virtual std::int32_t CountOfLines() = 0;
  virtual std::u16string ProcOfLine(std::int32_t line, std::int32_t proc_kind) = 0;
  virtual std::int32_t ProcStartLine(const std::u16string& name, std::int32_t proc_kind) = 0;
  virtual std::int32_t ProcCountLines(const std::u16string& name, std::int32_t proc_kind) = 0;
  virtual std::shared_ptr<host::CodePane> CodePane() = 0;
  // The component the module is the code of.
  virtual std::shared_ptr<VBComponent> Parent() = 0;
  // Not a member of the editor's: a code tool tells the text it read of a line it is about to
  // change, and of the line that closes the gap a deletion leaves, so that a module recording
  // the click's change keeps the old text of what changes rather than of every line read. The
  // editor's own module has nothing to do with it.
  virtual void KnowLine(std::int32_t /*line*/, const std::u16string& /*text*/) {}
};

class VBComponent {
 public:
  virtual ~VBComponent() = default;
  virtual std::u16string Name() = 0;
  // A ComponentType.
  virtual std::int32_t Type() = 0;
};

class VBProject {
 public:
  virtual ~VBProject() = default;
  // The project's file: a VB6 project's .vbp, an Office project's document. Empty, or refused
  // by the VBA editors, while the project has never been saved.
  virtual std::u16string FileName() = 0;
};

class CodePane {
 public:
  virtual ~CodePane() = default;
  virtual Selection GetSelection() = 0;
  virtual void SetSelection(std::int32_t start_line, std::int32_t start_column,
                            std::int32_t end_line, std::int32_t end_column) = 0;
  virtual std::int32_t TopLine() = 0;
  virtual void SetTopLine(std::int32_t line) = 0;
  virtual std::shared_ptr<host::Window> Window() = 0;
  virtual std::shared_ptr<host::CodeModule> CodeModule() = 0;
};

class Window {
 public:
  virtual ~Window() = default;
  virtual std::u16string Caption() = 0;
  virtual std::int32_t Type() = 0;
  virtual bool Visible() = 0;
  virtual void SetVisible(bool visible) = 0;
  // The docking frame the window sits in; null when it is not linked.
  virtual std::shared_ptr<Window> LinkedWindowFrame() = 0;
  virtual std::int32_t Left() = 0;
  virtual std::int32_t Top() = 0;
  virtual void SetHeight(std::int32_t height) = 0;
  virtual void SetFocus() = 0;
  // The window's handle, which the editors give through a hidden member; throws where the
  // window has none to give.
  virtual WindowHandle HWnd() = 0;
};

// The document object a tool window hosts, reached as its class publishes it: the tab strip's
// document is the add-in's one kind.
class UserDocument {
 public:
  virtual ~UserDocument() = default;
  virtual void TabInitialize() = 0;
  // tabName is a code window's full caption.
  virtual void Code_Click(const std::u16string& tabName) = 0;
};

// The add-in instance the editor hands over at connection. The add-in only gives it back to
// create tool windows, so it carries the editor's own object without knowing its type.
class AddInInstance {
 public:
  AddInInstance() = default;
  explicit AddInInstance(std::any editor_object) : editor_object_(std::move(editor_object)) {}

  // Null when the instance carries no object of type T.
  template <class T>
  const T* EditorObject() const {
    return std::any_cast<T>(&editor_object_);
  }

 private:
  std::any editor_object_;
};

struct ToolWindow {
  std::shared_ptr<host::Window> window;
  std::shared_ptr<UserDocument> document;
};

class Windows {
 public:
  virtual ~Windows() = default;
  virtual std::int32_t Count() = 0;
  virtual std::shared_ptr<Window> Item(std::int32_t index) = 0;  // from 1
  virtual std::shared_ptr<Window> Item(const std::u16string& caption) = 0;
  virtual ToolWindow CreateToolWindow(AddInInstance& add_in, const std::u16string& prog_id,
                                      const std::u16string& caption,
                                      const std::u16string& position_guid) = 0;
};

// A click as the editor reports it. cancel_default tells the editor to skip its own action.
class ClickSink {
 public:
  virtual ~ClickSink() = default;
  virtual void OnClick(CommandBarControl& control, bool& handled, bool& cancel_default) = 0;
};

// A live subscription: the source holds the sink, strongly, as a COM connection point does,
// until this is released (Unadvise).
class EventConnection {
 public:
  virtual ~EventConnection() = default;
};

// Something that raises clicks: a VB6 CommandBarEvents object or an Office button.
class ClickSource {
 public:
  virtual ~ClickSource() = default;
  [[nodiscard]] virtual std::unique_ptr<EventConnection> Advise(
      std::shared_ptr<ClickSink> sink) = 0;
};

class CommandBarControl {
 public:
  virtual ~CommandBarControl() = default;
  virtual std::u16string Caption() = 0;
  virtual void SetCaption(const std::u16string& caption) = 0;
  virtual std::int32_t Type() = 0;
  virtual void SetBeginGroup(bool begin_group) = 0;
  virtual void SetFaceId(std::int32_t face_id) = 0;
  virtual void SetStyle(std::int32_t style) = 0;
  virtual void SetTooltipText(const std::u16string& tip) = 0;
  virtual void SetParameter(const std::u16string& parameter) = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual void Delete() = 0;
  // The controls of a popup; refused for a button.
  virtual std::shared_ptr<CommandBarControls> Controls() = 0;
  // The click of an Office command-bar button (the VBA editors' event source).
  virtual std::shared_ptr<ClickSource> ButtonEvents() = 0;
  // The built-in Id, the same in every language of the editor; 1 for an add-in's own control.
  virtual std::int32_t Id() = 0;
  // The bar a popup opens; refused for a button.
  virtual std::shared_ptr<host::CommandBar> CommandBar() = 0;
};

class CommandBarControls {
 public:
  virtual ~CommandBarControls() = default;
  virtual std::int32_t Count() = 0;
  virtual std::shared_ptr<CommandBarControl> Item(std::int32_t index) = 0;  // from 1
  virtual std::shared_ptr<CommandBarControl> Add(std::int32_t type) = 0;
};

class CommandBar {
 public:
  virtual ~CommandBar() = default;
  virtual std::u16string Name() = 0;
  virtual bool Visible() = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual std::shared_ptr<CommandBarControls> Controls() = 0;
  // The bar's own control (not one inside its popups) with this built-in Id; null when none.
  virtual std::shared_ptr<CommandBarControl> FindControl(std::int32_t id) = 0;
};

class CommandBars {
 public:
  virtual ~CommandBars() = default;
  virtual std::shared_ptr<CommandBar> Item(const std::u16string& name) = 0;
  virtual std::shared_ptr<CommandBar> Add(const std::u16string& name, std::int32_t position) = 0;
  // The editor's menu bar, whatever its name in the user's language.
  virtual std::shared_ptr<CommandBar> ActiveMenuBar() = 0;
};

// The built-in Id of the menu bar's Add-Ins popup, whose bar holds the add-ins' entries.
inline constexpr std::int32_t kAddInsPopupId = 30038;

class Events {
 public:
  virtual ~Events() = default;
  // VB6 only: the events object that raises clicks of this control.
  virtual std::shared_ptr<ClickSource> CommandBarEvents(CommandBarControl& control) = 0;
};

class Application {
 public:
  virtual ~Application() = default;
  // The VB6 IDE publishes its name; the VBA editor's VBE has no such member and refuses it.
  virtual std::u16string Name() = 0;
  virtual std::u16string Version() = 0;
  // The file name of the program the editor runs in ("EXCEL.EXE"): not a member of the
  // editor's object, but the only way to tell which Office program hosts a VBA editor.
  virtual std::u16string ExecutableName() = 0;
  virtual std::shared_ptr<host::CommandBars> CommandBars() = 0;
  virtual std::shared_ptr<host::Windows> Windows() = 0;
  virtual std::shared_ptr<Window> MainWindow() = 0;
  virtual std::shared_ptr<host::Events> Events() = 0;
  // Throws when no code pane has the caret.
  virtual std::shared_ptr<host::CodePane> ActiveCodePane() = 0;
  // The project selected in the project window, or the one of the selected components.
  virtual std::shared_ptr<VBProject> ActiveVBProject() = 0;
};

// Connection modes the editor passes at connection.
enum ConnectMode : std::int32_t { kAfterStartup = 0, kStartup = 1, kExternal = 2 };

}  // namespace tessaly::host
