#include <utility>

#include "win32/win_editor.h"

#include "host/host_error.h"

namespace tessaly::win32 {

std::shared_ptr<host::CommandBars> MakeCommandBars(ComPtr<IDispatch> bars);

namespace {

class WinEvents : public host::Events {
 public:
  explicit WinEvents(ComPtr<IDispatch> events) : events_(std::move(events)) {}

  std::shared_ptr<host::ClickSource> CommandBarEvents(host::CommandBarControl& control) override;

 private:
  LateBound events_;
};

class WinProject : public host::VBProject {
 public:
  explicit WinProject(ComPtr<IDispatch> project) : project_(std::move(project)) {}

  std::u16string FileName() override { return project_.Get(L"FileName").ToString(); }

 private:
  LateBound project_;
};

class WinApplication : public host::Application {
 public:
  explicit WinApplication(ComPtr<IDispatch> application) : application_(std::move(application)) {}

  std::u16string Name() override { return application_.Get(L"Name").ToString(); }
  std::u16string Version() override { return application_.Get(L"Version").ToString(); }
  std::u16string ExecutableName() override {
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0 || length >= path.size())
      throw host::HostError("the program's path is unknown");
    path.resize(length);
    const auto slash = path.find_last_of(L"\\/");
    const std::wstring file = slash == std::wstring::npos ? path : path.substr(slash + 1);
    return std::u16string(file.begin(), file.end());
  }
  std::shared_ptr<host::CommandBars> CommandBars() override {
    return MakeCommandBars(application_.GetObject(L"CommandBars").Pointer());
  }
  std::shared_ptr<host::Windows> Windows() override {
    return MakeWindows(application_.GetObject(L"Windows").Pointer());
  }
  std::shared_ptr<host::Window> MainWindow() override {
    return MakeWindow(application_.GetObject(L"MainWindow").Pointer());
  }
  std::shared_ptr<host::Events> Events() override {
    return std::make_shared<WinEvents>(application_.GetObject(L"Events").Pointer());
  }
  std::shared_ptr<host::CodePane> ActiveCodePane() override {
    return MakeCodePane(application_.GetObject(L"ActiveCodePane").Pointer());
  }
  std::shared_ptr<host::VBProject> ActiveVBProject() override {
    return std::make_shared<WinProject>(application_.GetObject(L"ActiveVBProject").Pointer());
  }

 private:
  LateBound application_;
};

std::shared_ptr<host::ClickSource> WinEvents::CommandBarEvents(host::CommandBarControl& control) {
  auto* holder = dynamic_cast<HoldsDispatch*>(&control);
  Variant argument(holder ? holder->Dispatch().Get() : nullptr);
  // The events object publishes no IDispatch (its interface derives from IUnknown alone), so it
  // is taken as whatever object comes back.
  auto source = events_.Get(L"CommandBarEvents", {argument.Get()}).ToUnknown();
  if (!source) throw host::HostError("CommandBarEvents is Nothing");
  return MakeClickSource(std::move(source), {});
}

}  // namespace

std::shared_ptr<host::Application> MakeApplication(ComPtr<IDispatch> application) {
  return std::make_shared<WinApplication>(std::move(application));
}

}  // namespace tessaly::win32
