// A face that draws the About form gets the form before it loads, so it hears the load
// itself, and gets a new window for each form; the close box unloads the form.

#include <gtest/gtest.h>

#include "about_fixture.h"

namespace tessaly::about::testing {
namespace {

TEST(AboutFormWindowTest, TheFaceHearsTheLoadAndTheCloseBoxUnloads) {
  AboutFixture fixture;
  int attached = 0;
  std::vector<std::pair<std::u16string, bool>> heard;  // caption, shown
  FormWindowFactory windows = fixture.Windows();
  windows.attach = [&](host::WindowHandle window, AboutFrm& form) {
    ++attached;
    EXPECT_EQ(window, form.hWnd());
    form.SetChangeListener([&heard, &form] { heard.emplace_back(form.Caption, form.Visible); });
  };
  AboutFormHost host{fixture.connection, fixture.features, fixture.os.Os(), windows};

  host.Show();
  host.Show();
  EXPECT_EQ(attached, 1);
  // First the load, before the form is shown, then the showing.
  ASSERT_EQ(heard.size(), 2u);
  EXPECT_EQ(heard[0], std::make_pair(std::u16string(u"关于程序——TessalyIDE_V1.36"), false));
  EXPECT_TRUE(heard[1].second);

  host.Form().Close();
  EXPECT_FALSE(host.IsLoaded());
  host.Show();
  EXPECT_EQ(attached, 2);
  EXPECT_EQ(fixture.windows_made, 2);
}

}  // namespace
}  // namespace tessaly::about::testing
