#include "doctor/remedies.h"

#include <algorithm>

#include "language/messages.h"
#include "text/utf.h"

namespace tessaly::doctor {

namespace {

using language::Message;
using language::MessageId;

// Writes every entry, stopping at the first the registry refuses; the line says which.
Message WriteAll(Installation& installation, Bitness view,
                 const std::vector<registration::RegistryEntry>& entries, Message done) {
  for (const auto& entry : entries) {
    if (!installation.WriteForUser(view, entry)) {
      return {MessageId::kCouldNotWrite, {text::ToUtf8(entry.key)}, {}};
    }
  }
  return done;
}

MessageId BitsOf(Bitness bitness) {
  return bitness == Bitness::kX86 ? MessageId::kBits32 : MessageId::kBits64;
}

}  // namespace

std::vector<std::string> ApplyRemedies(Installation& installation, const Examination& examination,
                                       language::Language language) {
  std::vector<std::string> lines;
  std::vector<Bitness> registered;
  for (const auto& problem : examination.problems) {
    const Editor& editor = problem.editor;
    const bool win64 = editor.bitness == Bitness::kX64;
    if (problem.remedy == Remedy::kAddInKey) {
      auto entries = registration::EditorAddInEntries(win64);
      std::erase_if(entries, [&](const auto& entry) { return entry.key != editor.add_in_key; });
      const Message written{MessageId::kWroteAddInKey, {}, editor.name};
      lines.push_back(Say(language, WriteAll(installation, editor.bitness, entries, written)));
    } else if (problem.remedy == Remedy::kUserRegistration &&
               std::find(registered.begin(), registered.end(), editor.bitness) ==
                   registered.end()) {
      registered.push_back(editor.bitness);
      const auto dll = installation.InstalledDll(editor.bitness);
      const Message done{
          MessageId::kRegisteredForUser, {text::ToUtf8(dll), BitsOf(editor.bitness)}, {}};
      lines.push_back(Say(
          language, WriteAll(installation, editor.bitness,
                             registration::ClassEntries(u"Software\\Classes", dll, win64), done)));
    }
  }
  return lines;
}

}  // namespace tessaly::doctor
