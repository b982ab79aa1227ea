#include "registration/registration_entries.h"

namespace tessaly::registration {

namespace {

constexpr char16_t kConnectProgId[] = u"QWIX.Connect";
constexpr char16_t kTabProgId[] = u"QWIX.VBIDETab";
constexpr char16_t kFriendlyName[] = u"QWIX";
constexpr char16_t kDescription[] = u"Tessaly 中文代码编辑器插件 (code-editor add-in)";
// The system's automation marshaller, for our own dual interface.
constexpr char16_t kAutomationProxy[] = u"{00020424-0000-0000-C000-000000000046}";

RegistryEntry Text(std::u16string key, std::u16string name, std::u16string text) {
  return {std::move(key), std::move(name), std::move(text), 0, false};
}

RegistryEntry Number(std::u16string key, std::u16string name, std::uint32_t number) {
  return {std::move(key), std::move(name), {}, number, true};
}

void AddClass(std::vector<RegistryEntry>& entries, const std::u16string& classes,
              const std::u16string& prog_id, const std::u16string& class_id,
              const std::u16string& title, const std::u16string& dll_path) {
  const auto prog = classes + u"\\" + prog_id;
  const auto clsid = classes + u"\\CLSID\\" + class_id;
  entries.push_back(Text(prog, u"", title));
  entries.push_back(Text(prog + u"\\CLSID", u"", class_id));
  entries.push_back(Text(clsid, u"", prog_id));
  entries.push_back(Text(clsid + u"\\InprocServer32", u"", dll_path));
  entries.push_back(Text(clsid + u"\\InprocServer32", u"ThreadingModel", u"Apartment"));
  entries.push_back(Text(clsid + u"\\ProgID", u"", prog_id));
  entries.push_back(Text(clsid + u"\\TypeLib", u"", kLibraryId));
  entries.push_back(Text(clsid + u"\\VERSION", u"", u"1.0"));
}

}  // namespace

std::u16string VbaAddInKey(bool win64) {
  return win64 ? u"Software\\Microsoft\\VBA\\VBE\\6.0\\Addins64\\QWIX.Connect"
               : u"Software\\Microsoft\\VBA\\VBE\\6.0\\Addins\\QWIX.Connect";
}

std::u16string Vb6AddInKey() {
  return u"Software\\Microsoft\\Visual Basic\\6.0\\Addins\\QWIX.Connect";
}

std::vector<RegistryEntry> ClassEntries(const std::u16string& classes_key,
                                        const std::u16string& dll_path, bool win64) {
  std::vector<RegistryEntry> entries;
  AddClass(entries, classes_key, kConnectProgId, kConnectClassId, u"Tessaly", dll_path);
  AddClass(entries, classes_key, kTabProgId, kTabClassId, u"Tessaly 标签", dll_path);
  entries.push_back(Text(classes_key + u"\\CLSID\\" + kTabClassId + u"\\Control", u"", u""));
  // An ActiveX document too, as VB6's tool windows hold them.
  entries.push_back(Text(classes_key + u"\\CLSID\\" + kTabClassId + u"\\DocObject", u"", u"0"));

  const auto library = classes_key + u"\\TypeLib\\" + kLibraryId + u"\\1.0";
  entries.push_back(Text(library, u"", u"Tessaly"));
  entries.push_back(Text(library + u"\\0\\" + (win64 ? u"win64" : u"win32"), u"", dll_path));
  entries.push_back(Text(library + u"\\FLAGS", u"", u"0"));

  const auto interface_key = classes_key + u"\\Interface\\" + kTabInterfaceId;
  entries.push_back(Text(interface_key, u"", u"_VBIDETab"));
  entries.push_back(Text(interface_key + u"\\ProxyStubClsid32", u"", kAutomationProxy));
  entries.push_back(Text(interface_key + u"\\TypeLib", u"", kLibraryId));
  entries.push_back(Text(interface_key + u"\\TypeLib", u"Version", u"1.0"));
  return entries;
}

std::vector<std::u16string> OwnedClassKeys(const std::u16string& classes_key, bool /*win64*/,
                                           ClassKeys which) {
  std::vector<std::u16string> keys;
  if (which != ClassKeys::kShared) {
    keys.push_back(classes_key + u"\\CLSID\\" + kConnectClassId);
    keys.push_back(classes_key + u"\\CLSID\\" + kTabClassId);
  }
  if (which != ClassKeys::kSeparatePerBitness) {
    keys.push_back(classes_key + u"\\" + kConnectProgId);
    keys.push_back(classes_key + u"\\" + kTabProgId);
    keys.push_back(classes_key + u"\\TypeLib\\" + kLibraryId);
    keys.push_back(classes_key + u"\\Interface\\" + kTabInterfaceId);
  }
  return keys;
}

std::u16string OwnTypeLibraryEntry(const std::u16string& classes_key, bool win64) {
  return classes_key + u"\\TypeLib\\" + kLibraryId + u"\\1.0\\0\\" + (win64 ? u"win64" : u"win32");
}

std::vector<RegistryEntry> EditorAddInEntries(bool win64) {
  std::vector<std::u16string> keys{VbaAddInKey(win64)};
  // VB6 exists only as a 32-bit program.
  if (!win64) keys.push_back(Vb6AddInKey());
  std::vector<RegistryEntry> entries;
  for (const auto& key : keys) {
    entries.push_back(Text(key, u"FriendlyName", kFriendlyName));
    entries.push_back(Text(key, u"Description", kDescription));
    entries.push_back(Number(key, u"LoadBehavior", kLoadAtStartup));
  }
  return entries;
}

std::vector<std::u16string> OwnedEditorKeys(bool win64) {
  if (win64) return {VbaAddInKey(true)};
  return {VbaAddInKey(false), Vb6AddInKey()};
}

}  // namespace tessaly::registration
