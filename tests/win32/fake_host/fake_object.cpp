#include "win32/fake_host/fake_object.h"

#include <algorithm>
#include <stdexcept>

#include "host/host_error.h"
#include "text/utf.h"

namespace tessaly::fake_host {

namespace {

class PointEnumerator final : public RefCounted<IEnumConnectionPoints> {
 public:
  explicit PointEnumerator(std::vector<ComPtr<EventPoint>> points) : points_(std::move(points)) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    *object = nullptr;
    return Offer(iid, {IID_IUnknown, IID_IEnumConnectionPoints}, this, object) ? S_OK
                                                                               : E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE Next(ULONG count, IConnectionPoint** points, ULONG* fetched) override {
    ULONG given = 0;
    for (; given < count && next_ < points_.size(); ++given)
      points[given] = ComPtr<EventPoint>(points_[next_++]).Detach();
    if (fetched) *fetched = given;
    return given == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Reset() override {
    next_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumConnectionPoints**) override { return E_NOTIMPL; }

 private:
  std::vector<ComPtr<EventPoint>> points_;
  std::size_t next_ = 0;
};

bool Omitted(const VARIANT& argument) {
  return argument.vt == VT_ERROR && argument.scode == DISP_E_PARAMNOTFOUND;
}

// An argument as its parameter takes it, as a type library's dispatch does: by-value ones
// converted as VariantChangeType can; by-reference ones only as a reference to the published
// type (a VARIANT* alone takes a reference to a variant).
HRESULT Convert(const PublishedParameter& parameter, VARIANT& given, Variant& converted) {
  if (parameter.by_reference) {
    if (given.vt != (parameter.type | VT_BYREF) || !given.byref) return DISP_E_TYPEMISMATCH;
    return VariantCopyInd(converted.Get(), &given);
  }
  if (parameter.optional && Omitted(given)) return S_OK;
  if (FAILED(VariantCopyInd(converted.Get(), &given))) return DISP_E_TYPEMISMATCH;
  if (parameter.type == VT_VARIANT) return S_OK;
  return FAILED(VariantChangeType(converted.Get(), converted.Get(), 0, parameter.type))
             ? DISP_E_TYPEMISMATCH
             : S_OK;
}

}  // namespace

bool Arguments::LeftOut(std::size_t index) const {
  return index >= given_.size() || Omitted(*given_[index]);
}

void Arguments::RequireLeftOutFrom(std::size_t index) const {
  for (; index < given_.size(); ++index) {
    if (!LeftOut(index)) throw std::runtime_error("the fake editor does not play this argument");
  }
}

EventPoints::EventPoints(ComPtr<EventPoint> events, const LiveCount& live)
    : events_(std::move(events)) {
  if (events_) other_ = ComPtr<EventPoint>::Adopt(new EventPoint(IID_IPropertyNotifySink, live));
}

HRESULT EventPoints::Enumerate(IEnumConnectionPoints** points) const {
  if (!points) return E_POINTER;
  *points = new PointEnumerator({other_, events_});
  return S_OK;
}

HRESULT EventPoints::Find(REFIID iid, IConnectionPoint** point) const {
  if (!point) return E_POINTER;
  *point = nullptr;
  const ComPtr<EventPoint>* found = IsEqualIID(iid, events_->Interface())  ? &events_
                                    : IsEqualIID(iid, other_->Interface()) ? &other_
                                                                           : nullptr;
  if (!found) return CONNECT_E_NOCONNECTION;
  *point = ComPtr<EventPoint>(*found).Detach();
  return S_OK;
}

ComPtr<IDispatch> FakeObject::Make(const LiveCount& live, const PublishedInterface& published,
                                   std::vector<Member> members,
                                   std::shared_ptr<host::CommandBarControl> control,
                                   ComPtr<EventPoint> events) {
  return ComPtr<IDispatch>::Adopt(
      new FakeObject(live, published, std::move(members), std::move(control), std::move(events)));
}

FakeObject::FakeObject(const LiveCount& live, const PublishedInterface& published,
                       std::vector<Member> members,
                       std::shared_ptr<host::CommandBarControl> control, ComPtr<EventPoint> events)
    : control(std::move(control)),
      alive_(live),
      published_(published),
      members_(std::move(members)),
      points_(std::move(events), live) {
  // A member the host plays that its editor does not publish is a fault of the host.
  for (const auto& member : members_) {
    const auto published_here =
        std::any_of(published_.functions.begin(), published_.functions.end(),
                    [&](const PublishedFunction& function) {
                      return _wcsicmp(function.name, member.name) == 0;
                    });
    if (!published_here) throw std::logic_error("the fake plays a member its editor lacks");
  }
}

const FakeObject::Member* FakeObject::Played(const wchar_t* name) const {
  const auto found = std::find_if(members_.begin(), members_.end(), [&](const Member& member) {
    return _wcsicmp(member.name, name) == 0;
  });
  return found == members_.end() ? nullptr : &*found;
}

HRESULT FakeObject::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  const bool found =
      Offer(iid, {IID_IUnknown, published_.unknown_only ? *published_.unknown_only : IID_IDispatch},
            static_cast<IDispatch*>(this), object) ||
      (points_ && Offer(iid, {IID_IConnectionPointContainer},
                        static_cast<IConnectionPointContainer*>(this), object));
  return found ? S_OK : E_NOINTERFACE;
}

HRESULT FakeObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (!names || !ids) return E_POINTER;
  // The member's name first; no parameter is known by name.
  std::fill_n(ids, count, DISPID_UNKNOWN);
  for (const auto& function : published_.functions) {
    if (count > 0 && _wcsicmp(function.name, names[0]) == 0) ids[0] = function.id;
  }
  return count == 1 && ids[0] != DISPID_UNKNOWN ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT FakeObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                           VARIANT* result, EXCEPINFO* exception, UINT* argument_error) {
  if (!parameters) return E_INVALIDARG;
  const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
  const auto function = std::find_if(
      published_.functions.begin(), published_.functions.end(), [&](const PublishedFunction& f) {
        return f.id == id &&
               (put ? f.kind == flags : (f.kind & flags & ~DISPATCH_PROPERTYPUT) != 0);
      });
  if (function == published_.functions.end()) return DISP_E_MEMBERNOTFOUND;
  // A put's value is the one named argument; nothing else is passed by name.
  if (put ? parameters->cNamedArgs != 1 || parameters->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT
          : parameters->cNamedArgs != 0) {
    return put ? DISP_E_PARAMNOTOPTIONAL : DISP_E_NONAMEDARGS;
  }
  // A function that returns nothing refuses a place for its result.
  if (!put && function->result == VT_EMPTY && result) return DISP_E_MEMBERNOTFOUND;
  const auto& declared = function->parameters;
  const auto required = static_cast<UINT>(std::count_if(
      declared.begin(), declared.end(), [](const PublishedParameter& p) { return !p.optional; }));
  if (parameters->cArgs > declared.size()) return DISP_E_BADPARAMCOUNT;
  if (parameters->cArgs < required) return DISP_E_PARAMNOTOPTIONAL;

  // In the order written in code: positional arguments come last to first, after a put's value.
  const UINT positional = parameters->cArgs - (put ? 1 : 0);
  std::vector<VARIANT*> given;
  std::vector<Variant> converted(positional);
  Variant value;
  for (UINT i = 0; i < parameters->cArgs; ++i) {
    const bool is_value = put && i == positional;
    const UINT slot = is_value ? 0 : parameters->cArgs - 1 - i;
    const auto& parameter = is_value ? declared.back() : declared[i];
    VARIANT& argument = parameters->rgvarg[slot];
    if (FAILED(Convert(parameter, argument, is_value ? value : converted[i]))) {
      if (argument_error) *argument_error = slot;
      return DISP_E_TYPEMISMATCH;
    }
    if (!is_value) given.push_back(&argument);
  }

  const Member* member = Played(function->name);
  try {
    if (!member || !(put ? static_cast<bool>(member->put) : static_cast<bool>(member->get))) {
      throw std::runtime_error("the fake editor does not play this member");
    }
    Arguments arguments(std::move(given), std::move(converted), std::move(value));
    if (put) {
      member->put(arguments);
      return S_OK;
    }
    Variant answer = member->get(arguments);
    if (result && function->result != VT_EMPTY) {
      // Handed back as the published result type.
      if (function->result != VT_VARIANT &&
          FAILED(VariantChangeType(answer.Get(), answer.Get(), 0, function->result))) {
        throw std::runtime_error("the fake's answer is not of the published type");
      }
      VariantCopy(result, answer.Get());
    }
    return S_OK;
  } catch (const std::exception& error) {
    // The editor's refusals come back as an exception with its description, as the editors do.
    if (exception) {
      const auto* refusal = dynamic_cast<const host::HostError*>(&error);
      const std::string what = refusal ? refusal->Description() : error.what();
      *exception = EXCEPINFO{};
      exception->scode = E_FAIL;
      exception->bstrDescription = win32::ToBstr(text::FromUtf8(what)).Release();
    }
    return DISP_E_EXCEPTION;
  }
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
