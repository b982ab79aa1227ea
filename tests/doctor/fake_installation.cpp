#include "doctor/fake_installation.h"

namespace tessaly::doctor::testing {

std::vector<std::uint8_t> PeHead(std::uint16_t machine) {
  std::vector<std::uint8_t> head(0x200);
  head[0] = 'M';
  head[1] = 'Z';
  head[0x3C] = 0x80;
  head[0x80] = 'P';
  head[0x81] = 'E';
  head[0x84] = static_cast<std::uint8_t>(machine & 0xFF);
  head[0x85] = static_cast<std::uint8_t>(machine >> 8);
  return head;
}

bool FakeInstallation::KeyExists(Hive hive, Bitness view, const std::u16string& key) {
  return keys.contains({hive, view, key});
}

const FakeInstallation::Value* FakeInstallation::Find(Hive hive, Bitness view,
                                                      const std::u16string& key,
                                                      const std::u16string& name) const {
  const auto found = keys.find({hive, view, key});
  if (found == keys.end() || !found->second.contains(name)) return nullptr;
  return &found->second.at(name);
}

std::optional<std::u16string> FakeInstallation::Text(Hive hive, Bitness view,
                                                     const std::u16string& key,
                                                     const std::u16string& name) {
  const Value* value = Find(hive, view, key, name);
  return value ? value->text : std::nullopt;
}

std::optional<std::uint32_t> FakeInstallation::Number(Hive hive, Bitness view,
                                                      const std::u16string& key,
                                                      const std::u16string& name) {
  const Value* value = Find(hive, view, key, name);
  return value ? value->number : std::nullopt;
}

std::vector<std::pair<std::u16string, std::u16string>> FakeInstallation::Texts(
    Hive hive, Bitness view, const std::u16string& key) {
  std::vector<std::pair<std::u16string, std::u16string>> texts;
  const auto found = keys.find({hive, view, key});
  if (found == keys.end()) return texts;
  for (const auto& [name, value] : found->second) {
    if (value.text) texts.emplace_back(name, *value.text);
  }
  return texts;
}

std::optional<DllFile> FakeInstallation::ReadDll(const std::u16string& path) {
  const auto found = files.find(path);
  if (found == files.end()) return std::nullopt;
  return found->second;
}

std::u16string FakeInstallation::InstalledDll(Bitness bitness) {
  return program_folder + (bitness == Bitness::kX86 ? u"x86\\QWIX.dll" : u"x64\\QWIX.dll");
}

bool FakeInstallation::WriteForUser(Bitness view, const win32::RegistryEntry& entry) {
  if (refuse_writes) return false;
  Put(Hive::kCurrentUser, view, entry);
  return true;
}

void FakeInstallation::Put(Hive hive, Bitness view, const win32::RegistryEntry& entry) {
  for (std::size_t at = entry.key.find(u'\\'); at != std::u16string::npos;
       at = entry.key.find(u'\\', at + 1)) {
    keys[{hive, view, entry.key.substr(0, at)}];
  }
  auto& values = keys[{hive, view, entry.key}];
  // An empty default value only marks its key, as the packages write it.
  if (!entry.is_number && entry.text.empty() && entry.name.empty()) return;
  values[entry.name] = entry.is_number ? Value{std::nullopt, entry.number} : Value{entry.text, {}};
}

void FakeInstallation::Remove(Hive hive, Bitness view, const std::u16string& key) {
  std::erase_if(keys, [&](const auto& item) {
    const auto& [item_hive, item_view, path] = item.first;
    return item_hive == hive && item_view == view && (path == key || path.starts_with(key + u"\\"));
  });
}

void FakeInstallation::InstallPackage(Hive hive, const std::u16string& folder,
                                      const std::u16string& version) {
  program_folder = folder;
  for (const Bitness bitness : {Bitness::kX86, Bitness::kX64}) {
    const bool win64 = bitness == Bitness::kX64;
    const auto dll = InstalledDll(bitness);
    files[dll] = {PeHead(win64 ? 0x8664 : 0x14C), version};
    for (const auto& entry : win32::ClassEntries(u"Software\\Classes", dll, win64)) {
      Put(hive, bitness, entry);
    }
    for (const auto& entry : win32::EditorAddInEntries(win64)) {
      Put(Hive::kCurrentUser, bitness, entry);
    }
  }
}

}  // namespace tessaly::doctor::testing
