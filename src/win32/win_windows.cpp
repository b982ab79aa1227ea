#include <utility>

#include "host/host_error.h"
#include "win32/core_document.h"
#include "win32/win_editor.h"

namespace tessaly::win32 {

namespace {

class WinWindow : public host::Window {
 public:
  explicit WinWindow(ComPtr<IDispatch> window) : window_(std::move(window)) {}

  std::u16string Caption() override { return window_.Get(L"Caption").ToString(); }
  std::int32_t Type() override { return window_.Get(L"Type").ToInt32(); }
  bool Visible() override { return window_.Get(L"Visible").ToBool(); }
  void SetVisible(bool visible) override { window_.Put(L"Visible", Variant(visible)); }
  std::shared_ptr<host::Window> LinkedWindowFrame() override {
    auto frame = window_.Get(L"LinkedWindowFrame").ToDispatch();
    return frame ? MakeWindow(std::move(frame)) : nullptr;
  }
  std::int32_t Left() override { return window_.Get(L"Left").ToInt32(); }
  std::int32_t Top() override { return window_.Get(L"Top").ToInt32(); }
  void SetHeight(std::int32_t height) override { window_.Put(L"Height", Variant(height)); }
  void SetFocus() override { window_.Call(L"SetFocus"); }
  host::WindowHandle HWnd() override {
    // Published as a Long in both bitnesses: a 64-bit handle's significant half, sign-extended.
    const std::int32_t handle = window_.Get(L"HWnd").ToInt32();
    if (handle == 0) throw host::HostError("the window gives no handle");
    return static_cast<host::WindowHandle>(handle);
  }

 private:
  LateBound window_;
};

std::shared_ptr<host::UserDocument> CoreDocumentOf(const ComPtr<IDispatch>& document) {
  auto object = document.As<ICoreDocument>(__uuidof(ICoreDocument));
  return object ? object->CoreDocument() : nullptr;
}

class WinWindows : public host::Windows {
 public:
  explicit WinWindows(ComPtr<IDispatch> windows) : windows_(std::move(windows)) {}

  std::int32_t Count() override { return windows_.Get(L"Count").ToInt32(); }
  std::shared_ptr<host::Window> Item(std::int32_t index) override {
    Variant which(index);
    return MakeWindow(windows_.GetObject(L"Item", {which.Get()}).Pointer());
  }
  std::shared_ptr<host::Window> Item(const std::u16string& caption) override {
    Variant which(caption);
    return MakeWindow(windows_.GetObject(L"Item", {which.Get()}).Pointer());
  }
  host::ToolWindow CreateToolWindow(host::AddInInstance& add_in, const std::u16string& prog_id,
                                    const std::u16string& caption,
                                    const std::u16string& position_guid) override {
    // The editor's AddIn object, as the editor handed it over at connection.
    const auto* instance = add_in.EditorObject<ComPtr<IDispatch>>();
    Variant add_in_object(instance ? instance->Get() : nullptr);
    Variant class_name(prog_id), window_caption(caption), position(position_guid);
    // The document comes back through the [in,out] IDispatch** the editor fills.
    ComPtr<IDispatch> document;
    Variant document_reference;
    document_reference.Get()->vt = VT_DISPATCH | VT_BYREF;
    document_reference.Get()->ppdispVal = document.Receive();
    auto window =
        windows_
            .Get(L"CreateToolWindow", {add_in_object.Get(), class_name.Get(), window_caption.Get(),
                                       position.Get(), document_reference.Get()})
            .ToDispatch();
    if (!window) throw host::HostError("CreateToolWindow yielded Nothing");
    return {MakeWindow(std::move(window)), CoreDocumentOf(document)};
  }

 private:
  LateBound windows_;
};

}  // namespace

std::shared_ptr<host::Window> MakeWindow(ComPtr<IDispatch> window) {
  return std::make_shared<WinWindow>(std::move(window));
}

std::shared_ptr<host::Windows> MakeWindows(ComPtr<IDispatch> windows) {
  return std::make_shared<WinWindows>(std::move(windows));
}

}  // namespace tessaly::win32
