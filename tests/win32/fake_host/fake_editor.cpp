#include "win32/fake_host/fake_editor.h"

#include "host/host_error.h"
#include "win32/core_document.h"

namespace tessaly::fake_host {

namespace {

// Office's _CommandBarButtonEvents, which QWIX.dll must find by name.
constexpr IID kButtonEvents = {
    0x000C0351, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// A stand-in for VB6's CommandBarEvents interface: deliberately not Office's, so the DLL has
// to take whatever interface the connection point reports.
constexpr IID kVb6CommandBarEvents = {
    0xFAC0B6E1, 0x5D2A, 0x4C7E, {0x8F, 0x11, 0x2B, 0x9A, 0x3C, 0x4D, 0x5E, 0x6F}};

class NoAddIn : public host::AddInInstance {};

template <class T>
std::shared_ptr<T> Required(std::shared_ptr<T> object, const char* what) {
  if (!object) throw host::HostError(what);
  return object;
}

VARIANT ByRefBool(VARIANT_BOOL& flag) {
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_BOOL | VT_BYREF;
  value.pboolVal = &flag;
  return value;
}

void StoreLong(VARIANT& argument, LONG value) {
  if (argument.vt == (VT_I4 | VT_BYREF) && argument.plVal) *argument.plVal = value;
  if (argument.vt == (VT_VARIANT | VT_BYREF) && argument.pvarVal) {
    VariantClear(argument.pvarVal);
    argument.pvarVal->vt = VT_I4;
    argument.pvarVal->lVal = value;
  }
}

}  // namespace

Variant Hold(ComPtr<IDispatch> object) {
  return Variant(object.Get());
}

FakeEditor::FakeEditor(sim::EditorOptions options) : sim_(std::move(options)) {}

FakeEditor::~FakeEditor() = default;

std::size_t FakeEditor::ConnectedSinks() const {
  std::size_t sinks = 0;
  for (const auto& [control, point] : points_)
    sinks += point->SinkCount();
  return sinks;
}

ComPtr<IDispatch> FakeEditor::Application() {
  auto application = sim_.Application();
  auto* object = new FakeObject(live_);
  object->Member(L"Name", [application](Arguments&) { return Variant(application->Name()); })
      .Member(L"Version", [application](Arguments&) { return Variant(application->Version()); })
      .Member(L"CommandBars",
              [this, application](Arguments&) { return Hold(Wrap(application->CommandBars())); })
      .Member(L"Windows",
              [this, application](Arguments&) { return Hold(Wrap(application->Windows())); })
      .Member(L"MainWindow",
              [this, application](Arguments&) { return Hold(Wrap(application->MainWindow())); })
      .Member(L"Events", [this](Arguments&) { return Hold(EventsObject()); })
      .Member(L"ActiveCodePane", [this, application](Arguments&) {
        return Hold(Wrap(application->ActiveCodePane()));
      });
  return Adopt(object);
}

ComPtr<IDispatch> FakeEditor::AddInInstance() {
  auto* object = new FakeObject(live_);
  object->Member(L"ProgId", [](Arguments&) { return Variant(std::u16string(u"QWIX.Connect")); });
  return Adopt(object);
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::CommandBars> bars) {
  Required(bars, "no command bars");
  auto* object = new FakeObject(live_);
  object->Member(L"Item", [this, bars](Arguments& a) { return Hold(Wrap(bars->Item(a.Text(0)))); })
      .Member(L"Add", [this, bars](Arguments& a) {
        return Hold(Wrap(bars->Add(a.Text(0), a.Count() > 1 ? a.Number(1) : host::kBarTop)));
      });
  return Adopt(object);
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::CommandBar> bar) {
  Required(bar, "no such command bar");
  auto* object = new FakeObject(live_);
  object->Member(L"Name", [bar](Arguments&) { return Variant(bar->Name()); })
      .Member(
          L"Visible", [bar](Arguments&) { return Variant(bar->Visible()); },
          [bar](Arguments& a) { bar->SetVisible(a.Value().ToBool()); })
      .Member(L"Enabled", {}, [bar](Arguments& a) { bar->SetEnabled(a.Value().ToBool()); })
      .Member(L"Controls", [this, bar](Arguments&) { return Hold(Wrap(bar->Controls())); });
  return Adopt(object);
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::CommandBarControls> controls) {
  Required(controls, "no controls");
  auto* object = new FakeObject(live_);
  object->Member(L"Count", [controls](Arguments&) { return Variant(controls->Count()); })
      .Member(L"Item",
              [this, controls](Arguments& a) { return Hold(Wrap(controls->Item(a.Number(0)))); })
      .Member(L"Add",
              [this, controls](Arguments& a) { return Hold(Wrap(controls->Add(a.Number(0)))); });
  return Adopt(object);
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::CommandBarControl> control) {
  Required(control, "no such control");
  auto* object = new FakeObject(live_);
  object->control = control;
  auto* key = control.get();
  object
      ->Member(
          L"Caption", [control](Arguments&) { return Variant(control->Caption()); },
          [control](Arguments& a) { control->SetCaption(a.Value().ToString()); })
      .Member(L"Type", [control](Arguments&) { return Variant(control->Type()); })
      .Member(L"BeginGroup", {},
              [control](Arguments& a) { control->SetBeginGroup(a.Value().ToBool()); })
      .Member(L"FaceId", {}, [control](Arguments& a) { control->SetFaceId(a.Value().ToInt32()); })
      .Member(L"Style", {}, [control](Arguments& a) { control->SetStyle(a.Value().ToInt32()); })
      .Member(L"TooltipText", {},
              [control](Arguments& a) { control->SetTooltipText(a.Value().ToString()); })
      .Member(L"Parameter", {},
              [control](Arguments& a) { control->SetParameter(a.Value().ToString()); })
      .Member(L"Visible", {}, [control](Arguments& a) { control->SetVisible(a.Value().ToBool()); })
      .Member(L"Enabled", {}, [control](Arguments& a) { control->SetEnabled(a.Value().ToBool()); })
      .Member(
          L"Tag", [this, key](Arguments&) { return Variant(tags_[key]); },
          [this, key](Arguments& a) { tags_[key] = a.Value().ToString(); })
      .Member(L"Delete",
              [control](Arguments&) {
                control->Delete();
                return Variant();
              })
      .Member(L"Controls", [this, control](Arguments&) { return Hold(Wrap(control->Controls())); });
  // Office buttons raise their own click; VB6's controls have none.
  if (!IsVb6()) object->events = PointOf(key, kButtonEvents);
  return Adopt(object);
}

ComPtr<EventPoint> FakeEditor::PointOf(host::CommandBarControl* control, const IID& events) {
  auto& point = points_[control];
  if (!point) point = ComPtr<EventPoint>::Adopt(new EventPoint(events, live_));
  return point;
}

ComPtr<IDispatch> FakeEditor::EventsObject() {
  if (!IsVb6()) throw host::HostError("the Office editors have no CommandBarEvents");
  auto* object = new FakeObject(live_);
  object->Member(L"CommandBarEvents", [this](Arguments& a) {
    auto* fake = FakeObject::From(a.Object(0).Get());
    if (!fake || !fake->control) throw host::HostError("not a command-bar control");
    return Hold(CommandBarEventsOf(fake->control));
  });
  return Adopt(object);
}

ComPtr<IDispatch> FakeEditor::CommandBarEventsOf(
    const std::shared_ptr<host::CommandBarControl>& control) {
  auto* object = new FakeObject(live_);
  object->events = PointOf(control.get(), kVb6CommandBarEvents);
  return Adopt(object);
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::Windows> windows) {
  Required(windows, "no windows");
  auto* object = new FakeObject(live_);
  object->Member(L"Count", [windows](Arguments&) { return Variant(windows->Count()); })
      .Member(L"Item",
              [this, windows](Arguments& a) {
                const auto type = a.At(0).vt & ~VT_BYREF;
                return Hold(
                    Wrap(type == VT_BSTR ? windows->Item(a.Text(0)) : windows->Item(a.Number(0))));
              })
      .Member(L"CreateToolWindow", [this](Arguments& a) { return CreateToolWindow(a); });
  return Adopt(object);
}

Variant FakeEditor::CreateToolWindow(Arguments& arguments) {
  const auto prog_id = arguments.Text(1);
  const auto caption = arguments.Text(2);
  // The editor creates the document through the component's class factory.
  CLSID class_id{};
  if (FAILED(CLSIDFromProgID(reinterpret_cast<const wchar_t*>(prog_id.c_str()), &class_id))) {
    throw host::HostError("class not registered");
  }
  ComPtr<IDispatch> document;
  if (FAILED(CoCreateInstance(class_id, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(document.Receive())))) {
    throw host::HostError("the document could not be created");
  }
  auto core = document.As<win32::ICoreDocument>(win32::kIidCoreDocument);
  auto core_document = core ? core->CoreDocument() : nullptr;
  sim_.RegisterDocumentClass(prog_id, [core_document] { return core_document; });
  NoAddIn add_in;
  auto tool = sim_.App().Windows()->CreateToolWindow(add_in, prog_id, caption, arguments.Text(3));
  tool_documents_[caption] = document;
  containers_[caption] = ControlContainer::Host(
      document.Get(), reinterpret_cast<const wchar_t*>(caption.c_str()), 420, 40, sites_);
  VARIANT& out = arguments.Mutable(4);
  if (out.vt == (VT_VARIANT | VT_BYREF) && out.pvarVal) {
    VariantClear(out.pvarVal);
    out.pvarVal->vt = VT_DISPATCH;
    out.pvarVal->pdispVal = document.Get();
    document->AddRef();
  }
  return Hold(Wrap(tool.window));
}

void FakeEditor::CloseToolWindow(const std::u16string& caption) {
  sim_.CloseWindow(caption);
  containers_.erase(caption);
  tool_documents_.erase(caption);
}

ControlContainer* FakeEditor::ToolWindowContainer(const std::u16string& caption) const {
  const auto found = containers_.find(caption);
  return found == containers_.end() ? nullptr : found->second.get();
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::Window> window) {
  Required(window, "no such window");
  auto* object = new FakeObject(live_);
  object->Member(L"Caption", [window](Arguments&) { return Variant(window->Caption()); })
      .Member(L"Type", [window](Arguments&) { return Variant(window->Type()); })
      .Member(
          L"Visible", [window](Arguments&) { return Variant(window->Visible()); },
          [this, window](Arguments& a) {
            window->SetVisible(a.Value().ToBool());
            if (auto* container = ToolWindowContainer(window->Caption())) {
              container->Show(a.Value().ToBool());
            }
          })
      .Member(L"LinkedWindowFrame",
              [this, window](Arguments&) {
                auto frame = window->LinkedWindowFrame();
                return frame ? Hold(Wrap(frame)) : Variant(static_cast<IDispatch*>(nullptr));
              })
      .Member(L"Left", [window](Arguments&) { return Variant(window->Left()); })
      .Member(L"Top", [window](Arguments&) { return Variant(window->Top()); })
      .Member(L"Height", {}, [window](Arguments& a) { window->SetHeight(a.Value().ToInt32()); })
      .Member(L"SetFocus", [window](Arguments&) {
        window->SetFocus();
        return Variant();
      });
  return Adopt(object);
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::CodePane> pane) {
  Required(pane, "no code pane");
  auto* object = new FakeObject(live_);
  object
      ->Member(L"GetSelection",
               [pane](Arguments& a) {
                 const auto selection = pane->GetSelection();
                 StoreLong(a.Mutable(0), selection.start_line);
                 StoreLong(a.Mutable(1), selection.start_column);
                 StoreLong(a.Mutable(2), selection.end_line);
                 StoreLong(a.Mutable(3), selection.end_column);
                 return Variant();
               })
      .Member(L"SetSelection",
              [pane](Arguments& a) {
                pane->SetSelection(a.Number(0), a.Number(1), a.Number(2), a.Number(3));
                return Variant();
              })
      .Member(
          L"TopLine", [pane](Arguments&) { return Variant(pane->TopLine()); },
          [pane](Arguments& a) { pane->SetTopLine(a.Value().ToInt32()); })
      .Member(L"Window", [this, pane](Arguments&) { return Hold(Wrap(pane->Window())); })
      .Member(L"CodeModule", [this, pane](Arguments&) { return Hold(Wrap(pane->CodeModule())); });
  return Adopt(object);
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::CodeModule> module) {
  Required(module, "no code module");
  auto* object = new FakeObject(live_);
  object
      ->Member(L"Lines",
               [module](Arguments& a) { return Variant(module->Lines(a.Number(0), a.Number(1))); })
      .Member(L"ReplaceLine",
              [module](Arguments& a) {
                module->ReplaceLine(a.Number(0), a.Text(1));
                return Variant();
              })
      .Member(L"InsertLines",
              [module](Arguments& a) {
                module->InsertLines(a.Number(0), a.Text(1));
                return Variant();
              })
      .Member(L"DeleteLines",
              [module](Arguments& a) {
                module->DeleteLines(a.Number(0), a.Number(1));
                return Variant();
              })
      .Member(L"CountOfLines", [module](Arguments&) { return Variant(module->CountOfLines()); })
      .Member(L"ProcOfLine",
              [module](Arguments& a) {
                // The procedure kind is an out-argument in the editors.
                const auto name = module->ProcOfLine(a.Number(0), 0);
                StoreLong(a.Mutable(1), 0);
                return Variant(name);
              })
      .Member(
          L"ProcStartLine",
          [module](Arguments& a) { return Variant(module->ProcStartLine(a.Text(0), a.Number(1))); })
      .Member(L"ProcCountLines",
              [module](Arguments& a) {
                return Variant(module->ProcCountLines(a.Text(0), a.Number(1)));
              })
      .Member(L"CodePane", [this, module](Arguments&) { return Hold(Wrap(module->CodePane())); });
  return Adopt(object);
}

void FakeEditor::Click(const sim::ControlPath& path) {
  auto& clicked = sim_.Control(path);
  auto shared = clicked.shared_from_this();
  host::CommandBarControl* key = &clicked;
  auto control_object = Wrap(std::shared_ptr<host::CommandBarControl>(shared));
  if (IsVb6()) {
    auto found = points_.find(key);
    if (found == points_.end()) return;
    VARIANT_BOOL handled = VARIANT_FALSE, cancel = VARIANT_FALSE;
    VARIANT control;
    VariantInit(&control);
    control.vt = VT_DISPATCH;
    control.pdispVal = control_object.Get();
    found->second->RaiseClick({control, ByRefBool(handled), ByRefBool(cancel)});
    return;
  }
  const auto tag = tags_[key];
  // Collect first: a sink may add controls or sinks while it runs.
  std::vector<ComPtr<EventPoint>> raised;
  for (const auto& [control, point] : points_) {
    if (tags_[control] == tag) raised.push_back(point);
  }
  for (auto& point : raised) {
    VARIANT_BOOL cancel = VARIANT_FALSE;
    VARIANT control;
    VariantInit(&control);
    control.vt = VT_DISPATCH;
    control.pdispVal = control_object.Get();
    point->RaiseClick({control, ByRefBool(cancel)});
  }
}

}  // namespace tessaly::fake_host
