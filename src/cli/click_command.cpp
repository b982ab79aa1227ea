#include <filesystem>
#include <fstream>
#include <iostream>
#include <utility>

#include "cli/arguments.h"
#include "cli/click_report.h"
#include "cli/command_line.h"
#include "cli/editor_session.h"
#include "cli/module_input.h"
#include "cli/module_output.h"
#include "cli/native_path.h"
#include "cli/result_bound.h"
#include "host/host_error.h"
#include "text/utf.h"

namespace tessaly::cli {

using language::MessageId;

namespace {

host::Selection ParseSelection(const Arguments& arguments) {
  host::Selection selection;
  selection.start_line = PositiveNumber(arguments.Value("--line").value_or("1"), "--line");
  selection.start_column = PositiveNumber(arguments.Value("--col").value_or("1"), "--col");
  selection.end_line = selection.start_line;
  selection.end_column = selection.start_column;
  if (const auto to = arguments.Value("--to")) {
    const auto colon = to->find(':');
    if (colon == std::string::npos) throw UsageError(MessageId::kToValue, {*to});
    selection.end_line = PositiveNumber(to->substr(0, colon), "--to");
    selection.end_column = PositiveNumber(to->substr(colon + 1), "--to");
  }
  // The editor reports a selection made backwards from its first character on, and the
  // commands count on that: a selection given backwards is the same selection.
  if (std::pair(selection.end_line, selection.end_column) <
      std::pair(selection.start_line, selection.start_column)) {
    std::swap(selection.start_line, selection.end_line);
    std::swap(selection.start_column, selection.end_column);
  }
  return selection;
}

// The editor shows at least one line, and a column may stand just past a line's end.
void CheckInsideModule(const host::Selection& selection, const std::vector<std::u16string>& lines,
                       const std::string& path) {
  const auto line_count = static_cast<std::int32_t>(std::max<std::size_t>(lines.size(), 1));
  auto check = [&](std::int32_t line, std::int32_t column) {
    if (line > line_count) {
      throw FileError(path, MessageId::kLinePastModule,
                      {std::to_string(line), std::to_string(line_count)});
    }
    const auto length =
        lines.empty() ? 0
                      : static_cast<std::int32_t>(lines[static_cast<std::size_t>(line - 1)].size());
    if (column > length + 1) {
      throw FileError(path, MessageId::kColumnPastLine,
                      {std::to_string(column), std::to_string(line), std::to_string(length)});
    }
  };
  check(selection.start_line, selection.start_column);
  check(selection.end_line, selection.end_column);
}

// A report over its own module would overwrite the module with JSON.
void RefuseReportOverInput(const std::optional<std::string>& report, const std::string& path) {
  if (!report || *report == "-" || path == "-") return;
  std::error_code error;
  if (std::filesystem::equivalent(NativePath(*report), NativePath(path), error)) {
    throw UsageError(MessageId::kReportIsTheModule, {*report});
  }
}

// A write error may show only when the file is closed (a full disk, /dev/full): the report
// counts as written once it is closed.
void WriteReport(const std::string& target, const std::string& json, Streams streams) {
  if (target == "-") {
    if (!(streams.err << json).flush()) throw UsageError(MessageId::kReportToStandardError);
    return;
  }
  std::ofstream file(NativePath(target), std::ios::binary);
  file << json;
  file.close();
  if (!file) throw UsageError(MessageId::kReportCannotBeWritten, {target});
}

[[noreturn]] void ThrowNoSuchCaption(const std::string& caption) {
  throw UsageError(MessageId::kNoSuchCaption, {caption});
}

}  // namespace

int ClickCommand(const std::vector<std::string>& args, Streams streams) {
  const Arguments arguments(args, {"-i"},
                            {"--line", "--col", "--to", "--clipboard", "--host", "--report",
                             "--encoding", "--then", "--snippets"});
  if (arguments.Operands().size() != 2) throw UsageError(MessageId::kClickOperands);
  const std::string& path = arguments.Operands()[1];
  // The click, then those --then names, one after another in the same editor.
  std::vector<std::string> captions{arguments.Operands()[0]};
  for (auto& then : arguments.Values("--then"))
    captions.push_back(std::move(then));
  for (const auto& caption : captions) {
    // The editor ignores a caption it does not know; a command line should say so. A path
    // through the user's popup is known once the editor has read the snippets.
    const auto caption16 = text::FromUtf8(caption);
    if (!MenuControlPath(caption16) && !IsPopupPath(caption16)) ThrowNoSuchCaption(caption);
  }
  const HostKind host = HostKindOption(arguments.Value("--host"));
  const host::Selection selection = ParseSelection(arguments);
  const auto report_target = arguments.Value("--report");
  RefuseReportOverInput(report_target, path);
  const FileEncoding plain_ascii = PlainAsciiEncodingOption(arguments.Value("--encoding"));

  const ModuleInput input = ReadModule(path, streams.in, plain_ascii);
  const std::string shown = ShownPath(path);
  CheckInsideModule(selection, input.file.VisibleLines(), shown);

  EditorSession session(host, std::nullopt, true, nullptr, SnippetsFor(arguments, path));
  ReportFailures(session, streams.err);
  // The editor takes no more than a module may hold, so a click whose result would pass the
  // bound is refused once it gets there, holding no more than that.
  auto& module = session.Open(input);
  module.SetCapacity(streams.result_limit);
  if (const auto clipboard = arguments.Value("--clipboard")) {
    session.Os().system().SetClipboardText(text::FromUtf8(*clipboard));
  }
  try {
    session.Select(selection);
  } catch (const host::HostError& error) {
    throw FileError(shown, MessageId::kSelectionRefused, {std::string(error.what())});
  }
  const ClickReport report(session);
  std::string each_click;
  for (const auto& caption : captions) {
    const ClickReport click(session);
    if (!session.Click(text::FromUtf8(caption))) ThrowNoSuchCaption(caption);
    if (!each_click.empty()) each_click += ",";
    each_click +=
        "{\"caption\":" + JsonString(text::FromUtf8(caption)) + "," + click.Members() + "}";
  }

  if (module.Overflowed()) RefuseLargerResult(streams.result_limit, shown);

  // Everything that can fail comes before anything is put in place: a module the file's
  // encoding cannot hold, or a file that cannot be written, writes no report, and a report
  // that cannot be written leaves the module as it was.
  const bool in_place = arguments.Flag("-i");
  ModuleOutputs outputs(in_place, streams.out);
  // A click that left the text alone does not touch the file, as fmt does not.
  if (!outputs.WritesBack(input) || session.Lines() != input.file.VisibleLines()) {
    std::string bytes = SerializeModule(input, session.Lines(), session.LineOrigins());
    CheckResultSize(bytes.size(), streams.result_limit, shown);
    outputs.Add(input, std::move(bytes));
  }
  if (report_target) {
    // A run of several clicks lists each click's own events too, in order.
    WriteReport(*report_target,
                captions.size() == 1
                    ? report.Json()
                    : "{" + report.Members() + ",\"clicks\":[" + each_click + "]}\n",
                streams);
  }
  outputs.Finish();
  return kExitOk;
}

}  // namespace tessaly::cli
