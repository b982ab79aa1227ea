#pragma once

// What the doctor reads of an installation, and the little it may change: the registry of the
// current user and of the machine, each in the view that programs of one bitness read, and the
// DLL files. Windows answers from its registry and files (win32/win_installation); the tests
// answer from tables.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "registration/registration_entries.h"

namespace tessaly::doctor {

enum class Hive { kCurrentUser, kLocalMachine };

// A program's bitness: the registry view it reads and the DLLs it can load.
enum class Bitness { kX86, kX64 };

struct DllFile {
  // The file's first bytes, enough to hold its PE headers.
  std::vector<std::uint8_t> head;
  // Its version resource's file version ("1.36.0"); none without one.
  std::optional<std::u16string> version;
};

class Installation {
 public:
  virtual ~Installation() = default;

  virtual bool KeyExists(Hive hive, Bitness view, const std::u16string& key) = 0;
  // A text value (REG_SZ, or REG_EXPAND_SZ as stored); none when the key or the value is
  // missing or holds another type. An empty name is the key's default value.
  virtual std::optional<std::u16string> Text(Hive hive, Bitness view, const std::u16string& key,
                                             const std::u16string& name) = 0;
  // A REG_DWORD value; none when missing or of another type.
  virtual std::optional<std::uint32_t> Number(Hive hive, Bitness view, const std::u16string& key,
                                              const std::u16string& name) = 0;
  // Every text value of the key, as name and data.
  virtual std::vector<std::pair<std::u16string, std::u16string>> Texts(
      Hive hive, Bitness view, const std::u16string& key) = 0;

  // None when there is no such file.
  virtual std::optional<DllFile> ReadDll(const std::u16string& path) = 0;
  // Where the packages put the DLL of that bitness: beside the command line that runs.
  virtual std::u16string InstalledDll(Bitness bitness) = 0;

  // Writes one entry below the current user's root, in the view: the doctor never writes what
  // needs an administrator. False when the write was refused.
  virtual bool WriteForUser(Bitness view, const registration::RegistryEntry& entry) = 0;
};

}  // namespace tessaly::doctor
