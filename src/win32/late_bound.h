#pragma once

// Calls on an editor object by member name, as a late-bound Visual Basic statement makes them:
// the name is looked up with GetIDsOfNames and the call made with Invoke. Nothing is compiled
// against the editors' own interfaces, so one DLL serves every editor and version. Any failed
// call becomes HostError naming the member and the editor's own description.

#include "win32/windows_headers.h"

#include <initializer_list>
#include <memory>
#include <string>

#include "host/refusal_log.h"
#include "win32/com_ptr.h"
#include "win32/variant.h"

namespace tessaly::win32 {

// Where the editor's refusals of late-bound calls are written: the failure log, once per place
// in our code per load (the connection starts a new load).
const std::shared_ptr<host::RefusalLog>& EditorRefusalLog();

class LateBound {
 public:
  LateBound() = default;
  explicit LateBound(ComPtr<IDispatch> object) : object_(std::move(object)) {}

  IDispatch* Object() const { return object_.Get(); }
  const ComPtr<IDispatch>& Pointer() const { return object_; }
  explicit operator bool() const { return static_cast<bool>(object_); }

  // A property read or a method that yields a value; arguments in the order written in code.
  // Arguments may be by-reference variants, which the callee fills.
  Variant Get(const wchar_t* member, std::initializer_list<VARIANT*> arguments = {}) const;
  // A method that returns nothing: called without a result, which a type library's dispatch
  // refuses for such a member.
  void Call(const wchar_t* member, std::initializer_list<VARIANT*> arguments = {}) const;
  void Put(const wchar_t* member, Variant value) const;
  // The object a property or method yields; HostError when it yields Nothing.
  LateBound GetObject(const wchar_t* member, std::initializer_list<VARIANT*> arguments = {}) const;

 private:
  enum class Result { kWanted, kNone };
  Variant Invoke(const wchar_t* member, WORD flags, std::initializer_list<VARIANT*> arguments,
                 VARIANT* put_value, Result result) const;

  ComPtr<IDispatch> object_;
};

}  // namespace tessaly::win32
