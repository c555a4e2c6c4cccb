#include "ui/platform/desktop.h"

#include <QApplication>
#include <QFontDatabase>
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

TEST(FileTitle, IsTheNameWithoutItsFolder) {
  const std::vector<std::pair<QString, QString>> cases = {
      {"/home/user/data/customers.fld", "customers.fld"},
      {"customers.fld", "customers.fld"},
      {"/tmp/no extension", "no extension"},
      {"/tmp/dir.with.points/name", "name"},
  };
  for (const auto& [path, title] : cases) EXPECT_EQ(FileTitle(path), title) << path.toStdString();
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

TEST(Windows, ShowModelessBringsAnOpenWindowToTheFront) {
  QWidget window;
  int shows = 0;
  struct Counter : QObject {
    int* count;
    explicit Counter(int* c) : count(c) {}
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Show) ++*count;
      return false;
    }
  } counter(&shows);
  window.installEventFilter(&counter);
  ShowModeless(&window);
  ShowModeless(&window);
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(window.isModal());
  EXPECT_EQ(shows, 1);
}

TEST(Fonts, AMissingFamilyFallsBackToOneTheSystemHas) {
  const QFont missing = NearestFont("No Such Family Here", 8.25, true);
  EXPECT_TRUE(QFontDatabase::hasFamily(missing.family())) << missing.family().toStdString();
  EXPECT_DOUBLE_EQ(missing.pointSizeF(), 8.25);
  EXPECT_TRUE(missing.bold());
  const QString present = QFontDatabase::families().value(0);
  ASSERT_FALSE(present.isEmpty());
  EXPECT_EQ(NearestFont(present, 9.75).family(), present);
}

}  // namespace
}  // namespace zelvane::ui
