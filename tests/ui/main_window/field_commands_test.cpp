// The buttons that add, delete, find, move and navigate fields, and the field-number box.
#include <algorithm>
#include <optional>

#include "main_window_fixture.h"

namespace zelvane::testing {
namespace {

// An edit typed into the Size box tells whether the command stored first ("007" -> 7)
// and whether it showed a field afterwards (the box then reads that field's size).
TEST_F(MainWindowTest, CommandsKeepListsWithTheirFieldsAndLinksAsTheyWere) {
  using W = frmZelvane;
  const auto del = &W::cmdDelete_Click, up = &W::cmdMoveUp_Click, down = &W::cmdMoveDown_Click;
  const struct {
    void (W::*command)();
    int count, shown;
    QStringList types;
    QString lists;
    std::optional<Answer> warning;  // the delete question and its answer
    QString after;                  // names and store
    int current;
    bool shows;
  } cases[] = {
      // A field once of the list type loses its entries unasked; later ones move down.
      {del, 4, 2, {"", "Random Text"}, "2:a 3:b 4:c 2:d 3:e", {}, "F1 F3 F4|2:b 3:c 2:e", 2, true},
      {del, 3, 3, {}, "3:x 1:y", {}, "F1 F2|1:y", 2, true},
      {del, 3, 1, {"From File"}, "1:a 2:b 3:c", Answer::Yes, "F2 F3|1:b 2:c", 1, true},
      {del, 3, 1, {"From File"}, "1:a 2:b", Answer::No, "F1 F2 F3|1:a 2:b", 1, false},
      {del, 2, 1, {"from file"}, "1:a", {}, "F2|", 1, true},
      {del, 1, 1, {"From File"}, "1:a", {}, "F1|1:a", 1, false},
      {down, 3, 2, {}, "2:b 3:c 1:a", {}, "F1 F3 F2|3:b 2:c 1:a", 3, true},
      {up, 3, 3, {}, "3:c", {}, "F1 F3 F2|2:c", 2, true},
      {up, 3, 1, {}, "1:a", {}, "F1 F2 F3|1:a", 1, true},
      {down, 3, 3, {}, "3:c", {}, "F1 F2 F3|3:c", 3, true},
      {&W::cmdFirst_Click, 3, 3, {}, "", {}, "F1 F2 F3|", 1, true},
      {&W::cmdPrevious_Click, 3, 1, {}, "", {}, "F1 F2 F3|", 1, true},
      {&W::cmdNext_Click, 3, 3, {}, "", {}, "F1 F2 F3|", 3, true},
      {&W::cmdLast_Click, 3, 1, {}, "", {}, "F1 F2 F3|", 3, true},
      {&W::cmdLast_Click, 0, 1, {}, "", {}, "|", 1, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.after.toStdString());
    Load(c.count, c.shown, c.types, c.lists);
    if (c.warning) {
      dialogs.ExpectMessage("You will be deleting a list.\rDo you wish to continue?", *c.warning)
          .Buttons(ui::Buttons::YesNo).Icon(ui::Icon::Exclamation).Title("Warning").DefaultButton(1);
    }
    window->txtSize->setText("007");
    (window.get()->*c.command)();
    EXPECT_EQ(Table(), c.after);
    EXPECT_EQ(document.CurrentRecord, c.current);
    for (int i = 1; i <= document.FieldCount; ++i) {  // links move with their fields, unchanged
      const FieldDef& f = document.Fields[i];
      EXPECT_EQ(Q(f.FieldName) + " " + QString::number(f.Size), QString("F%1 %2").arg(f.LinksTo)
                                                                     .arg(f.LinksTo == c.shown ? 7 : 100 + f.LinksTo));
    }
    const int shown = c.shows ? c.current : c.shown;
    EXPECT_EQ(window->txtSize->text() + " " + window->txtCurrentRecord->text(),
              (c.shows ? QString::number(document.Fields[shown].Size) : "007") + " " + QString::number(shown));
  }
}

TEST_F(MainWindowTest, NewEntryAddsABlankFieldAfterTheLastUpToFifty) {
  for (const auto& [count, shown] : {std::pair(5, 2), std::pair(49, 1), std::pair(50, 3), std::pair(50, 50)}) {
    Load(count, shown);
    // A slot above the count may hold a former field's values.
    if (count < kMaxFields) document.Fields[count + 1] = {"stale", "Random Date", 5, "1998", 3, {}, 0};
    if (count == kMaxFields) {
      dialogs.ExpectMessage("No more fields can be added to this file", Answer::Ok)
          .Buttons(ui::Buttons::Ok).Icon(ui::Icon::None).Title("Zelvane");
    }
    window->txtSize->setText("007");
    window->cmdNew_Click();
    EXPECT_EQ(document.Fields[shown].Size, 7);
    const int current = count < kMaxFields ? count + 1 : shown;
    EXPECT_EQ(QString("%1 %2 %3").arg(document.FieldCount).arg(document.CurrentRecord).arg(window->txtSize->text()),
              QString("%1 %2 %3").arg(std::min(count + 1, 50)).arg(current).arg(current == shown ? "007" : "0"));
    EXPECT_EQ(Saved(document.Fields[current]), current == shown ? Saved(document.Fields[shown]) : "||0||0");
  }
}

TEST_F(MainWindowTest, FindTakesTheLowestNumberedNameContainingTheAnswer) {
  const struct {
    QString names;
    QString answer;  // Cancel answers the empty text too
    int shown, current;
  } cases[] = {{"ID|ARNOLD SMITH|Town", "smith", 1, 2}, {"Phone|Home Phone|Work Phone", "PHONE", 3, 1},
               {"ARNOLD SMITH|Smith ", "smith ", 1, 2}, {"x|\u00c4PFEL", "\u00e4pfel", 1, 2},
               {"a|b|c", "zz", 2, 2},                  {"||Town|Zip", "", 4, 3},
               {"|", "", 2, 2}};
  for (const auto& c : cases) {
    const QStringList names = c.names.split('|');
    Load(static_cast<int>(names.size()), c.shown);
    for (int i = 1; i <= names.size(); ++i) document.Fields[i].FieldName = names[i - 1].toStdString();
    window->ShowField(document.CurrentRecord);
    dialogs.ExpectInput("Enter the name of the Field you wish to find:", c.answer).Title("Find Field").DefaultText("");
    window->txtSize->setText("007");
    window->cmdFind_Click();
    EXPECT_EQ(document.Fields[c.shown].Size, 7) << c.names.toStdString();
    EXPECT_EQ(window->txtCurrentRecord->text(), QString::number(c.current)) << c.names.toStdString();
  }
}

TEST_F(MainWindowTest, FieldNumberBoxJumpsOnlyToANumberInRange) {
  const std::pair<const char*, int> cases[] = {{"3", 3},   {"2.5", 2}, {"3.5", 4}, {"0.6", 1}, {"0.5", 5},
                                               {"0", 5},   {"-1", 5},  {"6", 5},   {"5.2", 5}, {"", 5},
                                               {"abc", 5}, {"1 2", 5}, {"2,7", 2}, {"3abc", 3}, {" 4", 4}};
  for (const auto& [typed, current] : cases) {
    Load(5, 5);
    window->txtSize->setText("007");
    window->txtCurrentRecord->setText(typed);
    window->txtCurrentRecord_LostFocus();
    EXPECT_EQ(document.Fields[5].Size, 7);
    EXPECT_EQ(window->txtCurrentRecord->text() + " " + window->txtFieldName->text(), QString("%1 F%1").arg(current))
        << typed;
  }
  // The step runs when the focus moves on inside the window, not when another window
  // takes over: coming back, the user finds the box as they left it.
  Activate();
  window->txtCurrentRecord->setFocus(Qt::MouseFocusReason);
  window->txtCurrentRecord->setText("2");
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_EQ(QString::number(document.CurrentRecord) + " " + window->txtCurrentRecord->text(), "4 2");
}

}  // namespace
}  // namespace zelvane::testing
