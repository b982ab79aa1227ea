#pragma once

// An installation held in tables: registry keys by hive, view and path, files by path, and a
// packaged install of either kind written from the registration table as the packages write it.

#include <cstdint>
#include <map>
#include <set>
#include <tuple>

#include "doctor/installation.h"

namespace tessaly::doctor::testing {

inline constexpr char16_t kUserFolder[] = u"C:\\users\\me\\AppData\\Local\\Programs\\Tessaly\\";
inline constexpr char16_t kMachineFolder[] = u"C:\\Program Files\\Tessaly\\";
inline constexpr char kVersion[] = "1.36.0";

// The first bytes of a PE file for the machine (0x14C x86, 0x8664 x64).
std::vector<std::uint8_t> PeHead(std::uint16_t machine);

class FakeInstallation : public Installation {
 public:
  struct Value {
    std::optional<std::u16string> text;
    std::optional<std::uint32_t> number;
  };
  using Key = std::tuple<Hive, Bitness, std::u16string>;

  bool KeyExists(Hive hive, Bitness view, const std::u16string& key) override;
  std::optional<std::u16string> Text(Hive hive, Bitness view, const std::u16string& key,
                                     const std::u16string& name) override;
  std::optional<std::uint32_t> Number(Hive hive, Bitness view, const std::u16string& key,
                                      const std::u16string& name) override;
  std::vector<std::pair<std::u16string, std::u16string>> Texts(Hive hive, Bitness view,
                                                               const std::u16string& key) override;
  std::optional<DllFile> ReadDll(const std::u16string& path) override;
  std::u16string InstalledDll(Bitness bitness) override;
  bool WriteForUser(Bitness view, const win32::RegistryEntry& entry) override;

  // Writes the entry and creates the keys above it.
  void Put(Hive hive, Bitness view, const win32::RegistryEntry& entry);
  // Removes the key and all below it.
  void Remove(Hive hive, Bitness view, const std::u16string& key);
  // What a package leaves: both DLLs in `folder` (of `version`), their classes below `hive`,
  // the editors' add-in keys for the user; the command line runs from the same folder.
  void InstallPackage(Hive hive, const std::u16string& folder, const std::u16string& version);

  const Value* Find(Hive hive, Bitness view, const std::u16string& key,
                    const std::u16string& name) const;

  std::map<Key, std::map<std::u16string, Value>> keys;
  std::map<std::u16string, DllFile> files;
  std::u16string program_folder = kUserFolder;
  bool refuse_writes = false;
};

}  // namespace tessaly::doctor::testing
