#include "win32/late_bound.h"

#include <string>
#include <vector>

#include "host/host_error.h"

namespace tessaly::win32 {

namespace {

std::string Narrow(const wchar_t* text) {
  std::string result;
  for (; *text; ++text)
    result += *text < 0x80 ? static_cast<char>(*text) : '?';
  return result;
}

std::string Hex(HRESULT result) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text = "0x";
  for (int shift = 28; shift >= 0; shift -= 4) {
    text += kDigits[(static_cast<unsigned long>(result) >> shift) & 0xF];
  }
  return text;
}

[[noreturn]] void Refuse(const wchar_t* member, HRESULT result, EXCEPINFO& exception) {
  if (result == DISP_E_EXCEPTION && exception.pfnDeferredFillIn) {
    exception.pfnDeferredFillIn(&exception);
  }
  // The object's strings are ours to free.
  const UniqueBstr source(exception.bstrSource), help_file(exception.bstrHelpFile);
  const UniqueBstr description_text(exception.bstrDescription);
  std::string what = Narrow(member) + " refused (" + Hex(result) + ")";
  if (result == DISP_E_EXCEPTION) {
    const auto description = FromBstr(description_text.Get());
    if (!description.empty()) {
      what += ": ";
      for (char16_t c : description)
        what += c < 0x80 ? static_cast<char>(c) : '?';
    }
  }
  throw host::HostError(what);
}

}  // namespace

Variant LateBound::Invoke(const wchar_t* member, WORD flags,
                          std::initializer_list<VARIANT*> arguments, VARIANT* put_value,
                          Result wanted) const {
  if (!object_) throw host::HostError(Narrow(member) + " called on Nothing");
  DISPID id = DISPID_UNKNOWN;
  auto* name = const_cast<LPOLESTR>(member);
  HRESULT result = object_->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
  EXCEPINFO exception{};
  if (FAILED(result)) Refuse(member, result, exception);

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
  if (FAILED(result)) Refuse(member, result, exception);
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
  if (!object) throw host::HostError(Narrow(member) + " is Nothing");
  return LateBound(std::move(object));
}

}  // namespace tessaly::win32
