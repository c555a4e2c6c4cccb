#include "ui/help/help_window.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "support/qt/scripted_dialogs.h"
#include "ui/help/about_window.h"

namespace zelvane::ui {
namespace {

// Lets closed windows finish closing and be deleted.
void Settle() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class HelpWindowTest : public ::testing::Test {
 protected:
  frmHelp* Show(const char* topic) {
    document.HelpTopic = topic;
    ShowHelpWindow(document, HelpMode::Modeless);
    return OpenHelpWindow();
  }
  void TearDown() override {
    while (OpenHelpWindow() != nullptr) OpenHelpWindow()->close();
    if (OpenAboutWindow() != nullptr) OpenAboutWindow()->close();
    Settle();
  }
  Document document;
};

TEST_F(HelpWindowTest, BuiltOnceForItsTopicThenBroughtToFrontThenBuiltAnew) {
  QPointer<frmHelp> street = Show("Street");
  ASSERT_NE(street, nullptr);
  EXPECT_EQ(street->lblTitle->text(), "Street Data Type");
  EXPECT_EQ(street->txtHelp->toPlainText(), HelpText("Street").replace("\r\n", "\n"));
  EXPECT_EQ(street->txtHelp->textCursor().position(), 0);
  // Without an owner and counted as a window of its own, it outlives the main window.
  EXPECT_TRUE(street->parentWidget() == nullptr && street->testAttribute(Qt::WA_QuitOnClose));

  QWidget other;  // the user going back to the main window
  other.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_EQ(Show("Phone"), street.data());
  EXPECT_EQ(street->lblTitle->text(), "Street Data Type");
  EXPECT_TRUE(QTest::qWaitForWindowActive(street));
  EXPECT_EQ(QApplication::focusWidget(), street->cmdClose) << "Close has the focus at every activation";

  // A request between closing and deletion must not revive the closing window.
  street->close();
  frmHelp* phone = Show("Phone");
  ASSERT_NE(phone, nullptr);
  EXPECT_NE(phone, street.data());
  EXPECT_EQ(phone->lblTitle->text(), "Phone Data Type");
  Settle();
  EXPECT_TRUE(street.isNull());
}

TEST_F(HelpWindowTest, EnterAndEscCloseWhereverTheFocusIs) {
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    for (bool on_text : {true, false}) {
      QPointer<frmHelp> help = Show("Street");
      ASSERT_TRUE(QTest::qWaitForWindowActive(help));
      QWidget* target = on_text ? static_cast<QWidget*>(help->txtHelp) : help->cmdClose;
      target->setFocus();
      QTest::keyClick(target, key);
      Settle();
      EXPECT_TRUE(help.isNull()) << key << (on_text ? " on the text" : " on Close");
    }
  }
}

TEST_F(HelpWindowTest, ModalRequestReplacesTheOpenWindowAndWaits) {
  QPointer<frmHelp> street = Show("Street");
  bool seen = false;
  testing::WhenModalShown([&](QWidget* modal) {
    auto* help = qobject_cast<frmHelp*>(modal);
    ASSERT_NE(help, nullptr);
    seen = true;
    EXPECT_FALSE(street && street->isVisible());
    EXPECT_EQ(help->lblTitle->text(), "Edit List Component");
    // A modeless request meanwhile only brings the modal window forward.
    EXPECT_EQ(Show("Phone"), help);
    EXPECT_EQ(help->lblTitle->text(), "Edit List Component");
    modal->close();
  });
  document.HelpTopic = "Edit List";
  ShowHelpWindow(document, HelpMode::Modal);
  EXPECT_TRUE(seen);
  EXPECT_EQ(OpenHelpWindow(), nullptr);
}

TEST_F(HelpWindowTest, AboutIsOneWindowThatEscNeverClosesAndEnterOnlyOnOk) {
  ShowAboutWindow();
  frmAbout* about = OpenAboutWindow();
  ASSERT_NE(about, nullptr);
  ShowAboutWindow();
  EXPECT_EQ(OpenAboutWindow(), about);
  QTest::keyClick(about, Qt::Key_Escape);
  QTest::keyClick(about->cmdOK, Qt::Key_Escape);
  QTest::keyClick(about, Qt::Key_Return);
  EXPECT_EQ(OpenAboutWindow(), about) << "OK is not the default button";
  QTest::keyClick(about->cmdOK, Qt::Key_Return);
  EXPECT_EQ(OpenAboutWindow(), nullptr);
}

}  // namespace
}  // namespace zelvane::ui
