#include "ui/help/help_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

#include "support/qt/scripted_dialogs.h"
#include "ui/help/window_test_helpers.h"

namespace zelvane::ui {
namespace {

class HelpWindowTest : public ::testing::Test {
 protected:
  frmHelp* Show(const char* topic) {
    document.HelpTopic = topic;
    ShowHelpWindow(document, HelpMode::Modeless);
    return OpenHelpWindow();
  }
  void TearDown() override {
    while (OpenHelpWindow() != nullptr) OpenHelpWindow()->close();
    Settle();
  }
  Document document;
};

TEST_F(HelpWindowTest, ShowsTheTopicInItsControls) {
  frmHelp* help = Show("Random Date");
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->windowTitle(), "Help with...");
  EXPECT_EQ(help->findChild<QLabel*>("lblTitle")->text(), "Random Date Data Type");
  auto* text = help->findChild<QPlainTextEdit*>("txtHelp");
  EXPECT_EQ(text->toPlainText(), HelpText("Random Date").replace("\r\n", "\n"));
  EXPECT_EQ(text->textCursor().position(), 0);

  EXPECT_EQ(help->size(), QSize(383, 311));
  EXPECT_EQ(help->txtHelp->geometry(), QRect(14, 20, 353, 247));
  EXPECT_EQ(help->cmdClose->geometry(), QRect(266, 276, 101, 27));
  // Without an owner and counted as a window of its own, it outlives the main window.
  EXPECT_EQ(help->parentWidget(), nullptr);
  EXPECT_TRUE(help->testAttribute(Qt::WA_QuitOnClose));
  EXPECT_EQ(help->windowType(), Qt::Tool);
}

TEST_F(HelpWindowTest, BuiltOnceThenBroughtToFrontThenBuiltAnew) {
  QPointer<frmHelp> street = Show("Street");
  QWidget other;
  ASSERT_TRUE(ActivateOther(other));

  EXPECT_EQ(Show("Phone"), street.data());
  EXPECT_EQ(street->lblTitle->text(), "Street Data Type");
  EXPECT_TRUE(QTest::qWaitForWindowActive(street));
  EXPECT_EQ(VisibleWindows<frmHelp>(), 1);

  // A request between closing and deletion must not revive the closing window.
  street->close();
  frmHelp* phone = Show("Phone");
  ASSERT_NE(phone, nullptr);
  EXPECT_NE(phone, street.data());
  EXPECT_EQ(phone->lblTitle->text(), "Phone Data Type");
  Settle();
  EXPECT_TRUE(street.isNull());
  EXPECT_EQ(VisibleWindows<frmHelp>(), 1);
}

TEST_F(HelpWindowTest, FocusGoesToCloseAtEveryActivation) {
  frmHelp* help = Show("Phone");
  ASSERT_TRUE(QTest::qWaitForWindowActive(help));
  EXPECT_EQ(QApplication::focusWidget(), help->cmdClose);

  help->txtHelp->setFocus();
  QWidget other;
  ASSERT_TRUE(ActivateOther(other));
  help->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(help));
  EXPECT_EQ(QApplication::focusWidget(), help->cmdClose);
}

TEST_F(HelpWindowTest, EnterAndEscCloseWhereverTheFocusIs) {
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    for (bool on_text : {true, false}) {
      SCOPED_TRACE(::testing::Message() << "key " << key << (on_text ? " on text" : " on Close"));
      QPointer<frmHelp> help = Show("Street");
      ASSERT_TRUE(QTest::qWaitForWindowActive(help));
      QWidget* target = on_text ? static_cast<QWidget*>(help->txtHelp) : help->cmdClose;
      target->setFocus();
      QTest::keyClick(target, key);
      EXPECT_FALSE(help && help->isVisible());
      Settle();
      EXPECT_TRUE(help.isNull());
    }
  }
}

TEST_F(HelpWindowTest, TypingIntoTheTextChangesNothing) {
  frmHelp* help = Show("Random Text");
  const QString before = help->txtHelp->toPlainText();
  help->txtHelp->setFocus();
  QTest::keyClicks(help->txtHelp, "typed");
  for (auto key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Tab}) QTest::keyClick(help->txtHelp, key);
  QTest::keyClick(help->txtHelp, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(help->txtHelp->toPlainText(), before);
}

TEST_F(HelpWindowTest, ModalRequestReplacesTheOpenWindowAndWaits) {
  QPointer<frmHelp> street = Show("Street");
  bool seen = false;
  zelvane::testing::WhenModalShown([&](QWidget* modal) {
    seen = true;
    auto* help = qobject_cast<frmHelp*>(modal);
    EXPECT_NE(help, nullptr);
    EXPECT_EQ(OpenHelpWindow(), help);
    EXPECT_FALSE(street && street->isVisible());
    if (help != nullptr) {
      EXPECT_EQ(help->lblTitle->text(), "Edit List Component");
      // A modeless request meanwhile only brings the modal window forward.
      document.HelpTopic = "Phone";
      ShowHelpWindow(document, HelpMode::Modeless);
      EXPECT_EQ(OpenHelpWindow(), help);
      EXPECT_EQ(help->lblTitle->text(), "Edit List Component");
    }
    EXPECT_EQ(VisibleWindows<frmHelp>(), 1);
    modal->close();
  });
  document.HelpTopic = "Edit List";
  ShowHelpWindow(document, HelpMode::Modal);
  EXPECT_TRUE(seen);
  EXPECT_EQ(OpenHelpWindow(), nullptr);
  Settle();
  EXPECT_TRUE(street.isNull());
}

}  // namespace
}  // namespace zelvane::ui
