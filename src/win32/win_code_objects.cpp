#include <utility>

#include "win32/win_editor.h"

namespace tessaly::win32 {

namespace {

// A by-reference 32-bit argument the editor fills, as GetSelection's four and ProcOfLine's
// procedure kind are.
struct OutLong {
  LONG value = 0;
  Variant reference;
  explicit OutLong(LONG initial = 0) : value(initial) {
    reference.Get()->vt = VT_I4 | VT_BYREF;
    reference.Get()->plVal = &value;
  }
  OutLong(const OutLong&) = delete;
  OutLong& operator=(const OutLong&) = delete;
};

class WinComponent : public host::VBComponent {
 public:
  explicit WinComponent(ComPtr<IDispatch> component) : component_(std::move(component)) {}

  std::u16string Name() override { return component_.Get(L"Name").ToString(); }
  std::int32_t Type() override { return component_.Get(L"Type").ToInt32(); }

 private:
  LateBound component_;
};

class WinCodeModule : public host::CodeModule {
 public:
  explicit WinCodeModule(ComPtr<IDispatch> module) : module_(std::move(module)) {}

  std::u16string Lines(std::int32_t start_line, std::int32_t count) override {
    Variant start(start_line), lines(count);
    return module_.Get(L"Lines", {start.Get(), lines.Get()}).ToString();
  }
  void ReplaceLine(std::int32_t line, const std::u16string& code) override {
    Variant where(line), text(code);
    module_.Call(L"ReplaceLine", {where.Get(), text.Get()});
  }
  void InsertLines(std::int32_t line, const std::u16string& code) override {
    Variant where(line), text(code);
    module_.Call(L"InsertLines", {where.Get(), text.Get()});
  }
  void DeleteLines(std::int32_t start_line, std::int32_t count) override {
    Variant start(start_line), lines(count);
    module_.Call(L"DeleteLines", {start.Get(), lines.Get()});
  }
  std::int32_t CountOfLines() override { return module_.Get(L"CountOfLines").ToInt32(); }
  std::u16string ProcOfLine(std::int32_t line, std::int32_t proc_kind) override {
    Variant where(line);
    OutLong kind(proc_kind);
    return module_.Get(L"ProcOfLine", {where.Get(), kind.reference.Get()}).ToString();
  }
  std::int32_t ProcStartLine(const std::u16string& name, std::int32_t proc_kind) override {
    Variant procedure(name), kind(proc_kind);
    return module_.Get(L"ProcStartLine", {procedure.Get(), kind.Get()}).ToInt32();
  }
  std::int32_t ProcCountLines(const std::u16string& name, std::int32_t proc_kind) override {
    Variant procedure(name), kind(proc_kind);
    return module_.Get(L"ProcCountLines", {procedure.Get(), kind.Get()}).ToInt32();
  }
  std::shared_ptr<host::CodePane> CodePane() override {
    return MakeCodePane(module_.GetObject(L"CodePane").Pointer());
  }
  std::shared_ptr<host::VBComponent> Parent() override {
    return std::make_shared<WinComponent>(module_.GetObject(L"Parent").Pointer());
  }

 private:
  LateBound module_;
};

class WinCodePane : public host::CodePane {
 public:
  explicit WinCodePane(ComPtr<IDispatch> pane) : pane_(std::move(pane)) {}

  host::Selection GetSelection() override {
    OutLong start_line, start_column, end_line, end_column;
    pane_.Call(L"GetSelection", {start_line.reference.Get(), start_column.reference.Get(),
                                 end_line.reference.Get(), end_column.reference.Get()});
    return {start_line.value, start_column.value, end_line.value, end_column.value};
  }
  void SetSelection(std::int32_t start_line, std::int32_t start_column, std::int32_t end_line,
                    std::int32_t end_column) override {
    Variant a(start_line), b(start_column), c(end_line), d(end_column);
    pane_.Call(L"SetSelection", {a.Get(), b.Get(), c.Get(), d.Get()});
  }
  std::int32_t TopLine() override { return pane_.Get(L"TopLine").ToInt32(); }
  void SetTopLine(std::int32_t line) override { pane_.Put(L"TopLine", Variant(line)); }
  std::shared_ptr<host::Window> Window() override {
    return MakeWindow(pane_.GetObject(L"Window").Pointer());
  }
  std::shared_ptr<host::CodeModule> CodeModule() override {
    return MakeCodeModule(pane_.GetObject(L"CodeModule").Pointer());
  }

 private:
  LateBound pane_;
};

}  // namespace

std::shared_ptr<host::CodePane> MakeCodePane(ComPtr<IDispatch> pane) {
  return std::make_shared<WinCodePane>(std::move(pane));
}

std::shared_ptr<host::CodeModule> MakeCodeModule(ComPtr<IDispatch> module) {
  return std::make_shared<WinCodeModule>(std::move(module));
}

}  // namespace tessaly::win32
