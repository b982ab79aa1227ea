// Unhooking as Win32 allows it: ours is put back only while it is the window's procedure; a
// procedure another program installed after ours keeps calling ours, which then passes every
// message on for as long as the window lives.

#include <gtest/gtest.h>

#include <memory>

#include "wheel/wheel_fixture.h"

namespace tessaly::wheel {
namespace {

TEST(CodeWindowUnhook, RestoresAndUnregistersOnlyWhatIsOursAlone) {
  for (const bool overhooked : {false, true}) {
    WheelFixture f;
    auto& windows = f.os.windows();
    const auto code = f.Code(u"Module1");
    const auto original = windows.WindowProc(code);
    auto wheel = std::make_unique<MouseWheel>(f.connection, f.host_os);
    wheel->LoadWheel();
    f.Hover(code);
    const auto ours = windows.WindowProc(code);
    ASSERT_NE(ours, original);
    const auto theirs = windows.RegisterEditorProc(
        [&, ours](host::WindowHandle w, std::uint32_t m, std::uintptr_t wp, std::intptr_t lp) {
          return windows.CallWindowProc(ours, w, m, wp, lp);
        });
    if (overhooked) windows.SetWindowProc(code, theirs);

    wheel->UnloadWheel();
    EXPECT_EQ(windows.WindowProc(code), overhooked ? theirs : original) << overhooked;
    EXPECT_EQ(windows.RegisteredProcCount(), overhooked ? 1u : 0u) << overhooked;

    // Messages still run through the chain to the editor's own procedure once the feature is
    // gone.
    wheel.reset();
    const auto before = windows.DefaultProcMessages().size();
    f.Wheel(code, -120);
    EXPECT_EQ(windows.DefaultProcMessages().size(), before + 1) << overhooked;
  }
}

}  // namespace
}  // namespace tessaly::wheel
