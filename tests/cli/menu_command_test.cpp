#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

using test_support::RunTessaly;

const std::string kSeparator = "──────";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);)
    lines.push_back(line);
  return lines;
}

// The lines indented by `depth` levels of four blanks, in order, and nothing deeper.
std::vector<std::string> AtDepth(const std::vector<std::string>& lines, std::size_t depth) {
  const std::string indent(4 * depth, ' ');
  std::vector<std::string> found;
  for (const auto& line : lines) {
    if (line.compare(0, indent.size(), indent) == 0 && line.size() > indent.size() &&
        line[indent.size()] != ' ') {
      found.push_back(line.substr(indent.size()));
    }
  }
  return found;
}

// The bar's 24 controls in bar order, 8 popups and 16 buttons with their tips, and a
// separator wherever a control begins a group.
TEST(MenuCommandTest, ShowsTheBarInBarOrder) {
  const auto result = RunTessaly({"menu"});
  ASSERT_EQ(result.status, kExitOk) << result.err;
  const auto lines = Lines(result.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], "TessalyIDE");
  EXPECT_EQ(AtDepth(lines, 0), std::vector<std::string>{"TessalyIDE"});

  const std::vector<std::string> top = {
      "[启禁类",
      "控制类",
      "常用语]",
      kSeparator,
      "[对象类",
      "注册表]",
      kSeparator,
      "[循环",
      "常用]",
      kSeparator,
      "【功能】",
      kSeparator,
      "资管(&G)    (工程资源管理器窗口)",
      "属性(&Y)    (工程模块控件属性窗口)",
      "立即(&M)    (立即窗口)",
      kSeparator,
      "清屏(&N)    (立即清屏)",
      "公私(&J)    (公有和私有转换)",
      kSeparator,
      "注释(&Z)    (添加\\删除当前行注释)",
      "删行(&X)    (删除当前整行)",
      "粘贴(&S)    (粘贴剪贴板内容插入或替换(选中))",
      "注解(&C)    (函数过程内注解说明标准前缀)",
      "分割(&B)    (函数过程头标准分割线)",
      kSeparator,
      "弹窗    (Msgbox调试)",
      "调试    (立即窗口调试)",
      "文本    (强制文本\"*\")",
      "链接    (链接符＆)",
      "换行    (换行符VbCrLf)",
      kSeparator,
      "关于程序    (关于本程序)",
  };
  EXPECT_EQ(AtDepth(lines, 1), top);
  std::size_t controls = 0;
  for (const auto& line : AtDepth(lines, 1))
    controls += line != kSeparator;
  EXPECT_EQ(controls, 24u);
}

TEST(MenuCommandTest, ShowsEachPopupsItemsUnderIt) {
  const auto lines = Lines(RunTessaly({"menu"}).out);
  const auto tools = std::find(lines.begin(), lines.end(), "    【功能】");
  ASSERT_NE(tools, lines.end());
  std::vector<std::string> items;
  for (auto line = tools + 1; line != lines.end() && line->rfind("        ", 0) == 0; ++line) {
    items.push_back(line->substr(8));
  }
  EXPECT_EQ(items, (std::vector<std::string>{"代码缩进", "取消缩进", kSeparator, "删除空行",
                                             kSeparator, "代码注解", "删除注解", "注解对齐",
                                             "取消对齐", kSeparator, "在线翻译", "在线搜索"}));
  // The 8 popups hold 163 items between them, and nothing sits deeper than their items.
  std::size_t all_items = 0;
  for (const auto& line : AtDepth(lines, 2))
    all_items += line != kSeparator;
  EXPECT_EQ(all_items, 163u);
  EXPECT_TRUE(AtDepth(lines, 3).empty());
}

}  // namespace
}  // namespace tessaly::cli
