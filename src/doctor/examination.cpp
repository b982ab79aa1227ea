#include "doctor/examination.h"

#include "doctor/editor_findings.h"
#include "doctor/pe_machine.h"
#include "language/messages.h"
#include "text/utf.h"

namespace tessaly::doctor {

namespace {

using language::Message;
using language::MessageId;

MessageId BitsOf(Bitness bitness) {
  return bitness == Bitness::kX86 ? MessageId::kBits32 : MessageId::kBits64;
}

std::string DllName(Bitness bitness) {
  return bitness == Bitness::kX86 ? "x86\\QWIX.dll" : "x64\\QWIX.dll";
}

// Turns findings into problems; knows whether the installed DLLs can be registered again.
class Diagnosis {
 public:
  Diagnosis(Installation& installation, const std::string& version, language::Language language)
      : installation_(installation), version_(version), language_(language) {}

  void Diagnose(const EditorFindings& found, std::vector<Problem>& problems) {
    const auto add = [&](const Message& line, Remedy remedy) {
      problems.push_back({found.editor, Say(line.At(found.editor.name)), remedy});
    };
    const Bitness bitness = found.editor.bitness;
    const bool nothing = !found.listed && found.classes == Place::kMissing &&
                         found.prog_ids == Place::kMissing && found.type_library == Place::kMissing;
    if (nothing && !CanRegister(bitness)) {
      add({MessageId::kNotInstalled, {Advice(Remedy::kNone, bitness, std::nullopt)}, {}},
          Remedy::kNone);
      return;
    }
    if (!found.listed) {
      add({MessageId::kNotInAddInList, {MessageId::kRunFix}, {}}, Remedy::kAddInKey);
    } else if (found.load_behavior != registration::kLoadAtStartup) {
      add({MessageId::kProblemAndAdvice,
           {Say(LoadBehaviorText(found.load_behavior)), MessageId::kRunFix},
           {}},
          Remedy::kAddInKey);
    }

    std::vector<MessageId> lacking;
    const std::pair<Place, MessageId> parts[] = {{found.classes, MessageId::kTheClass},
                                                 {found.prog_ids, MessageId::kTheProgId},
                                                 {found.type_library, MessageId::kTheTypeLibrary}};
    for (const auto& [place, part] : parts) {
      if (place == Place::kMissing || place == Place::kIncomplete) lacking.push_back(part);
    }
    if (!lacking.empty()) {
      std::string what;
      for (const auto& part : lacking) {
        if (!what.empty()) what += Words(MessageId::kListSeparator);
        what += Words(part);
      }
      // What the machine's registration lacks needs an administrator: registering for the user
      // would serve no elevated editor and outlive the all-users package.
      const Remedy remedy =
          !found.machine_keys && CanRegister(bitness) ? Remedy::kUserRegistration : Remedy::kNone;
      const auto registered_in =
          found.machine_keys ? std::optional(Hive::kLocalMachine) : std::nullopt;
      add({lacking.size() == 1 ? MessageId::kPartNotRegistered : MessageId::kPartsNotRegistered,
           {what, BitsOf(bitness), Advice(remedy, bitness, registered_in)},
           {}},
          remedy);
      return;
    }
    const bool machine_wide = found.classes != Place::kPerUser &&
                              found.prog_ids != Place::kPerUser &&
                              found.type_library != Place::kPerUser;
    if (found.elevated_by && !machine_wide) {
      add({MessageId::kRunsAsAdministrator,
           {text::ToUtf8(found.editor.program), text::ToUtf8(*found.elevated_by), AllUsersPackage(),
            text::ToUtf8(found.editor.program)},
           {}},
          Remedy::kNone);
      return;
    }
    if (!found.dll_path) return;
    const std::string path = text::ToUtf8(*found.dll_path);
    const Remedy remedy = DllRemedy(bitness, found);
    if (found.dll == DllState::kMissing) {
      add({MessageId::kDllMissing, {path, Advice(remedy, bitness, found.dll_hive)}, {}}, remedy);
    } else if (!found.dll_bitness) {
      add({MessageId::kNotAWindowsDll, {path, Advice(remedy, bitness, found.dll_hive)}, {}},
          remedy);
    } else if (found.dll_bitness != bitness) {
      add({MessageId::kDllOfOtherBits,
           {path, BitsOf(*found.dll_bitness), BitsOf(bitness),
            Advice(remedy, bitness, found.dll_hive)},
           {}},
          remedy);
    } else if (found.dll_version != text::FromUtf8(version_)) {
      const std::string advice = Advice(Remedy::kNone, bitness, found.dll_hive);
      add(found.dll_version ? Message{MessageId::kDllOfOtherVersion,
                                      {path, text::ToUtf8(*found.dll_version), version_, advice},
                                      {}}
                            : Message{MessageId::kDllOfNoVersion, {path, version_, advice}, {}},
          Remedy::kNone);
    }
  }

 private:
  static Message LoadBehaviorText(std::optional<std::uint32_t> value) {
    if (!value) return {MessageId::kLoadBehaviorMissing, {}, {}};
    if (*value == 0) return {MessageId::kLoadBehaviorOff, {}, {}};
    return {MessageId::kLoadBehaviorOther, {std::to_string(*value)}, {}};
  }

  std::string Say(const Message& message) const { return language::Say(language_, message); }
  const char* Words(MessageId id) const { return language::Words(language_, id); }

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
      return Say({MessageId::kAdviceRegisterForUser, {DllName(bitness)}, {}});
    }
    if (registered_in == Hive::kLocalMachine) {
      return Say({MessageId::kAdviceReinstallAllUsers, {AllUsersPackage()}, {}});
    }
    if (registered_in == Hive::kCurrentUser) {
      return Say({MessageId::kAdviceReinstallUser, {UserPackage()}, {}});
    }
    return Say({MessageId::kAdviceInstall, {AllUsersPackage(), UserPackage()}, {}});
  }

  Installation& installation_;
  std::string version_;
  language::Language language_;
};

}  // namespace

Examination Examine(Installation& installation, const std::string& version,
                    language::Language language) {
  Examination examination;
  Diagnosis diagnosis(installation, version, language);
  for (const auto& editor : Editors()) {
    examination.editors.push_back(Find(installation, editor));
    diagnosis.Diagnose(examination.editors.back(), examination.problems);
  }
  return examination;
}

}  // namespace tessaly::doctor
