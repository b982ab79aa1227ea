#include "win32/late_bound.h"

#include <string>
#include <vector>

#include "host/host_error.h"
#include "host/refusal_log.h"
#include "text/utf.h"
#include "win32/failure_log.h"
#include "win32/wide_text.h"

namespace tessaly::win32 {

namespace {

std::string Utf8(std::wstring_view text) {
  return text::ToUtf8(FromWide(text));
}

// "CommandBars.Item": the object's interface as its type information names it, when it gives
// any, so that a line of the log says which of the editor's objects refused.
std::string MemberName(IDispatch* object, const wchar_t* member) {
  ComPtr<ITypeInfo> type;
  BSTR name = nullptr;
  if (SUCCEEDED(object->GetTypeInfo(0, LOCALE_USER_DEFAULT, type.Receive())) && type &&
      SUCCEEDED(type->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr))) {
    const UniqueBstr interface_name(name);
    const auto text = FromBstr(interface_name.Get());
    if (!text.empty()) return text::ToUtf8(text) + "." + Utf8(member);
  }
  return Utf8(member);
}

[[noreturn]] void Refuse(IDispatch* object, const wchar_t* member, HRESULT result,
                         EXCEPINFO& exception) {
  if (result == DISP_E_EXCEPTION && exception.pfnDeferredFillIn) {
    exception.pfnDeferredFillIn(&exception);
  }
  // The object's strings are ours to free.
  const UniqueBstr source(exception.bstrSource), help_file(exception.bstrHelpFile);
  const UniqueBstr description_text(exception.bstrDescription);
  host::Refusal refusal{MemberName(object, member), static_cast<std::uint32_t>(result), ""};
  if (result == DISP_E_EXCEPTION)
    refusal.description = text::ToUtf8(FromBstr(description_text.Get()));
  throw host::HostError(refusal, EditorRefusalLog());
}

}  // namespace

const std::shared_ptr<host::RefusalLog>& EditorRefusalLog() {
  // One per loaded DLL: the editors load one copy of the add-in per process.
  static const auto log = std::make_shared<host::RefusalLog>(
      [](const std::source_location& where, const std::string& what) {
        ReportFailure(where, what.c_str());
      });
  return log;
}

Variant LateBound::Invoke(const wchar_t* member, WORD flags,
                          std::initializer_list<VARIANT*> arguments, VARIANT* put_value,
                          Result wanted) const {
  if (!object_) throw host::HostError(Utf8(member) + " called on Nothing");
  DISPID id = DISPID_UNKNOWN;
  auto* name = const_cast<LPOLESTR>(member);
  HRESULT result = object_->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
  EXCEPINFO exception{};
  if (FAILED(result)) Refuse(object_.Get(), member, result, exception);

  // Invoke takes the arguments last to first.
  std::vector<VARIANT> reversed;
  reversed.reserve(arguments.size() + 1);
  if (put_value) reversed.push_back(*put_value);
  for (auto it = arguments.end(); it != arguments.begin();)
    reversed.push_back(**--it);
  DISPID put_id = DISPID_PROPERTYPUT;
  DISPPARAMS parameters{reversed.data(), put_value ? &put_id : nullptr,
                        static_cast<UINT>(reversed.size()), put_value ? 1u : 0u};
  Variant value;
  UINT bad_argument = 0;
  result =
      object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                      wanted == Result::kWanted ? value.Get() : nullptr, &exception, &bad_argument);
  if (FAILED(result)) Refuse(object_.Get(), member, result, exception);
  return value;
}

Variant LateBound::Get(const wchar_t* member, std::initializer_list<VARIANT*> arguments) const {
  return Invoke(member, DISPATCH_PROPERTYGET | DISPATCH_METHOD, arguments, nullptr,
                Result::kWanted);
}

void LateBound::Call(const wchar_t* member, std::initializer_list<VARIANT*> arguments) const {
  Invoke(member, DISPATCH_METHOD, arguments, nullptr, Result::kNone);
}

void LateBound::Put(const wchar_t* member, Variant value) const {
  Invoke(member, DISPATCH_PROPERTYPUT, {}, value.Get(), Result::kNone);
}

LateBound LateBound::GetObject(const wchar_t* member,
                               std::initializer_list<VARIANT*> arguments) const {
  auto object = Get(member, arguments).ToDispatch();
  if (!object) throw host::HostError(Utf8(member) + " is Nothing");
  return LateBound(std::move(object));
}

}  // namespace tessaly::win32
