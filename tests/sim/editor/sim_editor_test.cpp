#include "sim/editor/sim_editor.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "host/host_error.h"

namespace tessaly::sim {
namespace {

// A sink that records the captions it was clicked with and asks the editor to skip its own
// action, as the add-in's sinks do.
class RecordingSink : public host::ClickSink {
 public:
  void OnClick(host::CommandBarControl& control, bool& handled, bool& cancel_default) override {
    captions.push_back(control.Caption());
    handled_seen.push_back(handled);
    if (on_click) on_click();
    cancel_default = true;
  }
  std::vector<std::u16string> captions;
  std::vector<bool> handled_seen;
  std::function<void()> on_click;
};

class TabDocument : public host::UserDocument {};

// Builds "Bar > Pop > Item" and a button "Bar > Go" through the object model.
std::shared_ptr<host::CommandBarControl> BuildBar(host::Application& app,
                                                  std::shared_ptr<host::CommandBarControl>* item) {
  auto bar = app.CommandBars()->Add(u"Bar", host::kBarTop);
  auto popup = bar->Controls()->Add(host::kPopup);
  popup->SetCaption(u"Pop");
  *item = popup->Controls()->Add(host::kButton);
  (*item)->SetCaption(u"Item");
  auto go = bar->Controls()->Add(host::kButton);
  go->SetCaption(u"Go");
  return go;
}

TEST(SimEditorTest, Vb6ClicksReachLiveSinksOfBothKindsOnly) {
  SimEditor editor;
  auto app = editor.Application();
  std::shared_ptr<host::CommandBarControl> item;
  BuildBar(*app, &item);

  auto first = std::make_shared<RecordingSink>();
  auto second = std::make_shared<RecordingSink>();
  auto own = std::make_shared<RecordingSink>();
  auto events_source = app->Events()->CommandBarEvents(*item);
  auto first_connection = events_source->Advise(first);
  auto second_connection = app->Events()->CommandBarEvents(*item)->Advise(second);
  auto own_connection = item->ButtonEvents()->Advise(own);
  const ControlPath path = {u"Bar", u"Pop", u"Item"};
  EXPECT_EQ(editor.SinkCount(path, SinkKind::kCommandBarEvents), 2);
  EXPECT_EQ(editor.SinkCount(path, SinkKind::kButtonEvents), 1);

  ClickResult result = editor.Click(path);
  EXPECT_EQ(result.sinks_run, 3);
  EXPECT_TRUE(result.cancel_default);
  EXPECT_EQ(first->captions, std::vector<std::u16string>{u"Item"});
  EXPECT_EQ(own->captions, std::vector<std::u16string>{u"Item"});

  second_connection.reset();
  EXPECT_EQ(editor.SinkCount(path, SinkKind::kCommandBarEvents), 1);
  result = editor.Click(path);
  EXPECT_EQ(result.sinks_run, 2);
  EXPECT_EQ(first->captions.size(), 2u);

  // A sink unadvised by an earlier sink during the same click is not called.
  auto victim = std::make_shared<RecordingSink>();
  auto victim_connection = app->Events()->CommandBarEvents(*item)->Advise(victim);
  std::weak_ptr<RecordingSink> watch = victim;
  first->on_click = [&] { victim_connection.reset(); };
  victim.reset();
  EXPECT_FALSE(watch.expired());  // a connection point holds its sink until unadvised
  result = editor.Click(path);
  EXPECT_EQ(result.sinks_run, 2);
  EXPECT_TRUE(watch.expired());

  first_connection.reset();
  own_connection.reset();
  result = editor.Click(path);
  EXPECT_EQ(result.sinks_run, 0);
  EXPECT_FALSE(result.cancel_default);

  EXPECT_THROW(editor.Click({u"Bar", u"Pop", u"Missing"}), std::invalid_argument);
  EXPECT_THROW(editor.Click({u"Bar", u"Go", u"Item"}), std::invalid_argument);
  EXPECT_THROW(editor.Click({u"NoBar", u"Go"}), std::invalid_argument);
  EXPECT_THROW(editor.SinkCount({u"Bar"}, SinkKind::kButtonEvents), std::invalid_argument);
}

}  // namespace
}  // namespace tessaly::sim
