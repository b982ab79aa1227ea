#include "tabs/code_tabs.h"

#include <optional>

#include "addin/editor_queries.h"
#include "host/resume.h"

namespace tessaly::tabs {

namespace {

constexpr char16_t kToolWindowPosition[] = u"anystring";

std::optional<std::u16string> ActiveCodeWindowCaption(host::Application* application) {
  if (!application) return std::nullopt;
  return host::ResumeOr<std::optional<std::u16string>>(
      std::nullopt, [&] { return application->ActiveCodePane()->Window()->Caption(); });
}

}  // namespace

std::u16string VBIDETabProgId(const std::u16string& component_name) {
  return component_name + u".VBIDETab";
}

CodeTabs::CodeTabs(const addin::Connection& connection, host::WindowSystem& windows,
                   host::MessageLoop& loop)
    : connection_(connection),
      windows_(windows),
      state_(loop),
      tree_hook_(connection, windows,
                 [this](host::WindowHandle window, std::uint32_t message, std::uintptr_t w_param,
                        std::intptr_t l_param) {
                   return TreeWindowProc(window, message, w_param, l_param);
                 }) {}

CodeTabs::~CodeTabs() {
  if (auto document = attached_.lock()) document->Detach(state_);
}

void CodeTabs::UnhookProjectTree() {
  tree_hook_.Uninstall();
  state_.StopPendingTabTimer();
}

std::shared_ptr<VBIDETab> CodeTabs::NewDocument() {
  return std::make_shared<VBIDETab>();
}

void CodeTabs::Keep(std::shared_ptr<host::UserDocument> document,
                    std::shared_ptr<host::Window> window) {
  if (auto previous = attached_.lock()) previous->Detach(state_);
  attached_.reset();
  // The editor hands back whatever object the class it was asked for made.
  if (auto tab = std::dynamic_pointer_cast<VBIDETab>(document)) {
    tab->Attach(connection_, state_);
    attached_ = tab;
  }
  TabDocument = std::move(document);
  TabWindow = std::move(window);
}

void CodeTabs::CreateTabWindow(host::AddInInstance& add_in) {
  auto* application = connection_.HostApplication.get();
  if (!application) return;
  host::Resume([&] {
    auto tool =
        application->Windows()->CreateToolWindow(add_in, VBIDETabProgId(connection_.ComponentName),
                                                 addin::kTabWindowCaption, kToolWindowPosition);
    Keep(tool.document, tool.window);
  });
}

void CodeTabs::TakeOverTabWindow(const std::shared_ptr<host::UserDocument>& document) {
  auto* application = connection_.HostApplication.get();
  if (!application || !document) return;
  host::Resume([&] { Keep(document, application->Windows()->Item(addin::kTabWindowCaption)); });
}

void CodeTabs::TabInitialize() {
  if (auto* document = Document()) document->TabInitialize();
}

std::intptr_t CodeTabs::TreeWindowProc(host::WindowHandle window, std::uint32_t message,
                                       std::uintptr_t w_param, std::intptr_t l_param) {
  if (message == host::kWmLButtonDblClk) {
    // With no code pane active, any window the double-click opens counts as a change.
    state_.CaptionAtDoubleClick =
        ActiveCodeWindowCaption(connection_.HostApplication.get()).value_or(u"");
    state_.StartPendingTabTimer([this] { PendingTabCheck(); });
  }
  return tree_hook_.CallPrevious(window, message, w_param, l_param);
}

void CodeTabs::PendingTabCheck() {
  // No active pane: nothing to compare this tick.
  const auto caption = ActiveCodeWindowCaption(connection_.HostApplication.get());
  if (!caption || *caption == state_.CaptionAtDoubleClick) return;
  if (auto* document = Document()) {
    document->Code_Click(*caption);
  } else {
    // Without a strip to update the check would never end.
    state_.StopPendingTabTimer();
  }
}

VBIDETab* CodeTabs::Document() const {
  return attached_.lock().get();
}

}  // namespace tessaly::tabs
