// fmt works on several modules at once: what it prints, writes and refuses is what one thread
// gives, whatever the order the threads finish in.

#include <algorithm>
#include <sstream>

#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

constexpr auto kEnglish = language::Language::kEnglish;

using namespace test_support;

// Flat procedures, `count` of them: a module's size decides how long a thread takes over it.
std::string FlatProcedures(int count, const std::string& line_break) {
  std::string module = "Attribute VB_Name = \"M\"" + line_break;
  for (int k = 0; k < count; ++k)
    module += "Sub P" + std::to_string(k) + "()" + line_break + "If x Then" + line_break +
              "' \xD6\xD0\xCE\xC4" + line_break + "End If" + line_break + "End Sub" + line_break;
  return module;
}

struct Outcome {
  CommandResult result;
  std::vector<std::pair<std::string, std::string>> files;  // name and bytes, after the run
};

constexpr std::string_view kBrokenStyle = "<a broken .editorconfig, a missing file last>";

// The modules in a folder of their own, named alike in every folder, and fmt run over them
// with `mode`, `fault` standing in the middle of the list.
Outcome RunOver(const std::string& mode, const std::string& fault, std::size_t threads) {
  TempFolder folder;
  // A style of the folder's own: a module worked out before its style is known would come out
  // in the default one.
  folder.Write(".editorconfig", "[*]\nindent_size = 2\n");
  std::vector<std::string> args = {"fmt"};
  if (!mode.empty()) args.push_back(mode);
  // Large modules first and small ones after, so that threads finish out of order; formatted,
  // UTF-8 and LF ones among them.
  const std::vector<std::pair<std::string, std::string>> modules = {
      {"A.bas", FlatProcedures(3000, "\r\n")},
      {"B.bas", "Sub B()\r\n    x = 1\r\nEnd Sub\r\n"},
      {"C.bas", FlatProcedures(1500, "\n")},
      {"D.bas", "Sub D()\n' \xE4\xB8\xAD\xE6\x96\x87\nx = 1\nEnd Sub\n"},
      {"Fault", fault},
      {"E.bas", FlatProcedures(10, "\r\n")},
      {"F.bas", FlatProcedures(700, "\r\n")},
      {"G.bas", "Sub G()\r\nEnd Sub\r\n"},
  };
  for (const auto& [name, bytes] : modules) {
    if (name != "Fault") {
      args.push_back(folder.Write(name, bytes));
    } else if (fault == "-") {
      args.push_back("-");
    } else if (fault == kBrokenStyle) {
      folder.Write("broken/.editorconfig", "[*]\nindent_size = abc\n");
      args.push_back(folder.Write("broken/Fault.bas", "Sub S()\r\nEnd Sub\r\n"));
    } else if (!fault.empty()) {
      args.push_back(folder.Write("Fault.bas", fault));
    }
  }
  // Told before any style, as if every file were checked first.
  if (fault == kBrokenStyle) args.push_back(Utf8Text(folder.Path() / "Missing.bas"));
  std::istringstream in(FlatProcedures(5, "\r\n"));
  std::ostringstream out, err;
  // 1 MiB: the nested module below would grow past it.
  Outcome outcome;
  outcome.result.status =
      RunCommandLine(args, {in, out, err, std::size_t{1} << 20, kEnglish, threads});
  // The folder's own path is the same in every run, and so is the separator after it.
  const auto placed = [&](std::string text) {
    const std::string path = Utf8Text(folder.Path());
    for (std::size_t at; (at = text.find(path)) != std::string::npos;) {
      const bool separated = at + path.size() < text.size() && text[at + path.size()] == '\\';
      text.replace(at, path.size() + (separated ? 1 : 0), separated ? "<folder>/" : "<folder>");
    }
    return text;
  };
  outcome.result.out = placed(out.str());
  outcome.result.err = placed(err.str());
  for (const auto& name : folder.Entries()) {
    const auto path = folder.Path() / Utf8Path(name);
    if (is_regular_file(path)) outcome.files.emplace_back(name, ReadBytes(Utf8Text(path)));
  }
  return outcome;
}

TEST(ParallelFmt, AnswersAsOneThreadDoes) {
  std::string nested = "Sub A()\r\n";
  for (int k = 0; k < 2000; ++k)
    nested += k < 1000 ? "If x Then\r\n" : "End If\r\n";
  nested += "End Sub\r\n";
  // No fault, a binary file, a result past the bound, and standard input, in the middle.
  const std::string faults[] = {"", std::string("Sub A()\0\r\n", 10), nested, "-",
                                std::string(kBrokenStyle)};
  for (const std::string mode : {"--check", "--diff", "-i", ""}) {
    for (const std::string& fault : faults) {
      SCOPED_TRACE(mode + " " + testing::PrintToString(fault.substr(0, 8)));
      const Outcome one = RunOver(mode, fault, 1);
      const Outcome many = RunOver(mode, fault, 8);
      EXPECT_EQ(many.result.status, one.result.status);
      EXPECT_EQ(many.result.out, one.result.out);
      EXPECT_EQ(many.result.err, one.result.err);
      EXPECT_EQ(many.files, one.files);
      // What one thread gives, in a few of its particulars: the changed modules listed in the
      // order given (B only in the folder's style) and the refusal named.
      if (mode == "--check" && fault.empty()) {
        EXPECT_EQ(one.result.out,
                  "<folder>/A.bas\n<folder>/B.bas\n<folder>/C.bas\n<folder>/D.bas\n"
                  "<folder>/E.bas\n<folder>/F.bas\n");
      }
      if (fault == kBrokenStyle) {
        EXPECT_EQ(one.result.status, kExitBadInput);
        EXPECT_NE(one.result.err.find("Missing.bas"), std::string::npos) << one.result.err;
        EXPECT_EQ(one.result.out, "");
      }
      if (fault == nested) {
        EXPECT_EQ(one.result.status, kExitBadInput);
        EXPECT_NE(one.result.err.find("Fault.bas: the result would be larger"), std::string::npos)
            << one.result.err;
      }
    }
  }
}

// Standard input is read on the calling thread when its turn comes; a run of such modules
// longer than the threads may run ahead does not hold them up.
TEST(ParallelFmt, StandardInputTakesItsTurn) {
  TempFolder folder;
  const std::string module = folder.Write("A.bas", FlatProcedures(200, "\r\n"));
  const std::vector<std::string> args = {"fmt", "-", "-", "-", "-", "-", module, "-"};
  std::string outputs[2];
  for (const std::size_t threads : {1, 2}) {
    std::istringstream in(FlatProcedures(3, "\n"));
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine(args, {in, out, err, kModuleSizeLimit, kEnglish, threads}), kExitOk);
    outputs[threads - 1] = out.str();
  }
  EXPECT_EQ(outputs[1], outputs[0]);
  EXPECT_NE(outputs[0].find("Sub P2()\n    If x Then"), std::string::npos);
}

}  // namespace
}  // namespace tessaly::cli
