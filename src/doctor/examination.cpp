#include "doctor/examination.h"

#include <algorithm>

#include "doctor/pe_machine.h"
#include "text/utf.h"

namespace tessaly::doctor {

namespace {

using win32::RegistryEntry;

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
  for (auto& entry : win32::ClassEntries(kClasses, kAnyDll, bitness == Bitness::kX64)) {
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

char16_t Upper(char16_t c) {
  return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool SameIgnoringCase(std::u16string_view a, std::u16string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char16_t x, char16_t y) { return Upper(x) == Upper(y); });
}

bool HasWord(std::u16string_view words, std::u16string_view word) {
  std::size_t at = 0;
  while (at < words.size()) {
    const std::size_t end = std::min(words.find(u' ', at), words.size());
    if (SameIgnoringCase(words.substr(at, end - at), word)) return true;
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
      if (SameIgnoringCase(file, program) && HasWord(layers, kRunAsAdministrator)) return path;
    }
  }
  return std::nullopt;
}

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
      std::u16string(kClasses) + u"\\CLSID\\" + win32::kConnectClassId + u"\\InprocServer32";
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

std::string BitsOf(Bitness bitness) {
  return bitness == Bitness::kX86 ? "32-bit" : "64-bit";
}

std::string DllName(Bitness bitness) {
  return bitness == Bitness::kX86 ? "x86\\QWIX.dll" : "x64\\QWIX.dll";
}

// Turns findings into problems; knows whether the installed DLLs can be registered again.
class Diagnosis {
 public:
  Diagnosis(Installation& installation, const std::string& version)
      : installation_(installation), version_(version) {}

  void Diagnose(const EditorFindings& found, std::vector<Problem>& problems) {
    const auto add = [&](std::string line, Remedy remedy) {
      problems.push_back({found.editor, found.editor.name + ": " + std::move(line), remedy});
    };
    const Bitness bitness = found.editor.bitness;
    const bool nothing = !found.listed && found.classes == Place::kMissing &&
                         found.prog_ids == Place::kMissing && found.type_library == Place::kMissing;
    if (nothing && !CanRegister(bitness)) {
      add("the add-in is not installed for this editor; " +
              Advice(Remedy::kNone, bitness, std::nullopt),
          Remedy::kNone);
      return;
    }
    if (!found.listed) {
      add("the add-in is not in the editor's add-in list; " + kRunFix, Remedy::kAddInKey);
    } else if (found.load_behavior != win32::kLoadAtStartup) {
      add(LoadBehaviorText(found.load_behavior) + "; " + kRunFix, Remedy::kAddInKey);
    }

    std::vector<std::string> lacking;
    const std::pair<Place, const char*> parts[] = {{found.classes, "the class"},
                                                   {found.prog_ids, "the ProgID"},
                                                   {found.type_library, "the type library"}};
    for (const auto& [place, part] : parts) {
      if (place == Place::kMissing || place == Place::kIncomplete) lacking.push_back(part);
    }
    if (!lacking.empty()) {
      std::string what;
      for (const auto& part : lacking)
        what += (what.empty() ? "" : ", ") + part;
      // What the machine's registration lacks needs an administrator: registering for the user
      // would serve no elevated editor and outlive the all-users package.
      const Remedy remedy =
          !found.machine_keys && CanRegister(bitness) ? Remedy::kUserRegistration : Remedy::kNone;
      const auto registered_in =
          found.machine_keys ? std::optional(Hive::kLocalMachine) : std::nullopt;
      add(what + " of the add-in " + (lacking.size() == 1 ? "is" : "are") + " not registered for " +
              BitsOf(bitness) + " programs; " + Advice(remedy, bitness, registered_in),
          remedy);
      return;
    }
    const bool machine_wide = found.classes != Place::kPerUser &&
                              found.prog_ids != Place::kPerUser &&
                              found.type_library != Place::kPerUser;
    if (found.elevated_by && !machine_wide) {
      add(text::ToUtf8(found.editor.program) + " is marked to run as administrator (" +
              text::ToUtf8(*found.elevated_by) +
              "), and an elevated editor does not read a per-user registration; install " +
              AllUsersPackage() +
              " as administrator, or clear \"Run this program as an administrator\" for " +
              text::ToUtf8(found.editor.program),
          Remedy::kNone);
      return;
    }
    if (!found.dll_path) return;
    const std::string path = text::ToUtf8(*found.dll_path);
    const Remedy remedy = DllRemedy(bitness, found);
    if (found.dll == DllState::kMissing) {
      add(path + " does not exist; " + Advice(remedy, bitness, found.dll_hive), remedy);
    } else if (!found.dll_bitness) {
      add(path + " is not a Windows DLL; " + Advice(remedy, bitness, found.dll_hive), remedy);
    } else if (found.dll_bitness != bitness) {
      add(path + " is a " + BitsOf(*found.dll_bitness) + " DLL, which a " + BitsOf(bitness) +
              " editor cannot load; " + Advice(remedy, bitness, found.dll_hive),
          remedy);
    } else if (found.dll_version != text::FromUtf8(version_)) {
      add(path + " is " +
              (found.dll_version ? "version " + text::ToUtf8(*found.dll_version)
                                 : std::string("of no version")) +
              ", not " + version_ + " as tessaly is; " +
              Advice(Remedy::kNone, bitness, found.dll_hive),
          Remedy::kNone);
    }
  }

 private:
  static inline const std::string kRunFix = "run: tessaly doctor --fix";

  static std::string LoadBehaviorText(std::optional<std::uint32_t> value) {
    if (!value) return "the add-in's LoadBehavior is missing";
    if (*value == 0) {
      return "LoadBehavior is 0: the editor turned the add-in off, as it does when the add-in "
             "fails to load";
    }
    return "LoadBehavior is " + std::to_string(*value) + ", not 3 (loaded at start-up)";
  }

  std::string UserPackage() const { return "tessaly-" + version_ + ".msi"; }
  std::string AllUsersPackage() const { return "tessaly-" + version_ + "-allusers.msi"; }

  bool CanRegister(Bitness bitness) {
    const auto file = installation_.ReadDll(installation_.InstalledDll(bitness));
    return file && PeBitness(file->head) == bitness;
  }

  // A wrong DLL behind the user's own registration is mended by registering the installed one
  // for the user again (a fault of the installed one itself fails CanRegister); the machine's
  // registration needs an administrator.
  Remedy DllRemedy(Bitness bitness, const EditorFindings& found) {
    return found.dll_hive == Hive::kCurrentUser && CanRegister(bitness) ? Remedy::kUserRegistration
                                                                        : Remedy::kNone;
  }

  // What to do about a lacking or wrong registration, found in `registered_in` if anywhere.
  std::string Advice(Remedy remedy, Bitness bitness, std::optional<Hive> registered_in) const {
    if (remedy == Remedy::kUserRegistration) {
      return "run: tessaly doctor --fix (registers " + DllName(bitness) + " for this user)";
    }
    if (registered_in == Hive::kLocalMachine) {
      return "install " + AllUsersPackage() + " again, as administrator";
    }
    if (registered_in == Hive::kCurrentUser) return "install " + UserPackage() + " again";
    return "install " + AllUsersPackage() + " as administrator, or " + UserPackage() +
           " for this user alone";
  }

  Installation& installation_;
  std::string version_;
};

}  // namespace

Examination Examine(Installation& installation, const std::string& version) {
  Examination examination;
  Diagnosis diagnosis(installation, version);
  for (const auto& editor : Editors()) {
    examination.editors.push_back(Find(installation, editor));
    diagnosis.Diagnose(examination.editors.back(), examination.problems);
  }
  return examination;
}

}  // namespace tessaly::doctor
