#pragma once

// An editor object as the fake editor host hands it to QWIX.dll: an IDispatch whose members are
// a table of names and handlers, over the simulated editor's objects. Objects are made on
// demand, as a late-bound editor hands out a new reference per call; each counts itself alive
// so the host can tell that the add-in released everything it took.

#include "win32/windows_headers.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/editor.h"
#include "win32/variant.h"

namespace tessaly::fake_host {

using win32::ComPtr;
using win32::Variant;

// The arguments of one call, in the order written in code.
class Arguments {
 public:
  Arguments(DISPPARAMS* parameters, bool put);
  std::size_t Count() const { return count_; }
  const VARIANT& At(std::size_t index) const;
  VARIANT& Mutable(std::size_t index);
  std::u16string Text(std::size_t index) const;
  std::int32_t Number(std::size_t index) const;
  bool Flag(std::size_t index) const;
  ComPtr<IDispatch> Object(std::size_t index) const;
  // The assigned value of a property put.
  const Variant& Value() const { return value_; }

 private:
  DISPPARAMS* parameters_;
  std::size_t count_;
  Variant value_;
};

class LiveCount {
 public:
  long Now() const { return count_; }
  void Up() { ++count_; }
  void Down() { --count_; }

 private:
  long count_ = 0;
};

// The event side of an object: one connection point with the interface the editor raises,
// shared by every object that stands for the same control.
class EventPoint : public IConnectionPoint {
 public:
  EventPoint(const IID& events, LiveCount& live);
  EventPoint(const EventPoint&) = delete;
  EventPoint& operator=(const EventPoint&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
  HRESULT STDMETHODCALLTYPE
  GetConnectionPointContainer(IConnectionPointContainer** container) override;
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

  const IID& Interface() const { return events_; }
  // Raises DISPID 1 in every sink with the arguments in the order written in code.
  void RaiseClick(std::vector<VARIANT> arguments);
  std::size_t SinkCount() const { return sinks_.size(); }

 private:
  virtual ~EventPoint();
  IID events_;
  LiveCount& live_;
  LONG references_ = 1;
  DWORD next_cookie_ = 1;
  std::vector<std::pair<DWORD, ComPtr<IDispatch>>> sinks_;
};

class FakeObject : public IDispatch {
 public:
  using Getter = std::function<Variant(Arguments&)>;
  using Setter = std::function<void(Arguments&)>;

  explicit FakeObject(LiveCount& live);
  FakeObject(const FakeObject&) = delete;
  FakeObject& operator=(const FakeObject&) = delete;

  FakeObject& Member(const wchar_t* name, Getter get, Setter put = {});
  // The command-bar control behind this object, when it wraps one.
  std::shared_ptr<host::CommandBarControl> control;
  // Connection points this object offers.
  ComPtr<EventPoint> events;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO* exception, UINT*) override;

  // Which FakeObject an IDispatch handed back to the host is.
  static FakeObject* From(IDispatch* object);

 private:
  virtual ~FakeObject();
  struct Entry {
    std::wstring name;
    Getter get;
    Setter put;
  };

  LiveCount& live_;
  LONG references_ = 1;
  std::vector<Entry> members_;
  class Container;
  std::unique_ptr<Container> container_;
};

// Makes a new object; the caller owns its one reference.
ComPtr<IDispatch> Adopt(FakeObject* object);

}  // namespace tessaly::fake_host
