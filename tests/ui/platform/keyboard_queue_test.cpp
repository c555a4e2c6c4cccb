// Keys act when they are handled, never later: an access key clicks at once, a message
// box answers its letters at once, and the window a modal one came from stays open.
#include <QApplication>
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
    box->setText("name");
    QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
    widget.show();
    widget.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&widget));
    box->setFocus();
    box->selectAll();
  }
  QWidget widget;
  QLineEdit* box = new QLineEdit(&widget);
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

TEST(KeyboardQueue, AMessageBoxAnswersAtOnceAndTheWindowBeneathCannotCloseMeanwhile) {
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    Answer answer;
  } cases[] = {{Qt::Key_N, Qt::NoModifier, Answer::No},
               {Qt::Key_Y, Qt::AltModifier, Answer::Yes},
               {Qt::Key_Escape, Qt::NoModifier, Answer::Cancel}};
  for (const auto& c : cases) {
    Window beneath;
    testing::WhenModalShown([&](QWidget* box) {
      ASSERT_TRUE(QTest::qWaitForWindowActive(box));
      EXPECT_FALSE(beneath.widget.close());
      QTest::keyClick(box->focusWidget(), c.key, c.modifiers);
      EXPECT_FALSE(box->isVisible()) << "answered late";
      if (box->isVisible()) qobject_cast<QMessageBox*>(box)->reject();
    });
    EXPECT_EQ(MsgBox("Save?", Buttons::YesNoCancel), c.answer) << c.key;
    EXPECT_TRUE(beneath.widget.isVisible());
    EXPECT_TRUE(beneath.widget.close());
  }
}

}  // namespace
}  // namespace zelvane::ui
