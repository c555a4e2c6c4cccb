#include "ui/help/about_window.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/help/window_test_helpers.h"

namespace zelvane::ui {
namespace {

class AboutWindowTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (OpenAboutWindow() != nullptr) OpenAboutWindow()->close();
    Settle();
  }
};

TEST_F(AboutWindowTest, SecondRequestBringsTheOneWindowToFront) {
  ShowAboutWindow();
  QPointer<frmAbout> first = OpenAboutWindow();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->windowTitle(), "About");
  EXPECT_EQ(first->findChild<QLabel*>("lbl3")->text(), "Zelvane Utility");
  EXPECT_EQ(first->findChild<QLabel*>("lblVersion")->text(), "Version 1.2");
  EXPECT_FALSE(first->picLogo->pixmap().isNull());

  QWidget other;
  ASSERT_TRUE(ActivateOther(other));
  ShowAboutWindow();
  EXPECT_EQ(OpenAboutWindow(), first.data());
  EXPECT_TRUE(QTest::qWaitForWindowActive(first));
  EXPECT_EQ(VisibleWindows<frmAbout>(), 1);

  first->cmdOK->click();
  ShowAboutWindow();  // closed but not deleted yet: a new one
  EXPECT_NE(OpenAboutWindow(), first.data());
  Settle();
  EXPECT_TRUE(first.isNull());
  EXPECT_EQ(VisibleWindows<frmAbout>(), 1);
}

TEST_F(AboutWindowTest, EscNeverClosesEnterOnlyOnOk) {
  struct Case {
    Qt::Key key;
    bool on_ok;
    bool closes;
  } const cases[] = {{Qt::Key_Escape, true, false}, {Qt::Key_Escape, false, false},
                     {Qt::Key_Return, false, false}, {Qt::Key_Return, true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "key " << c.key << (c.on_ok ? " on OK" : " on window"));
    ShowAboutWindow();
    frmAbout* about = OpenAboutWindow();
    QTest::keyClick(c.on_ok ? static_cast<QWidget*>(about->cmdOK) : about, c.key);
    EXPECT_EQ(OpenAboutWindow() == nullptr, c.closes);
    TearDown();
  }
}

TEST_F(AboutWindowTest, ResizingMovesNothing) {
  ShowAboutWindow();
  frmAbout* about = OpenAboutWindow();
  EXPECT_EQ(about->size(), QSize(279, 119));
  EXPECT_EQ(about->lblAuthor->geometry(), QRect(156, 58, 107, 19));
  const auto children = about->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
  std::vector<QRect> before;
  for (QWidget* child : children) before.push_back(child->geometry());
  for (QSize size : {QSize(640, 480), QSize(120, 40)}) {
    about->resize(size);
    QCoreApplication::processEvents();
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(children[i]->geometry(), before[i]);
  }
}

}  // namespace
}  // namespace zelvane::ui
