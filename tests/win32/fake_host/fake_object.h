#pragma once

// An editor object as the fake editor host hands it to QWIX.dll: an IDispatch whose members are
// rows of names and handlers, over the simulated editor's objects. Objects are made on demand,
// as a late-bound editor hands out a new reference per call; each counts itself alive so the
// host can tell that the add-in released everything it took.

#include "win32/windows_headers.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/editor.h"
#include "win32/fake_host/com_object.h"
#include "win32/variant.h"

namespace tessaly::fake_host {

using win32::ComPtr;
using win32::Variant;

// The arguments of one call, in the order written in code.
class Arguments {
 public:
  Arguments(DISPPARAMS* parameters, bool put);
  std::size_t Count() const { return count_; }
  // Throws for a missing argument, as the editors refuse such a call.
  VARIANT& At(std::size_t index) const;
  // The argument's value, whether it came by reference or not.
  Variant Get(std::size_t index) const;
  // The assigned value of a property put.
  const Variant& Value() const { return value_; }

 private:
  DISPPARAMS* parameters_;
  std::size_t count_;
  Variant value_;
};

// Each object the host makes holds a copy of its editor's LiveCount: the copies beyond the
// editor's own are the objects alive.
using LiveCount = std::shared_ptr<const int>;

// The event side of an object: one connection point with the interface the editor raises,
// shared by every object that stands for the same control.
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
  // Raises DISPID 1 in every sink with the arguments in the order written in code.
  void RaiseClick(std::vector<VARIANT> arguments);
  std::size_t SinkCount() const { return sinks_.size(); }

 private:
  IID events_;
  LiveCount alive_;
  DWORD next_cookie_ = 1;
  std::vector<std::pair<DWORD, ComPtr<IDispatch>>> sinks_;
};

class FakeObject : public RefCounted<IDispatch, IConnectionPointContainer> {
 public:
  using Getter = std::function<Variant(Arguments&)>;
  using Setter = std::function<void(Arguments&)>;
  struct Member {
    const wchar_t* name;
    Getter get;
    Setter put = {};
  };

  // `events`, when given, is the connection point the object offers.
  static ComPtr<IDispatch> Make(const LiveCount& live, std::vector<Member> members,
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
                                   VARIANT* result, EXCEPINFO* exception, UINT*) override;
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

 private:
  FakeObject(const LiveCount& live, std::vector<Member> members,
             std::shared_ptr<host::CommandBarControl> control, ComPtr<EventPoint> events);

  LiveCount alive_;
  std::vector<Member> members_;
  ComPtr<EventPoint> events_;
};

}  // namespace tessaly::fake_host
