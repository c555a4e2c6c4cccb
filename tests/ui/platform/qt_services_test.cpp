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

QString Caption(QAbstractButton* button) { return button == nullptr ? QString() : button->text().remove('&'); }

TEST(QtMessageBox, ShowsTheRequestAndReturnsTheButtonPressed) {
  struct Case {
    const char* name;
    MessageBoxRequest request;
    QString press;  // empty: Esc
    Answer expected;
    QMessageBox::Icon icon;
    QString title;
    int buttons;
    QString default_button;
  };
  const std::vector<Case> cases = {
      {"ok box, no title", {"Saved", Buttons::Ok, Icon::None, 1, ""}, "OK", Answer::Ok, QMessageBox::NoIcon,
       "Zelvane", 1, "OK"},
      {"yes/no/cancel: no", {"Save?", Buttons::YesNoCancel, Icon::Information, 1, "Exit"}, "No", Answer::No,
       QMessageBox::Information, "Exit", 3, "Yes"},
      {"yes/no/cancel: escape", {"Save?", Buttons::YesNoCancel, Icon::Question, 1, "Exit"}, "", Answer::Cancel,
       QMessageBox::Question, "Exit", 3, "Yes"},
      {"yes/no, second default, escape", {"Delete?", Buttons::YesNo, Icon::Exclamation, 2, ""}, "", Answer::No,
       QMessageBox::Warning, "Zelvane", 2, "No"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WhenModalShown([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->text(), c.request.prompt);
      EXPECT_EQ(box->windowTitle(), c.title);
      EXPECT_EQ(box->icon(), c.icon);
      EXPECT_EQ(box->buttons().size(), c.buttons);
      EXPECT_EQ(Caption(box->defaultButton()), c.default_button);
      if (c.press.isEmpty()) QTest::keyClick(box, Qt::Key_Escape);
      for (QAbstractButton* button : box->buttons()) {
        if (Caption(button) == c.press) button->click();
      }
    });
    EXPECT_EQ(Dialogs().MessageBox(c.request), c.expected);
  }
}

TEST(QtInputBox, ReturnsTheTextOrNothingOnCancel) {
  QString label, title, offered;
  WhenModalShown([&](QWidget* modal) {
    auto* box = qobject_cast<QInputDialog*>(modal);
    ASSERT_NE(box, nullptr);
    label = box->labelText();
    title = box->windowTitle();
    offered = box->textValue();
    box->setTextValue("250");
    box->accept();
  });
  EXPECT_EQ(Dialogs().InputBox("How many?", "Number", "100"), "250");
  EXPECT_EQ(label, "How many?");
  EXPECT_EQ(title, "Number");
  EXPECT_EQ(offered, "100");

  WhenModalShown([&](QWidget* modal) {
    title = modal->windowTitle();
    static_cast<QDialog*>(modal)->reject();
  });
  EXPECT_EQ(Dialogs().InputBox("How many?", "", "100"), QString());
  EXPECT_EQ(title, "Zelvane");
}

// Types a name into the dialog and presses its accept button, as a user would.
struct FileDialogStep {
  QString typed;  // empty: cancel
  QString offered_name;
  QStringList filters;
  QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
};

void ActInFileDialog(FileDialogStep& step) {
  WhenModalShown([&step](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    step.mode = dialog->acceptMode();
    step.filters = dialog->nameFilters();
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    step.offered_name = name->text();
    if (step.typed.isEmpty()) {
      dialog->reject();
      return;
    }
    name->setText(step.typed);
    // A question (replace the file? create it?) would open a message box over the dialog.
    QTimer::singleShot(100, [] {
      if (auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        ADD_FAILURE() << "the dialog asked: " << question->text().toStdString();
        question->reject();
      }
    });
    static_cast<QDialog*>(dialog)->accept();  // runs the file dialog's own checks
    // A question about replacing the file would be a second modal window.
    if (dialog->isVisible()) {
      ADD_FAILURE() << "the dialog did not accept " << step.typed.toStdString();
      dialog->reject();
    }
  });
}

TEST(QtFileDialogs, TakeTheNameAsTypedAndOfferTheLastPathAgain) {
  testing::TempDir dir;
  const QString folder = QString::fromStdString(dir.path().string());
  testing::WriteBytes(dir.path() / "exists.fld", "100\r\n");

  struct Case {
    const char* name;
    bool save;
    QString typed;
    std::optional<QString> expected;
    QString offered_name;
  };
  const std::vector<Case> cases = {
      {"open, cancelled", false, "", std::nullopt, ""},
      {"save: new name, no extension added", true, folder + "/plain", folder + "/plain", ""},
      {"open: a file that does not exist", false, folder + "/missing.fld", folder + "/missing.fld", "plain"},
      {"save over an existing file, no question", true, folder + "/exists.fld", folder + "/exists.fld",
       "missing.fld"},
      {"save, cancelled: the last path is still offered", true, "", std::nullopt, "exists.fld"},
      {"open after a cancel", false, folder + "/exists.fld", folder + "/exists.fld", "exists.fld"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FileDialogStep step{c.typed, {}, {}, {}};
    ActInFileDialog(step);
    const std::optional<QString> chosen =
        c.save ? Dialogs().SaveFileName(kFldFilter) : Dialogs().OpenFileName(kFldFilter);
    EXPECT_EQ(chosen, c.expected);
    EXPECT_EQ(step.offered_name, c.offered_name);
    EXPECT_EQ(step.mode, c.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    EXPECT_EQ(step.filters, QStringList{"(*.fld) (*.fld)"});
  }
}

}  // namespace
}  // namespace zelvane::ui
