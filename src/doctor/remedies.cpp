#include "doctor/remedies.h"

#include <algorithm>

#include "text/utf.h"

namespace tessaly::doctor {

namespace {

// Writes every entry, stopping at the first the registry refuses; the line says which.
std::string WriteAll(Installation& installation, Bitness view,
                     const std::vector<registration::RegistryEntry>& entries, std::string done) {
  for (const auto& entry : entries) {
    if (!installation.WriteForUser(view, entry)) {
      return "could not write HKEY_CURRENT_USER\\" + text::ToUtf8(entry.key);
    }
  }
  return done;
}

std::string BitsOf(Bitness bitness) {
  return bitness == Bitness::kX86 ? "32-bit" : "64-bit";
}

}  // namespace

std::vector<std::string> ApplyRemedies(Installation& installation, const Examination& examination) {
  std::vector<std::string> lines;
  std::vector<Bitness> registered;
  for (const auto& problem : examination.problems) {
    const Editor& editor = problem.editor;
    const bool win64 = editor.bitness == Bitness::kX64;
    if (problem.remedy == Remedy::kAddInKey) {
      auto entries = registration::EditorAddInEntries(win64);
      std::erase_if(entries, [&](const auto& entry) { return entry.key != editor.add_in_key; });
      lines.push_back(WriteAll(installation, editor.bitness, entries,
                               editor.name + ": wrote the editor's add-in key, LoadBehavior 3 "
                                             "(loaded at start-up)"));
    } else if (problem.remedy == Remedy::kUserRegistration &&
               std::find(registered.begin(), registered.end(), editor.bitness) ==
                   registered.end()) {
      registered.push_back(editor.bitness);
      const auto dll = installation.InstalledDll(editor.bitness);
      lines.push_back(WriteAll(installation, editor.bitness,
                               registration::ClassEntries(u"Software\\Classes", dll, win64),
                               "registered " + text::ToUtf8(dll) + " for " +
                                   BitsOf(editor.bitness) + " programs, for this user"));
    }
  }
  return lines;
}

}  // namespace tessaly::doctor
