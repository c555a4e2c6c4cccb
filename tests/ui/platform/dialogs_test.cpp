// The real input box and file dialogs, driven from inside their own event loops (message
// boxes: keyboard_queue_test.cpp), and the scripted twin that every window test trusts to
// catch a wrong or missing prompt.
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/core/temp_dir.h"
#include "support/qt/scripted_dialogs.h"
#include "ui/platform/dialogs.h"

namespace zelvane::ui {
namespace {

using testing::WhenModalShown;

TEST(QtDialogs, InputBoxOffersTheDefaultAndReturnsTheText) {
  WhenModalShown([](QWidget* modal) {
    auto* box = qobject_cast<QInputDialog*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->labelText() + "|" + box->windowTitle() + "|" + box->textValue(), "How many?|Number|100");
    box->findChild<QLineEdit*>()->setText(QString(40000, 'x'));
    EXPECT_EQ(box->textValue().size(), 40000);
    box->setTextValue("250");
    box->accept();
  });
  EXPECT_EQ(Dialogs().InputBox("How many?", "Number", "100"), "250");
}

// A double quote in a name is Qt's mark of a list of names; here it is part of the name.
TEST(QtDialogs, FileDialogsTakeTheNameAsTypedAskNothingAndOfferTheLastPathAgain) {
  testing::TempDir dir;
  const QString folder = QString::fromStdString(dir.path().string()) + "/";
  testing::WriteBytes(dir.path() / "exists.fld", "100\r\n");
  const struct {
    bool save;
    QString typed;  // empty: cancel
    QString offered;
  } cases[] = {{true, "plain", ""},           {false, "missing.fld", "plain"}, {true, "exists.fld", "missing.fld"},
               {true, "", "exists.fld"}, {false, "exists.fld", "exists.fld"}, {true, "q\"uote.fld", "exists.fld"},
               {false, "a \"b\" c", "q\"uote.fld"}};
  for (const auto& c : cases) {
    WhenModalShown([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->acceptMode(), c.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
      EXPECT_EQ(dialog->findChild<QComboBox*>("fileTypeCombo")->currentText(), "(*.fld)");
      auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
      EXPECT_EQ(name->text(), c.offered);
      if (c.typed.isEmpty()) return dialog->reject();
      name->setText(folder + c.typed);
      // A question (replace the file? create it?) would come as a box over the dialog,
      // which then stays open; it is answered so that the test goes on, and fails.
      QTimer::singleShot(100, dialog, [] {
        if (auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) question->reject();
      });
      static_cast<QDialog*>(dialog)->accept();  // runs the dialog's own checks
      if (dialog->isVisible()) dialog->reject();
    });
    const auto chosen = c.save ? Dialogs().SaveFileName(kFldFilter) : Dialogs().OpenFileName(kFldFilter);
    EXPECT_EQ(chosen, c.typed.isEmpty() ? std::nullopt : std::optional(folder + c.typed)) << c.typed.toStdString();
  }
}

// The twin run with each row's queue through its prompts must report every failure
// named, and give the scripted answers or the harmless ones.
TEST(ScriptedDialogs, AnswersInOrderAndFailsTheTestOnAMismatchWithTheHarmlessAnswer) {
  using D = testing::ScriptedDialogs;
  const struct {
    void (*expect)(D&);
    bool (*prompts)();  // true when every answer is the due one
    std::vector<std::string> failures;
  } cases[] = {
      {[](D& d) {
         d.ExpectInput("N?", "1").Title("Zelvane").DefaultText("9");
         d.ExpectMessage("Q", Answer::No).Title("T").Buttons(Buttons::YesNo).Icon(Icon::Question).DefaultButton(2);
         d.ExpectSave("/a").Filter("f");
         d.ExpectOpenCancel();
       },
       [] {
         return Dialogs().InputBox("N?", "", "9") == "1" &&
                MsgBox("Q", Buttons::YesNo, Icon::Question, "T", 2) == Answer::No &&
                Dialogs().SaveFileName("f") == "/a" && !Dialogs().OpenFileName(kFldFilter);
       },
       {}},
      {[](D& d) {
         d.ExpectMessage("R", Answer::Yes).Title("T").Buttons(Buttons::YesNo).Icon(Icon::Question).DefaultButton(2)
             .Then([] { ADD_FAILURE() << "then ran"; });
         d.ExpectInput("N?", "1").DefaultText("100");
         d.ExpectOpenCancel();
       },
       [] {
         return MsgBox("Q") == Answer::Yes && Dialogs().InputBox("N?", "", "99") == "1" &&
                !Dialogs().SaveFileName(kFldFilter) && MsgBox("?", Buttons::YesNoCancel) == Answer::Cancel &&
                MsgBox("?", Buttons::YesNo) == Answer::No && MsgBox("?") == Answer::Ok &&
                Dialogs().InputBox("?", "", "1").isEmpty();
       },
       {"then ran", "wrong text", "wrong title", "wrong buttons", "wrong icon", "wrong default button",
        "wrong default text", "unexpected save dialog", "unexpected message box", "unexpected input box",
        "open dialog never shown"}},
  };
  for (const auto& c : cases) {
    bool answered = false;
    ::testing::TestPartResultArray results;
    {
      ::testing::ScopedFakeTestPartResultReporter reporter(&results);
      D dialogs;
      c.expect(dialogs);
      answered = c.prompts();
    }
    std::string failures;
    for (int i = 0; i < results.size(); ++i) failures += results.GetTestPartResult(i).message();
    for (const std::string& failure : c.failures) EXPECT_NE(failures.find(failure), std::string::npos) << failure;
    EXPECT_EQ(failures.empty(), c.failures.empty()) << failures;
    EXPECT_TRUE(answered) << failures;
  }
}

}  // namespace
}  // namespace zelvane::ui
