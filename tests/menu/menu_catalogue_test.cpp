#include "menu/menu_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tessaly::menu {
namespace {

TEST(MenuCatalogue, EveryCaptionOccursOnceTopLevelIncluded) {
  std::set<std::u16string_view> seen;
  std::size_t count = 0;
  for (int group : {kPopupGroup, kButtonGroup}) {
    for (const auto& control : MenuTop(group)) {
      seen.insert(control.caption);
      ++count;
    }
  }
  for (int k = 0; k < kPopupCount; ++k) {
    for (const auto& item : MenuItems(k)) {
      EXPECT_FALSE(item.caption.empty());
      seen.insert(item.caption);
      ++count;
    }
  }
  EXPECT_EQ(seen.size(), count);
}

// The texts whose blanks, quotes and line breaks a transcription easily loses.
TEST(MenuCatalogue, KeepsSnippetTextsByteForByte) {
  struct Case {
    std::u16string_view caption;
    std::u16string_view text;
  };
  const Case cases[] = {
      {u"参数：传值", u" ByVal "},
      {u"声明常量", u"Public Const StrNum = 1365 "},
      {u"启用屏幕更新", u"Application.ScreenUpdating =True"},
      {u"插入函数",
       u"Public Function fTest(ByVal x1 As Variant, Optional ByVal x2 As Long)\r\n\r\nEnd "
       u"Function"},
      {u"With继承", u"With xObj\r\nHeadCodeEnd With"},
      {u"For_to循环", u"For i = LBound(xObj) To UBound(xObj)  Step 1\r\nHeadCodeNext"},
      {u"耗时差循环内计算",
       u"getTMid = Now()\r\nHeadCodeMsgbox \" [ 耗时：\" & Format(Now() - getTMid, "
       u"\"HH.mm.ss.ms\") & \" ]"},
      {u"Do_Loop循环",
       u"Do'While|Until\r\nHeadCode    If xObj=yObj Then Exit Do\r\nHeadCodeLoop'While|Until"},
      {u"跳转容错",
       u"On Error GoTo error_handler\r\nerror_handler:\r\nMsgBox  Err.Number & vbCr & "
       u"Err.Description, 16 + 0, \"Error Number\""},
      {u"创建外壳对象",
       u"Dim  WinShell As Object\r\nHeadCodeSet WinShell = CreateObject(\"Shell.Application\")"
       u"\r\nHeadCodeSet objFolder = WinShell.Namespace(FONTS)\r\nHeadCodeobjFolder.CopyHere "
       u"YPath\r\nHeadCodeSet WinShell = Nothing"},
      {u"复制所有文件",
       u"Fso.CopyFile \"c:\\mydocuments\\letters\\*.doc\", \"c:\\tempfolder\\\",true"},
      {u"状态栏信息", u"Application.StatusBar = \"\""},
  };
  for (const auto& c : cases) {
    const MenuItem* item = FindMenuItem(c.caption);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text, c.text);
  }
}

TEST(MenuCatalogue, FindsOnlyWholeCaptions) {
  ASSERT_NE(FindMenuItem(u"退出  Do 循环"), nullptr);
  EXPECT_EQ(FindMenuItem(u"Then条件"), nullptr);
  EXPECT_EQ(FindMenuItem(u"文本"), nullptr);  // a bar button, not a popup item
}

}  // namespace
}  // namespace tessaly::menu
