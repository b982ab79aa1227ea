#include <utility>

#include "win32/win_editor.h"

namespace tessaly::win32 {

namespace {

class WinCommandBarControls : public host::CommandBarControls {
 public:
  explicit WinCommandBarControls(ComPtr<IDispatch> controls) : controls_(std::move(controls)) {}

  std::int32_t Count() override { return controls_.Get(L"Count").ToInt32(); }
  std::shared_ptr<host::CommandBarControl> Item(std::int32_t index) override {
    Variant which(index);
    return MakeCommandBarControl(controls_.GetObject(L"Item", {which.Get()}).Pointer());
  }
  std::shared_ptr<host::CommandBarControl> Add(std::int32_t type) override {
    Variant kind(type);
    return MakeCommandBarControl(controls_.GetObject(L"Add", {kind.Get()}).Pointer());
  }

 private:
  LateBound controls_;
};

std::shared_ptr<host::CommandBar> MakeCommandBar(ComPtr<IDispatch> bar);

class WinCommandBarControl : public host::CommandBarControl, public HoldsDispatch {
 public:
  explicit WinCommandBarControl(ComPtr<IDispatch> control) : control_(std::move(control)) {}

  const ComPtr<IDispatch>& Dispatch() const override { return control_.Pointer(); }

  std::u16string Caption() override { return control_.Get(L"Caption").ToString(); }
  void SetCaption(const std::u16string& caption) override {
    control_.Put(L"Caption", Variant(caption));
  }
  std::int32_t Type() override { return control_.Get(L"Type").ToInt32(); }
  void SetBeginGroup(bool begin_group) override {
    control_.Put(L"BeginGroup", Variant(begin_group));
  }
  void SetFaceId(std::int32_t face_id) override { control_.Put(L"FaceId", Variant(face_id)); }
  void SetStyle(std::int32_t style) override { control_.Put(L"Style", Variant(style)); }
  void SetTooltipText(const std::u16string& tip) override {
    control_.Put(L"TooltipText", Variant(tip));
  }
  void SetParameter(const std::u16string& parameter) override {
    control_.Put(L"Parameter", Variant(parameter));
  }
  void SetVisible(bool visible) override { control_.Put(L"Visible", Variant(visible)); }
  void SetEnabled(bool enabled) override { control_.Put(L"Enabled", Variant(enabled)); }
  void Delete() override { control_.Call(L"Delete"); }
  std::shared_ptr<host::CommandBarControls> Controls() override {
    return std::make_shared<WinCommandBarControls>(control_.GetObject(L"Controls").Pointer());
  }
  std::shared_ptr<host::ClickSource> ButtonEvents() override {
    return MakeClickSource(ComPtr<IUnknown>(control_.Object()), control_.Pointer());
  }
  std::int32_t Id() override { return control_.Get(L"Id").ToInt32(); }
  std::shared_ptr<host::CommandBar> CommandBar() override {
    return MakeCommandBar(control_.GetObject(L"CommandBar").Pointer());
  }

 private:
  LateBound control_;
};

class WinCommandBar : public host::CommandBar {
 public:
  explicit WinCommandBar(ComPtr<IDispatch> bar) : bar_(std::move(bar)) {}

  std::u16string Name() override { return bar_.Get(L"Name").ToString(); }
  bool Visible() override { return bar_.Get(L"Visible").ToBool(); }
  void SetVisible(bool visible) override { bar_.Put(L"Visible", Variant(visible)); }
  void SetEnabled(bool enabled) override { bar_.Put(L"Enabled", Variant(enabled)); }
  std::shared_ptr<host::CommandBarControls> Controls() override {
    return std::make_shared<WinCommandBarControls>(bar_.GetObject(L"Controls").Pointer());
  }
  std::shared_ptr<host::CommandBarControl> FindControl(std::int32_t id) override {
    // FindControl(Type, Id, ...): Type left out, as FindControl(Id:=id) passes it.
    Variant type = Variant::Missing(), which(id);
    auto control = bar_.Get(L"FindControl", {type.Get(), which.Get()}).ToDispatch();
    return control ? MakeCommandBarControl(std::move(control)) : nullptr;
  }

 private:
  LateBound bar_;
};

class WinCommandBars : public host::CommandBars {
 public:
  explicit WinCommandBars(ComPtr<IDispatch> bars) : bars_(std::move(bars)) {}

  std::shared_ptr<host::CommandBar> Item(const std::u16string& name) override {
    Variant which(name);
    return std::make_shared<WinCommandBar>(bars_.GetObject(L"Item", {which.Get()}).Pointer());
  }
  std::shared_ptr<host::CommandBar> Add(const std::u16string& name,
                                        std::int32_t position) override {
    Variant bar_name(name), where(position);
    return std::make_shared<WinCommandBar>(
        bars_.GetObject(L"Add", {bar_name.Get(), where.Get()}).Pointer());
  }
  std::shared_ptr<host::CommandBar> ActiveMenuBar() override {
    return std::make_shared<WinCommandBar>(bars_.GetObject(L"ActiveMenuBar").Pointer());
  }

 private:
  LateBound bars_;
};

std::shared_ptr<host::CommandBar> MakeCommandBar(ComPtr<IDispatch> bar) {
  return std::make_shared<WinCommandBar>(std::move(bar));
}

}  // namespace

std::shared_ptr<host::CommandBarControl> MakeCommandBarControl(ComPtr<IDispatch> control) {
  return std::make_shared<WinCommandBarControl>(std::move(control));
}

std::shared_ptr<host::CommandBars> MakeCommandBars(ComPtr<IDispatch> bars) {
  return std::make_shared<WinCommandBars>(std::move(bars));
}

}  // namespace tessaly::win32
