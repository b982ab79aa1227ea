#include "sim/desktop/dialog_layouts.h"

namespace tessaly::sim {
namespace {

// The templates as the Chinese editors draw them; only positions, sizes and classes matter to
// the add-in, so captions of the controls are left out.
// clang-format off
DialogLayout ReferencesVb6() {
  return {u"#32770", u"引用 - Project1", kDialogStyle, {446, 336}, {
      {u"Static",  10,  30, 290,  14, {}},   // 可用的引用
      {u"ListBox", 10,  46, 290, 220, {}},
      {u"Button", 320,  30, 110,  24, {}},   // 确定
      {u"Button", 320,  60, 110,  24, {}},   // 取消
      {u"Button", 320,  90, 110,  24, {}},   // 浏览
      {u"Button", 320, 130, 110,  24, {}},   // 帮助
      {u"Button",  10, 272, 420,  56, {}},   // the frame around the file facts
      {u"Static",  18, 288,  60,  14, {}},
      {u"Static",  84, 288, 340,  14, {}},
      {u"Static",  18, 306,  60,  14, {}},
      {u"Static",  84, 306, 340,  14, {}},
      {u"Button", 302, 150,  14,  24, {}},   // priority up
      {u"Button", 302, 180,  14,  24, {}},   // priority down
      {u"Static", 300, 210,  20,  30, {}},   // 优先级
  }, std::nullopt};
}

DialogLayout ReferencesVba() {
  return {u"#32770", u"引用 - Project1", kDialogStyle, {437, 334}, {
      {u"Static",   8,  30, 285,  14, {}},
      {u"ListBox",  8,  46, 285, 220, {}},
      {u"Button", 312,  30, 110,  24, {}},
      {u"Button", 312,  60, 110,  24, {}},
      {u"Button", 312,  90, 110,  24, {}},
      {u"Button", 312, 130, 110,  24, {}},
      {u"Button",   8, 272, 420,  56, {}},
      {u"Static",  16, 288,  60,  14, {}},
      {u"Static",  82, 288, 340,  14, {}},
      {u"Static",  16, 306,  60,  14, {}},
      {u"Static",  82, 306, 340,  14, {}},
      {u"Button", 296, 150,  14,  24, {}},
      {u"Button", 296, 180,  14,  24, {}},
      {u"Static", 294, 210,  18,  30, {}},
  }, std::nullopt};
}

DialogLayout NewProject() {
  return {u"#32770", u"新建工程", kDialogStyleContextHelp, {413, 273}, {
      {u"SysTabControl32",   7, 32, 300, 220, {}},
      {u"Button",          318, 32,  86,  24, {}},   // 确定
      {u"Button",          318, 62,  86,  24, {}},   // 取消
      {u"Button",          318, 92,  86,  24, {}},   // 帮助
  }, std::nullopt};
}

DialogLayout OpenProject() {
  return {u"#32770", u"打开工程", kDialogStyleContextHelp, {461, 316}, {
      {u"SysTabControl32",   7,  30, 447, 236, {}},
      {u"Static",           17,  60,  60,  14, {}},   // 查找范围
      {u"ComboBox",         80,  58, 200,  22, {}},
      {u"ToolbarWindow32", 290,  56,  80,  24, {}},
      {u"Static",          380,  60,  60,  14, {}},
      {u"ComboBox",         17,  86, 300,  22, {}},
      {u"Static",           17, 226,  60,  14, {}},   // 文件名
      {u"Edit",             80, 224, 260,  22, {}},
      {u"Static",           17, 250,  60,  14, {}},   // 文件类型
      {u"ComboBox",         80, 248, 260,  22, {}},
      {u"Button",           17, 290, 200,  16, {}},   // 不再显示这个对话框
      {u"Button",          360, 224,  90,  24, {}},   // 打开
      {u"Button",          360, 252,  90,  24, {}},   // 取消
      {u"Button",          360, 282,  90,  24, {}},   // 帮助
      {u"SysListView32",    17, 112, 427, 100, {}},   // 新建
      {u"SysListView32",    17, 112, 427, 100, {}},   // 现存
      {u"SysListView32",    17, 112, 427, 100, {}},   // 最新
  }, std::nullopt};
}

DialogLayout Components() {
  return {u"#32770", u"部件", kDialogStyleClipped, {455, 379}, {
      {u"SysTabControl32",   7,  30, 440, 290, {}},
      {u"Button",            7, 330, 200,  18, {}},   // 只显示选定项
      {u"Button",          215, 345,  74,  24, {}},   // 确定
      {u"Button",          295, 345,  74,  24, {}},   // 取消
      {u"Button",          375, 345,  74,  24, {}},   // 应用
      {u"#32770",           14,  56, 426, 258, {      // the 控件 page
          {u"ListBox",   8,   8, 300, 200, {}},
          {u"Button",  316,   8, 100,  24, {}},       // 浏览
          {u"Static",    8, 214,  60,  14, {}},
          {u"Button",    8, 236, 120,  18, {}},
          {u"Static",   76, 214, 340,  14, {}},
          {u"Button",  316,  40, 100,  18, {}},
          {u"Static",  316,  70, 100,  40, {}},
      }},
  }, std::nullopt};
}
// clang-format on

}  // namespace

DialogLayout EditorDialogLayout(EditorDialog dialog, bool vb6) {
  switch (dialog) {
    case EditorDialog::kReferences:
      return vb6 ? ReferencesVb6() : ReferencesVba();
    case EditorDialog::kNewProject:
      return NewProject();
    case EditorDialog::kOpenProject:
      return OpenProject();
    case EditorDialog::kComponents:
      return Components();
  }
  return {};
}

}  // namespace tessaly::sim
