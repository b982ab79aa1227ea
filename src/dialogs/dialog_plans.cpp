#include "dialogs/dialog_plans.h"

namespace tessaly::dialogs {
namespace {

// clang-format off
constexpr Cell kOwn{0, 0, 0};
constexpr Cell Add(std::int32_t add) { return {0, 0, add}; }
constexpr Cell PlusDw(std::int32_t add = 0) { return {1, 0, add}; }
constexpr Cell PlusDh(std::int32_t add = 0) { return {0, 1, add}; }

// "引用" in the VB6 IDE: P = 50, Q = 0.
constexpr PlacementRow kReferencesVb6[] = {
  // first last  x           y             width          height
  {  1,   1,  kOwn,       Add(-25),     PlusDw(50),    kOwn      },
  {  2,   2,  kOwn,       Add(-25),     PlusDw(50),    PlusDh()  },
  {  3,   5,  PlusDw(),   kOwn,         kOwn,          kOwn      },
  {  6,   6,  PlusDw(),   Add(0),       kOwn,          kOwn      },
  {  7,  11,  kOwn,       PlusDh(-25),  PlusDw(-5),    kOwn      },
  { 12,  14,  PlusDw(50), kOwn,         kOwn,          kOwn      },
};

// "引用" in the VBA editor: P = 75, Q = 45.
constexpr PlacementRow kReferencesVba[] = {
  {  1,   1,  kOwn,       Add(-25),     PlusDw(75),    kOwn      },
  {  2,   2,  kOwn,       Add(-25),     PlusDw(75),    PlusDh()  },
  {  3,   5,  PlusDw(),   kOwn,         kOwn,          kOwn      },
  {  6,   6,  PlusDw(),   Add(45),      kOwn,          kOwn      },
  {  7,  11,  kOwn,       PlusDh(-25),  PlusDw(-5),    kOwn      },
  { 12,  14,  PlusDw(75), kOwn,         kOwn,          kOwn      },
};

constexpr PlacementRow kNewProject[] = {
  {  1,   1,  kOwn,       Add(-25),     PlusDw(),      kOwn      },
  {  2,   4,  PlusDw(),   kOwn,         kOwn,          kOwn      },
};

constexpr PlacementRow kOpenProject[] = {
  {  1,   1,  kOwn,       Add(-25),     PlusDw(),      PlusDh(-5)},
  {  2,   5,  kOwn,       Add(-25),     kOwn,          kOwn      },
  {  6,   6,  kOwn,       Add(-25),     PlusDw(),      kOwn      },
  {  7,   7,  kOwn,       PlusDh(-25),  kOwn,          kOwn      },
  {  8,   8,  kOwn,       PlusDh(-25),  PlusDw(),      kOwn      },
  {  9,   9,  kOwn,       PlusDh(-25),  kOwn,          kOwn      },
  { 10,  10,  kOwn,       PlusDh(-25),  PlusDw(),      kOwn      },
  { 11,  11,  kOwn,       kOwn,         kOwn,          kOwn      },
  { 12,  14,  PlusDw(),   PlusDh(-25),  kOwn,          kOwn      },
  { 15,  15,  kOwn,       Add(-26),     PlusDw(),      PlusDh()  },
  { 16,  16,  kOwn,       Add(-25),     PlusDw(),      PlusDh()  },
  { 17,  17,  kOwn,       Add(-23),     PlusDw(),      PlusDh()  },
};

constexpr PlacementRow kComponents[] = {
  {  1,   1,  kOwn,       Add(-25),     PlusDw(-25),   PlusDh(-5)},
  {  2,   2,  kOwn,       PlusDh(-25),  Add(-5),       kOwn      },
  {  3,   5,  kOwn,       PlusDh(-25),  kOwn,          kOwn      },
  {  6,   6,  kOwn,       Add(-25),     PlusDw(-5),    PlusDh()  },
};

// Page records 0-2 are its first three "Button" windows, 3-5 its first three "Static"
// windows, 6 its first "ListBox". The list box grows by the change of width, not height.
constexpr PlacementRow kComponentsPage[] = {
  {  0,   0,  kOwn,       PlusDh(-50),  PlusDw(),      kOwn      },
  {  1,   2,  PlusDw(),   PlusDh(-50),  kOwn,          kOwn      },
  {  3,   3,  kOwn,       PlusDh(-50),  kOwn,          Add(5)    },
  {  4,   4,  kOwn,       PlusDh(-50),  PlusDw(),      Add(5)    },
  {  5,   5,  PlusDw(),   PlusDh(-50),  kOwn,          kOwn      },
  {  6,   6,  kOwn,       Add(-45),     PlusDw(),      PlusDw(10)},
};

constexpr std::u16string_view kPageClasses[] = {
  u"Button", u"Button", u"Button", u"Static", u"Static", u"Static", u"ListBox",
};

constexpr DialogPlan kPlans[] = {
  {u"引用",     true,  {446, 336}, false, kReferencesVb6, {}},
  {u"引用",     false, {437, 334}, false, kReferencesVba, {}},
  {u"新建工程", true,  {413, 273}, true,  kNewProject,    {}},
  {u"打开工程", true,  {461, 316}, false, kOpenProject,   {}},
  {u"部件",     true,  {455, 379}, false, kComponents,    kComponentsPage},
};

constexpr DialogTitleRow kTitles[] = {
  {u"引用 -",   false, u"引用",     14},
  {u"新建工程", false, u"新建工程",  4},
  {u"打开工程", false, u"打开工程", 17},
  {u"部件",     true,  u"部件",      6},
};
// clang-format on

}  // namespace

const DialogPlan* FindPlan(std::u16string_view name, bool vb6) {
  for (const auto& plan : kPlans) {
    if (plan.name == name && plan.vb6 == vb6) return &plan;
  }
  return nullptr;
}

std::span<const std::u16string_view> PageClasses() {
  return kPageClasses;
}

std::span<const DialogTitleRow> DialogTitles() {
  return kTitles;
}

}  // namespace tessaly::dialogs
