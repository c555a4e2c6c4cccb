// The main window's field editor: showing and storing a field, the type box and its
// defaults, the selection after a show, the buttons that add, delete, find, move and
// navigate fields, and the field-number box.
#include <optional>
#include <tuple>

#include "main_window_fixture.h"

namespace zelvane::testing {
namespace {

TEST_F(MainWindowTest, StoreTakesTheBoxesButLeavesANumberWhoseTextFails) {
  // Showing then storing changes nothing, whatever the members hold.
  document.Fields[1] = {" Quote \"and, comma\" ", "random text", INT32_MIN, " a,b ", INT16_MIN, {}, 0};
  window->ShowField(1);
  window->StoreField(2);
  EXPECT_EQ(Saved(document.Fields[2]), Saved(document.Fields[1]));
  // The size, the links and the two numbers stored.
  for (const QString boxes : {"3.5| -1 |4|old|-1", "12abc|40000|7|old|3"}) {
    document.Fields[1] = {"before", "Phone", 7, "old", 3, {}, 0};
    window->ShowField(1);
    window->cboDataType->setEditText("Street");
    window->txtSize->setText(boxes.section('|', 0, 0));
    window->txtLinksTo->setText(boxes.section('|', 1, 1));
    window->StoreField(1);
    EXPECT_EQ(Saved(document.Fields[1]), "before|Street|" + boxes.section('|', 2)) << boxes.toStdString();
    EXPECT_EQ(window->txtSize->text(), boxes.section('|', 0, 0)) << "the box keeps what was typed";
  }
}

// A choice from the list, by keys or a click, fills in the type's defaults even right
// after the list opens from the box, before the program has caught up with the opening;
// so does an arrow key on the closed box. A typed name is no choice, nor is the wheel
// over the closed box. A show selects the whole name, but a hidden window gets neither
// the focus nor the keystroke that selects it.
TEST_F(MainWindowTest, ChoosingATypeFromTheListWritesItsDefaultsTypingOrTheWheelDoesNot) {
  // k: keys in the open list, c: a click in it, a: Down on the closed box; the row, then
  // the type, the size and the start string shown after the choice.
  const std::tuple<char, int, QString> cases[] = {{'k', 0, "Counting Numbers 77 keep"}, {'k', 7, "From File 0 "},
                                                  {'c', 6, "Random Time 15 8:00"},
                                                  {'a', 10, "Email 10 @zelvanemail.com.**"}};
  for (const auto& [by, row, shown] : cases) {
    Restart();
    Activate();
    Load(2, 1, {"Phone"});
    window->txtStartString->setText("keep");
    window->txtSize->setText("77");
    window->cboDataType->setFocus();
    QAbstractItemView* list = by == 'a' ? nullptr : OpenTypeList();
    if (by == 'a') QTest::keyClick(window->cboDataType, Qt::Key_Down);
    if (by == 'c') {
      const QRect entry = list->visualRect(list->model()->index(row, 0));
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
    }
    if (by == 'k') {
      QTest::keyClick(list, Qt::Key_Home);
      for (int i = 0; i < row; ++i) QTest::keyClick(list, Qt::Key_Down);
      QTest::keyClick(list, Qt::Key_Return);
    }
    EXPECT_EQ(window->cboDataType->currentText() + " " + window->txtSize->text() + " " +
                  window->txtStartString->text(), shown);
    EXPECT_EQ(window->cmdEditList->isEnabled(), row == 7);
    EXPECT_EQ(Saved(document.Fields[1]), "F1|Phone|101||1") << "nothing is stored yet";
  }
  QComboBox* box = window->cboDataType;
  Load(2, 2);
  for (const char* typed : {"Random Date", "random date", "From File"}) {
    box->lineEdit()->clear();
    QTest::keyClick(OpenTypeList(typed), Qt::Key_Escape);  // the list opened over a typed name
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Tab);
    QWheelEvent wheel({5, 5}, box->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &wheel);
    QCoreApplication::processEvents();
    EXPECT_EQ(box->currentText() + " " + window->txtSize->text(), QString(typed) + " 102");
    EXPECT_FALSE(window->cmdEditList->isEnabled());
  }
  Load(1, 1, {"from file"});  // only the exact name counts
  EXPECT_FALSE(window->cmdEditList->isEnabled());
  QCoreApplication::processEvents();
  window->hide();
  Load(2, 2);
  QCoreApplication::processEvents();
  EXPECT_EQ(window->txtFieldName->selectedText(), "");
}

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
    EXPECT_EQ(window->txtSize->text() + " " + window->txtCurrentRecord->text() + " " + window->lblNumRecords->text(),
              QString("%1 %2 of   %3").arg(c.shows ? QString::number(document.Fields[shown].Size) : "007")
                  .arg(shown).arg(document.FieldCount));
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
              QString("%1 %2 %3").arg(qMax(count, current)).arg(current).arg(current == shown ? "007" : "0"));
    EXPECT_EQ(Saved(document.Fields[current]), current == shown ? Saved(document.Fields[shown]) : "||0||0");
  }
}

TEST_F(MainWindowTest, FindTakesTheLowestNumberedNameContainingTheAnswer) {
  const struct {
    QString names;
    QString answer;  // Cancel answers the empty text too
    int shown, current;
  } cases[] = {{"ID|ARNOLD SMITH|Town", "smith", 1, 2}, {"Phone|Home Phone|Work Phone", "PHONE", 3, 1},
               {"ARNOLD SMITH|Smith ", "smith ", 1, 2}, {"x|\u00c4PFEL", "\u00e4pfel", 1, 2}, {"a|b|c", "zz", 2, 2},
               {"||Town|Zip", "", 4, 3}, {"|", "", 2, 2}};
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

// The list editor has no owner, so the main window takes the activation back itself.
TEST_F(MainWindowTest, TheMainWindowIsActiveAgainAfterTheListEditor) {
  Activate();
  dialogs.ExpectSaveCancel();
  WhenModalShown([](QWidget* editor) { editor->close(); });
  window->cmdEditList_Click();
  EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

// The box acts on leaving it for another control; another window taking over is no leaving.
TEST_F(MainWindowTest, FieldNumberBoxJumpsOnlyToANumberInRange) {
  const std::pair<const char*, int> cases[] = {{"3", 3},   {"2.5", 2}, {"3.5", 4},  {"0.6", 1}, {"0.5", 5}, {"0", 5},
                                               {"-1", 5},  {"6", 6},   {"6.2", 5},  {"7", 5},   {"", 5},    {"abc", 5},
                                               {"1 2", 5}, {"2,7", 2}, {"3abc", 3}, {" 4", 4}};
  Activate();
  for (const auto& [typed, current] : cases) {
    Load(6, 5);
    window->txtSize->setText("007");
    window->txtCurrentRecord->setFocus();
    window->txtCurrentRecord->setText(typed);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(document.CurrentRecord, 5);
    Activate();
    QTest::mouseClick(window->txtLinksTo, Qt::LeftButton);
    EXPECT_EQ(document.Fields[5].Size, 7);
    EXPECT_EQ(window->txtCurrentRecord->text() + " " + window->txtFieldName->text(), QString("%1 F%1").arg(current))
        << typed;
  }
}

}  // namespace
}  // namespace zelvane::testing
