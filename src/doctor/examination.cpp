#include "doctor/examination.h"

#include "doctor/editor_findings.h"
#include "doctor/pe_machine.h"
#include "text/utf.h"

namespace tessaly::doctor {

namespace {

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
    } else if (found.load_behavior != registration::kLoadAtStartup) {
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
