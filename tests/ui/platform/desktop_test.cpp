#include "ui/platform/desktop.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

#include "support/qt/scripted_dialogs.h"

namespace zelvane::ui {
namespace {

struct TwoBoxes {
  QWidget window;
  QLineEdit* first = new QLineEdit(&window);
  QLineEdit* second = new QLineEdit(&window);
  TwoBoxes() {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(first);
    layout->addWidget(second);
  }
  void Show() {
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
};

TEST(Keystroke, IsQueuedForTheFocusedControlAndSelectsToTheEnd) {
  TwoBoxes boxes;
  boxes.Show();
  ASSERT_TRUE(GiveFocus(boxes.second));
  boxes.second->setText("Customer");
  boxes.second->setCursorPosition(0);
  PostKeystroke(&boxes.window, Qt::Key_End, Qt::ShiftModifier);
  EXPECT_EQ(boxes.second->selectedText(), QString()) << "handled before the program read its input";
  QCoreApplication::processEvents();
  EXPECT_EQ(boxes.second->selectedText(), "Customer");
  EXPECT_EQ(boxes.first->selectedText(), QString());
  QTest::keyClicks(boxes.second, "x");
  EXPECT_EQ(boxes.second->text(), "x");
}

TEST(Keystroke, WithoutAFocusedControlNothingIsSent) {
  QWidget window;
  PostKeystroke(&window, Qt::Key_End, Qt::ShiftModifier);
  PostKeystroke(nullptr, Qt::Key_End);
  QCoreApplication::processEvents();
}

TEST(Focus, FailsForControlsThatCannotTakeIt) {
  TwoBoxes boxes;
  EXPECT_FALSE(GiveFocus(boxes.first)) << "window not shown yet";
  EXPECT_FALSE(GiveFocus(nullptr));
  boxes.Show();
  boxes.second->setEnabled(false);
  EXPECT_FALSE(GiveFocus(boxes.second));
  boxes.second->setEnabled(true);
  boxes.second->setFocusPolicy(Qt::NoFocus);
  EXPECT_FALSE(GiveFocus(boxes.second));
  EXPECT_TRUE(GiveFocus(boxes.first));
  EXPECT_TRUE(boxes.first->hasFocus());
}

TEST(WaitCursor, SettingTwiceNeedsOnlyOneRestore) {
  SetWaitCursor(true);
  SetWaitCursor(true);
  EXPECT_TRUE(WaitCursorShown());
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  SetWaitCursor(false);
  EXPECT_FALSE(WaitCursorShown());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  SetWaitCursor(false);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(Windows, ShowModalReturnsOnceTheWindowIsClosed) {
  QWidget window;
  bool was_modal = false;
  testing::WhenModalShown([&](QWidget* modal) {
    was_modal = modal == &window;
    window.close();
  });
  ShowModal(&window);
  EXPECT_TRUE(was_modal);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace zelvane::ui
