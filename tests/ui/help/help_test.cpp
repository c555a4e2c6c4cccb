#include "ui/help/help_window.h"

#include <string>
#include <string_view>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "support/qt/qt_printers.h"
#include "ui/help/about_window.h"
#include "ui/help/help_texts.h"

namespace zelvane::ui {
namespace {

using namespace std::literals;

TEST(HelpTexts, ExactKeyChoosesTheTopicAnythingElseTheProgramHelp) {
  const QString program_help = HelpText("Program Help");
  for (const char* type : {"Counting Numbers", "Random Text", "Random Integer", "Random Double", "Random Currency",
                           "Random Date", "Random Time", "From File", "Street", "Phone", "Email", "WebURL"}) {
    EXPECT_EQ(HelpTitle(type), QString(type) + " Data Type");
    EXPECT_NE(HelpText(type), program_help) << type;
  }
  EXPECT_EQ(HelpTitle("Edit List"), "Edit List Component");
  // "Phone\0" would pass for Phone in a comparison of C strings.
  for (std::string_view other :
       {""sv, "random text"sv, " Random Text"sv, "Random Text "sv, "Edit list"sv, "Phone\0"sv}) {
    EXPECT_EQ(HelpTitle(other), "Zelvane Utility") << std::string(other);
    EXPECT_EQ(HelpText(other), program_help) << std::string(other);
  }
}

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

  // Esc closes it from the text too; a request between closing and deletion must not
  // revive the closing window.
  QTest::keyClick(street->txtHelp, Qt::Key_Escape);
  frmHelp* phone = Show("Phone");
  ASSERT_NE(phone, nullptr);
  EXPECT_NE(phone, street.data());
  EXPECT_EQ(phone->lblTitle->text(), "Phone Data Type");
  Settle();
  EXPECT_TRUE(street.isNull());
  QTest::keyClick(phone->txtHelp, Qt::Key_Enter);  // Close is the default button
  EXPECT_EQ(OpenHelpWindow(), nullptr);
}

// The picture has the focus at opening and Tab goes picture, OK; Esc does nothing and
// Enter closes only from OK, which is not the default button.
TEST_F(HelpWindowTest, AboutIsOneWindowThatEscNeverClosesAndEnterOnlyOnOk) {
  ShowAboutWindow();
  frmAbout* about = OpenAboutWindow();
  ASSERT_NE(about, nullptr);
  ShowAboutWindow();
  EXPECT_EQ(OpenAboutWindow(), about);
  ASSERT_TRUE(QTest::qWaitForWindowActive(about));
  QStringList focus;
  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Escape, Qt::Key_Tab,
                      Qt::Key_Tab, Qt::Key_Return}) {
    focus << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), key);
    if (OpenAboutWindow() == nullptr) break;
  }
  EXPECT_EQ(focus.join(' '), "picLogo picLogo picLogo picLogo cmdOK cmdOK picLogo cmdOK");
  EXPECT_EQ(OpenAboutWindow(), nullptr);
}

}  // namespace
}  // namespace zelvane::ui
