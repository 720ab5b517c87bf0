// The form layer's own rules: radio groups, combo box selection and text, tabs, showing and
// closing forms, and the in-memory application's error report.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/memory/MemoryApplication.h"

namespace {

using platform::Bounds;
using platform::ComboBox;
using platform::Form;
using platform::FormStyle;
using platform::RadioButton;

struct TwoGroups : Form {
  TwoGroups() : Form("fmTest", "test", {200, 100}, FormStyle::Page) {}
  RadioButton a1{*this, "a1", {}, "a1", 0};
  RadioButton a2{*this, "a2", {}, "a2", 0};
  RadioButton b1{*this, "b1", {}, "b1", 1};
};

TEST(FormLayer, CheckingARadioButtonUnchecksOnlyItsGroup) {
  TwoGroups form;
  form.a1.SetChecked(true);
  form.b1.SetChecked(true);
  form.a2.ClickByUser();
  EXPECT_FALSE(form.a1.Checked());
  EXPECT_TRUE(form.a2.Checked());
  EXPECT_TRUE(form.b1.Checked());
  ASSERT_EQ(form.Controls().size(), 3u);
  EXPECT_EQ(form.FindControl("a2"), &form.a2);
  EXPECT_EQ(form.FindControl("zz"), nullptr);
}

TEST(FormLayer, ComboBoxSelectionAndText) {
  Form form("f", "", {10, 10}, FormStyle::Page);
  ComboBox list(form, "list", Bounds{}, {"通常", "選択範囲"}, false);
  ComboBox editable(form, "ext", Bounds{}, {"", "txt", "htm"}, true);

  struct Case {
    ComboBox* box;
    const char* set;
    int index;
    const char* shown;
  };
  const Case cases[] = {
      {&list, "選択範囲", 1, "選択範囲"}, {&list, "cgi", -1, ""},
      {&editable, "htm", 2, "htm"},       {&editable, "cgi", -1, "cgi"},
      {&editable, "", 0, ""},
  };
  for (const Case& c : cases) {
    c.box->SetText(c.set);
    EXPECT_EQ(c.box->ItemIndex(), c.index) << c.set;
    EXPECT_EQ(c.box->Text(), c.shown) << c.set;
  }
  for (const int index : {-1, 2, 99}) {
    list.SetItemIndex(index);
    EXPECT_EQ(list.ItemIndex(), -1) << index;
    EXPECT_EQ(list.Text(), "") << index;
  }
  int changes = 0;
  list.OnChange = [&] { ++changes; };
  list.PickByUser(0);
  EXPECT_EQ(list.Text(), "通常");
  EXPECT_EQ(changes, 1);
}

TEST(FormLayer, TabsSelectInRangeOnly) {
  Form main("main", "", {100, 100}, FormStyle::Main);
  Form pageA("a", "", {10, 10}, FormStyle::Page);
  Form pageB("b", "", {10, 10}, FormStyle::Page);
  platform::TabControl tabs(main, "pc", {});
  EXPECT_EQ(tabs.TabIndex(), -1);
  tabs.AddTab("tbA", "A", pageA);
  tabs.AddTab("tbB", "B", pageB);
  EXPECT_EQ(tabs.TabIndex(), 0);
  EXPECT_EQ(pageB.Host(), &tabs);
  tabs.SetTabIndex(1);
  tabs.SetTabIndex(2);
  tabs.SetTabIndex(-1);
  EXPECT_EQ(tabs.TabIndex(), 1);
}

TEST(FormLayer, CloseRunsOnCloseOnceAndOnlyWhenShown) {
  Form form("f", "", {10, 10}, FormStyle::Main);
  int closes = 0;
  form.OnClose = [&] { ++closes; };
  form.Close();
  EXPECT_EQ(closes, 0);
  form.Show();
  form.Close();
  form.Close();
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(form.Shown());
}

TEST(FormLayer, CentredPositionRoundsTowardZeroAndStaysOnScreen) {
  EXPECT_EQ(platform::CentredPosition({600, 562}, {1024, 768}), (platform::Point{212, 103}));
  EXPECT_EQ(platform::CentredPosition({601, 563}, {1024, 768}), (platform::Point{211, 102}));
  EXPECT_EQ(platform::CentredPosition({2000, 900}, {1024, 768}), (platform::Point{0, 0}));
}

TEST(FormLayer, MemoryApplicationRecordsEscapedErrorsAndClosesTheMainForm) {
  platform::memory::MemoryApplication app;
  Form main("main", "", {10, 10}, FormStyle::Main);
  app.CreateForm(main);
  EXPECT_NE(main.Handle(), 0u);
  bool shown = false;
  main.OnShow = [&] { shown = true; };
  app.userSession = [] { throw std::runtime_error("C:\\x に書き込めません"); };
  app.Run(main);
  EXPECT_TRUE(shown);
  EXPECT_FALSE(main.Shown());
  ASSERT_EQ(app.reportedErrors.size(), 1u);
  EXPECT_EQ(app.reportedErrors[0], "C:\\x に書き込めません");
}

}  // namespace
