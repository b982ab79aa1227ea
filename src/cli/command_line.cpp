#include "cli/command_line.h"

#include <cstdio>
#include <iostream>
#include <new>
#include <string_view>

#include "cli/file_error.h"
#include "tessaly_version.h"

namespace tessaly::cli {

namespace {

constexpr char kUsage[] =
    "usage: tessaly <command> [options]\n"
    "\n"
    "Applies the function menu of the editor add-in to exported Visual Basic modules\n"
    "(.bas, .cls, .frm; UTF-8 or GBK, line endings kept). FILE may be - for standard input.\n"
    "\n"
    "commands:\n"
    "  click CAPTION FILE [--line N] [--col C] [--to N2:C2] [--clipboard TEXT]\n"
    "        [--host vb6|vba] [-i] [--report FILE|-] [--encoding gbk|utf-8]\n"
    "        [--snippets DIR] [--then CAPTION]...\n"
    "                      click a menu caption with the caret at line N, column C\n"
    "                      (selection to N2:C2), then each --then caption in turn; the\n"
    "                      result goes to standard output, or back into FILE with -i.\n"
    "                      Your own snippets are clicked by their path: 我的代码/NAME\n"
    "  fmt [--check | --diff | -i] [--encoding gbk|utf-8] [--no-editorconfig]\n"
    "      [--style KEY=VALUE]... FILE...\n"
    "                      re-indent whole modules (\"代码缩进\") in the style of their\n"
    "                      .editorconfig; --check lists the files that would change,\n"
    "                      --diff shows the changes as a unified diff, and both exit 1\n"
    "                      if anything would change\n"
    "  annotate [-i] [--encoding gbk|utf-8] FILE...\n"
    "                      annotate every procedure in Chinese (\"代码注解\")\n"
    "  style [--no-editorconfig] [--style KEY=VALUE]... FILE...\n"
    "                      show the layout fmt gives each FILE, key by key, and where\n"
    "                      each value is set: an .editorconfig line, --style or default\n"
    "  menu [--snippets DIR]\n"
    "                      show the function menu as the bar shows it\n"
    "  about [--host vb6|vba] [--registry FILE] [--set SWITCH=0|1]...\n"
    "                      show the About form and change its four switches\n"
    "                      (功能菜单, 调整窗口, 多标签页, 鼠标滚轮), kept in FILE\n"
    "                      (default $XDG_CONFIG_HOME/tessaly/registry.reg)\n"
    "  demo [--host vb6|vba] [--registry FILE]\n"
    "                      start the simulated editor with the add-in and show its state\n"
    "  doctor [--fix]      (Windows) check that each editor can load the installed add-in,\n"
    "                      say what to do where it cannot, and exit 1; --fix mends what\n"
    "                      needs no administrator\n"
    "  --version, --help\n"
    "\n"
    "--encoding names the encoding of plain-ASCII files, which fit both (default gbk).\n"
    "--snippets names your snippet folder (default $XDG_CONFIG_HOME/tessaly/snippets); a\n"
    "project's are in the nearest .tessaly/snippets above FILE.\n";

// A message echoes what the user gave (a caption, a path, an option's value), which may hold
// control characters: a line break would split the one line of the answer, an escape sequence
// would reach the terminal. They are written as escapes (\n, \x1B), C1 controls as the two
// bytes UTF-8 gives them (\xC2\x9B).
std::string OneLine(std::string_view message) {
  std::string line;
  line.reserve(message.size());
  for (std::size_t i = 0; i < message.size(); ++i) {
    const auto byte = static_cast<unsigned char>(message[i]);
    const bool c1 = byte == 0xC2 && i + 1 < message.size() &&
                    static_cast<unsigned char>(message[i + 1]) >= 0x80 &&
                    static_cast<unsigned char>(message[i + 1]) <= 0x9F;
    if (byte >= 0x20 && byte != 0x7F && !c1) {
      line.push_back(message[i]);
    } else if (byte == '\n') {
      line += "\\n";
    } else if (byte == '\r') {
      line += "\\r";
    } else if (byte == '\t') {
      line += "\\t";
    } else {
      const std::size_t count = c1 ? 2 : 1;
      for (std::size_t k = 0; k < count; ++k) {
        char escape[5];
        std::snprintf(escape, sizeof escape, "\\x%02X",
                      static_cast<unsigned>(static_cast<unsigned char>(message[i + k])));
        line += escape;
      }
      i += count - 1;
    }
  }
  return line;
}

int RunCommand(const std::vector<std::string>& args, Streams streams) {
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  try {
    if (args[0] == "click") return ClickCommand(rest, streams);
    if (args[0] == "fmt") return FormatCommand(rest, streams);
    if (args[0] == "annotate") return AnnotateCommand(rest, streams);
    if (args[0] == "menu") return MenuCommand(rest, streams);
    if (args[0] == "about") return AboutCommand(rest, streams);
    if (args[0] == "demo") return DemoCommand(rest, streams);
    if (args[0] == "doctor") return DoctorCommand(rest, streams);
    if (args[0] == "style") return StyleCommand(rest, streams);
    throw UsageError("unknown command '" + args[0] + "' (see tessaly --help)");
  } catch (const std::runtime_error& error) {
    // UsageError, FileError, StyleError and the simulation's own errors alike.
    streams.err << "tessaly: " << OneLine(error.what()) << "\n";
  } catch (const std::bad_alloc&) {
    // The one line needs no memory of its own.
    streams.err << "tessaly: out of memory\n";
  }
  return kExitBadInput;
}

}  // namespace

void WriteModuleBytes(std::ostream& out, std::string_view bytes) {
  if (auto* raw = dynamic_cast<RawBytesOutput*>(out.rdbuf())) {
    if (!out.flush() || !raw->WriteRawBytes(bytes)) out.setstate(std::ios::badbit);
    return;
  }
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

int RunCommandLine(const std::vector<std::string>& args, Streams streams) {
  if (args.empty()) {
    // Bad input like any other: one line on standard error, nothing on standard output.
    streams.err << "tessaly: no command given (see tessaly --help)\n";
    return kExitBadInput;
  }
  if (args[0] == "--help" || args[0] == "-h") {
    streams.out << kUsage;
    return kExitOk;
  }
  if (args[0] == "--version") {
    streams.out << "tessaly " TESSALY_VERSION "\n";
    return kExitOk;
  }
  const int status = RunCommand(args, streams);
  // A result that never reached standard output (a full disk, a closed pipe) is no success.
  if (status != kExitBadInput && !streams.out.flush()) {
    streams.err << "tessaly: cannot write to standard output\n";
    return kExitBadInput;
  }
  return status;
}

}  // namespace tessaly::cli
