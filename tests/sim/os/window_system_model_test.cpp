// The simulated window system against a plain model under random operations: windows made
// with parents (some of them gone), destroyed, moved, made topmost and brought to the
// foreground, and every answer compared with the model's after each step, for live and missing
// handles alike. The features find the editor's windows by these answers, so a wrong one would
// make their tests pass or fail for the wrong reason.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "sim/os/sim_window_system.h"

namespace tessaly::sim {
namespace {

using Handles = std::vector<host::WindowHandle>;

// Each window's parent and rectangle on the screen. Top-level windows stand in the order they
// were last raised, topmost ones first; children in the order they were made.
struct Model {
  struct Window {
    host::WindowHandle parent = 0;
    host::Rect rect;
    bool topmost = false;
    int raised = 0;
  };

  bool IsBelow(host::WindowHandle window, host::WindowHandle ancestor) const {
    for (auto up = windows.at(window).parent; up != 0; up = windows.at(up).parent)
      if (up == ancestor) return true;
    return false;
  }
  Handles Children(host::WindowHandle parent) const {
    Handles children;
    for (const auto& [handle, window] : windows)
      if (window.parent == parent) children.push_back(handle);
    std::stable_sort(children.begin(), children.end(), [&](auto a, auto b) {
      const auto &x = windows.at(a), &y = windows.at(b);
      return x.topmost != y.topmost ? x.topmost : x.raised > y.raised;
    });
    return children;
  }
  host::WindowHandle Next(host::WindowHandle window) const {
    const auto siblings = Children(windows.at(window).parent);
    const auto it = std::find(siblings.begin(), siblings.end(), window);
    return it + 1 == siblings.end() ? 0 : *(it + 1);
  }

  std::map<host::WindowHandle, Window> windows;
  host::WindowHandle foreground = 0;
};

class RandomRun {
 public:
  explicit RandomRun(unsigned seed) : random_(seed) {
    procedure_ = system_.RegisterWindowProc([](auto...) { return std::intptr_t{0}; });
  }

  int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }
  host::Rect AnyRect() {
    const int left = Below(150), top = Below(150);
    return {left, top, left + 1 + Below(100), top + 1 + Below(100)};
  }
  // A live window mostly; else one destroyed before, or a handle never made.
  host::WindowHandle AnyHandle() {
    const auto& all = model_.windows;
    if (!all.empty() && Below(5) != 0) return std::next(all.begin(), Below(int(all.size())))->first;
    if (!gone_.empty() && Below(2)) return gone_[std::size_t(Below(int(gone_.size())))];
    return 0x7;
  }

  void Step() {
    const auto window = AnyHandle();
    const bool live = model_.windows.contains(window);
    const bool top_level = live && model_.windows.at(window).parent == 0;
    switch (Below(6)) {
      case 0:
      case 1: {
        const auto parent = Below(3) == 0 ? 0 : window;
        const auto rect = AnyRect();
        const auto made = system_.CreateWindow(WindowParams(u"C", u"", 0, rect, parent));
        EXPECT_EQ(made != 0, parent == 0 || live) << "a child of a missing window";
        if (made == 0) break;
        ASSERT_FALSE(model_.windows.contains(made));
        // A child stands behind its elder siblings: it counts as raised before each of them.
        model_.windows[made] = {parent, rect, false, parent == 0 ? ++clock_ : --made_};
        break;
      }
      case 2:
        EXPECT_EQ(system_.DestroyWindow(window), live);
        if (!live) break;
        for (const auto& [handle, w] : model_.windows)
          if (handle == window || model_.IsBelow(handle, window)) gone_.push_back(handle);
        for (const auto handle : gone_) {
          model_.windows.erase(handle);
          if (model_.foreground == handle) model_.foreground = 0;
        }
        break;
      case 3: {
        auto to = AnyRect();
        EXPECT_EQ(system_.MoveWindow(window, to.left, to.top, to.right - to.left,
                                     to.bottom - to.top, true),
                  live);
        if (!live) break;
        // From the parent's corner; the descendants go along.
        auto& moved = model_.windows.at(window);
        const auto corner = top_level ? host::Rect{} : model_.windows.at(moved.parent).rect;
        to = {to.left + corner.left, to.top + corner.top, to.right + corner.left,
              to.bottom + corner.top};
        const int dx = to.left - moved.rect.left, dy = to.top - moved.rect.top;
        for (auto& [handle, other] : model_.windows) {
          if (model_.IsBelow(handle, window))
            other.rect = {other.rect.left + dx, other.rect.top + dy, other.rect.right + dx,
                          other.rect.bottom + dy};
        }
        moved.rect = to;
        break;
      }
      case 4: {
        const bool topmost = Below(2);
        EXPECT_EQ(system_.SetTopmost(window, topmost), top_level);
        if (!top_level) break;
        model_.windows.at(window).topmost = topmost;
        model_.windows.at(window).raised = ++clock_;
        break;
      }
      default:
        system_.SetForeground(window);
        if (live) model_.foreground = window;
        if (top_level) model_.windows.at(window).raised = ++clock_;
        break;
    }
  }

  void Compare() {
    EXPECT_EQ(system_.TopLevelZOrder(), model_.Children(0));
    EXPECT_EQ(system_.ForegroundWindow(), model_.foreground);
    for (const auto& [handle, window] : model_.windows) {
      SCOPED_TRACE(handle);
      ASSERT_TRUE(system_.IsWindow(handle));
      EXPECT_EQ(system_.WindowRect(handle), window.rect);
      EXPECT_EQ(system_.Children(handle), model_.Children(handle));
      EXPECT_EQ(system_.NextWindow(handle), model_.Next(handle));
      EXPECT_EQ(system_.FindWindowEx(window.parent, handle, {}, {}), model_.Next(handle));
    }
    for (const auto handle : gone_) {
      EXPECT_FALSE(system_.IsWindow(handle));
      EXPECT_EQ(system_.NextWindow(handle), 0u);
      EXPECT_EQ(system_.WindowRect(handle), host::Rect{});
      EXPECT_EQ(system_.SetWindowProc(handle, procedure_), 0u);
      EXPECT_EQ(system_.FindWindowEx(0, handle, {}, {}), 0u);
    }
  }

 private:
  SimWindowSystem system_;
  Model model_;
  int clock_ = 0;
  int made_ = 0;
  std::mt19937 random_;
  Handles gone_;
  host::WindowProcId procedure_ = 0;
};

TEST(WindowSystemModel, AnswersAsAPlainModelUnderRandomOperations) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    RandomRun run(seed);
    for (int step = 0; step < 80 && !::testing::Test::HasFailure(); ++step) {
      run.Step();
      run.Compare();
    }
  }
}

}  // namespace
}  // namespace tessaly::sim
