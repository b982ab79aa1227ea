// The doctor over the installations it can meet: either package, each bitness's registration
// whole or missing a part or pointing at the other DLL, each DLL right, gone, older, no DLL or
// of the other machine, each editor's LoadBehavior any of its values. Drawn from fixed seeds;
// what must hold on every one of them is checked, not the wording of one.

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "doctor/examination.h"
#include "doctor/fake_installation.h"
#include "doctor/remedies.h"
#include "text/utf.h"

namespace tessaly::doctor {
namespace {

using testing::FakeInstallation;
using testing::kClasses;
using testing::kMachineFolder;
using testing::kUserFolder;
using testing::kVersion;

struct Drawn {
  FakeInstallation installation;
  bool broken = false;
  std::string what;  // what was broken, for the failure's message
};

Drawn Draw(std::mt19937& random) {
  const auto below = [&](int bound) {
    return std::uniform_int_distribution<int>(0, bound - 1)(random);
  };
  Drawn drawn;
  auto& i = drawn.installation;
  const Hive package = below(2) ? Hive::kCurrentUser : Hive::kLocalMachine;
  i.InstallPackage(package, package == Hive::kCurrentUser ? kUserFolder : kMachineFolder,
                   u"1.36.0");
  for (const Bitness bitness : {Bitness::kX86, Bitness::kX64}) {
    const bool win64 = bitness == Bitness::kX64;
    const Bitness other = win64 ? Bitness::kX86 : Bitness::kX64;
    const std::u16string parts[] = {kClasses + u"\\CLSID", kClasses + u"\\QWIX.Connect",
                                    kClasses + u"\\TypeLib", kClasses};
    switch (const int registration = below(12)) {
      case 0:
      case 1:
      case 2:
      case 3:
        i.Remove(package, bitness, parts[registration]);
        drawn.broken = true;
        drawn.what += " removed " + text::ToUtf8(parts[registration]);
        break;
      case 4:  // registered with the other bitness's DLL
        for (const auto& entry : registration::ClassEntries(kClasses, i.InstalledDll(other), win64))
          i.Put(package, bitness, entry);
        drawn.broken = true;
        drawn.what += " other DLL";
        break;
      case 5: {  // the class's server written with an empty path
        const auto server =
            kClasses + u"\\CLSID\\" + registration::kConnectClassId + u"\\InprocServer32";
        i.keys[{package, bitness, server}][u""].text.clear();
        drawn.broken = true;
        drawn.what += " no path";
        break;
      }
      default:
        break;
    }
    auto& dll = i.files[i.InstalledDll(bitness)];
    switch (below(10)) {
      case 0:
        i.files.erase(i.InstalledDll(bitness));
        drawn.broken = true;
        drawn.what += " DLL gone";
        break;
      case 1:
        dll.version = u"1.35.0";
        drawn.broken = true;
        drawn.what += " older";
        break;
      case 2:
        dll.head = {'M', 'Z'};
        drawn.broken = true;
        drawn.what += " no DLL";
        break;
      case 3:
        dll.head = testing::PeHead(win64 ? 0x14C : 0x8664);
        drawn.broken = true;
        drawn.what += " other machine";
        break;
      default:
        break;
    }
  }
  for (const auto& editor : Editors()) {
    switch (below(8)) {
      case 0:
        i.Remove(Hive::kCurrentUser, editor.bitness, editor.add_in_key);
        drawn.broken = true;
        drawn.what += " " + editor.name + " unlisted";
        break;
      case 1:
      case 2:
        i.Put(Hive::kCurrentUser, editor.bitness,
              {editor.add_in_key, u"LoadBehavior", {}, static_cast<std::uint32_t>(below(3)), true});
        drawn.broken = true;
        drawn.what += " " + editor.name + " LoadBehavior";
        break;
      default:
        break;
    }
  }
  return drawn;
}

std::set<std::string> Lines(const std::vector<Problem>& problems) {
  std::set<std::string> lines;
  for (const auto& problem : problems)
    lines.insert(problem.line);
  return lines;
}

TEST(InstallationMatrix, EveryProblemNamesItsEditorAndFixOnlyMendsWhatItPromises) {
  std::mt19937 random(20261207);
  const auto editors = Editors();
  int healthy = 0, mended = 0;
  for (int draw = 0; draw < 400; ++draw) {
    SCOPED_TRACE("draw " + std::to_string(draw));
    auto [installation, broken, what] = Draw(random);
    const auto before = Examine(installation, kVersion, language::Language::kEnglish);
    const auto chinese = Examine(installation, kVersion, language::Language::kChinese);
    ASSERT_EQ(chinese.problems.size(), before.problems.size());
    healthy += before.problems.empty();
    // An installation left whole is healthy; one whose LoadBehavior is 3 again may be too.
    // What the draw broke is found; an installation left whole is healthy.
    EXPECT_EQ(before.problems.empty(), !broken) << what;

    for (std::size_t k = 0; k < before.problems.size(); ++k) {
      const auto& problem = before.problems[k];
      const bool known = std::any_of(editors.begin(), editors.end(), [&](const Editor& e) {
        return e.name == problem.editor.name;
      });
      EXPECT_TRUE(known) << problem.line;
      EXPECT_TRUE(problem.line.starts_with(problem.editor.name + ": ")) << problem.line;
      EXPECT_TRUE(chinese.problems[k].line.starts_with(problem.editor.name + ": "));
      EXPECT_EQ(chinese.problems[k].remedy, problem.remedy);
      EXPECT_EQ(problem.line.find('\n'), std::string::npos);
    }

    const auto keys_before = installation.keys;
    const auto done = ApplyRemedies(installation, before, language::Language::kEnglish);
    // Each registration names the programs its DLL serves.
    for (const auto& line : done) {
      if (!line.starts_with("registered ")) continue;
      const bool x64 = line.find("x64\\QWIX.dll") != std::string::npos;
      EXPECT_NE(line.find(x64 ? " 64-bit programs" : " 32-bit programs"), std::string::npos)
          << line;
    }
    const auto after = Examine(installation, kVersion, language::Language::kEnglish);
    // --fix writes the user's keys only, makes nothing worse, and leaves no problem it has a
    // remedy for.
    for (const auto& [key, values] : installation.keys) {
      if (std::get<0>(key) == Hive::kLocalMachine) {
        EXPECT_EQ(keys_before.at(key), values);
      }
    }
    // A problem --fix mended may uncover the next one of the same editor, which the same run
    // then shows; nothing else is new.
    std::set<std::string> mended_editors;
    for (const auto& problem : before.problems)
      if (problem.remedy != Remedy::kNone) mended_editors.insert(problem.editor.name);
    for (const auto& problem : after.problems) {
      EXPECT_EQ(problem.remedy, Remedy::kNone) << "not mended: " << problem.line;
      EXPECT_TRUE(Lines(before.problems).contains(problem.line) ||
                  mended_editors.contains(problem.editor.name))
          << "new: " << problem.line;
    }
    EXPECT_EQ(done.empty(), keys_before == installation.keys);
    mended += !mended_editors.empty() && after.problems.empty();
    // A second --fix finds nothing more to do.
    const auto keys_fixed = installation.keys;
    EXPECT_TRUE(ApplyRemedies(installation, after, language::Language::kEnglish).empty());
    EXPECT_EQ(installation.keys, keys_fixed);
  }
  // The draws reach both ends: healthy installations and ones --fix mends whole.
  EXPECT_GT(healthy, 3);
  EXPECT_GT(mended, 10);
}

}  // namespace
}  // namespace tessaly::doctor
