#include "win32/fake_host/fake_object.h"

#include <algorithm>

#include "host/host_error.h"

namespace tessaly::fake_host {

namespace {

class SinglePointEnumerator final : public RefCounted<IEnumConnectionPoints> {
 public:
  explicit SinglePointEnumerator(ComPtr<EventPoint> point) : point_(std::move(point)) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    *object = nullptr;
    return Offer(iid, {IID_IUnknown, IID_IEnumConnectionPoints}, this, object) ? S_OK
                                                                               : E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE Next(ULONG count, IConnectionPoint** points, ULONG* fetched) override {
    ULONG given = 0;
    if (count > 0 && !done_) {
      points[given++] = ComPtr<EventPoint>(point_).Detach();
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
  ComPtr<EventPoint> point_;
  bool done_ = false;
};

}  // namespace

Arguments::Arguments(DISPPARAMS* parameters, bool put)
    : parameters_(parameters), count_(parameters ? parameters->cArgs : 0) {
  if (put && count_ > 0) {
    // The assigned value is the named DISPID_PROPERTYPUT argument, first in the array.
    VariantCopyInd(value_.Get(), &parameters->rgvarg[0]);
    --count_;
  }
}

VARIANT& Arguments::At(std::size_t index) const {
  if (index >= count_) throw host::HostError("argument not optional");
  return parameters_->rgvarg[parameters_->cArgs - 1 - index];
}

Variant Arguments::Get(std::size_t index) const {
  Variant copy;
  VariantCopyInd(copy.Get(), &At(index));
  return copy;
}

ComPtr<IDispatch> FakeObject::Make(const LiveCount& live, std::vector<Member> members,
                                   std::shared_ptr<host::CommandBarControl> control,
                                   ComPtr<EventPoint> events) {
  return ComPtr<IDispatch>::Adopt(
      new FakeObject(live, std::move(members), std::move(control), std::move(events)));
}

FakeObject::FakeObject(const LiveCount& live, std::vector<Member> members,
                       std::shared_ptr<host::CommandBarControl> control, ComPtr<EventPoint> events)
    : control(std::move(control)),
      alive_(live),
      members_(std::move(members)),
      events_(std::move(events)) {}

HRESULT FakeObject::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  const bool found =
      Offer(iid, {IID_IUnknown, IID_IDispatch}, static_cast<IDispatch*>(this), object) ||
      (events_ && Offer(iid, {IID_IConnectionPointContainer},
                        static_cast<IConnectionPointContainer*>(this), object));
  return found ? S_OK : E_NOINTERFACE;
}

HRESULT FakeObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  // Members only: no named arguments.
  std::fill_n(ids, count, DISPID_UNKNOWN);
  for (std::size_t m = 0; count > 0 && m < members_.size(); ++m) {
    if (_wcsicmp(members_[m].name, names[0]) == 0) ids[0] = static_cast<DISPID>(m + 1);
  }
  return count == 1 && ids[0] != DISPID_UNKNOWN ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT FakeObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                           VARIANT* result, EXCEPINFO* exception, UINT*) {
  if (id < 1 || static_cast<std::size_t>(id) > members_.size()) return DISP_E_MEMBERNOTFOUND;
  const Member& member = members_[static_cast<std::size_t>(id - 1)];
  const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
  if (put ? !member.put : !member.get) return DISP_E_MEMBERNOTFOUND;
  try {
    Arguments arguments(parameters, put);
    if (put) {
      member.put(arguments);
    } else if (result) {
      VariantCopy(result, member.get(arguments).Get());
    } else {
      member.get(arguments);
    }
    return S_OK;
  } catch (const std::exception& error) {
    // The editor's refusals come back as an exception with its description, as the editors do.
    if (exception) {
      const std::string what = error.what();
      *exception = EXCEPINFO{};
      exception->scode = E_FAIL;
      exception->bstrDescription = win32::ToBstr(std::u16string(what.begin(), what.end()));
    }
    return DISP_E_EXCEPTION;
  }
}

HRESULT FakeObject::EnumConnectionPoints(IEnumConnectionPoints** points) {
  if (!points) return E_POINTER;
  *points = new SinglePointEnumerator(events_);
  return S_OK;
}

HRESULT FakeObject::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
  if (!point) return E_POINTER;
  *point = nullptr;
  if (!IsEqualIID(iid, events_->Interface())) return CONNECT_E_NOCONNECTION;
  *point = ComPtr<EventPoint>(events_).Detach();
  return S_OK;
}

HRESULT EventPoint::QueryInterface(REFIID iid, void** object) {
  *object = nullptr;
  return Offer(iid, {IID_IUnknown, IID_IConnectionPoint}, this, object) ? S_OK : E_NOINTERFACE;
}

HRESULT EventPoint::GetConnectionInterface(IID* iid) {
  *iid = events_;
  return S_OK;
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
