// A whole session as a user has it: build a document with a value list through the
// window's controls, save it, open it again in a fresh window, generate its data file.

#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "document/document.h"
#include "generator/engine.h"
#include "support/core/temp_dir.h"
#include "support/qt/scripted_dialogs.h"
#include "ui/list_editor/frm_edit_list.h"
#include "ui/main_window/frm_zelvane.h"

namespace zelvane::testing {
namespace {

using ui::Answer;
using ui::frmZelvane;

void Click(QPushButton* button) {
  ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
  QTest::mouseClick(button, Qt::LeftButton);
}

void TypeInto(QLineEdit* box, const QString& text) {
  QTest::mouseClick(box, Qt::LeftButton);
  box->selectAll();
  QTest::keyClicks(box, text);
}

void ChooseType(frmZelvane& window, const QString& name) {
  QComboBox* box = window.cboDataType;
  box->showPopup();
  QCoreApplication::processEvents();
  QAbstractItemView* list = box->view();
  const QModelIndex entry = box->model()->index(box->findText(name, Qt::MatchExactly), 0);
  ASSERT_TRUE(entry.isValid());
  list->scrollTo(entry);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(entry).center());
  QCoreApplication::processEvents();
  ASSERT_EQ(box->currentText(), name);
}

std::unique_ptr<frmZelvane> OpenWindow(Document& document, Engine& engine) {
  auto window = std::make_unique<frmZelvane>(document, engine);
  window->show();
  window->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
  return window;
}

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  EXPECT_EQ(start, bytes.size()) << "every line ends with CR LF";
  return lines;
}

TEST(UserSession, BuildListDocumentSaveReopenAndGenerate) {
  TempDir dir;
  const std::string fld = dir.File("colours.fld");
  ScriptedDialogs dialogs;
  {
    Document document;
    Engine engine;
    const auto window = OpenWindow(document, engine);

    TypeInto(window->txtFieldName, "Id");
    ChooseType(*window, "Counting Numbers");
    Click(window->cmdNew);
    TypeInto(window->txtFieldName, "Colour");
    ChooseType(*window, "From File");

    // The untitled document is saved first, then the list is typed into the editor.
    dialogs.ExpectSave(QString::fromStdString(fld));
    bool edited = false;
    WhenModalShown([&](QWidget* modal) {
      auto* editor = qobject_cast<ui::frmEditList*>(modal);
      ASSERT_NE(editor, nullptr);
      for (const char* item : {"red", "blue", "green"}) {
        TypeInto(editor->txtItem, item);
        Click(editor->cmdAddItem);
      }
      dialogs.ExpectMessage(ui::kSaveListDataPrompt, Answer::Yes);
      Click(editor->cmdClose);
      edited = true;
    });
    Click(window->cmdEditList);
    ASSERT_TRUE(edited);
    QCoreApplication::processEvents();  // the main window takes the activation back

    Click(window->cmdNew);
    TypeInto(window->txtFieldName, "Code");
    ChooseType(*window, "Random Integer");
    // Colour moves to the front, its list with it.
    Click(window->cmdPrevious);
    Click(window->cmdMoveUp);
    EXPECT_EQ(window->txtCurrentRecord->text(), "1");
    // Jump to field 3 by its number, leaving the box for another control.
    TypeInto(window->txtCurrentRecord, "3");
    QTest::mouseClick(window->txtSize, Qt::LeftButton);
    EXPECT_EQ(window->txtFieldName->text(), "Code");
    EXPECT_EQ(window->txtSize->text(), "100");

    Click(window->cmdSave);
    EXPECT_EQ(ReadBytes(fld),
              "100\r\nFieldName,Type,Size,StartString,LinksTo\r\n"
              "\"Colour\",\"From File\",0,\"\",0\r\n"
              "\"Id\",\"Counting Numbers\",0,\"\",0\r\n"
              "\"Code\",\"Random Integer\",100,\"\",0\r\n");
    EXPECT_EQ(ReadBytes(dir.File("colours.lst")), "1,\"red\"\r\n1,\"blue\"\r\n1,\"green\"\r\n");
    window->close();  // a named document is saved without a question
  }

  Document document;
  Engine engine;
  const auto window = OpenWindow(document, engine);
  dialogs.ExpectOpen(QString::fromStdString(fld));
  window->mnuOpen->trigger();
  EXPECT_EQ(window->txtFieldName->text(), "Colour");
  EXPECT_TRUE(window->cmdEditList->isEnabled());
  EXPECT_EQ(document.ListEntryCount, 3);

  dialogs.ExpectInput("How many Data Items do you require?", "6").DefaultText("100");
  dialogs.ExpectMessage("The data file has been generated", Answer::Ok).Title("Task Completed");
  window->mnuGenerateDataFile->trigger();
  EXPECT_TRUE(dialogs.AllUsed());

  const std::vector<std::string> lines = Lines(ReadBytes(dir.File("colours.txt")));
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], "Colour,Id,Code");
  const std::set<std::string> colours{"red", "blue", "green"};
  for (int n = 1; n <= 6; ++n) {
    std::istringstream line(lines[n]);
    std::string colour, id, code;
    std::getline(line, colour, ',');
    std::getline(line, id, ',');
    std::getline(line, code);
    EXPECT_TRUE(colours.count(colour)) << lines[n];
    EXPECT_EQ(id, std::to_string(n));
    // A number in the last column stands between two blanks.
    const int value = std::stoi(code);
    EXPECT_TRUE(value >= 1 && value <= 100 && " " + std::to_string(value) + " " == code) << lines[n];
  }
  window->close();
}

}  // namespace
}  // namespace zelvane::testing
