#pragma once

// An editor object as the fake editor host hands it to QWIX.dll: an IDispatch that answers the
// names, DISPIDs, invoke kinds and parameter types of its published interface (see
// published_interfaces.h) and nothing else, with handlers over the simulated editor's objects
// for the members the host plays. Objects are made on demand, as a late-bound editor hands out
// a new reference per call; each counts itself alive so the host can tell that the add-in
// released everything it took.

#include "win32/windows_headers.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/editor.h"
#include "win32/fake_host/com_object.h"
#include "win32/fake_host/published_interfaces.h"
#include "win32/variant.h"

namespace tessaly::fake_host {

using win32::ComPtr;
using win32::Variant;

// The arguments of one call that passed the published checks, in the order written in code.
class Arguments {
 public:
  Arguments(std::vector<VARIANT*> given, std::vector<Variant> converted, Variant value)
      : given_(std::move(given)), converted_(std::move(converted)), value_(std::move(value)) {}
  std::size_t Count() const { return given_.size(); }
  // The argument as the caller passed it: a by-reference one is written through this.
  VARIANT& At(std::size_t index) const { return *given_.at(index); }
  // The argument as its published type; the referenced value of a by-reference one.
  Variant Get(std::size_t index) const { return converted_.at(index); }
  // The assigned value of a property put.
  const Variant& Value() const { return value_; }
  // Whether an optional argument was left out: not passed, or passed as the editors' marker.
  bool LeftOut(std::size_t index) const;
  // Refuses the arguments from `index` on unless left out: the fake plays no more of the member.
  void RequireLeftOutFrom(std::size_t index) const;

 private:
  std::vector<VARIANT*> given_;
  std::vector<Variant> converted_;
  Variant value_;
};

// Each object the host makes holds a copy of its editor's LiveCount: the copies beyond the
// editor's own are the objects alive.
using LiveCount = std::shared_ptr<const int>;

// One connection point with the interface the editor raises, shared by every object that
// stands for the same control.
class EventPoint : public RefCounted<IConnectionPoint> {
 public:
  EventPoint(const IID& events, const LiveCount& live) : events_(events), alive_(live) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

  const IID& Interface() const { return events_; }
  // Raises Click (DISPID 1) in every sink with the arguments in the order written in code; the
  // sinks get them last to first, as IDispatch::Invoke takes them.
  void RaiseClick(std::vector<VARIANT> arguments);
  std::size_t SinkCount() const { return sinks_.size(); }

 private:
  IID events_;
  LiveCount alive_;
  DWORD next_cookie_ = 1;
  std::vector<std::pair<DWORD, ComPtr<IDispatch>>> sinks_;
};

// The connection points of an event source: `events` found by its IID only, and listed after
// another point, since the enumeration promises no order.
class EventPoints {
 public:
  EventPoints(ComPtr<EventPoint> events, const LiveCount& live);
  explicit operator bool() const { return static_cast<bool>(events_); }
  HRESULT Enumerate(IEnumConnectionPoints** points) const;
  HRESULT Find(REFIID iid, IConnectionPoint** point) const;

 private:
  ComPtr<EventPoint> events_;
  ComPtr<EventPoint> other_;
};

class FakeObject : public RefCounted<IDispatch, IConnectionPointContainer> {
 public:
  using Handler = std::function<Variant(Arguments&)>;
  using Setter = std::function<void(Arguments&)>;
  // The host's play of one published member: `get` serves a property get or a method.
  struct Member {
    const wchar_t* name;
    Handler get;
    Setter put = {};
  };

  // `events`, when given, is the connection point the object offers (Office's buttons).
  static ComPtr<IDispatch> Make(const LiveCount& live, const PublishedInterface& published,
                                std::vector<Member> members,
                                std::shared_ptr<host::CommandBarControl> control = {},
                                ComPtr<EventPoint> events = {});
  // The command-bar control behind this object, when it wraps one.
  const std::shared_ptr<host::CommandBarControl> control;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO* exception,
                                   UINT* argument_error) override;
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override {
    return points_.Enumerate(points);
  }
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override {
    return points_.Find(iid, point);
  }

 private:
  FakeObject(const LiveCount& live, const PublishedInterface& published,
             std::vector<Member> members, std::shared_ptr<host::CommandBarControl> control,
             ComPtr<EventPoint> events);
  const Member* Played(const wchar_t* name) const;

  LiveCount alive_;
  const PublishedInterface& published_;
  std::vector<Member> members_;
  EventPoints points_;
};

}  // namespace tessaly::fake_host
