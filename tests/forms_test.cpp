#include <gtest/gtest.h>

#include "core/Abort.h"
#include "forms/Canvas.h"
#include "forms/Controls.h"
#include "forms/Platform.h"
#include "forms/Window.h"

namespace {

TEST(ControlsTest, CheckBoxHandlerRunsWhenCodeOrPersonChangesIt) {
  forms::CheckBox box("CheckBox1");
  int runs = 0;
  box.OnClick = [&] { ++runs; };
  box.SetChecked(false);  // no change
  EXPECT_EQ(runs, 0);
  box.SetChecked(true);
  EXPECT_EQ(runs, 1);
  box.Click();
  EXPECT_EQ(runs, 2);
  EXPECT_FALSE(box.Checked());
}

TEST(ControlsTest, RadioGroupRunsOnlyWhenItsItemChanges) {
  forms::RadioGroup group("RadioGroup1");
  group.SetItems({"a", "b"});
  std::vector<int> seen;
  group.OnClick = [&] { seen.push_back(group.ItemIndex()); };
  group.SetItemIndex(1);
  group.SetItemIndex(1);
  group.Pick(1);  // the item already selected: nothing
  group.Pick(0);
  EXPECT_EQ(seen, (std::vector<int>{1, 0}));
  // A handler that refuses its item puts the previous one back without running again.
  group.OnClick = [&] { group.RevertItemIndex(); };
  group.Pick(1);
  EXPECT_EQ(group.ItemIndex(), 0);
  EXPECT_EQ(seen, (std::vector<int>{1, 0}));
}

TEST(ControlsTest, ComboBoxRunsNothingWhenCodeSetsIt) {
  forms::ComboBox combo("ComboBox1");
  combo.SetItems({"G1", "G2"});
  int runs = 0;
  combo.OnChange = [&] { ++runs; };
  combo.SetItemIndex(1);
  EXPECT_EQ(runs, 0);
  EXPECT_EQ(combo.Text(), "G2");
  combo.Pick(0);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(combo.Text(), "G1");
}

TEST(ControlsTest, RadioButtonRunsOnlyWhenItBecomesChecked) {
  forms::RadioButton radio("RadioButton1");
  int runs = 0;
  radio.OnClick = [&] { ++runs; };
  radio.SetChecked(true);
  radio.Click();
  radio.SetChecked(false);
  EXPECT_EQ(runs, 1);
}

TEST(ControlsTest, UpDownMovesWithinItsRangeBeforeTheHandler) {
  forms::UpDown upDown("UpDown1");
  upDown.SetRange(-1, 1);
  std::vector<int> seen;
  upDown.OnClick = [&](bool) { seen.push_back(upDown.Position()); };
  upDown.Click(true);
  upDown.Click(true);
  upDown.Click(false);
  EXPECT_EQ(seen, (std::vector<int>{1, 1, 0}));
}

TEST(ControlsTest, ViewsHearEveryChangeOnce) {
  forms::Edit edit("Edit1");
  int heard = 0;
  const int id = edit.Subscribe([&] { ++heard; });
  edit.SetText("a");
  edit.SetText("a");
  edit.SetEnabled(false);
  edit.Unsubscribe(id);
  edit.SetText("b");
  EXPECT_EQ(heard, 2);
}

class Demo : public forms::Window {
 public:
  explicit Demo(forms::Platform& p) : forms::Window("Tdemo", "Demo", p) {
    RegisterAll(Button1, Edit1);
  }
  forms::Button Button1{"Button1"};
  forms::Edit Edit1{"Edit1"};
};

TEST(WindowTest, ControlsAreFoundByName) {
  forms::ScriptedPlatform platform;
  Demo demo(platform);
  EXPECT_EQ(demo.Find("Edit1"), &demo.Edit1);
  EXPECT_EQ(demo.Find("Edit2"), nullptr);
  EXPECT_EQ(demo.Controls().size(), 2u);
}

TEST(DispatchTest, AnAbortedActionShowsItsTextAndStopsThere) {
  forms::ScriptedPlatform platform;
  bool after = false;
  forms::RunUserAction(platform, [&] {
    ShowMessageAbort("Hmotnost menší nebo rovna nule.");
    after = true;
  });
  EXPECT_FALSE(after);
  EXPECT_EQ(platform.Shown(),
            (std::vector<std::string>{"message: Hmotnost menší nebo rovna nule."}));
  // Anything else is not swallowed.
  EXPECT_THROW(forms::RunUserAction(platform, [] { throw std::runtime_error("x"); }),
               std::runtime_error);
}

TEST(ScriptedPlatformTest, AnswersDialogsInOrderAndAddsTheDefaultExtension) {
  forms::ScriptedPlatform platform("/prog");
  platform.QueueFileAnswer("/tmp/graf");
  platform.QueueFileAnswer(std::nullopt);
  forms::FileDialogOptions save;
  save.defaultExt = "bmp";
  EXPECT_EQ(platform.SaveFileDialog(save), std::optional<std::string>("/tmp/graf.bmp"));
  EXPECT_EQ(platform.OpenFileDialog({}), std::nullopt);
  EXPECT_EQ(platform.OpenFileDialog({}), std::nullopt);  // nothing queued: cancel
  EXPECT_EQ(forms::WithDefaultExtension("/a.b/c", "txt"), "/a.b/c.txt");
  EXPECT_EQ(forms::WithDefaultExtension("/a/c.csv", "txt"), "/a/c.csv");
  EXPECT_EQ(forms::WithDefaultExtension("/a/Odpor", ""), "/a/Odpor");
  EXPECT_EQ(platform.Dialogs().size(), 3u);
}

TEST(ScriptedPlatformTest, ModalWindowPressesTheQueuedButton) {
  forms::ScriptedPlatform platform;
  Demo demo(platform);
  int clicks = 0;
  demo.Button1.OnClick = [&] { ++clicks; };
  platform.QueueModalAnswer("Button1");
  platform.ShowWindow(demo, true);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(demo.Shown());
  platform.ShowWindow(demo, true);  // no answer: stays open for the script
  EXPECT_TRUE(demo.Shown());
}

TEST(CanvasTest, RecordsOperationsWithTheToolsInForce) {
  forms::Canvas c(100, 50);
  c.pen.width = 2;
  c.MoveTo(1, 2);
  c.LineTo(3, 4);
  c.font.bold = true;
  c.TextOut(5, 6, "Počítám");
  ASSERT_EQ(c.Ops().size(), 2u);
  EXPECT_EQ(c.Ops()[0].kind, forms::OpKind::Line);
  EXPECT_EQ(c.Ops()[0].x1, 1);
  EXPECT_EQ(c.Ops()[0].y2, 4);
  EXPECT_EQ(c.Ops()[0].pen.width, 2);
  EXPECT_TRUE(c.Ops()[1].font.bold);
  // A fill of the whole picture makes what was below it invisible, so it is dropped.
  c.FillRect(0, 0, 100, 50);
  EXPECT_EQ(c.Ops().size(), 1u);
  c.FillRect(0, 0, 10, 10);
  EXPECT_EQ(c.Ops().size(), 2u);
}

}  // namespace
