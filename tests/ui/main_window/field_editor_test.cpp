// The main window's field editor: showing and storing a field, the type box
// and its defaults, the Edit List button and the selection after a show.
#include "main_window_fixture.h"

namespace zelvane::testing {
namespace {

TEST_F(MainWindowTest, StoreTakesTheBoxesButLeavesANumberWhoseTextFails) {
  // Showing then storing changes nothing, whatever the members hold.
  document.Fields[1] = {" Quote \"and, comma\" ", "random text", INT32_MIN, " a,b ", INT16_MIN, {}, 0};
  window->ShowField(1);
  window->StoreField(2);
  EXPECT_EQ(Saved(document.Fields[2]), Saved(document.Fields[1]));

  const struct {
    const char *size, *links_to, *stored;  // the two numbers stored
  } cases[] = {{"3.5", " -1 ", "4|old|-1"}, {"12abc", "40000", "7|old|3"}, {"", "", "7|old|3"},
               {"2147483647", "-32768", "2147483647|old|-32768"}, {"2147483648", "1 2", "7|old|3"}};
  for (const auto& c : cases) {
    document.Fields[1] = {"before", "Phone", 7, "old", 3, {}, 0};
    window->ShowField(1);
    window->cboDataType->setEditText("Street");
    window->txtSize->setText(c.size);
    window->txtLinksTo->setText(c.links_to);
    window->StoreField(1);
    EXPECT_EQ(Saved(document.Fields[1]), QString("before|Street|") + c.stored) << c.size;
    EXPECT_EQ(window->txtSize->text(), c.size) << "the box keeps what was typed";
  }
}

// A choice from the list, by keys or a click, fills in the type's defaults even right
// after the list opens from the box, before the program has caught up with the opening.
// A typed name is no choice, nor is the wheel over the closed box.
TEST_F(MainWindowTest, ChoosingATypeFromTheListWritesItsDefaultsTypingOrTheWheelDoesNot) {
  Activate();
  Load(1, 1, {"Random Currency"});
  window->cboDataType->setFocus();  // arrow keys on the closed box choose too
  QTest::keyClick(window->cboDataType, Qt::Key_Down);
  EXPECT_EQ(window->cboDataType->currentText() + " " + window->txtStartString->text(), "Random Date 1998");
  const struct {
    int downs;  // from the top of the list; negative: a click on that row
    const char* shown;  // the type, the size and the start string after the choice
  } cases[] = {{0, "Counting Numbers 77 keep"}, {5, "Random Date 5 1998"}, {-6, "Random Time 15 8:00"},
               {7, "From File 0 "}, {10, "Email 10 @zelvanemail.com.**"}};
  for (const auto& c : cases) {
    Load(2, 1, {"Phone"});
    window->txtStartString->setText("keep");
    window->txtSize->setText("77");
    if (c.downs < 0) {
      ChooseType(window->cboDataType->itemText(-c.downs));
    } else {
      QAbstractItemView* list = OpenTypeList();
      QTest::keyClick(list, Qt::Key_Home);
      for (int i = 0; i < c.downs; ++i) QTest::keyClick(list, Qt::Key_Down);
      QTest::keyClick(list, Qt::Key_Return);
    }
    EXPECT_EQ(window->cboDataType->currentText() + " " + window->txtSize->text() + " " +
                  window->txtStartString->text(), c.shown);
    EXPECT_EQ(window->cmdEditList->isEnabled(), c.downs == 7);
    EXPECT_EQ(Saved(document.Fields[1]), "F1|Phone|101||1") << "nothing is stored yet";
  }
  QComboBox* box = window->cboDataType;
  document.Fields[2] = {"name", "", 77, "keep", 0, {}, 0};
  window->ShowField(2);
  for (const char* typed : {"Random Date", "random date", "From File"}) {
    box->lineEdit()->clear();
    QTest::keyClick(OpenTypeList(typed), Qt::Key_Escape);  // the list opened over a typed name
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Tab);
    QWheelEvent wheel({5, 5}, box->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &wheel);
    QCoreApplication::processEvents();
    EXPECT_EQ(box->currentText() + " " + window->txtSize->text(), QString(typed) + " 77");
    EXPECT_FALSE(window->cmdEditList->isEnabled());
  }
  Load(1, 1, {"from file"});  // only the exact name counts
  EXPECT_FALSE(window->cmdEditList->isEnabled());
}

// A show selects the whole name through a keystroke handled when the program next
// reads its input; a hidden window gets neither the focus nor the keystroke.
TEST_F(MainWindowTest, AShowSelectsTheWholeNameOnlyInAShownWindow) {
  window->hide();
  Load(2, 2);
  QCoreApplication::processEvents();
  EXPECT_EQ(window->txtFieldName->selectedText(), "");
  window->show();
  Activate();
  EXPECT_EQ(QApplication::focusWidget(), window->txtFieldName) << "first in the tab order";
  window->txtCurrentRecord->setFocus();
  window->cmdPrevious_Click();
  EXPECT_TRUE(window->txtFieldName->hasFocus());
  EXPECT_EQ(window->txtFieldName->selectedText(), "");
  QCoreApplication::processEvents();
  EXPECT_EQ(window->txtFieldName->selectedText(), "F1");
  QTest::keyClicks(window->txtFieldName, "X");
  EXPECT_EQ(window->txtFieldName->text(), "X");
}

}  // namespace
}  // namespace zelvane::testing
