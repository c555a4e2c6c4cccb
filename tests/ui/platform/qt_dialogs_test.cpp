// The real dialogs, driven from inside their own event loops.
#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "support/core/temp_dir.h"
#include "support/qt/scripted_dialogs.h"
#include "ui/platform/dialogs.h"

namespace zelvane::ui {
namespace {

using testing::WhenModalShown;

TEST(QtDialogs, MessageBoxShowsTheRequestAndEscGivesCancelOrTheLastButton) {
  const struct {
    MessageBoxRequest request;
    QString press;  // empty: Esc
    Answer answer;
    QMessageBox::Icon icon;
    QString shown;  // title, number of buttons, default button
  } cases[] = {
      {{"Saved", Buttons::Ok, Icon::None, 1, ""}, "OK", Answer::Ok, QMessageBox::NoIcon, "Zelvane 1 OK"},
      {{"Save?", Buttons::YesNoCancel, Icon::Information, 1, "Exit"}, "No", Answer::No, QMessageBox::Information,
       "Exit 3 Yes"},
      {{"Save?", Buttons::YesNoCancel, Icon::Question, 1, "Exit"}, "", Answer::Cancel, QMessageBox::Question,
       "Exit 3 Yes"},
      {{"Delete?", Buttons::YesNo, Icon::Exclamation, 2, ""}, "", Answer::No, QMessageBox::Warning, "Zelvane 2 No"},
  };
  for (const auto& c : cases) {
    WhenModalShown([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->text(), c.request.prompt);
      EXPECT_EQ(box->icon(), c.icon);
      const QString shown = QString("%1 %2 %3").arg(box->windowTitle()).arg(box->buttons().size());
      EXPECT_EQ(shown.arg(box->defaultButton()->text().remove('&')), c.shown);
      if (c.press.isEmpty()) QTest::keyClick(box, Qt::Key_Escape);
      for (QAbstractButton* button : box->buttons()) {
        if (button->text().remove('&') == c.press) button->click();
      }
    });
    EXPECT_EQ(Dialogs().MessageBox(c.request), c.answer) << c.request.prompt.toStdString();
  }
}

TEST(QtDialogs, InputBoxReturnsTheTextOrNothingOnCancel) {
  QStringList shown;
  for (bool accept : {true, false}) {
    WhenModalShown([&](QWidget* modal) {
      auto* box = qobject_cast<QInputDialog*>(modal);
      ASSERT_NE(box, nullptr);
      shown = {box->labelText(), box->windowTitle(), box->textValue()};
      box->setTextValue("250");
      accept ? box->accept() : box->reject();
    });
    EXPECT_EQ(Dialogs().InputBox("How many?", accept ? "Number" : "", "100"), accept ? "250" : "");
    EXPECT_EQ(shown, QStringList({"How many?", accept ? "Number" : "Zelvane", "100"}));
  }
}

TEST(QtDialogs, FileDialogsTakeTheNameAsTypedAskNothingAndOfferTheLastPathAgain) {
  testing::TempDir dir;
  const QString folder = QString::fromStdString(dir.path().string()) + "/";
  testing::WriteBytes(dir.path() / "exists.fld", "100\r\n");
  const struct {
    bool save;
    QString typed;  // empty: cancel
    QString offered;
  } cases[] = {{false, "", ""},          {true, "plain", ""},       {false, "missing.fld", "plain"},
               {true, "exists.fld", "missing.fld"}, {true, "", "exists.fld"}, {false, "exists.fld", "exists.fld"}};
  for (const auto& c : cases) {
    QString offered;
    WhenModalShown([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->acceptMode(), c.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
      EXPECT_EQ(dialog->nameFilters(), QStringList{"(*.fld) (*.fld)"});
      auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
      offered = name->text();
      if (c.typed.isEmpty()) return dialog->reject();
      name->setText(folder + c.typed);
      // A question (replace the file? create it?) would be a box over the dialog.
      QTimer::singleShot(100, dialog, [] {
        if (auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
          ADD_FAILURE() << "the dialog asked: " << question->text().toStdString();
          question->reject();
        }
      });
      static_cast<QDialog*>(dialog)->accept();  // runs the dialog's own checks
      if (dialog->isVisible()) dialog->reject();
    });
    const auto chosen = c.save ? Dialogs().SaveFileName(kFldFilter) : Dialogs().OpenFileName(kFldFilter);
    EXPECT_EQ(chosen, c.typed.isEmpty() ? std::nullopt : std::optional(folder + c.typed)) << c.typed.toStdString();
    EXPECT_EQ(offered, c.offered) << c.typed.toStdString();
  }
}

}  // namespace
}  // namespace zelvane::ui
