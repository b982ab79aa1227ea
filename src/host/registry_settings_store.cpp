#include "host/registry_settings_store.h"

#include <vector>

#include "host/host_error.h"
#include "host/registry_key.h"
#include "text/utf.h"

namespace tessaly::host {

namespace {

constexpr std::u16string_view kSettingsRoot = u"Software\\VB and VBA Program Settings\\";

std::vector<std::uint8_t> StringData(const std::u16string& text) {
  std::vector<std::uint8_t> data;
  data.reserve(text.size() * 2 + 2);
  for (char16_t c : text) {
    data.push_back(static_cast<std::uint8_t>(c & 0xFF));
    data.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  data.push_back(0);
  data.push_back(0);
  return data;
}

std::u16string TextBeforeZero(const std::vector<std::uint8_t>& data) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
    const auto c = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    if (c == 0) break;
    text.push_back(c);
  }
  return text;
}

}  // namespace

std::u16string RegistrySettingsStore::SectionPath(const std::u16string& app,
                                                  const std::u16string& section) {
  return std::u16string(kSettingsRoot) + app + u"\\" + section;
}

std::u16string RegistrySettingsStore::GetSetting(const std::u16string& app,
                                                 const std::u16string& section,
                                                 const std::u16string& key,
                                                 const std::u16string& default_value) {
  if (app.empty() || section.empty()) return default_value;
  const auto opened = OpenKey(registry_, kCurrentUser, SectionPath(app, section), kKeyRead);
  if (opened.status != kRegSuccess) return default_value;
  std::uint32_t type = kRegNone;
  std::vector<std::uint8_t> data;
  const auto status = registry_.QueryValue(opened.key.Get(), key, type, data);
  if (status != kRegSuccess || (type != kRegSz && type != kRegExpandSz)) return default_value;
  return TextBeforeZero(data);
}

void RegistrySettingsStore::SaveSetting(const std::u16string& app, const std::u16string& section,
                                        const std::u16string& key, const std::u16string& value) {
  const auto where = text::ToUtf8(SectionPath(app, section) + u"\\" + key);
  if (app.empty() || section.empty()) {
    throw HostError("SaveSetting needs an application and a section: " + where);
  }
  const auto created =
      CreateKey(registry_, kCurrentUser, SectionPath(app, section), u"", kKeyAllAccess);
  const auto status = created.status == kRegSuccess
                          ? registry_.SetValue(created.key.Get(), key, kRegSz, StringData(value))
                          : created.status;
  if (status != kRegSuccess) {
    throw HostError("SaveSetting could not store " + where + " (status " + std::to_string(status) +
                    ")");
  }
}

}  // namespace tessaly::host
