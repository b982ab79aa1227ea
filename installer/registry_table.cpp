// Prints the installer's Registry table, in Windows Installer's text archive format, from the
// same entries DllRegisterServer writes, so that the MSI and the DLL's own registration cannot
// drift apart. scripts/build-msi imports it into the package wixl builds.
//
// usage: registry_table HKCU|HKLM    (the classes root: per-user or machine-wide package)

#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "registration/registration_entries.h"
#include "text/utf.h"

namespace {

using tessaly::registration::RegistryEntry;

// The components and folders of installer/tessaly.wxs that hold each DLL; a component's
// bitness decides which registry view its rows are written to.
struct Bitness {
  bool win64;
  const char* component;
  const char16_t* dll_path;  // formatted: the installer puts in the folder's path
  const char* row_prefix;
};
constexpr Bitness kBitnesses[] = {
    {false, "QwixX86", u"[X86DIR]QWIX.dll", "RegX86_"},
    {true, "QwixX64", u"[X64DIR]QWIX.dll", "RegX64_"},
};

constexpr char16_t kClassesKey[] = u"Software\\Classes";
// Windows Installer's numbers for the registry roots.
constexpr int kCurrentUser = 1;
constexpr int kLocalMachine = 2;
// Names with a meaning of their own when a row has no value: create the key on install and
// delete it on uninstall; delete the key and all below it on uninstall.
constexpr char kCreateAndRemoveKey[] = "*";
constexpr char kRemoveKeyTree[] = "-";

struct Row {
  int root;
  std::string key;
  std::string name;
  std::string value;
};

// The formatted columns read brackets and braces holding brackets as properties, and a leading
// '#' as a number; the table's own texts need none of that, so meeting it means the table
// grew something this program must learn to escape.
std::string Plain(const std::u16string& text) {
  for (const char16_t c : text) {
    if (c == u'[' || c == u']' || c == u'\t' || c == u'\r' || c == u'\n') {
      throw std::runtime_error("cannot carry '" + tessaly::text::ToUtf8(text) + "' as is");
    }
  }
  if (!text.empty() && text.front() == u'#') {
    throw std::runtime_error("a text starting with '#' reads as a number");
  }
  return tessaly::text::ToUtf8(text);
}

Row ValueRow(int root, const RegistryEntry& entry, const std::u16string& dll_path,
             const std::u16string& formatted_dll_path) {
  Row row{root, Plain(entry.key), Plain(entry.name), {}};
  if (entry.is_number) {
    row.value = "#" + std::to_string(entry.number);
  } else if (entry.text == dll_path) {
    row.value = tessaly::text::ToUtf8(formatted_dll_path);
  } else if (entry.text.empty()) {
    // An empty default value only marks the key (a control's "Control" key); the installer
    // cannot write an empty text, so it creates the key alone.
    if (!entry.name.empty()) throw std::runtime_error("an empty named value has no row form");
    row.name = kCreateAndRemoveKey;
  } else {
    row.value = Plain(entry.text);
  }
  return row;
}

std::vector<Row> RowsOf(const Bitness& bitness, int classes_root) {
  // A marker no real path equals, replaced by the formatted folder path.
  const std::u16string dll_path = u"<QWIX.dll>";
  std::vector<Row> rows;
  for (const auto& entry :
       tessaly::registration::ClassEntries(kClassesKey, dll_path, bitness.win64)) {
    rows.push_back(ValueRow(classes_root, entry, dll_path, bitness.dll_path));
  }
  for (const auto& entry : tessaly::registration::EditorAddInEntries(bitness.win64)) {
    rows.push_back(ValueRow(kCurrentUser, entry, dll_path, bitness.dll_path));
  }
  // Uninstalling removes what unregistering would: each of our keys whole.
  for (const auto& key : tessaly::registration::OwnedClassKeys(kClassesKey, bitness.win64)) {
    rows.push_back({classes_root, Plain(key), kRemoveKeyTree, {}});
  }
  for (const auto& key : tessaly::registration::OwnedEditorKeys(bitness.win64)) {
    rows.push_back({kCurrentUser, Plain(key), kRemoveKeyTree, {}});
  }
  return rows;
}

void PrintTable(int classes_root, std::ostream& out) {
  out << "Registry\tRoot\tKey\tName\tValue\tComponent_\r\n"
      << "s72\ti2\tl255\tL255\tL0\ts72\r\n"
      << "Registry\tRegistry\r\n";
  for (const auto& bitness : kBitnesses) {
    int number = 0;
    for (const auto& row : RowsOf(bitness, classes_root)) {
      out << bitness.row_prefix << ++number << '\t' << row.root << '\t' << row.key << '\t'
          << row.name << '\t' << row.value << '\t' << bitness.component << "\r\n";
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string root = argc == 2 ? argv[1] : "";
  if (root != "HKCU" && root != "HKLM") {
    std::cerr << "usage: registry_table HKCU|HKLM\n";
    return 2;
  }
  try {
    PrintTable(root == "HKCU" ? kCurrentUser : kLocalMachine, std::cout);
  } catch (const std::exception& error) {
    std::cerr << "registry_table: " << error.what() << "\n";
    return 1;
  }
  return std::cout.flush() ? 0 : 1;
}
