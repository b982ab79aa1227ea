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

// The lines indented by `depth` levels of four blanks, in order, and nothing deeper.
std::vector<std::string> AtDepth(const std::string& text, std::size_t depth) {
  const std::string indent(4 * depth, ' ');
  std::vector<std::string> found;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) {
    if (line.compare(0, indent.size(), indent) == 0 && line.size() > indent.size() &&
        line[indent.size()] != ' ') {
      found.push_back(line.substr(indent.size()));
    }
  }
  return found;
}

// The bar's 24 controls in bar order, 8 popups holding 163 items and 16 buttons with their
// tips, and a separator wherever a control begins a group; the tools popup shown whole.
TEST(MenuCommandTest, ShowsTheBarInBarOrder) {
  const auto result = RunTessaly({"menu"});
  ASSERT_EQ(result.status, kExitOk) << result.err;
  EXPECT_EQ(AtDepth(result.out, 0), std::vector<std::string>{"TessalyIDE"});
  const auto top = AtDepth(result.out, 1);
  ASSERT_EQ(top.size(), 32u);
  EXPECT_EQ(std::count(top.begin(), top.end(), kSeparator), 8);
  EXPECT_EQ((std::vector<std::string>(top.begin(), top.begin() + 4)),
            (std::vector<std::string>{"[启禁类", "控制类", "常用语]", kSeparator}));
  EXPECT_EQ(top[12], "资管(&G)    (工程资源管理器窗口)");
  EXPECT_EQ(top[27], "文本    (强制文本\"*\")");
  EXPECT_EQ(top.back(), "关于程序    (关于本程序)");

  const auto items = AtDepth(result.out, 2);
  EXPECT_EQ(items.size() - std::count(items.begin(), items.end(), kSeparator), 163u);
  EXPECT_TRUE(AtDepth(result.out, 3).empty());
  const auto tools = result.out.find("    【功能】\n");
  ASSERT_NE(tools, std::string::npos);
  EXPECT_EQ(AtDepth(result.out.substr(tools, result.out.find("\n    资管", tools) - tools), 2),
            (std::vector<std::string>{"代码缩进", "取消缩进", kSeparator, "删除空行", kSeparator,
                                      "代码注解", "删除注解", "注解对齐", "取消对齐", kSeparator,
                                      "在线翻译", "在线搜索"}));
}

}  // namespace
}  // namespace tessaly::cli
