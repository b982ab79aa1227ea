// Clicks of command-bar buttons, through the connection points the editors offer: the objects
// VBE.Events.CommandBarEvents returns and Office's buttons themselves. Each is found by the
// event interface its type library publishes; both raise Click as DISPID 1, the events object
// with (control, handled, CancelDefault), an Office button with (Ctrl, CancelDefault).

#include "win32/windows_headers.h"

#include <span>
#include <string>
#include <utility>

#include "host/host_error.h"
#include "host/resume.h"
#include "win32/com_barrier.h"
#include "win32/com_object.h"
#include "win32/failed_call.h"
#include "win32/wide_text.h"
#include "win32/win_editor.h"

namespace tessaly::win32 {

namespace {

// The published event interfaces: Office's _CommandBarButtonEvents, and the
// _dispCommandBarControlEvents of VB6's and of the VBA editor's extensibility libraries.
constexpr IID kCommandBarButtonEvents = {
    0x000C0351, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kVb6ControlEvents = {
    0x0002E198, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kVbaControlEvents = {
    0x0002E131, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr DISPID kClick = 1;

// The VARIANT_BOOL a ByRef Boolean argument points to; null when the argument is none.
VARIANT_BOOL* ByRefBool(VARIANT& argument) {
  return argument.vt == (VT_BOOL | VT_BYREF) ? argument.pboolVal : nullptr;
}

void Store(VARIANT& argument, bool value) {
  if (auto* flag = ByRefBool(argument)) *flag = value ? VARIANT_TRUE : VARIANT_FALSE;
}

bool Load(VARIANT& argument) {
  const auto* flag = ByRefBool(argument);
  return flag && *flag != VARIANT_FALSE;
}

// The events interface is the editor's, known only once its connection point is found, and has
// no type library of ours: the sink answers it by IID at run time and reads Click's arguments
// itself.
class ClickSinkObject final : public ComObject<ClickSinkObject, IDispatch> {
 public:
  using Offered = Offers<Offer<IDispatch>>;

  ClickSinkObject(IID events, std::shared_ptr<host::ClickSink> sink, std::u16string own_tag)
      : events_(events), sink_(std::move(sink)), own_tag_(std::move(own_tag)) {}

  void* RuntimeInterface(REFIID iid) {
    return IsEqualIID(iid, events_) ? static_cast<IDispatch*>(this) : nullptr;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info) *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    if (!names || !ids) return E_POINTER;
    HRESULT result = S_OK;
    for (UINT i = 0; i < count; ++i) {
      const bool click = names[i] && std::wstring(names[i]) == L"Click";
      ids[i] = click && i == 0 ? kClick : DISPID_UNKNOWN;
      if (!click || i > 0) result = DISP_E_UNKNOWNNAME;
    }
    return result;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*,
                                   EXCEPINFO*, UINT*) override {
    if (id != kClick) return S_OK;
    return Barrier([&] { return OnClick(parameters); });
  }

 private:
  HRESULT OnClick(DISPPARAMS* parameters) {
    if (!parameters || parameters->cArgs < 2 || !parameters->rgvarg) return DISP_E_BADPARAMCOUNT;
    VARIANT* arguments = parameters->rgvarg;  // last argument first
    const UINT count = parameters->cArgs;
    Variant control_argument;
    LogIfFailed(VariantCopy(control_argument.Get(), &arguments[count - 1]), "VariantCopy");
    auto control = control_argument.ToDispatch();
    if (!control) return S_OK;
    if (!own_tag_.empty()) {
      // Office raises a button's click in every sink of a button with the same Tag.
      const auto tag = host::ResumeOr<std::u16string>(
          {}, [&] { return LateBound(control).Get(L"Tag").ToString(); });
      if (tag != own_tag_) return S_OK;
    }
    VARIANT& cancel_default = arguments[0];
    bool handled = count >= 3 && Load(arguments[1]);
    bool cancel = Load(cancel_default);
    auto wrapper = MakeCommandBarControl(std::move(control));
    sink_->OnClick(*wrapper, handled, cancel);
    if (count >= 3) Store(arguments[1], handled);
    Store(cancel_default, cancel);
    return S_OK;
  }

  IID events_;
  std::shared_ptr<host::ClickSink> sink_;
  std::u16string own_tag_;
};

class PointConnection final : public host::EventConnection {
 public:
  PointConnection(ComPtr<IConnectionPoint> point, DWORD cookie)
      : point_(std::move(point)), cookie_(cookie) {}
  // Unloading goes on whatever the editor answers.
  ~PointConnection() override {
    LogIfFailed(point_->Unadvise(cookie_), "IConnectionPoint.Unadvise");
  }

 private:
  ComPtr<IConnectionPoint> point_;
  DWORD cookie_;
};

bool IsPublishedEvents(const IID& events, bool office_button) {
  if (office_button) return IsEqualIID(events, kCommandBarButtonEvents);
  return IsEqualIID(events, kVb6ControlEvents) || IsEqualIID(events, kVbaControlEvents);
}

// The connection point of the published click interface; a container that does not find it by
// IID is searched by enumeration, which lists its points in no promised order.
ComPtr<IConnectionPoint> FindClickPoint(IUnknown* source, bool office_button) {
  auto container =
      ComPtr<IUnknown>(source).As<IConnectionPointContainer>(IID_IConnectionPointContainer);
  if (!container) throw host::HostError("the object raises no events");
  ComPtr<IConnectionPoint> point;
  static constexpr const IID* kButtonInterfaces[] = {&kCommandBarButtonEvents};
  static constexpr const IID* kControlInterfaces[] = {&kVb6ControlEvents, &kVbaControlEvents};
  for (const IID* events : office_button ? std::span<const IID* const>(kButtonInterfaces)
                                         : std::span<const IID* const>(kControlInterfaces)) {
    if (SUCCEEDED(container->FindConnectionPoint(*events, point.Receive())) && point) return point;
  }
  ComPtr<IEnumConnectionPoints> points;
  if (FAILED(container->EnumConnectionPoints(points.Receive())) || !points) {
    throw host::HostError("the object lists no connection points");
  }
  ULONG fetched = 0;
  while (points->Next(1, point.Receive(), &fetched) == S_OK && point) {
    IID events{};
    if (SUCCEEDED(point->GetConnectionInterface(&events)) &&
        IsPublishedEvents(events, office_button)) {
      return point;
    }
  }
  throw host::HostError("the object has no click connection point");
}

std::u16string NewTag() {
  GUID guid{};
  LogIfFailed(CoCreateGuid(&guid), "CoCreateGuid");
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);  // 40 holds any GUID
  return u"TessalyIDE" + FromWide(text);
}

class WinClickSource : public host::ClickSource {
 public:
  WinClickSource(ComPtr<IUnknown> source, ComPtr<IDispatch> button)
      : source_(std::move(source)), button_(std::move(button)) {}

  std::unique_ptr<host::EventConnection> Advise(std::shared_ptr<host::ClickSink> sink) override {
    auto point = FindClickPoint(source_.Get(), static_cast<bool>(button_));
    IID events{};
    if (FAILED(point->GetConnectionInterface(&events))) {
      throw host::HostError("the connection point names no interface");
    }
    std::u16string own_tag;
    if (button_) {
      LateBound button(button_);
      own_tag = button.Get(L"Tag").ToString();
      if (own_tag.empty()) {
        own_tag = NewTag();
        button.Put(L"Tag", Variant(own_tag));
      }
    }
    auto* object = new ClickSinkObject(events, std::move(sink), std::move(own_tag));
    DWORD cookie = 0;
    const HRESULT result = point->Advise(object, &cookie);
    object->Release();
    if (FAILED(result)) throw host::HostError("Advise refused");
    return std::make_unique<PointConnection>(std::move(point), cookie);
  }

 private:
  ComPtr<IUnknown> source_;
  ComPtr<IDispatch> button_;
};

}  // namespace

std::shared_ptr<host::ClickSource> MakeClickSource(ComPtr<IUnknown> source,
                                                   ComPtr<IDispatch> button) {
  if (!source) throw host::HostError("no event source");
  return std::make_shared<WinClickSource>(std::move(source), std::move(button));
}

}  // namespace tessaly::win32
