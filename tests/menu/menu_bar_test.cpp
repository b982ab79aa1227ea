#include "menu/menu_bar.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include "addin/app_event_vbide.h"
#include "menu/menu_catalogue.h"
#include "menu_fixture.h"

namespace tessaly::menu {
namespace {

using sim::ControlPath;
using sim::SinkKind;

// Every button of the catalogue by its caption path on the bar.
std::vector<ControlPath> AllButtonPaths() {
  std::vector<ControlPath> paths;
  const auto popups = MenuTop(kPopupGroup);
  for (int k = 0; k < kPopupCount; ++k) {
    for (const auto& item : MenuItems(k)) {
      paths.push_back(
          {u"TessalyIDE", std::u16string(popups[k].caption), std::u16string(item.caption)});
    }
  }
  for (const auto& button : MenuTop(kButtonGroup)) {
    paths.push_back({u"TessalyIDE", std::u16string(button.caption)});
  }
  return paths;
}

void ExpectOneSinkPerButton(const sim::SimEditor& editor, SinkKind kind) {
  const SinkKind other =
      kind == SinkKind::kButtonEvents ? SinkKind::kCommandBarEvents : SinkKind::kButtonEvents;
  const auto paths = AllButtonPaths();
  ASSERT_EQ(paths.size(), 180u);
  for (const auto& path : paths) {
    EXPECT_EQ(editor.SinkCount(path, kind), 1) << text::ToUtf8(path.back());
    EXPECT_EQ(editor.SinkCount(path, other), 0) << text::ToUtf8(path.back());
  }
}

// A refused property is skipped and the rest is built. A build first lets go of the sinks it
// finds (here the Add-Ins entry's).
TEST(MenuBar, BuildsTwentyFourControlsWithTheirSeparatorsIconsAndTips) {
  for (const bool refuse_icons : {false, true}) {
    SCOPED_TRACE(refuse_icons);
    MenuFixture f({u""}, test_support::ExcelEditor());
    if (refuse_icons) f.editor.Refuse(u"CommandBarControl.SetFaceId");
    auto entry = f.editor.Bar(u"Add-Ins").ControlList().Append(host::kButton);
    entry->MutableProperties().caption = u"Tessaly";
    addin::HookButton(f.connection, *entry, [](const std::u16string&) {});
    f.menu.BuildMenuBar();
    EXPECT_EQ(f.editor.SinkCount({u"Add-Ins", u"Tessaly"}, SinkKind::kButtonEvents), 0);
    ASSERT_TRUE(f.editor.HasBar(u"TessalyIDE"));
    const auto& bar = f.editor.Bar(u"TessalyIDE");
    EXPECT_EQ(bar.Position(), host::kBarTop);
    EXPECT_TRUE(bar.IsVisible());
    EXPECT_TRUE(bar.IsEnabled());
    const auto& controls = bar.ControlList().All();
    ASSERT_EQ(controls.size(), 24u);
    const std::set<std::size_t> separators = {3, 5, 7, 8, 11, 13, 18, 23};
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const auto& p = controls[i]->Properties();
      EXPECT_EQ(p.type, i < 8 ? host::kPopup : host::kButton) << i;
      EXPECT_EQ(p.begin_group, separators.contains(i)) << i;
      EXPECT_EQ(p.tooltip_text.empty(), i < 8) << i;
    }
    const auto& comment = controls[13]->Properties();
    EXPECT_EQ(comment.caption, u"注释(&Z)");
    EXPECT_EQ(comment.face_id, refuse_icons ? 0 : 192);
    EXPECT_EQ(comment.style, host::kIconAndCaption);
    EXPECT_EQ(comment.tooltip_text, u"添加\\删除当前行注释");
    const auto& item = f.editor.Control({u"TessalyIDE", u"常用语]", u"单元格选择"}).Properties();
    EXPECT_EQ(item.face_id, refuse_icons ? 0 : 182);
    EXPECT_TRUE(item.begin_group);
    EXPECT_EQ(item.style, host::kIconAndCaption);
    EXPECT_TRUE(item.tooltip_text.empty());
    EXPECT_EQ(controls[7]->Children()->All().size(), 10u);
    // The host repaints after every button and after each group.
    EXPECT_EQ(f.os.loop().DoEventsCount(), 180u + 2u);
    ExpectOneSinkPerButton(f.editor, SinkKind::kButtonEvents);
  }
}

// Each host kind wires its own sink to every button. An editor that keeps its bars shows the bar
// at the next connection, which skips the build: the bar must not stay dead.
TEST(MenuBar, WiresEachButtonOnceAndAgainWhenReconnectingToAKeptBar) {
  for (bool vb6 : {false, true}) {
    const SinkKind kind = vb6 ? SinkKind::kCommandBarEvents : SinkKind::kButtonEvents;
    MenuFixture f({u"x = 1"}, test_support::EditorFor(vb6));
    auto& editor = f.editor;
    EXPECT_EQ(f.menu.RewireExistingBar(), 0);  // no bar yet: nothing to wire
    auto first = std::make_unique<addin::Connection>(ConnectionTo(editor));
    {
      FunctionMenu menu(*first, f.host_os, f.commands, f.dictionary);
      menu.BuildMenuBar();
      ExpectOneSinkPerButton(editor, kind);
      EXPECT_EQ(first->ButtonSinks->size(), 180u);
    }
    // The sinks outlive the menu, which their clicks no longer reach; dropping them unwires.
    EXPECT_EQ(editor.Click({u"TessalyIDE", u"关于程序"}).sinks_run, 1);
    EXPECT_TRUE(f.commands.calls.empty());
    first.reset();
    ASSERT_EQ(editor.SinkCount({u"TessalyIDE", u"关于程序"}, kind), 0);
    // Somebody else's button on the bar keeps its own action.
    editor.Bar(u"TessalyIDE").ControlList().Append(host::kButton)->MutableProperties().caption =
        u"Mine";

    EXPECT_EQ(f.menu.RewireExistingBar(), 180);
    ExpectOneSinkPerButton(editor, kind);
    EXPECT_EQ(editor.SinkCount({u"TessalyIDE", u"Mine"}, kind), 0);
    // Once wired, asking again adds no second sink.
    EXPECT_EQ(f.menu.RewireExistingBar(), 0);
    ExpectOneSinkPerButton(editor, kind);

    editor.Click({u"TessalyIDE", u"关于程序"});
    editor.Click({u"TessalyIDE", u"【功能】", u"代码缩进"});
    EXPECT_EQ(f.commands.calls, (std::vector<std::string>{"ShowAbout"}));
    EXPECT_EQ(f.Text()[0], u"x = 1");
    EXPECT_EQ(f.Selection(), (host::Selection{1, 1, 1, 1}));  // the tool ran: caret put back
  }
}

TEST(MenuCatalogue, EveryCaptionOccursOnceTopLevelIncluded) {
  // The set keeps views into the paths, which must outlive it.
  const auto paths = AllButtonPaths();
  std::set<std::u16string_view> seen;
  for (const auto& path : paths) {
    EXPECT_FALSE(path.back().empty());
    seen.insert(path.back());
  }
  for (const auto& popup : MenuTop(kPopupGroup))
    seen.insert(popup.caption);
  EXPECT_EQ(seen.size(), 180u + kPopupCount);
}

// The texts whose blanks, quotes and line breaks a transcription easily loses (those the
// snippet tests insert are checked there).
TEST(MenuCatalogue, KeepsSnippetTextsByteForByte) {
  struct Case {
    std::u16string_view caption;
    std::u16string_view text;
  };
  const Case cases[] = {
      {u"启用屏幕更新", u"Application.ScreenUpdating =True"},
      {u"For_to循环", u"For i = LBound(xObj) To UBound(xObj)  Step 1\r\nHeadCodeNext"},
      {u"耗时差循环内计算",
       u"getTMid = Now()\r\nHeadCodeMsgbox \" [ 耗时：\" & Format(Now() - getTMid, "
       u"\"HH.mm.ss.ms\") & \" ]"},
      {u"Do_Loop循环",
       u"Do'While|Until\r\nHeadCode    If xObj=yObj Then Exit Do\r\nHeadCodeLoop'While|Until"},
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
