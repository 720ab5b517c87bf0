// The about page: its texts on a raised panel and the hyperlinks the shell opens.
#include <string>
#include <vector>

#include "SettingsTestFixture.h"

TEST_F(SettingsTest, AboutPageShowsTheProductAndOpensItsLinks) {
  TfmAbout& about = Forms().fmAbout;
  EXPECT_TRUE(about.pnlProduct.Raised());
  EXPECT_EQ(about.LBL_Product.Caption(), "トブリン＋");
  EXPECT_TRUE(about.LBL_Product.look.bold);
  const platform::Bounds panel = about.pnlProduct.GetBounds();
  for (const platform::Control* control : about.Controls()) {
    if (control == &about.pnlProduct) continue;
    const platform::Bounds b = control->GetBounds();
    EXPECT_TRUE(b.left > panel.left && b.top > panel.top &&
                b.left + b.width < panel.left + panel.width &&
                b.top + b.height < panel.top + panel.height)
        << control->Name();
    EXPECT_FALSE(control->TabStop()) << control->Name();
  }
  EXPECT_EQ(about.LBL_Web.look.color, platform::TextColor::Link);
  about.LBL_Web.Click();
  about.LBL_Mail.Click();
  using Execution = platform::memory::MemoryShell::Execution;
  EXPECT_EQ(m.shell.executions,
            (std::vector<Execution>{
                {about.Handle(), "OPEN", "https://tobrin.example.jp/", "", "", 5},
                {about.Handle(), "OPEN", "mailto:support@tobrin.example.jp", "", "", 5}}));
}
