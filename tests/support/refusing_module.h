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
 public:
  explicit RefusingModule(host::CodeModule& module) : module_(module) {}

  void RefuseReadAt(std::int32_t line) { refused_reads_.insert(line); }
  void RefuseReplaceAt(std::int32_t line) { refused_replaces_.insert(line); }

  std::u16string Lines(std::int32_t start_line, std::int32_t count) override {
    const auto refused = refused_reads_.lower_bound(start_line);
    if (count > 0 && refused != refused_reads_.end() && *refused < start_line + count) {
      throw host::HostError("Lines: read refused");
    }
    return module_.Lines(start_line, count);
  }
  void ReplaceLine(std::int32_t line, const std::u16string& code) override {
    if (refused_replaces_.contains(line)) throw host::HostError("ReplaceLine: write refused");
    module_.ReplaceLine(line, code);
  }
  void InsertLines(std::int32_t line, const std::u16string& code) override {
    module_.InsertLines(line, code);
  }
  void DeleteLines(std::int32_t start_line, std::int32_t count) override {
    module_.DeleteLines(start_line, count);
  }
  std::int32_t CountOfLines() override { return module_.CountOfLines(); }
  std::u16string ProcOfLine(std::int32_t line, std::int32_t proc_kind) override {
    return module_.ProcOfLine(line, proc_kind);
  }
  std::int32_t ProcStartLine(const std::u16string& name, std::int32_t proc_kind) override {
    return module_.ProcStartLine(name, proc_kind);
  }
  std::int32_t ProcCountLines(const std::u16string& name, std::int32_t proc_kind) override {
    return module_.ProcCountLines(name, proc_kind);
  }
  std::shared_ptr<host::CodePane> CodePane() override { return module_.CodePane(); }

 private:
  host::CodeModule& module_;
  std::set<std::int32_t> refused_reads_;
  std::set<std::int32_t> refused_replaces_;
};

}  // namespace tessaly::test_support
