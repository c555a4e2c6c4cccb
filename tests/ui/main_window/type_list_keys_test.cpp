// The type box's drop-down list used at keyboard speed: a choice that reaches the list
// before the program has caught up with its opening is still a choice, while a typed
// name is still no choice when the list opens over it.
#include <memory>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "document/document.h"
#include "generator/engine.h"
#include "support/qt/scripted_dialogs.h"
#include "ui/main_window/frm_zelvane.h"

namespace zelvane::ui {
namespace {

class TypeListKeys : public ::testing::Test {
 protected:
  TypeListKeys() {
    engine.Conventions = LocaleConventions::Fallback();
    window = std::make_unique<frmZelvane>(document, engine);
  }
  ~TypeListKeys() override { QCoreApplication::processEvents(); }

  // The type box has the focus and the list is open; nothing else has run since.
  QAbstractItemView* OpenListFromTheBox(const QString& typed = QString()) {
    window->show();
    QApplication::setActiveWindow(window.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->cboDataType->setFocus();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->cboDataType->lineEdit()->hasFocus());
    if (!typed.isEmpty()) QTest::keyClicks(window->cboDataType, typed);
    QTest::keyClick(window->cboDataType, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* list = window->cboDataType->view();
    EXPECT_TRUE(list->isVisible());
    return list;
  }

  Document document;
  Engine engine;
  testing::ScriptedDialogs dialogs;
  std::unique_ptr<frmZelvane> window;
};

TEST_F(TypeListKeys, AChoiceRightAfterTheListOpensFillsInTheDefaults) {
  struct Case {
    int downs;
    const char* type;
    const char* size;
    const char* start;
    bool edit_list;
  };
  for (const Case& c : {Case{5, "Random Date", "5", "1998", false}, Case{7, "From File", "0", "", true}}) {
    SCOPED_TRACE(c.type);
    QAbstractItemView* list = OpenListFromTheBox();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < c.downs; ++i) QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(window->cboDataType->currentText(), c.type);
    EXPECT_EQ(window->txtSize->text(), c.size);
    EXPECT_EQ(window->txtStartString->text(), c.start);
    EXPECT_EQ(window->cmdEditList->isEnabled(), c.edit_list);
    QCoreApplication::processEvents();
  }
}

TEST_F(TypeListKeys, AClickRightAfterTheListOpensFillsInTheDefaults) {
  QAbstractItemView* list = OpenListFromTheBox();
  const QModelIndex entry = window->cboDataType->model()->index(6, 0);  // Random Time
  list->scrollTo(entry);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(entry).center());
  EXPECT_EQ(window->cboDataType->currentText(), "Random Time");
  EXPECT_EQ(window->txtSize->text(), "15");
  EXPECT_EQ(window->txtStartString->text(), "8:00");
}

TEST_F(TypeListKeys, ATypedNameIsNoChoiceWhenTheListOpensOverIt) {
  QAbstractItemView* list = OpenListFromTheBox("random date");
  QTest::keyClick(list, Qt::Key_Escape);
  QCoreApplication::processEvents();
  EXPECT_EQ(window->txtSize->text(), "0");
  EXPECT_EQ(window->txtStartString->text(), "");
}

}  // namespace
}  // namespace zelvane::ui
