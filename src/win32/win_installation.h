#pragma once

// The doctor's view of the installation over the real registry and files: each hive in the
// view a program of the given bitness reads, and the DLLs the packages put beside the running
// command line.

#include "doctor/installation.h"

namespace tessaly::win32 {

class WinInstallation : public doctor::Installation {
 public:
  bool KeyExists(doctor::Hive hive, doctor::Bitness view, const std::u16string& key) override;
  std::optional<std::u16string> Text(doctor::Hive hive, doctor::Bitness view,
                                     const std::u16string& key,
                                     const std::u16string& name) override;
  std::optional<std::uint32_t> Number(doctor::Hive hive, doctor::Bitness view,
                                      const std::u16string& key,
                                      const std::u16string& name) override;
  std::vector<std::pair<std::u16string, std::u16string>> Texts(doctor::Hive hive,
                                                               doctor::Bitness view,
                                                               const std::u16string& key) override;
  std::optional<doctor::DllFile> ReadDll(const std::u16string& path) override;
  std::u16string InstalledDll(doctor::Bitness bitness) override;
  bool WriteForUser(doctor::Bitness view, const registration::RegistryEntry& entry) override;
};

}  // namespace tessaly::win32
