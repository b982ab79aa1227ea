#pragma once

// A code module that refuses single lines, as the editor refuses a line it cannot give or
// take: tests hand it to a code tool in place of the editor's module, which it passes every
// other call on to.

#include <cstdint>
#include <memory>
#include <set>
#include <string>

#include "host/editor.h"
#include "host/host_error.h"

namespace tessaly::test_support {

class RefusingModule : public host::CodeModule {
  using Line = std::int32_t;
  using Text = std::u16string;

 public:
  explicit RefusingModule(host::CodeModule& module) : module_(module) {}

  void RefuseReadAt(Line line) { refused_reads_.insert(line); }
  void RefuseReplaceAt(Line line) { refused_replaces_.insert(line); }

  Text Lines(Line start, Line count) override {
    const auto refused = refused_reads_.lower_bound(start);
    if (count > 0 && refused != refused_reads_.end() && *refused < start + count)
      throw host::HostError("Lines: read refused");
    return module_.Lines(start, count);
  }
  void ReplaceLine(Line line, const Text& code) override {
    if (refused_replaces_.contains(line)) throw host::HostError("ReplaceLine: write refused");
    module_.ReplaceLine(line, code);
  }
  void InsertLines(Line line, const Text& code) override { module_.InsertLines(line, code); }
  void DeleteLines(Line start, Line count) override { module_.DeleteLines(start, count); }
  Line CountOfLines() override { return module_.CountOfLines(); }
  Text ProcOfLine(Line line, Line kind) override { return module_.ProcOfLine(line, kind); }
  Line ProcStartLine(const Text& name, Line kind) override {
    return module_.ProcStartLine(name, kind);
  }
  Line ProcCountLines(const Text& name, Line kind) override {
    return module_.ProcCountLines(name, kind);
  }
  std::shared_ptr<host::CodePane> CodePane() override { return module_.CodePane(); }
  std::shared_ptr<host::VBComponent> Parent() override { return module_.Parent(); }

 private:
  host::CodeModule& module_;
  std::set<Line> refused_reads_, refused_replaces_;
};

}  // namespace tessaly::test_support
