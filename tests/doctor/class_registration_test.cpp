// The registration as COM reads it: a class's name leads to its class, the class to the DLL of
// the bitness registered, loaded into the editor's single-threaded apartment; the tab's interface
// is marshalled by the system's automation proxy from our type library; and what unregistering
// removes holds every key registering wrote.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "doctor/fake_installation.h"
#include "registration/registration_entries.h"
#include "text/utf.h"

namespace tessaly::registration {
namespace {

using doctor::testing::kClasses;

class Written {
 public:
  explicit Written(const std::vector<RegistryEntry>& entries) {
    for (const auto& entry : entries)
      values_[entry.key][entry.name] = entry.text;
  }
  // A value as COM asks for it; "(none)" where nothing was written.
  std::u16string Text(const std::u16string& key, const std::u16string& name = u"") const {
    const auto found = values_.find(kClasses + u"\\" + key);
    if (found == values_.end() || !found->second.contains(name)) return u"(none)";
    return found->second.at(name);
  }
  const std::map<std::u16string, std::map<std::u16string, std::u16string>>& Values() const {
    return values_;
  }

 private:
  std::map<std::u16string, std::map<std::u16string, std::u16string>> values_;
};

TEST(ClassRegistration, LeadsComFromEachNameToTheDllOfItsBitnessAndBack) {
  for (const bool win64 : {false, true}) {
    SCOPED_TRACE(win64);
    const std::u16string dll = win64 ? u"C:\\T\\x64\\QWIX.dll" : u"C:\\T\\x86\\QWIX.dll";
    const Written written(ClassEntries(kClasses, dll, win64));
    for (const std::u16string prog_id : {u"QWIX.Connect", u"QWIX.VBIDETab"}) {
      SCOPED_TRACE(text::ToUtf8(prog_id));
      const auto class_id = written.Text(prog_id + u"\\CLSID");
      const auto server = u"CLSID\\" + class_id + u"\\InprocServer32";
      EXPECT_EQ(written.Text(server), dll);
      EXPECT_EQ(written.Text(server, u"ThreadingModel"), u"Apartment");
      EXPECT_EQ(written.Text(u"CLSID\\" + class_id + u"\\ProgID"), prog_id);
      EXPECT_EQ(written.Text(u"CLSID\\" + class_id), prog_id);
      EXPECT_EQ(written.Text(u"CLSID\\" + class_id + u"\\VERSION"), u"1.0");
      EXPECT_TRUE(written.Text(prog_id).starts_with(u"Tessaly"))
          << text::ToUtf8(written.Text(prog_id));
      const auto library = written.Text(u"CLSID\\" + class_id + u"\\TypeLib");
      EXPECT_EQ(
          written.Text(u"TypeLib\\" + library + u"\\1.0\\0\\" + (win64 ? u"win64" : u"win32")),
          dll);
      EXPECT_EQ(written.Text(u"TypeLib\\" + library + u"\\1.0\\FLAGS"), u"0");
    }
    EXPECT_EQ(written.Text(u"QWIX.Connect\\CLSID"), kConnectClassId);
    EXPECT_EQ(written.Text(u"QWIX.VBIDETab\\CLSID"), kTabClassId);
    // The tab window is a control and, for VB6's tool windows, an ActiveX document.
    const auto tab_class = std::u16string(u"CLSID\\") + kTabClassId;
    EXPECT_EQ(written.Text(tab_class + u"\\Control"), u"");
    EXPECT_EQ(written.Text(tab_class + u"\\DocObject"), u"0");

    const auto interface_key = std::u16string(u"Interface\\") + kTabInterfaceId;
    EXPECT_EQ(written.Text(interface_key + u"\\ProxyStubClsid32"),
              u"{00020424-0000-0000-C000-000000000046}");
    EXPECT_EQ(written.Text(interface_key + u"\\TypeLib"), kLibraryId);
    EXPECT_EQ(written.Text(interface_key + u"\\TypeLib", u"Version"), u"1.0");
    // The names the References dialog and the object viewers show.
    EXPECT_EQ(written.Text(std::u16string(u"TypeLib\\") + kLibraryId + u"\\1.0"), u"Tessaly");
    EXPECT_EQ(written.Text(interface_key), u"_VBIDETab");

    // Unregistering removes these keys, and every key written lies within one of them.
    const auto owned = OwnedClassKeys(kClasses, win64, ClassKeys::kAll);
    for (const auto& [key, values] : written.Values()) {
      const bool removed = std::any_of(owned.begin(), owned.end(), [&](const auto& root) {
        return key == root || key.starts_with(root + u"\\");
      });
      EXPECT_TRUE(removed) << text::ToUtf8(key);
    }
  }
}

}  // namespace
}  // namespace tessaly::registration
