// The simulated window system against a plain model under random operations: windows made
// with parents (some of them gone), destroyed, moved, raised, made topmost, shown and hidden,
// and every answer compared with the model's after each step, for live and missing handles
// alike. The features find the editor's windows by these answers, so a wrong one would make
// their tests pass or fail for the wrong reason.

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

// Each window with its parent and its rectangle on the screen; the order of top-level windows
// comes from when each was last raised, topmost ones first; children keep their creation order.
class Model {
 public:
  struct Window {
    host::WindowHandle parent = 0;
    host::Rect rect;
    bool visible = true;
    bool topmost = false;
    int raised = 0;
    int created = 0;
  };

  bool Has(host::WindowHandle window) const { return windows_.contains(window); }
  const std::map<host::WindowHandle, Window>& All() const { return windows_; }
  host::WindowHandle foreground = 0;

  void Create(host::WindowHandle window, host::WindowHandle parent, host::Rect rect, bool visible) {
    windows_[window] = {parent, rect, visible, false, ++clock_, ++clock_};
  }
  void Destroy(host::WindowHandle window) {
    for (const auto child : Children(window))
      Destroy(child);
    if (foreground == window) foreground = 0;
    windows_.erase(window);
  }
  // x and y from the parent's corner; the window's descendants go along.
  void Move(host::WindowHandle window, host::Rect to) {
    auto& moved = windows_.at(window);
    if (Has(moved.parent)) {
      const auto& corner = windows_.at(moved.parent).rect;
      to = {to.left + corner.left, to.top + corner.top, to.right + corner.left,
            to.bottom + corner.top};
    }
    const int dx = to.left - moved.rect.left;
    const int dy = to.top - moved.rect.top;
    for (auto& [handle, other] : windows_) {
      if (!IsBelow(handle, window)) continue;
      other.rect = {other.rect.left + dx, other.rect.top + dy, other.rect.right + dx,
                    other.rect.bottom + dy};
    }
    moved.rect = to;
  }
  void Raise(host::WindowHandle window) { windows_.at(window).raised = ++clock_; }
  void SetTopmost(host::WindowHandle window, bool topmost) {
    windows_.at(window).topmost = topmost;
    Raise(window);
  }
  void SetVisible(host::WindowHandle window, bool visible) {
    windows_.at(window).visible = visible;
  }
  Handles Children(host::WindowHandle parent) const {
    Handles children;
    for (const auto& [handle, window] : windows_)
      if (window.parent == parent) children.push_back(handle);
    const auto front_first = [&](auto a, auto b) {
      const auto &x = windows_.at(a), &y = windows_.at(b);
      if (parent != 0) return x.created < y.created;
      return x.topmost != y.topmost ? x.topmost : x.raised > y.raised;
    };
    std::sort(children.begin(), children.end(), front_first);
    return children;
  }
  host::WindowHandle Next(host::WindowHandle window) const {
    const auto siblings = Children(windows_.at(window).parent);
    const auto it = std::find(siblings.begin(), siblings.end(), window);
    return it + 1 == siblings.end() ? 0 : *(it + 1);
  }
  // The deepest visible window under the point, front first.
  host::WindowHandle At(host::Point point, host::WindowHandle parent = 0) const {
    for (const auto window : Children(parent)) {
      const auto& w = windows_.at(window);
      if (w.visible && point.x >= w.rect.left && point.x < w.rect.right && point.y >= w.rect.top &&
          point.y < w.rect.bottom) {
        const auto deeper = At(point, window);
        return deeper ? deeper : window;
      }
    }
    return 0;
  }

 private:
  bool IsBelow(host::WindowHandle window, host::WindowHandle ancestor) const {
    for (auto up = windows_.at(window).parent; up != 0; up = windows_.at(up).parent)
      if (up == ancestor) return true;
    return false;
  }

  std::map<host::WindowHandle, Window> windows_;
  int clock_ = 0;
};

class RandomRun {
 public:
  explicit RandomRun(unsigned seed) : random_(seed) {}

  int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }
  host::Rect AnyRect() {
    const int left = Below(150), top = Below(150);
    return {left, top, left + 1 + Below(100), top + 1 + Below(100)};
  }
  // A live window mostly; else one destroyed before, or a handle never made.
  host::WindowHandle AnyHandle() {
    const auto& all = model.All();
    if (!all.empty() && Below(5) != 0) {
      return std::next(all.begin(), Below(static_cast<int>(all.size())))->first;
    }
    if (!gone_.empty() && Below(2))
      return gone_[static_cast<std::size_t>(Below(static_cast<int>(gone_.size())))];
    return 0x7;
  }

  void Step() {
    const auto window = AnyHandle();
    const bool live = model.Has(window);
    switch (Below(8)) {
      case 0:
      case 1: {
        const auto parent = Below(3) == 0 ? 0 : window;
        const auto rect = AnyRect();
        const bool visible = Below(4) != 0;
        const auto made =
            system.CreateWindow(WindowParams(u"C", u"", 0, rect, parent, std::nullopt, visible));
        if (parent != 0 && !live) {
          EXPECT_EQ(made, 0u) << "a child of a missing window";
          break;
        }
        ASSERT_NE(made, 0u);
        ASSERT_FALSE(model.Has(made));
        model.Create(made, parent, rect, visible);
        if (parent == 0) model.Raise(made);
        break;
      }
      case 2: {
        EXPECT_EQ(system.DestroyWindow(window), live);
        if (!live) break;
        for (const auto& [handle, w] : model.All())
          gone_.push_back(handle);
        model.Destroy(window);
        std::erase_if(gone_, [&](auto h) { return model.Has(h); });
        break;
      }
      case 3: {
        const auto to = AnyRect();
        EXPECT_EQ(system.MoveWindow(window, to.left, to.top, to.right - to.left, to.bottom - to.top,
                                    true),
                  live);
        if (live) model.Move(window, to);
        break;
      }
      case 4: {
        const bool topmost = Below(2);
        const bool top_level = live && model.All().at(window).parent == 0;
        EXPECT_EQ(system.SetTopmost(window, topmost), top_level);
        if (top_level) model.SetTopmost(window, topmost);
        break;
      }
      case 5:
        system.SetForeground(window);
        if (!live) break;
        model.foreground = window;
        if (model.All().at(window).parent == 0) model.Raise(window);
        break;
      default: {
        const bool visible = Below(2);
        system.SetVisible(window, visible);
        if (live) model.SetVisible(window, visible);
        break;
      }
    }
  }

  void Compare() {
    EXPECT_EQ(system.TopLevelZOrder(), model.Children(0));
    EXPECT_EQ(system.ForegroundWindow(), model.foreground);
    for (const auto& [handle, window] : model.All()) {
      SCOPED_TRACE(handle);
      ASSERT_TRUE(system.IsWindow(handle));
      EXPECT_EQ(system.WindowRect(handle), window.rect);
      EXPECT_EQ(system.Children(handle), model.Children(handle));
      EXPECT_EQ(system.NextWindow(handle), model.Next(handle));
    }
    for (const auto handle : gone_) {
      EXPECT_FALSE(system.IsWindow(handle));
      EXPECT_EQ(system.NextWindow(handle), 0u);
      EXPECT_EQ(system.WindowRect(handle), host::Rect{});
      EXPECT_TRUE(system.Children(handle).empty());
    }
    for (int i = 0; i < 4; ++i) {
      const host::Point point{Below(260), Below(260)};
      EXPECT_EQ(system.WindowFromPoint(point), model.At(point));
    }
  }

  SimWindowSystem system;
  Model model;

 private:
  std::mt19937 random_;
  Handles gone_;
};

TEST(WindowSystemModel, AnswersAsAPlainModelUnderRandomOperations) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    RandomRun run(seed);
    for (int step = 0; step < 80; ++step) {
      run.Step();
      run.Compare();
      if (::testing::Test::HasFailure()) return;
    }
  }
}

}  // namespace
}  // namespace tessaly::sim
