#include "cli/command_line.h"

#include <cstdio>
#include <iostream>
#include <new>
#include <string_view>

#include "cli/file_error.h"
#include "tessaly_version.h"

namespace tessaly::cli {

namespace {

using language::MessageId;

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
    throw UsageError(MessageId::kUnknownCommand, {args[0]});
  } catch (const language::MessageError& error) {
    // UsageError, FileError and StyleError: messages of the table, in the user's language.
    streams.err << "tessaly: " << OneLine(streams.Say(error.Said())) << "\n";
  } catch (const std::runtime_error& error) {
    // The simulation's own errors, which the add-in's log keeps in English too.
    streams.err << "tessaly: " << OneLine(error.what()) << "\n";
  } catch (const std::bad_alloc&) {
    // The one line needs no memory of its own: the table's words are there already.
    streams.err << "tessaly: " << streams.Words(MessageId::kOutOfMemory) << "\n";
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
    streams.err << "tessaly: " << streams.Words(MessageId::kNoCommand) << "\n";
    return kExitBadInput;
  }
  if (args[0] == "--help" || args[0] == "-h") {
    streams.out << streams.Words(MessageId::kUsage);
    return kExitOk;
  }
  if (args[0] == "--version") {
    streams.out << "tessaly " TESSALY_VERSION "\n";
    return kExitOk;
  }
  const int status = RunCommand(args, streams);
  // A result that never reached standard output (a full disk, a closed pipe) is no success.
  if (status != kExitBadInput && !streams.out.flush()) {
    streams.err << "tessaly: " << streams.Words(MessageId::kCannotWriteStandardOutput) << "\n";
    return kExitBadInput;
  }
  return status;
}

}  // namespace tessaly::cli
