#include "cli/command_line.h"

#include <iostream>
#include <new>

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
    "                      click a menu caption with the caret at line N, column C\n"
    "                      (selection to N2:C2); the result goes to standard output,\n"
    "                      or back into FILE with -i\n"
    "  fmt [--check | --diff | -i] [--encoding gbk|utf-8] FILE...\n"
    "                      re-indent whole modules (\"代码缩进\"); --check lists the files\n"
    "                      that would change, --diff shows the changes as a unified diff,\n"
    "                      and both exit 1 if anything would change\n"
    "  annotate [-i] [--encoding gbk|utf-8] FILE...\n"
    "                      annotate every procedure in Chinese (\"代码注解\")\n"
    "  menu                show the function menu as the bar shows it\n"
    "  about [--host vb6|vba] [--registry FILE] [--set SWITCH=0|1]...\n"
    "                      show the About form and change its four switches\n"
    "                      (功能菜单, 调整窗口, 多标签页, 鼠标滚轮), kept in FILE\n"
    "                      (default $XDG_CONFIG_HOME/tessaly/registry.reg)\n"
    "  demo [--host vb6|vba] [--registry FILE]\n"
    "                      start the simulated editor with the add-in and show its state\n"
    "  --version, --help\n"
    "\n"
    "--encoding names the encoding of plain-ASCII files, which fit both (default gbk).\n";

int RunCommand(const std::vector<std::string>& args, Streams streams) {
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  try {
    if (args[0] == "click") return ClickCommand(rest, streams);
    if (args[0] == "fmt") return FormatCommand(rest, streams);
    if (args[0] == "annotate") return AnnotateCommand(rest, streams);
    if (args[0] == "menu") return MenuCommand(rest, streams);
    if (args[0] == "about") return AboutCommand(rest, streams);
    if (args[0] == "demo") return DemoCommand(rest, streams);
    throw UsageError("unknown command '" + args[0] + "' (see tessaly --help)");
  } catch (const UsageError& error) {
    streams.err << "tessaly: " << error.what() << "\n";
  } catch (const FileError& error) {
    streams.err << "tessaly: " << error.what() << "\n";
  } catch (const std::runtime_error& error) {
    streams.err << "tessaly: " << error.what() << "\n";
  } catch (const std::bad_alloc&) {
    // The one line needs no memory of its own.
    streams.err << "tessaly: out of memory\n";
  }
  return kExitBadInput;
}

}  // namespace

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
