#include "win32/fake_host/fake_editor.h"

#include <type_traits>
#include <utility>

#include "host/host_error.h"
#include "win32/core_document.h"
#include "win32/fake_host/com_client.h"

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

VARIANT ByRefBool(VARIANT_BOOL& flag) {
  VARIANT value = client::Empty();
  value.vt = VT_BOOL | VT_BYREF;
  value.pboolVal = &flag;
  return value;
}

// The editors' out-arguments come as references to a Long.
void StoreLong(VARIANT& argument, LONG value) {
  if (argument.vt == (VT_I4 | VT_BYREF) && argument.plVal) *argument.plVal = value;
}

// An argument as whichever of the editor's parameter types the member takes.
struct Converted {
  Variant value;
  operator bool() const { return value.ToBool(); }
  operator std::int32_t() const { return value.ToInt32(); }
  operator std::u16string() const { return value.ToString(); }
};

}  // namespace

// A simulated object's members as the handlers of its IDispatch: the call's arguments become
// the member's parameters, its result a Variant, an object in it wrapped in turn.
template <class T>
class FakeEditor::Bind {
 public:
  Bind(FakeEditor& editor, std::shared_ptr<T> object) : editor_(editor), object_(object) {}

  template <class R, class... P>
  FakeObject::Getter operator()(R (T::*member)(P...)) const {
    return [&editor = editor_, object = object_, member](Arguments& a) {
      return [&]<std::size_t... I>(std::index_sequence<I...>) {
        if constexpr (std::is_void_v<R>) {
          ((*object).*member)(Converted{a.Get(I)}...);
          return Variant();
        } else {
          return Result(editor, ((*object).*member)(Converted{a.Get(I)}...));
        }
      }
      (std::index_sequence_for<P...>{});
    };
  }

  template <class P>
  FakeObject::Setter Put(void (T::*member)(P)) const {
    return [object = object_, member](Arguments& a) { ((*object).*member)(Converted{a.Value()}); };
  }

 private:
  template <class R>
  static Variant Result(FakeEditor& editor, R value) {
    if constexpr (requires { value.get(); }) {
      if (!value) throw host::HostError("no such object");
      return Variant(editor.Wrap(std::move(value)).Get());
    } else {
      return Variant(value);
    }
  }

  FakeEditor& editor_;
  std::shared_ptr<T> object_;
};

std::size_t FakeEditor::ConnectedSinks() const {
  std::size_t sinks = 0;
  for (const auto& [control, point] : points_)
    sinks += point->SinkCount();
  return sinks;
}

ComPtr<IDispatch> FakeEditor::Make(std::vector<FakeObject::Member> members,
                                   std::shared_ptr<host::CommandBarControl> control,
                                   ComPtr<EventPoint> events) {
  return FakeObject::Make(live_, std::move(members), std::move(control), std::move(events));
}

ComPtr<IDispatch> FakeEditor::Application() {
  using A = host::Application;
  const Bind<A> bind(*this, sim_.Application());
  return Make({{L"Name", bind(&A::Name)},
               {L"Version", bind(&A::Version)},
               {L"CommandBars", bind(&A::CommandBars)},
               {L"Windows", bind(&A::Windows)},
               {L"MainWindow", bind(&A::MainWindow)},
               {L"ActiveCodePane", bind(&A::ActiveCodePane)},
               {L"Events", [this](Arguments&) { return Variant(EventsObject().Get()); }}});
}

ComPtr<IDispatch> FakeEditor::AddInInstance() {
  return Make({{L"ProgId", [](Arguments&) { return Variant(std::u16string(u"QWIX.Connect")); }}});
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::CommandBars> bars) {
  using B = host::CommandBars;
  const Bind<B> bind(*this, bars);
  return Make({{L"Item", bind(&B::Item)},
               {L"Add", [this, bars](Arguments& a) {
                  return Variant(Wrap(bars->Add(a.Get(0).ToString(),
                                                a.Count() > 1 ? a.Get(1).ToInt32() : host::kBarTop))
                                     .Get());
                }}});
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::CommandBar> bar) {
  using B = host::CommandBar;
  const Bind<B> bind(*this, bar);
  return Make({{L"Name", bind(&B::Name)},
               {L"Visible", bind(&B::Visible), bind.Put(&B::SetVisible)},
               {L"Enabled", {}, bind.Put(&B::SetEnabled)},
               {L"Controls", bind(&B::Controls)}});
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::CommandBarControls> controls) {
  using C = host::CommandBarControls;
  const Bind<C> bind(*this, controls);
  return Make({{L"Count", bind(&C::Count)}, {L"Item", bind(&C::Item)}, {L"Add", bind(&C::Add)}});
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::CommandBarControl> control) {
  using C = host::CommandBarControl;
  const Bind<C> bind(*this, control);
  auto* key = control.get();
  return Make({{L"Caption", bind(&C::Caption), bind.Put(&C::SetCaption)},
               {L"Type", bind(&C::Type)},
               {L"BeginGroup", {}, bind.Put(&C::SetBeginGroup)},
               {L"FaceId", {}, bind.Put(&C::SetFaceId)},
               {L"Style", {}, bind.Put(&C::SetStyle)},
               {L"TooltipText", {}, bind.Put(&C::SetTooltipText)},
               {L"Parameter", {}, bind.Put(&C::SetParameter)},
               {L"Visible", {}, bind.Put(&C::SetVisible)},
               {L"Enabled", {}, bind.Put(&C::SetEnabled)},
               {L"Tag", [this, key](Arguments&) { return Variant(tags_[key]); },
                [this, key](Arguments& a) { tags_[key] = a.Value().ToString(); }},
               {L"Delete", bind(&C::Delete)},
               {L"Controls", bind(&C::Controls)}},
              control,
              // Office buttons raise their own click; VB6's controls have none.
              IsVb6() ? ComPtr<EventPoint>() : PointOf(key, kButtonEvents));
}

ComPtr<EventPoint> FakeEditor::PointOf(host::CommandBarControl* control, const IID& events) {
  auto& point = points_[control];
  if (!point) point = ComPtr<EventPoint>::Adopt(new EventPoint(events, live_));
  return point;
}

ComPtr<IDispatch> FakeEditor::EventsObject() {
  if (!IsVb6()) throw host::HostError("the Office editors have no CommandBarEvents");
  return Make({{L"CommandBarEvents", [this](Arguments& a) {
                  // In process, the control handed back is the host's own object.
                  auto* fake = dynamic_cast<FakeObject*>(a.Get(0).ToDispatch().Get());
                  if (!fake || !fake->control) throw host::HostError("not a command-bar control");
                  return Variant(
                      Make({}, {}, PointOf(fake->control.get(), kVb6CommandBarEvents)).Get());
                }}});
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::Windows> windows) {
  return Make({{L"Count", Bind<host::Windows>(*this, windows)(&host::Windows::Count)},
               {L"Item",
                [this, windows](Arguments& a) {
                  const auto item = a.Get(0);
                  return Variant(Wrap(item.Type() == VT_BSTR ? windows->Item(item.ToString())
                                                             : windows->Item(item.ToInt32()))
                                     .Get());
                }},
               {L"CreateToolWindow", [this](Arguments& a) { return CreateToolWindow(a); }}});
}

Variant FakeEditor::CreateToolWindow(Arguments& arguments) {
  const auto prog_id = arguments.Get(1).ToString();
  const auto caption = arguments.Get(2).ToString();
  // The editor creates the document through the component's class factory.
  auto document = client::CreateByProgId(reinterpret_cast<const wchar_t*>(prog_id.c_str()));
  if (!document) throw host::HostError("the document could not be created");
  auto core = document.As<win32::ICoreDocument>(win32::kIidCoreDocument);
  auto core_document = core ? core->CoreDocument() : nullptr;
  sim_.RegisterDocumentClass(prog_id, [core_document] { return core_document; });
  NoAddIn add_in;
  auto tool =
      sim_.App().Windows()->CreateToolWindow(add_in, prog_id, caption, arguments.Get(3).ToString());
  tool_documents_[caption] = document;
  containers_[caption] = ControlContainer::Host(
      document.Get(), reinterpret_cast<const wchar_t*>(caption.c_str()), 420, 40, sites_);
  VARIANT& out = arguments.At(4);
  if (out.vt == (VT_VARIANT | VT_BYREF) && out.pvarVal)
    VariantCopy(out.pvarVal, Variant(document.Get()).Get());
  return Variant(Wrap(tool.window).Get());
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
  using W = host::Window;
  const Bind<W> bind(*this, window);
  return Make({{L"Caption", bind(&W::Caption)},
               {L"Type", bind(&W::Type)},
               {L"Visible", bind(&W::Visible),
                [this, window](Arguments& a) {
                  window->SetVisible(a.Value().ToBool());
                  if (auto* container = ToolWindowContainer(window->Caption())) {
                    container->Show(a.Value().ToBool());
                  }
                }},
               {L"LinkedWindowFrame",
                [this, window](Arguments&) {
                  auto frame = window->LinkedWindowFrame();
                  return Variant(frame ? Wrap(frame).Get() : nullptr);
                }},
               {L"Left", bind(&W::Left)},
               {L"Top", bind(&W::Top)},
               {L"Height", {}, bind.Put(&W::SetHeight)},
               {L"SetFocus", bind(&W::SetFocus)}});
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::CodePane> pane) {
  using P = host::CodePane;
  const Bind<P> bind(*this, pane);
  return Make(
      {{L"GetSelection",
        [pane](Arguments& a) {
          const auto s = pane->GetSelection();
          const std::int32_t values[] = {s.start_line, s.start_column, s.end_line, s.end_column};
          for (std::size_t i = 0; i < 4; ++i)
            StoreLong(a.At(i), values[i]);
          return Variant();
        }},
       {L"SetSelection", bind(&P::SetSelection)},
       {L"TopLine", bind(&P::TopLine), bind.Put(&P::SetTopLine)},
       {L"Window", bind(&P::Window)},
       {L"CodeModule", bind(&P::CodeModule)}});
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::CodeModule> module) {
  using M = host::CodeModule;
  const Bind<M> bind(*this, module);
  return Make({{L"Lines", bind(&M::Lines)},
               {L"ReplaceLine", bind(&M::ReplaceLine)},
               {L"InsertLines", bind(&M::InsertLines)},
               {L"DeleteLines", bind(&M::DeleteLines)},
               {L"CountOfLines", bind(&M::CountOfLines)},
               {L"ProcOfLine",
                [module](Arguments& a) {
                  // The procedure kind is an out-argument in the editors.
                  const auto name = module->ProcOfLine(a.Get(0).ToInt32(), 0);
                  StoreLong(a.At(1), 0);
                  return Variant(name);
                }},
               {L"ProcStartLine", bind(&M::ProcStartLine)},
               {L"ProcCountLines", bind(&M::ProcCountLines)},
               {L"CodePane", bind(&M::CodePane)}});
}

void FakeEditor::Click(const sim::ControlPath& path) {
  auto& clicked = sim_.Control(path);
  auto control = Wrap(std::shared_ptr<host::CommandBarControl>(clicked.shared_from_this()));
  // Collect first: a sink may add controls or sinks while it runs.
  std::vector<ComPtr<EventPoint>> raised;
  for (const auto& [key, point] : points_) {
    if (IsVb6() ? key == &clicked : tags_[key] == tags_[&clicked]) raised.push_back(point);
  }
  for (auto& point : raised) {
    VARIANT_BOOL handled = VARIANT_FALSE, cancel = VARIANT_FALSE;
    std::vector<VARIANT> arguments{client::Object(control.Get()), ByRefBool(handled),
                                   ByRefBool(cancel)};
    if (!IsVb6()) arguments.erase(arguments.begin() + 1);
    point->RaiseClick(arguments);
  }
}

}  // namespace tessaly::fake_host
