#pragma once

// An installation held in tables: registry keys by hive, view and path, files by path, and a
// packaged install of either kind written from the registration table as the packages write it.

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "doctor/installation.h"

namespace tessaly::doctor::testing {

inline constexpr char16_t kUserFolder[] = u"C:\\users\\me\\AppData\\Local\\Programs\\Tessaly\\";
inline constexpr char16_t kMachineFolder[] = u"C:\\Program Files\\Tessaly\\";
inline constexpr char kVersion[] = "1.36.0";
// Where the packages register the classes, below either hive.
inline const std::u16string kClasses = u"Software\\Classes";

// The first bytes of a PE file for the machine (0x14C x86, 0x8664 x64).
inline std::vector<std::uint8_t> PeHead(std::uint16_t machine) {
  std::vector<std::uint8_t> head(0x200);
  // clang-format off
  const std::pair<int, int> bytes[] = {{0, 'M'}, {1, 'Z'}, {0x3C, 0x80}, {0x80, 'P'}, {0x81, 'E'},
                                       {0x84, machine & 0xFF}, {0x85, machine >> 8}};
  // clang-format on
  for (const auto& [at, byte] : bytes)
    head[at] = static_cast<std::uint8_t>(byte);
  return head;
}

class FakeInstallation : public Installation {
 public:
  using Key = std::tuple<Hive, Bitness, std::u16string>;
  using Values = std::map<std::u16string, registration::RegistryEntry>;

  bool KeyExists(Hive hive, Bitness view, const std::u16string& key) override {
    return keys.contains({hive, view, key});
  }
  std::optional<std::u16string> Text(Hive hive, Bitness view, const std::u16string& key,
                                     const std::u16string& name) override {
    const auto* entry = Find(hive, view, key, name);
    return entry && !entry->is_number ? std::optional(entry->text) : std::nullopt;
  }
  std::optional<std::uint32_t> Number(Hive hive, Bitness view, const std::u16string& key,
                                      const std::u16string& name) override {
    const auto* entry = Find(hive, view, key, name);
    return entry && entry->is_number ? std::optional(entry->number) : std::nullopt;
  }
  std::vector<std::pair<std::u16string, std::u16string>> Texts(Hive hive, Bitness view,
                                                               const std::u16string& key) override {
    std::vector<std::pair<std::u16string, std::u16string>> texts;
    if (const auto found = keys.find({hive, view, key}); found != keys.end()) {
      for (const auto& [name, entry] : found->second) {
        if (!entry.is_number) texts.emplace_back(name, entry.text);
      }
    }
    return texts;
  }
  std::optional<DllFile> ReadDll(const std::u16string& path) override {
    return files.contains(path) ? std::optional(files.at(path)) : std::nullopt;
  }
  std::u16string InstalledDll(Bitness bitness) override {
    return program_folder + (bitness == Bitness::kX86 ? u"x86\\QWIX.dll" : u"x64\\QWIX.dll");
  }
  bool WriteForUser(Bitness view, const registration::RegistryEntry& entry) override {
    if (!refuse_writes) Put(Hive::kCurrentUser, view, entry);
    return !refuse_writes;
  }

  // Writes the entry and creates the keys above it; an empty default value only marks its key,
  // as the packages write it.
  void Put(Hive hive, Bitness view, const registration::RegistryEntry& entry) {
    for (auto at = entry.key.find(u'\\'); at != std::u16string::npos;
         at = entry.key.find(u'\\', at + 1)) {
      keys[{hive, view, entry.key.substr(0, at)}];
    }
    auto& values = keys[{hive, view, entry.key}];
    if (entry.is_number || !entry.text.empty() || !entry.name.empty()) values[entry.name] = entry;
  }
  // Removes the key and all below it.
  void Remove(Hive hive, Bitness view, const std::u16string& key) {
    std::erase_if(keys, [&](const auto& item) {
      const auto& [item_hive, item_view, path] = item.first;
      return item_hive == hive && item_view == view &&
             (path == key || path.starts_with(key + u"\\"));
    });
  }
  // What a package leaves: both DLLs in `folder` (of `version`), their classes below `hive`,
  // the editors' add-in keys for the user; the command line runs from the same folder.
  void InstallPackage(Hive hive, const std::u16string& folder, const std::u16string& version) {
    program_folder = folder;
    for (const Bitness bitness : {Bitness::kX86, Bitness::kX64}) {
      const bool win64 = bitness == Bitness::kX64;
      files[InstalledDll(bitness)] = {PeHead(win64 ? 0x8664 : 0x14C), version};
      for (const auto& entry : registration::ClassEntries(kClasses, InstalledDll(bitness), win64))
        Put(hive, bitness, entry);
      for (const auto& entry : registration::EditorAddInEntries(win64))
        Put(Hive::kCurrentUser, bitness, entry);
    }
  }

  std::map<Key, Values> keys;
  std::map<std::u16string, DllFile> files;
  std::u16string program_folder = kUserFolder;
  bool refuse_writes = false;

 private:
  const registration::RegistryEntry* Find(Hive hive, Bitness view, const std::u16string& key,
                                          const std::u16string& name) const {
    const auto found = keys.find({hive, view, key});
    if (found == keys.end() || !found->second.contains(name)) return nullptr;
    return &found->second.at(name);
  }
};

}  // namespace tessaly::doctor::testing
