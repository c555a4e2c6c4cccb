// The real dialogs, driven from inside their own event loops, and the scripted twin
// that every window test trusts to catch a wrong or missing prompt.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/core/temp_dir.h"
#include "support/qt/scripted_dialogs.h"
#include "ui/platform/dialogs.h"

namespace zelvane::ui {
namespace {

using testing::WhenModalShown;

TEST(QtDialogs, MessageBoxShowsTheRequestAndEscGivesCancelOrTheLastButton) {
  using enum Buttons;
  using enum Icon;
  using M = QMessageBox;
  const struct {
    MessageBoxRequest request;
    M::StandardButton press;  // NoButton: Esc
    Answer answer;
    M::Icon icon;
    QString shown;  // text, title, number of buttons, default button
  } cases[] = {
      {{"Saved", Ok, None, 1, ""}, M::Ok, Answer::Ok, M::NoIcon, "Saved|Zelvane 1 OK"},
      {{"Save?", YesNoCancel, Information, 1, "Exit"}, M::No, Answer::No, M::Information, "Save?|Exit 3 Yes"},
      {{"Save?", YesNoCancel, Question, 1, "Exit"}, M::NoButton, Answer::Cancel, M::Question, "Save?|Exit 3 Yes"},
      {{"Delete?", YesNo, Exclamation, 2, ""}, M::NoButton, Answer::No, M::Warning, "Delete?|Zelvane 2 No"},
  };
  for (const auto& c : cases) {
    WhenModalShown([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->icon(), c.icon);
      const QString shown = QString("%1|%2 %3 %4").arg(box->text(), box->windowTitle()).arg(box->buttons().size());
      EXPECT_EQ(shown.arg(box->defaultButton()->text().remove('&')), c.shown);
      c.press ? box->button(c.press)->click() : QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(Dialogs().MessageBox(c.request), c.answer) << c.request.prompt.toStdString();
  }
}

TEST(QtDialogs, InputBoxOffersTheDefaultAndReturnsTheText) {
  WhenModalShown([](QWidget* modal) {
    auto* box = qobject_cast<QInputDialog*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->labelText() + "|" + box->windowTitle() + "|" + box->textValue(), "How many?|Number|100");
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

TEST(ScriptedDialogs, AnswersInOrderAndFailsTheTestOnAMismatchWithTheHarmlessAnswer) {
  using D = testing::ScriptedDialogs;
  const auto ok = [](D&) { return MsgBox("Q") == Answer::Ok; };
  const struct {
    std::function<void(D&)> expect;
    std::function<bool(D&)> act;  // true when the answer is the due one: scripted, or harmless
    const char* failure;          // empty: none
  } cases[] = {
      {[](D& d) { d.ExpectInput("N?", "1").Title("Zelvane").DefaultText("9"); d.ExpectSave("/a").Filter("f"); },
       [](D&) { return Dialogs().InputBox("N?", "", "9") == "1" && Dialogs().SaveFileName("f") == "/a"; }, ""},
      {[](D& d) { d.ExpectOpenCancel(); }, [](D&) { return !Dialogs().OpenFileName(kFldFilter); }, ""},
      {[](D& d) { d.ExpectMessage("Q", Answer::Ok).Then([] { ADD_FAILURE() << "then ran"; }); }, ok, "then ran"},
      {[](D& d) { d.ExpectMessage("R", Answer::Ok); }, ok, "wrong text"},
      {[](D& d) { d.ExpectMessage("Q", Answer::Ok).Title("Exit"); }, ok, "wrong title"},
      {[](D& d) { d.ExpectMessage("Q", Answer::Ok).Buttons(Buttons::YesNo); }, ok, "wrong buttons"},
      {[](D& d) { d.ExpectMessage("Q", Answer::Ok).Icon(Icon::Exclamation); }, ok, "wrong icon"},
      {[](D& d) { d.ExpectMessage("Q", Answer::Ok).DefaultButton(2); }, ok, "wrong default button"},
      {[](D& d) { d.ExpectInput("N?", "1").DefaultText("100"); },
       [](D&) { return Dialogs().InputBox("N?", "", "99") == "1"; }, "wrong default text"},
      {[](D& d) { d.ExpectOpenCancel(); }, [](D&) { return !Dialogs().SaveFileName(kFldFilter); },
       "unexpected save dialog"},
      {[](D&) {}, [](D&) { return MsgBox("?", Buttons::YesNoCancel) == Answer::Cancel; }, "unexpected message box"},
      {[](D&) {}, [](D&) { return MsgBox("?", Buttons::YesNo) == Answer::No; }, "unexpected message box"},
      {[](D&) {}, [](D&) { return Dialogs().InputBox("?", "", "1").isEmpty(); }, "unexpected input box"},
      {[](D& d) { d.ExpectSave("/tmp/x.fld"); }, [](D&) { return true; }, "never shown"},
  };
  for (const auto& c : cases) {
    bool answered = false;
    ::testing::TestPartResultArray results;
    {
      ::testing::ScopedFakeTestPartResultReporter reporter(&results);
      D dialogs;
      c.expect(dialogs);
      answered = c.act(dialogs);
    }
    std::string failures;
    for (int i = 0; i < results.size(); ++i) failures += results.GetTestPartResult(i).message();
    EXPECT_TRUE(*c.failure ? failures.find(c.failure) != std::string::npos : failures.empty()) << failures;
    EXPECT_TRUE(answered) << c.failure;
  }
}

}  // namespace
}  // namespace zelvane::ui
