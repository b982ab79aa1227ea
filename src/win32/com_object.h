#pragma once

// The one shape of our COM objects: a reference count that deletes the object at zero, a
// server lock for as long as the object lives, and QueryInterface answered from the interface
// list the class declares. An entry names the base that answers and the IIDs it answers for
// besides its own, the way a derived interface also answers for the interfaces it extends:
//
//   class Connect final : public ComObject<Connect, _IDTExtensibility2> {
//    public:
//     using Offered = Offers<Offer<_IDTExtensibility2, IDispatch>>;
//
// IUnknown is answered by the first entry. Lists nest: a class that reuses the interfaces of
// a base class lists the base's Offered among its own.

#include "win32/windows_headers.h"

#include <utility>

#include "win32/server_lock.h"

namespace tessaly::win32 {

// `Interface` answers for its own IID and for those of `Extended`.
template <class Interface, class... Extended>
struct Offer {
  template <class Object>
  static void* Find(Object* self, REFIID iid) {
    if (IsEqualIID(iid, __uuidof(Interface)) || (IsEqualIID(iid, __uuidof(Extended)) || ...)) {
      return static_cast<Interface*>(self);
    }
    return nullptr;
  }
  template <class Object>
  static IUnknown* First(Object* self) {
    return static_cast<Interface*>(self);
  }
};

template <class... Entries>
struct Offers {
  template <class Object>
  static void* Find(Object* self, REFIID iid) {
    void* found = nullptr;
    ((found = Entries::Find(self, iid)) || ...);
    return found;
  }
  template <class Object>
  static IUnknown* First(Object* self) {
    return FirstOf<Entries...>(self);
  }

 private:
  template <class Head, class..., class Object>
  static IUnknown* FirstOf(Object* self) {
    return Head::First(self);
  }
};

// Derived declares `using Offered = Offers<...>;` and may answer IIDs known only at run time
// by hiding RuntimeInterface. The first base is made from the constructor's arguments.
template <class Derived, class First, class... Rest>
class ComObject : public First, public Rest... {
 public:
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) final {
    if (!object) return E_POINTER;
    auto* self = static_cast<Derived*>(this);
    void* found = IsEqualIID(iid, IID_IUnknown) ? Derived::Offered::First(self)
                                                : Derived::Offered::Find(self, iid);
    if (!found) found = self->RuntimeInterface(iid);
    *object = found;
    if (!found) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() final { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() final {
    const ULONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return left;
  }

 protected:
  template <class... Arguments>
  explicit ComObject(Arguments&&... arguments) : First(std::forward<Arguments>(arguments)...) {}
  virtual ~ComObject() = default;

 public:
  void* RuntimeInterface(REFIID) { return nullptr; }

 private:
  // Made holding the reference its maker hands on.
  LONG references_ = 1;
  ServerLock lock_;
};

// Makes a COM object and hands out the interface `iid` names, as CreateInstance does.
template <class Object, class... Arguments>
HRESULT MakeComObject(REFIID iid, void** object, Arguments&&... arguments) {
  auto* made = new Object(std::forward<Arguments>(arguments)...);
  const HRESULT result = made->QueryInterface(iid, object);
  made->Release();
  return result;
}

}  // namespace tessaly::win32
