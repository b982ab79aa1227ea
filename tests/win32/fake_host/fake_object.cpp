#include "win32/fake_host/fake_object.h"

#include <algorithm>

#include "host/host_error.h"

namespace tessaly::fake_host {

namespace {

// {6D0F1C44-2A1B-4E63-9E0B-5E1C6A2F7D10}: "this is a fake editor object", in-process only.
constexpr IID kIidFakeObject = {
    0x6D0F1C44, 0x2A1B, 0x4E63, {0x9E, 0x0B, 0x5E, 0x1C, 0x6A, 0x2F, 0x7D, 0x10}};

BSTR Description(const char* what) {
  std::u16string text;
  for (; *what; ++what)
    text += static_cast<char16_t>(static_cast<unsigned char>(*what));
  return win32::ToBstr(text);
}

class SinglePointEnumerator final : public IEnumConnectionPoints {
 public:
  explicit SinglePointEnumerator(ComPtr<EventPoint> point) : point_(std::move(point)) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IEnumConnectionPoints)) {
      *object = this;
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE Next(ULONG count, IConnectionPoint** points, ULONG* fetched) override {
    ULONG given = 0;
    if (count > 0 && !done_) {
      points[0] = point_.Get();
      points[0]->AddRef();
      given = 1;
      done_ = true;
    }
    if (fetched) *fetched = given;
    return given == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Reset() override {
    done_ = false;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumConnectionPoints**) override { return E_NOTIMPL; }

 private:
  virtual ~SinglePointEnumerator() = default;
  ULONG references_ = 1;
  ComPtr<EventPoint> point_;
  bool done_ = false;
};

}  // namespace

class FakeObject::Container : public IConnectionPointContainer {
 public:
  explicit Container(FakeObject& owner) : owner_(owner) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    return owner_.QueryInterface(iid, object);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return owner_.AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return owner_.Release(); }
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override {
    if (!points) return E_POINTER;
    *points = new SinglePointEnumerator(owner_.events);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override {
    if (!point) return E_POINTER;
    *point = nullptr;
    if (!IsEqualIID(iid, owner_.events->Interface())) return CONNECT_E_NOCONNECTION;
    *point = owner_.events.Get();
    (*point)->AddRef();
    return S_OK;
  }

 private:
  FakeObject& owner_;
};

Arguments::Arguments(DISPPARAMS* parameters, bool put)
    : parameters_(parameters), count_(parameters ? parameters->cArgs : 0) {
  if (put && count_ > 0) {
    // The assigned value is the named DISPID_PROPERTYPUT argument, first in the array.
    VariantCopyInd(value_.Get(), &parameters->rgvarg[0]);
    --count_;
  }
}

const VARIANT& Arguments::At(std::size_t index) const {
  if (index >= count_) throw host::HostError("argument not optional");
  return parameters_->rgvarg[parameters_->cArgs - 1 - index];
}

VARIANT& Arguments::Mutable(std::size_t index) {
  return const_cast<VARIANT&>(At(index));
}

namespace {

Variant Copy(const VARIANT& value) {
  Variant copy;
  VariantCopyInd(copy.Get(), const_cast<VARIANT*>(&value));
  return copy;
}

}  // namespace

std::u16string Arguments::Text(std::size_t index) const {
  return Copy(At(index)).ToString();
}
std::int32_t Arguments::Number(std::size_t index) const {
  return Copy(At(index)).ToInt32();
}
bool Arguments::Flag(std::size_t index) const {
  return Copy(At(index)).ToBool();
}
ComPtr<IDispatch> Arguments::Object(std::size_t index) const {
  return Copy(At(index)).ToDispatch();
}

FakeObject::FakeObject(LiveCount& live) : live_(live), container_(new Container(*this)) {
  live_.Up();
}

FakeObject::~FakeObject() {
  live_.Down();
}

FakeObject& FakeObject::Member(const wchar_t* name, Getter get, Setter put) {
  members_.push_back({name, std::move(get), std::move(put)});
  return *this;
}

FakeObject* FakeObject::From(IDispatch* object) {
  FakeObject* fake = nullptr;
  if (object &&
      SUCCEEDED(object->QueryInterface(kIidFakeObject, reinterpret_cast<void**>(&fake)))) {
    fake->Release();
  }
  return fake;
}

HRESULT FakeObject::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
      IsEqualIID(iid, kIidFakeObject)) {
    *object = static_cast<IDispatch*>(this);
  } else if (IsEqualIID(iid, IID_IConnectionPointContainer) && events) {
    *object = static_cast<IConnectionPointContainer*>(container_.get());
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG FakeObject::AddRef() {
  return ++references_;
}

ULONG FakeObject::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT FakeObject::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

HRESULT FakeObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  *info = nullptr;
  return E_NOTIMPL;
}

HRESULT FakeObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  HRESULT result = S_OK;
  for (UINT i = 0; i < count; ++i) {
    ids[i] = DISPID_UNKNOWN;
    for (std::size_t m = 0; i == 0 && m < members_.size(); ++m) {
      if (_wcsicmp(members_[m].name.c_str(), names[i]) == 0) ids[i] = static_cast<DISPID>(m + 1);
    }
    if (ids[i] == DISPID_UNKNOWN) result = DISP_E_UNKNOWNNAME;
  }
  return result;
}

HRESULT FakeObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                           VARIANT* result, EXCEPINFO* exception, UINT*) {
  if (id < 1 || static_cast<std::size_t>(id) > members_.size()) return DISP_E_MEMBERNOTFOUND;
  const Entry& entry = members_[static_cast<std::size_t>(id - 1)];
  const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
  if (put ? !entry.put : !entry.get) return DISP_E_MEMBERNOTFOUND;
  try {
    Arguments arguments(parameters, put);
    if (put) {
      entry.put(arguments);
    } else {
      Variant value = entry.get(arguments);
      if (result) VariantCopy(result, value.Get());
    }
    return S_OK;
  } catch (const std::exception& error) {
    // The editor's refusals come back as an exception with its description, as the editors do.
    if (exception) {
      *exception = EXCEPINFO{};
      exception->scode = E_FAIL;
      exception->bstrDescription = Description(error.what());
    }
    return DISP_E_EXCEPTION;
  }
}

ComPtr<IDispatch> Adopt(FakeObject* object) {
  return ComPtr<IDispatch>::Adopt(static_cast<IDispatch*>(object));
}

EventPoint::EventPoint(const IID& events, LiveCount& live) : events_(events), live_(live) {
  live_.Up();
}

EventPoint::~EventPoint() {
  live_.Down();
}

HRESULT EventPoint::QueryInterface(REFIID iid, void** object) {
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IConnectionPoint)) {
    *object = this;
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG EventPoint::AddRef() {
  return ++references_;
}

ULONG EventPoint::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT EventPoint::GetConnectionInterface(IID* iid) {
  *iid = events_;
  return S_OK;
}

HRESULT EventPoint::GetConnectionPointContainer(IConnectionPointContainer**) {
  return E_NOTIMPL;
}

HRESULT EventPoint::Advise(IUnknown* sink, DWORD* cookie) {
  if (!sink || !cookie) return E_POINTER;
  // A sink must answer the event interface, as the editors require.
  ComPtr<IDispatch> events;
  if (FAILED(sink->QueryInterface(events_, reinterpret_cast<void**>(events.Receive())))) {
    return CONNECT_E_CANNOTCONNECT;
  }
  *cookie = next_cookie_++;
  sinks_.emplace_back(*cookie, std::move(events));
  return S_OK;
}

HRESULT EventPoint::Unadvise(DWORD cookie) {
  auto found = std::find_if(sinks_.begin(), sinks_.end(),
                            [&](const auto& sink) { return sink.first == cookie; });
  if (found == sinks_.end()) return CONNECT_E_NOCONNECTION;
  sinks_.erase(found);
  return S_OK;
}

HRESULT EventPoint::EnumConnections(IEnumConnections**) {
  return E_NOTIMPL;
}

void EventPoint::RaiseClick(std::vector<VARIANT> arguments) {
  std::reverse(arguments.begin(), arguments.end());
  // A sink may unadvise while it runs; raise on a copy.
  auto sinks = sinks_;
  for (auto& [cookie, sink] : sinks) {
    DISPPARAMS parameters{arguments.data(), nullptr, static_cast<UINT>(arguments.size()), 0};
    sink->Invoke(1, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, nullptr, nullptr,
                 nullptr);
  }
}

}  // namespace tessaly::fake_host
