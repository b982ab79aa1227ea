#pragma once

// What registering QWIX.dll writes, as data: the COM classes, their ProgIDs, the type library
// and our own interface, and the editors' add-in keys. DllRegisterServer, DllUnregisterServer
// and the installer all read this one table, so they cannot drift apart.

#include <cstdint>
#include <string>
#include <vector>

namespace tessaly::registration {

struct RegistryEntry {
  std::u16string key;   // below the root the caller chooses
  std::u16string name;  // empty for the key's default value
  std::u16string text;  // REG_SZ data, when is_number is false
  std::uint32_t number = 0;
  bool is_number = false;
  bool operator==(const RegistryEntry&) const = default;
};

inline constexpr char16_t kLibraryId[] = u"{8B535C6E-5603-4A2A-B16B-E82CE7794FBC}";
inline constexpr char16_t kConnectClassId[] = u"{3C327CA5-7194-4BBD-9363-069B158C4AC4}";
inline constexpr char16_t kTabClassId[] = u"{A646415C-7C2A-41A3-A6A5-EA97CBF993B6}";
inline constexpr char16_t kTabInterfaceId[] = u"{3E0DB944-A094-4416-BFC9-734FA170F2EC}";
// An editor's LoadBehavior for an add-in loaded at start-up and connected.
inline constexpr std::uint32_t kLoadAtStartup = 3;

// Class registration below a classes key ("Software\Classes" of the machine or of the user).
std::vector<RegistryEntry> ClassEntries(const std::u16string& classes_key,
                                        const std::u16string& dll_path, bool win64);
// Which of our class keys: 64-bit Windows keeps the CLSID keys of each bitness apart and shares
// the rest (ProgIDs, the type library, the interface).
enum class ClassKeys { kAll, kSeparatePerBitness, kShared };
// The keys, below the same classes key, that unregistering removes whole.
std::vector<std::u16string> OwnedClassKeys(const std::u16string& classes_key, bool win64,
                                           ClassKeys which = ClassKeys::kAll);
// The type library's entry for this bitness's DLL alone.
std::u16string OwnTypeLibraryEntry(const std::u16string& classes_key, bool win64);

// The current user's add-in keys that make the editors of this bitness list the add-in:
// 64-bit Office's VBA editor for the x64 DLL, 32-bit Office's and VB6 for the x86 DLL.
std::vector<RegistryEntry> EditorAddInEntries(bool win64);
// One editor's add-in key below the current user's root: the VBA editor of Office of either
// bitness, and VB6, which exists only as a 32-bit program.
std::u16string VbaAddInKey(bool win64);
std::u16string Vb6AddInKey();
std::vector<std::u16string> OwnedEditorKeys(bool win64);

}  // namespace tessaly::registration
