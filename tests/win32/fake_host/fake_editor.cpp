#include "win32/fake_host/fake_editor.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <utility>

#include "host/host_error.h"
#include "win32/core_document.h"
#include "win32/fake_host/com_client.h"

namespace tessaly::fake_host {

namespace {

class NoAddIn : public host::AddInInstance {};

VARIANT ByRefBool(VARIANT_BOOL& flag) {
  VARIANT value = client::Empty();
  value.vt = VT_BOOL | VT_BYREF;
  value.pboolVal = &flag;
  return value;
}

// An argument as whichever of the editor's parameter types the member takes.
struct Converted {
  Variant value;
  operator bool() const { return value.ToBool(); }
  operator std::int32_t() const { return value.ToInt32(); }
  operator std::u16string() const { return value.ToString(); }
};

}  // namespace

// A simulated object's members as the handlers of its IDispatch: the call's
// arguments become the member's parameters, its result a Variant, an object in
// it wrapped in turn.
template <class T>
class FakeEditor::Bind {
 public:
  Bind(FakeEditor& editor, std::shared_ptr<T> object) : editor_(editor), object_(object) {}

  template <class R, class... P>
  FakeObject::Handler operator()(R (T::*member)(P...)) const {
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
  for (const auto* points : {&control_points_, &button_points_}) {
    for (const auto& [control, point] : *points)
      sinks += point->SinkCount();
  }
  return sinks;
}

ComPtr<IDispatch> FakeEditor::Make(std::string_view published,
                                   std::vector<FakeObject::Member> members,
                                   std::shared_ptr<host::CommandBarControl> control,
                                   ComPtr<EventPoint> events) {
  return FakeObject::Make(live_, Published(Kind(), published), std::move(members),
                          std::move(control), std::move(events));
}

ComPtr<IDispatch> FakeEditor::Application() {
  using A = host::Application;
  const Bind<A> bind(*this, sim_.Application());
  std::vector<FakeObject::Member> members{
      {L"Version", bind(&A::Version)},
      {L"CommandBars", bind(&A::CommandBars)},
      {L"Windows", bind(&A::Windows)},
      {L"MainWindow", bind(&A::MainWindow)},
      {L"ActiveCodePane", bind(&A::ActiveCodePane)},
      {L"ActiveVBProject", bind(&A::ActiveVBProject)},
      {L"Events", [this](Arguments&) { return Variant(EventsObject().Get()); }}};
  // The VBA editor's VBE publishes no Name.
  if (IsVb6()) members.push_back({L"Name", bind(&A::Name)});
  return Make("VBE", std::move(members));
}

ComPtr<IDispatch> FakeEditor::AddInInstance() {
  return Make("AddIn",
              {{L"ProgId", [](Arguments&) { return Variant(std::u16string(u"QWIX.Connect")); }}});
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::CommandBars> bars) {
  using B = host::CommandBars;
  const Bind<B> bind(*this, bars);
  return Make("CommandBars",
              {{L"Item", bind(&B::Item)},
               {L"ActiveMenuBar", bind(&B::ActiveMenuBar)},
               {L"Add", [this, bars](Arguments& a) {
                  // MenuBar and Temporary are not played: a bar made here is one the next run
                  // keeps.
                  a.RequireLeftOutFrom(2);
                  return Variant(Wrap(bars->Add(a.Get(0).ToString(),
                                                a.Count() > 1 ? a.Get(1).ToInt32() : host::kBarTop))
                                     .Get());
                }}});
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::CommandBar> bar) {
  using B = host::CommandBar;
  const Bind<B> bind(*this, bar);
  return Make("CommandBar",
              {{L"Name", bind(&B::Name)},
               {L"Visible", bind(&B::Visible), bind.Put(&B::SetVisible)},
               {L"Enabled", {}, bind.Put(&B::SetEnabled)},
               {L"Controls", bind(&B::Controls)},
               {L"FindControl", [this, bar](Arguments& a) { return FindControl(*bar, a); }}});
}

// FindControl(Type, Id, Tag, Visible, Recursive) by Id alone, the one way the add-in asks; any
// other criterion is refused rather than ignored. Nothing when no control has the Id, as the
// editors answer.
Variant FakeEditor::FindControl(host::CommandBar& bar, Arguments& arguments) {
  constexpr std::size_t kId = 1;
  if (!arguments.LeftOut(0) || arguments.LeftOut(kId)) {
    throw host::HostError("the fake editor finds controls by Id alone");
  }
  arguments.RequireLeftOutFrom(kId + 1);
  auto control = bar.FindControl(arguments.Get(kId).ToInt32());
  return Variant(control ? Wrap(std::move(control)).Get() : nullptr);
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::CommandBarControls> controls) {
  using C = host::CommandBarControls;
  const Bind<C> bind(*this, controls);
  return Make("CommandBarControls",
              {{L"Count", bind(&C::Count)},
               {L"Item", bind(&C::Item)},
               {L"Add", [this, controls](Arguments& a) {
                  // Id, Parameter, Before and Temporary are not played: a control made here is a
                  // custom one the next run keeps.
                  a.RequireLeftOutFrom(1);
                  return Variant(Wrap(controls->Add(a.Get(0).ToInt32())).Get());
                }}});
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::CommandBarControl> control) {
  using C = host::CommandBarControl;
  const Bind<C> bind(*this, control);
  auto* key = control.get();
  std::vector<FakeObject::Member> members{
      {L"Caption", bind(&C::Caption), bind.Put(&C::SetCaption)},
      {L"Type", bind(&C::Type)},
      {L"BeginGroup", {}, bind.Put(&C::SetBeginGroup)},
      {L"TooltipText", {}, bind.Put(&C::SetTooltipText)},
      {L"Parameter", {}, bind.Put(&C::SetParameter)},
      {L"Visible", {}, bind.Put(&C::SetVisible)},
      {L"Enabled", {}, bind.Put(&C::SetEnabled)},
      {L"Id", bind(&C::Id)},
      {L"Tag", [this, key](Arguments&) { return Variant(tags_[key]); },
       [this, key](Arguments& a) { tags_[key] = a.Value().ToString(); }},
      {L"Delete", [control](Arguments&) {
         control->Delete();
         return Variant();
       }}};
  if (control->Type() == host::kPopup) {
    members.push_back({L"Controls", bind(&C::Controls)});
    members.push_back({L"CommandBar", bind(&C::CommandBar)});
    return Make("CommandBarPopup", std::move(members), control);
  }
  members.push_back({L"FaceId", {}, bind.Put(&C::SetFaceId)});
  members.push_back({L"Style", {}, bind.Put(&C::SetStyle)});
  // Office's buttons raise their own click; VB6's Office library has no button
  // events.
  return Make(
      "CommandBarButton", std::move(members), control,
      IsVb6() ? ComPtr<EventPoint>() : PointOf(button_points_, key, kCommandBarButtonEvents));
}

ComPtr<EventPoint> FakeEditor::PointOf(
    std::map<host::CommandBarControl*, ComPtr<EventPoint>>& points,
    host::CommandBarControl* control, const IID& events) {
  auto& point = points[control];
  if (!point) point = ComPtr<EventPoint>::Adopt(new EventPoint(events, live_));
  return point;
}

ComPtr<IDispatch> FakeEditor::EventsObject() {
  return Make("Events", {{L"CommandBarEvents", [this](Arguments& a) {
                            // In process, the control handed back is the host's own object.
                            auto* fake = dynamic_cast<FakeObject*>(a.Get(0).ToDispatch().Get());
                            if (!fake || !fake->control) {
                              throw host::HostError("not a command-bar control");
                            }
                            auto point = PointOf(control_points_, fake->control.get(),
                                                 IsVb6() ? kVb6ControlEvents : kVbaControlEvents);
                            Variant answer;
                            answer.Get()->vt = VT_UNKNOWN;
                            answer.Get()->punkVal =
                                Make("CommandBarEvents", {}, {}, std::move(point)).Detach();
                            return answer;
                          }}});
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::Windows> windows) {
  return Make("Windows",
              {{L"Count", Bind<host::Windows>(*this, windows)(&host::Windows::Count)},
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
  // The editors make one window of a caption per run; once the user has closed
  // it, another is refused, so a reloaded add-in has to find and reuse its own.
  if (!tool_windows_made_.insert(caption).second) {
    throw host::HostError("a tool window of this caption was made in this run");
  }
  // The editor creates the document through the component's class factory.
  auto document = client::CreateByProgId(reinterpret_cast<const wchar_t*>(prog_id.c_str()));
  if (!document) throw host::HostError("the document could not be created");
  auto core = document.As<win32::ICoreDocument>(__uuidof(win32::ICoreDocument));
  auto core_document = core ? core->CoreDocument() : nullptr;
  sim_.RegisterDocumentClass(prog_id, [core_document] { return core_document; });
  NoAddIn add_in;
  auto tool =
      sim_.App().Windows()->CreateToolWindow(add_in, prog_id, caption, arguments.Get(3).ToString());
  tool_documents_[caption] = document;
  containers_[caption] = ControlContainer::Host(
      document.Get(), reinterpret_cast<const wchar_t*>(caption.c_str()), 420, 40, sites_,
      IsVb6() ? ControlContainer::Kind::kDocument : ControlContainer::Kind::kControl);
  // [in,out] IDispatch**: whatever came in is released, the document goes out.
  IDispatch*& out = *arguments.At(4).ppdispVal;
  if (out) out->Release();
  out = ComPtr<IDispatch>(document).Detach();
  return Variant(Wrap(tool.window).Get());
}

void FakeEditor::CloseToolWindow(const std::u16string& caption) {
  sim_.CloseWindow(caption);
  containers_.erase(caption);
  tool_documents_.erase(caption);
}

void FakeEditor::Exit() {
  while (!containers_.empty())
    CloseToolWindow(containers_.begin()->first);
  control_points_.clear();
  button_points_.clear();
  tool_windows_made_.clear();
}

ControlContainer* FakeEditor::ToolWindowContainer(const std::u16string& caption) const {
  const auto found = containers_.find(caption);
  return found == containers_.end() ? nullptr : found->second.get();
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::Window> window) {
  using W = host::Window;
  const Bind<W> bind(*this, window);
  return Make("Window", {{L"Caption", bind(&W::Caption)},
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
                         {L"SetFocus", bind(&W::SetFocus)},
                         {L"HWnd", [window](Arguments&) {
                            return Variant(static_cast<std::int32_t>(window->HWnd()));
                          }}});
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::CodePane> pane) {
  using P = host::CodePane;
  const Bind<P> bind(*this, pane);
  return Make(
      "CodePane",
      {{L"GetSelection",
        [pane](Arguments& a) {
          const auto s = pane->GetSelection();
          const std::int32_t values[] = {s.start_line, s.start_column, s.end_line, s.end_column};
          // The out-arguments are references to a Long, as the published checks made sure.
          for (std::size_t i = 0; i < 4; ++i)
            *a.At(i).plVal = values[i];
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
  return Make("CodeModule", {{L"Lines", bind(&M::Lines)},
                             {L"ReplaceLine", bind(&M::ReplaceLine)},
                             {L"InsertLines", bind(&M::InsertLines)},
                             {L"DeleteLines", bind(&M::DeleteLines)},
                             {L"CountOfLines", bind(&M::CountOfLines)},
                             {L"ProcOfLine",
                              [module](Arguments& a) {
                                // The procedure kind is an out-argument in the
                                // editors.
                                const auto name = module->ProcOfLine(a.Get(0).ToInt32(), 0);
                                *a.At(1).plVal = 0;
                                return Variant(name);
                              }},
                             {L"ProcStartLine", bind(&M::ProcStartLine)},
                             {L"ProcCountLines", bind(&M::ProcCountLines)},
                             {L"CodePane", bind(&M::CodePane)},
                             {L"Parent", bind(&M::Parent)}});
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::VBComponent> component) {
  using C = host::VBComponent;
  const Bind<C> bind(*this, component);
  return Make("VBComponent", {{L"Name", bind(&C::Name)}, {L"Type", bind(&C::Type)}});
}

ComPtr<IDispatch> FakeEditor::Wrap(std::shared_ptr<host::VBProject> project) {
  return Make("VBProject",
              {{L"FileName", Bind<host::VBProject>(*this, project)(&host::VBProject::FileName)}});
}

void FakeEditor::Click(const sim::ControlPath& path) {
  auto& clicked = sim_.Control(path);
  auto control = Wrap(std::shared_ptr<host::CommandBarControl>(clicked.shared_from_this()));
  // Collect first: a sink may add controls or sinks while it runs.
  std::vector<ComPtr<EventPoint>> events_objects, buttons;
  for (const auto& [key, point] : control_points_) {
    if (key == &clicked) events_objects.push_back(point);
  }
  for (const auto& [key, point] : button_points_) {
    if (tags_[key] == tags_[&clicked]) buttons.push_back(point);
  }
  for (auto& point : events_objects) {
    VARIANT_BOOL handled = VARIANT_FALSE, cancel = VARIANT_FALSE;
    point->RaiseClick({client::Object(control.Get()), ByRefBool(handled), ByRefBool(cancel)});
  }
  for (auto& point : buttons) {
    VARIANT_BOOL cancel = VARIANT_FALSE;
    point->RaiseClick({client::Object(control.Get()), ByRefBool(cancel)});
    // An Office button of ours acts for the add-in alone: the editor must skip
    // its own action.
    EXPECT_EQ(cancel, VARIANT_TRUE);
  }
}

}  // namespace tessaly::fake_host
