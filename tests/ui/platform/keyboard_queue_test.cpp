// Keys act when they are handled, never later: an access key clicks at once, a message
// box answers its keys at once, and the window a modal one came from stays open.
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "support/qt/scripted_dialogs.h"
#include "ui/platform/dialogs.h"

namespace zelvane::ui {
namespace {

struct Window {
  Window() {
    QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
    widget.show();
    widget.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&widget));
    box->setFocus();
  }
  QWidget widget;
  QLineEdit* box = new QLineEdit("name", &widget);
  QPushButton* button = new QPushButton("&Go", &widget);
  int clicks = 0;
};

TEST(KeyboardQueue, AnAccessKeyClicksAtOnceEachTimeAndAnotherAltLetterTypesNothing) {
  Window window;
  for (int press = 1; press <= 3; ++press) {
    QTest::keyClick(window.box, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(window.clicks, press);
  }
  QTest::keyClick(window.box, Qt::Key_Y, Qt::AltModifier);
  EXPECT_EQ(window.box->text(), "name");
}

// Return takes the default button; Esc takes Cancel, or else the last button.
TEST(KeyboardQueue, AMessageBoxShowsTheRequestAndAnswersAtOnceAndTheWindowBeneathCannotCloseMeanwhile) {
  using enum Buttons;
  using enum Icon;
  using M = QMessageBox;
  const struct {
    MessageBoxRequest request;
    QKeyCombination key;
    Answer answer;
    M::Icon icon;
    QString shown;  // text, title, number of buttons, default button
  } cases[] = {
      {{"Saved", Ok, None, 1, ""}, Qt::Key_Return, Answer::Ok, M::NoIcon, "Saved|Zelvane 1 OK"},
      {{"Save?", YesNoCancel, Information, 1, "Exit"}, Qt::Key_N, Answer::No, M::Information, "Save?|Exit 3 Yes"},
      {{"Save?", YesNoCancel, Question, 1, "Exit"}, Qt::Key_Escape, Answer::Cancel, M::Question, "Save?|Exit 3 Yes"},
      {{"Delete?", YesNo, Exclamation, 2, ""}, Qt::ALT | Qt::Key_Y, Answer::Yes, M::Warning, "Delete?|Zelvane 2 No"},
      {{"Delete?", YesNo, None, 2, ""}, Qt::Key_Escape, Answer::No, M::NoIcon, "Delete?|Zelvane 2 No"},
  };
  for (const auto& c : cases) {
    Window beneath;
    testing::WhenModalShown([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_TRUE(box != nullptr && QTest::qWaitForWindowActive(box));
      EXPECT_EQ(box->icon(), c.icon);
      const QString shown = QString("%1|%2 %3 %4").arg(box->text(), box->windowTitle()).arg(box->buttons().size());
      EXPECT_EQ(shown.arg(box->defaultButton()->text().remove('&')), c.shown);
      EXPECT_FALSE(beneath.widget.close());
      QTest::keyClick(box->focusWidget(), c.key.key(), c.key.keyboardModifiers());
      EXPECT_FALSE(box->isVisible()) << "answered late";
      if (box->isVisible()) box->reject();
    });
    EXPECT_EQ(Dialogs().MessageBox(c.request), c.answer) << c.request.prompt.toStdString();
    EXPECT_TRUE(beneath.widget.isVisible());
    EXPECT_TRUE(beneath.widget.close());
  }
}

}  // namespace
}  // namespace zelvane::ui
