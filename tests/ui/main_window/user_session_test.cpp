// A whole session as a user has it: build a document with a value list through the
// window's controls, save it, open it again in a fresh window, generate its data file.
#include <QAction>
#include <QRegularExpression>

#include "main_window_fixture.h"
#include "ui/list_editor/frm_edit_list.h"

namespace zelvane::testing {
namespace {

void Click(QPushButton* button) {
  ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
  QTest::mouseClick(button, Qt::LeftButton);
}

void TypeInto(QLineEdit* box, const QString& text) {
  QTest::mouseClick(box, Qt::LeftButton);
  box->selectAll();
  QTest::keyClicks(box, text);
}

TEST_F(MainWindowTest, UserSessionBuildsAListDocumentSavesReopensAndGenerates) {
  Activate();
  EXPECT_EQ(QApplication::focusWidget(), window->txtFieldName) << "first in the tab order";
  const std::string fld = dir.File("colours.fld");
  TypeInto(window->txtFieldName, "Id");
  ChooseType("Counting Numbers");
  Click(window->cmdNew);
  TypeInto(window->txtFieldName, "Colour");
  ChooseType("From File");

  // The untitled document is saved first, then the list is typed into the editor.
  dialogs.ExpectSave(Q(fld));
  WhenModalShown([&](QWidget* modal) {
    auto* editor = qobject_cast<ui::frmEditList*>(modal);
    ASSERT_NE(editor, nullptr);
    for (const char* item : {"red", "blue", "green"}) {
      TypeInto(editor->txtItem, item);
      Click(editor->cmdAddItem);
    }
    dialogs.ExpectMessage(ui::kSaveListDataPrompt, Answer::Yes);
    Click(editor->cmdClose);
  });
  Click(window->cmdEditList);
  EXPECT_TRUE(QTest::qWaitForWindowActive(window.get())) << "the main window takes the activation back";

  Click(window->cmdNew);
  TypeInto(window->txtFieldName, "Code");
  ChooseType("Random Integer");
  // Colour moves to the front, its list with it.
  Click(window->cmdPrevious);
  QCoreApplication::processEvents();  // a show selects the whole name with a keystroke
  EXPECT_EQ(window->txtFieldName->selectedText(), "Colour");
  Click(window->cmdMoveUp);
  EXPECT_EQ(window->txtCurrentRecord->text(), "1");
  // Jump to field 3 by its number, leaving the box for another control; another window
  // taking over meanwhile is no leaving.
  TypeInto(window->txtCurrentRecord, "3");
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_EQ(document.CurrentRecord, 1);
  Activate();
  QTest::mouseClick(window->txtSize, Qt::LeftButton);
  EXPECT_EQ(window->txtFieldName->text() + " " + window->txtSize->text(), "Code 100");

  Click(window->cmdSave);
  EXPECT_EQ(ReadBytes(fld), "100\r\nFieldName,Type,Size,StartString,LinksTo\r\n\"Colour\",\"From File\",0,\"\",0\r\n"
                            "\"Id\",\"Counting Numbers\",0,\"\",0\r\n\"Code\",\"Random Integer\",100,\"\",0\r\n");
  EXPECT_EQ(ReadBytes(dir.File("colours.lst")), "1,\"red\"\r\n1,\"blue\"\r\n1,\"green\"\r\n");
  window->close();  // a named document is saved without a question
  ASSERT_FALSE(window->isVisible());

  Restart();
  Activate();
  dialogs.ExpectOpen(Q(fld));
  window->mnuOpen->trigger();
  EXPECT_EQ(QStringList({window->windowTitle(), window->txtFile->text(), window->txtFieldName->text(),
                         window->lblNumRecords->text()}),
            QStringList({"Zelvane - colours.fld", Q(fld), "Colour", "of   3"}));
  EXPECT_TRUE(window->cmdEditList->isEnabled());

  dialogs.ExpectInput(kItemsPrompt, "6").DefaultText("100");
  dialogs.ExpectMessage("The data file has been generated", Answer::Ok)
      .Buttons(ui::Buttons::Ok).Icon(ui::Icon::Information).Title("Task Completed")
      .Then([] { EXPECT_TRUE(Hourglass()); });
  window->mnuGenerateDataFile->trigger();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(ReadBytes(fld).substr(0, 3), "6\r\n") << "saved before the run";

  const QStringList lines = Q(ReadBytes(dir.File("colours.txt"))).split("\r\n");
  ASSERT_EQ(lines.size(), 8) << "7 lines, each ending in CR LF";
  EXPECT_EQ(lines[0] + lines[7], "Colour,Id,Code");
  // A number in the last column stands between two blanks.
  const QRegularExpression line("^(red|blue|green),(\\d+), ([1-9]\\d?|100) $");
  for (int n = 1; n <= 6; ++n) {
    EXPECT_EQ(line.match(lines[n]).captured(2), QString::number(n)) << lines[n].toStdString();
  }
}

}  // namespace
}  // namespace zelvane::testing
