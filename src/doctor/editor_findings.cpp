#include "doctor/editor_findings.h"

#include <algorithm>

#include "doctor/pe_machine.h"
#include "text/ascii_case.h"

namespace tessaly::doctor {

namespace {

using registration::RegistryEntry;

constexpr char16_t kClasses[] = u"Software\\Classes";
// Stands for whatever path is registered: the DLL's own check is apart from the keys'.
constexpr char16_t kAnyDll[] = u"<QWIX.dll>";
constexpr char16_t kLayers[] =
    u"Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Layers";
constexpr char16_t kRunAsAdministrator[] = u"RUNASADMIN";

struct Groups {
  std::vector<RegistryEntry> classes, prog_ids, type_library;
};

// The registration's entries for one bitness, in the three parts the table shows.
Groups RegistrationGroups(Bitness bitness) {
  const std::u16string classes = std::u16string(kClasses) + u"\\";
  Groups groups;
  for (auto& entry : registration::ClassEntries(kClasses, kAnyDll, bitness == Bitness::kX64)) {
    const std::u16string_view below = std::u16string_view(entry.key).substr(classes.size());
    if (below.starts_with(u"CLSID\\")) {
      groups.classes.push_back(std::move(entry));
    } else if (below.starts_with(u"TypeLib\\") || below.starts_with(u"Interface\\")) {
      groups.type_library.push_back(std::move(entry));
    } else {
      groups.prog_ids.push_back(std::move(entry));
    }
  }
  return groups;
}

bool Holds(Installation& installation, Hive hive, Bitness view, const RegistryEntry& entry) {
  if (entry.is_number)
    return installation.Number(hive, view, entry.key, entry.name) == entry.number;
  const auto text = installation.Text(hive, view, entry.key, entry.name);
  if (entry.text == kAnyDll) return text && !text->empty();
  // An empty default value only marks its key; installers create the key alone.
  if (entry.text.empty() && entry.name.empty())
    return installation.KeyExists(hive, view, entry.key);
  return text == entry.text;
}

Place PlaceOf(Installation& installation, Bitness view, const std::vector<RegistryEntry>& entries) {
  const auto whole = [&](Hive hive) {
    return std::all_of(entries.begin(), entries.end(), [&](const RegistryEntry& entry) {
      return Holds(installation, hive, view, entry);
    });
  };
  const bool user = whole(Hive::kCurrentUser);
  const bool machine = whole(Hive::kLocalMachine);
  if (user && machine) return Place::kBoth;
  if (user) return Place::kPerUser;
  if (machine) return Place::kMachineWide;
  const bool some = std::any_of(entries.begin(), entries.end(), [&](const RegistryEntry& entry) {
    return installation.KeyExists(Hive::kCurrentUser, view, entry.key) ||
           installation.KeyExists(Hive::kLocalMachine, view, entry.key);
  });
  return some ? Place::kIncomplete : Place::kMissing;
}

bool HasWord(std::u16string_view words, std::u16string_view word) {
  std::size_t at = 0;
  while (at < words.size()) {
    const std::size_t end = std::min(words.find(u' ', at), words.size());
    if (text::EqualsIgnoringAsciiCase(words.substr(at, end - at), word)) return true;
    at = end + 1;
  }
  return false;
}

// The compatibility layers name a program by its full path: the user's own entries, and the
// machine's as the 64-bit and the 32-bit programs that set them wrote them.
std::optional<std::u16string> ElevatedBy(Installation& installation, std::u16string_view program) {
  for (const auto& [hive, view] :
       {std::pair{Hive::kCurrentUser, Bitness::kX64}, std::pair{Hive::kLocalMachine, Bitness::kX64},
        std::pair{Hive::kLocalMachine, Bitness::kX86}}) {
    for (const auto& [path, layers] : installation.Texts(hive, view, kLayers)) {
      const std::u16string_view file =
          std::u16string_view(path).substr(path.find_last_of(u"\\/") + 1);
      if (text::EqualsIgnoringAsciiCase(file, program) && HasWord(layers, kRunAsAdministrator))
        return path;
    }
  }
  return std::nullopt;
}

}  // namespace

EditorFindings Find(Installation& installation, const Editor& editor) {
  const Bitness view = editor.bitness;
  EditorFindings found;
  found.editor = editor;
  found.listed = installation.KeyExists(Hive::kCurrentUser, view, editor.add_in_key);
  found.load_behavior =
      installation.Number(Hive::kCurrentUser, view, editor.add_in_key, u"LoadBehavior");
  const Groups groups = RegistrationGroups(view);
  found.classes = PlaceOf(installation, view, groups.classes);
  found.prog_ids = PlaceOf(installation, view, groups.prog_ids);
  found.type_library = PlaceOf(installation, view, groups.type_library);
  for (const auto* group : {&groups.classes, &groups.prog_ids, &groups.type_library}) {
    for (const auto& entry : *group) {
      found.machine_keys |= installation.KeyExists(Hive::kLocalMachine, view, entry.key);
    }
  }
  if (!editor.program.empty()) found.elevated_by = ElevatedBy(installation, editor.program);

  // An elevated editor reads only the machine's classes; any other the user's first.
  const auto server =
      std::u16string(kClasses) + u"\\CLSID\\" + registration::kConnectClassId + u"\\InprocServer32";
  for (const Hive hive : {Hive::kCurrentUser, Hive::kLocalMachine}) {
    if (found.elevated_by && hive == Hive::kCurrentUser) continue;
    if (auto path = installation.Text(hive, view, server, u""); path && !path->empty()) {
      found.dll_path = std::move(path);
      found.dll_hive = hive;
      break;
    }
  }
  if (!found.dll_path) return found;
  const auto file = installation.ReadDll(*found.dll_path);
  found.dll = file ? DllState::kPresent : DllState::kMissing;
  if (file) {
    found.dll_bitness = PeBitness(file->head);
    found.dll_version = file->version;
  }
  return found;
}

}  // namespace tessaly::doctor
