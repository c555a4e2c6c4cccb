#include "ui/list_editor/frm_edit_list.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <array>
#include <memory>
#include <vector>

#include "support/qt/scripted_dialogs.h"
#include "ui/help/help_window.h"

namespace zelvane::ui {
namespace {

using zelvane::testing::ScriptedDialogs;

class EditListWindow : public ::testing::Test {
 protected:
  // The store as "1:a 2:b", the field number and the item of each entry.
  void Open(const QString& store) {
    window.reset();
    document = Document{};
    document.Fields[1].FieldName = "Media";
    for (const QString& entry : store.split(' ', Qt::SkipEmptyParts)) {
      document.ListEntries[++document.ListEntryCount] = {static_cast<std::int16_t>(entry.section(':', 0, 0).toInt()),
                                                         entry.section(':', 1).toStdString()};
    }
    window = std::make_unique<frmEditList>(document);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));  // the list loads on activation
  }
  QString Store() const {
    QStringList entries;
    for (int i = 1; i <= document.ListEntryCount; ++i) {
      entries << QString("%1:%2").arg(document.ListEntries[i].FieldNo).arg(document.ListEntries[i].Item.c_str());
    }
    return entries.join(' ');
  }
  // What the user sees: the items, the selected row, the item box, and whether Delete
  // Item, Move Up and Move Down are enabled.
  QString State() const {
    if (!window->isVisible()) return "closed";
    QStringList items;
    for (int row = 0; row < window->lstList->count(); ++row) items << window->lstList->item(row)->text();
    const auto selected = window->lstList->selectedItems();
    const auto on = [](const QPushButton* button) { return QString::number(button->isEnabled()); };
    return QString("%1 sel %2 box '%3' ").arg(items.join(','))
               .arg(selected.isEmpty() ? -1 : window->lstList->row(selected.first()))
               .arg(window->txtItem->text()) + on(window->cmdDelete) + on(window->cmdMoveUp) + on(window->cmdMoveDown);
  }
  // "s1" selects row 1, "=text" types into the item box ('_' for a blank), "kHome" presses
  // a key in the list, and the buttons: "a" Add Item, "d" Delete Item, "u" Move Up,
  // "v" Move Down, "c" Close.
  void Steps(const QString& script) {
    frmEditList& w = *window;
    for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
      if (step[0] == 's') w.lstList->setCurrentRow(step.mid(1).toInt());
      if (step[0] == '=') w.txtItem->setText(step.mid(1).replace('_', ' '));
      if (step[0] == 'k') QTest::keyClick(w.lstList, QKeySequence(step.mid(1))[0].key());
      const std::array buttons = {w.cmdAddItem, w.cmdDelete, w.cmdMoveUp, w.cmdMoveDown, w.cmdClose};
      if (const auto i = QString("aduvc").indexOf(step); i >= 0) buttons[static_cast<std::size_t>(i)]->click();
    }
  }

  Document document;
  std::unique_ptr<frmEditList> window;
};

TEST_F(EditListWindow, OpeningAndItemCommandsApplyTheButtonRuleAndCloseWritesBackOnlyOnYes) {
  const QString overflow =
      "The lists can hold no more than 1000 entries in all. Remove 1 item from this list before saving it.";
  const QString abc = "1:A 1:B 1:C", mixed = "1:a1 2:b1 1:a2 3:c1", full = QString("2:x ").repeated(999) + "1:a1";
  const QString fits = full.mid(4);
  const struct {
    QString store, script;
    std::vector<Answer> answers;  // to the save question, then to the refusal
    QString state;
    QString after = {};  // empty: as before
  } cases[] = {
      // Opening: the list takes the focus without selecting or copying its first item;
      // nothing is loaded from an empty store, so the buttons keep their first state.
      {"", "", {}, " sel -1 box '' 111"},
      {"1:CD 2:x 1:Tape", "", {}, "CD,Tape sel -1 box '' 111"},
      {"1:A", "s0 =D a", {}, "A,D sel 0 box '' 111"},
      {"", "v a", {}, " sel -1 box '' 000"},
      {"", "=__ a", {}, "   sel -1 box '' 100"},
      // With no item selected the first Down, Up, Home or Page Up selects the first item
      // and End the last, filling the item box; from a selection the keys move on as usual.
      {abc, "kDown", {}, "A,B,C sel 0 box 'A' 111"},        {abc, "kUp", {}, "A,B,C sel 0 box 'A' 111"},
      {abc, "kHome", {}, "A,B,C sel 0 box 'A' 111"},        {abc, "kPgUp", {}, "A,B,C sel 0 box 'A' 111"},
      {abc, "kEnd", {}, "A,B,C sel 2 box 'C' 111"},         {abc, "kDown kDown", {}, "A,B,C sel 1 box 'B' 111"},
      {abc, "kEnd kUp", {}, "A,B,C sel 1 box 'B' 111"},
      {abc, "s1 d", {}, "A,C sel 1 box 'C' 111"},
      {abc, "s2 d", {}, "A,B sel 1 box 'B' 111"},
      {abc, "=t d", {}, "A,B,C sel -1 box 't' 111"},
      {abc, "s0 u s2 u", {}, "A,C,B sel 1 box 'C' 111"},
      {abc, "s2 v s0 v", {}, "B,A,C sel 1 box 'A' 111"},
      {mixed, "c", {}, "closed"},
      {mixed, "u c", {Answer::No}, "closed"},
      {mixed, "=a3 a c c", {Answer::Cancel, Answer::Cancel}, "a1,a2,a3 sel -1 box '' 111"},
      {mixed, "s1 u =a3 a c", {Answer::Yes}, "closed", "2:b1 3:c1 1:a2 1:a1 1:a3"},
      {mixed, "s1 d d c", {Answer::Yes}, "closed", "2:b1 3:c1"},
      {fits, "=a2 a c", {Answer::Yes}, "closed", fits + " 1:a2"},
      {full, "=a2 a c", {Answer::Yes, Answer::Ok}, "a1,a2 sel -1 box '' 111"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script.toStdString());
    ScriptedDialogs dialogs;
    for (const Answer answer : c.answers) {
      const bool refusal = answer == Answer::Ok;
      dialogs.ExpectMessage(refusal ? overflow : kSaveListDataPrompt, answer).Title(refusal ? "Zelvane" : "Exit")
          .Buttons(refusal ? Buttons::Ok : Buttons::YesNoCancel).Icon(refusal ? Icon::Exclamation : Icon::Question);
    }
    Open(c.store);
    Steps(c.script);
    EXPECT_EQ(State(), c.state);
    EXPECT_EQ(Store(), c.after.isEmpty() ? c.store : c.after);
    EXPECT_EQ(window->ListChanged, c.script.contains(QRegularExpression("(^| )[aduv]\\b")));
    EXPECT_TRUE(!c.script.isEmpty() || QApplication::focusWidget() == window->lstList);
    // Add Item leaves the focus in the item box.
    EXPECT_TRUE(!c.answers.empty() || (QApplication::focusWidget() == window->txtItem) == c.script.endsWith('a'));
  }
}

// Coming back from another of the program's windows, such as help, activates the
// window: the list is loaded again and the mark cleared. A message box or another
// program taking the activation is no activation, else unsaved edits would be lost.
TEST_F(EditListWindow, OnlyComingBackFromAnotherOfTheProgramsWindowsActivates) {
  for (int away = 0; away < 3; ++away) {  // another program, a message box, help
    Open("1:A");
    Steps("s0 d");
    document.Fields[1].FieldName = "Renamed";
    if (away == 2) {
      document.HelpTopic = "Street";  // an open help window gives way to the modal one
      ShowHelpWindow(document, HelpMode::Modeless);
      testing::WhenModalShown([](QWidget* modal) {
        auto* help = qobject_cast<frmHelp*>(modal);
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->lblTitle->text(), "Edit List Component");
        help->close();
      });
      window->cmdHelp->click();
    } else {
      QMessageBox box(window.get());  // as the program's message boxes show: modal and owned
      box.setModal(true);
      away ? box.show() : QApplication::setActiveWindow(nullptr);
      EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == (away ? &box : nullptr); }));
      box.hide();
      QApplication::setActiveWindow(window.get());
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }));
    EXPECT_EQ(window->windowTitle() + "|" + State(), away == 2 ? "Edit List - 1. Renamed|A sel -1 box 'A' 100"
                                                               : "Edit List - 1. Media| sel -1 box 'A' 000")
        << away;
    EXPECT_EQ(window->ListChanged, away < 2);
  }
}

}  // namespace
}  // namespace zelvane::ui
