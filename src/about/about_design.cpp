#include "about/about_design.h"

namespace tessaly::about {

namespace {

AboutFrmDesign MakeDesign() {
  AboutFrmDesign d;
  d.Caption = u"关于程序";
  d.Width = 480;
  d.Height = 420;
  // 48 + 96 + 48 + 96 + 48 + 96 + 48 = 480
  d.Image1 = {{
      {u"程序标志", 48, 16, 96, 96, true},
      {u"捐赠二维码一", 192, 16, 96, 96, true},
      {u"捐赠二维码二", 336, 16, 96, 96, true},
  }};
  d.lblTitle = {u"", 24, 128, 432, 64, true};
  d.lblDescription = {u"", 24, 200, 432, 44, true};
  d.lblVersion = {u"", 24, 250, 432, 20, true};
  d.lblDisclaimer = {
      u"本程序按现状提供，使用前请备份代码；因使用本程序造成的任何损失，作者概不负责。",
      24,
      274,
      432,
      32,
      true};
  // A stored value that cannot show leaves a box ticked, as a switch is on by default.
  d.Check1 = {{
      {u"功能菜单", kChecked, 24, 316, 100, 24, true, true},
      {u"调整窗口", kChecked, 132, 316, 100, 24, true, true},
      {u"多标签页", kChecked, 240, 316, 100, 24, true, true},
      {u"鼠标滚轮", kChecked, 348, 316, 100, 24, true, true},
  }};
  d.cmdOK = {u"确定", u"关闭", 368, 364, 88, 32, true, true};
  return d;
}

}  // namespace

const AboutFrmDesign& AboutDesign() {
  static const AboutFrmDesign design = MakeDesign();
  return design;
}

}  // namespace tessaly::about
