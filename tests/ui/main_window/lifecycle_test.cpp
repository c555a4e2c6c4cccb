#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <QComboBox>
#include <QLabel>
#include <QTimer>

#include "menus_fixture.h"

namespace zelvane::testing {
namespace {

using ui::Answer;

TEST_F(MenusWindowTest, StartsUntitledWithOneBlankField) {
  EXPECT_EQ(window->windowTitle(), "A Programming Utility");
  EXPECT_EQ(window->txtFile->text(), "");
  const QStringList boxes = {window->txtFieldName->text(), window->cboDataType->currentText(),
                             window->txtSize->text(),      window->txtStartString->text(),
                             window->txtLinksTo->text(),   window->txtCurrentRecord->text(),
                             window->lblNumRecords->text()};
  EXPECT_EQ(boxes, QStringList({"", "", "0", "", "0", "1", "of   1"}));
  QStringList types;
  for (int i = 0; i < window->cboDataType->count(); ++i) types << window->cboDataType->itemText(i);
  EXPECT_EQ(types, QStringList({"Counting Numbers", "Random Text", "Random Integer", "Random Double",
                                "Random Currency", "Random Date", "Random Time", "From File", "Street", "Phone",
                                "Email", "WebURL"}));
}

// The content test and the save step, as closing the window runs them.
TEST_F(MenusWindowTest, ClosingSavesAsTheContentTestAndTheAnswerSay) {
  struct Case {
    const char* name;
    bool named;
    QString typed_name;
    bool two_fields;
    std::vector<Answer> prompt;  // the save prompt's answer, if it is shown
    enum { kNoDialog, kChoosePath, kCancelDialog } save_dialog;  // after Yes
    bool stays_open;
    bool saved;
  };
  const std::vector<Case> cases = {
      {"fresh document", false, "", false, {}, Case::kNoDialog, false, false},
      {"a blank is a name", false, " ", false, {Answer::No}, Case::kNoDialog, false, false},
      {"untitled, Yes", false, "Name", false, {Answer::Yes}, Case::kChoosePath, false, true},
      {"untitled, Yes, dialog cancelled", false, "Name", false, {Answer::Yes}, Case::kCancelDialog, false, false},
      {"untitled, No", false, "Name", false, {Answer::No}, Case::kNoDialog, false, false},
      {"untitled, Cancel", false, "Name", false, {Answer::Cancel}, Case::kNoDialog, true, false},
      {"untitled, unnamed field of two", false, "", true, {Answer::No}, Case::kNoDialog, false, false},
      {"named with a name: saved, no question", true, "Name", false, {}, Case::kNoDialog, false, true},
      {"named, name emptied: not saved", true, "", false, {}, Case::kNoDialog, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    const std::string stem = "closing-" + std::to_string(&c - cases.data());
    const std::string path = dir.File(stem + ".fld");
    const std::string old_bytes = "100\r\nFieldName,Type,Size,StartString,LinksTo\r\n\"Old\",\"\",0,\"\",0\r\n";
    if (c.named) {
      WriteBytes(path, old_bytes);
      dialogs.ExpectOpen(Q(path));
      window->mnuOpen_Click();
    }
    if (c.two_fields) document.FieldCount = 2;
    Type(c.typed_name);
    window->txtSize->setText("12");  // other boxes do not count
    for (Answer answer : c.prompt) {
      dialogs.ExpectMessage(kSavePrompt, answer).Buttons(ui::Buttons::YesNoCancel).Icon(ui::Icon::Question)
          .Title("Exit").DefaultButton(1);
    }
    if (c.save_dialog == Case::kChoosePath) dialogs.ExpectSave(Q(path));
    if (c.save_dialog == Case::kCancelDialog) dialogs.ExpectSaveCancel();

    window->close();

    EXPECT_EQ(window->isVisible(), c.stays_open);
    EXPECT_EQ(Q(document.Fields[1].FieldName), c.typed_name);  // stored before the save step
    if (c.saved) {
      EXPECT_NE(ReadBytes(path).find("\"" + c.typed_name.toStdString() + "\",\"\",12,"), std::string::npos);
      EXPECT_TRUE(std::filesystem::exists(dir.File(stem + ".lst")));
    } else {
      EXPECT_EQ(std::filesystem::exists(path) ? ReadBytes(path) : "", c.named ? old_bytes : "");
    }
  }
}

TEST_F(MenusWindowTest, NewRunsTheSaveStepThenResets) {
  struct Case {
    const char* name;
    bool named;
    std::function<void(ScriptedDialogs&)> expect;
    bool reset;
  };
  const std::vector<Case> cases = {
      {"untitled, Cancel keeps everything", false,
       [](ScriptedDialogs& d) { d.ExpectMessage(kSavePrompt, Answer::Cancel).Title("Exit"); }, false},
      {"untitled, No", false, [](ScriptedDialogs& d) { d.ExpectMessage(kSavePrompt, Answer::No); }, true},
      {"untitled, Yes then the dialog cancelled", false,
       [](ScriptedDialogs& d) {
         d.ExpectMessage(kSavePrompt, Answer::Yes);
         d.ExpectSaveCancel();
       },
       true},
      {"named: saved without asking", true, nullptr, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    const std::string path = c.named ? OpenTwoFieldDocument() : std::string();
    document.FieldCount = 2;
    const QString caption = window->windowTitle();
    Type("Typed");
    if (c.expect) c.expect(dialogs);

    window->mnuNew_Click();

    EXPECT_EQ(document.FieldCount, c.reset ? 1 : 2);
    EXPECT_EQ(document.CurrentFile, "");
    EXPECT_EQ(window->txtFieldName->text(), c.reset ? "" : "Typed");
    EXPECT_EQ(window->txtFile->text(), "");
    EXPECT_EQ(window->windowTitle(), caption);  // even after a named document
    if (c.named) {
      EXPECT_NE(ReadBytes(path).find("\"Typed\""), std::string::npos);
    }
  }
}

// After New the file box is empty, so a cancelled save dialog cannot fall back to the
// file that was open before.
TEST_F(MenusWindowTest, AfterOpenAndNewACancelledSaveLeavesTheDocumentUntitled) {
  const std::string path = OpenTwoFieldDocument();
  window->mnuNew_Click();  // two fields: saved to its file without asking
  const std::string saved = ReadBytes(path);
  Type("Other");
  window->StoreField(1);
  dialogs.ExpectSaveCancel();
  window->mnuSave_Click();
  EXPECT_EQ(document.CurrentFile, "");
  EXPECT_EQ(ReadBytes(path), saved);
}

// Help and About have no owner: they stay when the main window closes, and the program
// runs until the last of its windows has closed.
TEST_F(MenusWindowTest, ProgramEndsWithItsLastWindowNotWithTheMainWindow) {
  window->mnuContents_Click();
  window->mnuAbout_Click();
  ASSERT_NE(ui::OpenHelpWindow(), nullptr);
  ASSERT_NE(ui::OpenAboutWindow(), nullptr);

  std::vector<std::string> steps;
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&] { QApplication::exit(1); });
  QTimer::singleShot(0, [&] {
    window->close();
    steps.push_back("main closed");
    QTimer::singleShot(50, [&] {
      ui::frmHelp* help = ui::OpenHelpWindow();
      ui::frmAbout* about = ui::OpenAboutWindow();
      if (help == nullptr || about == nullptr) return;
      if (help->isVisible() && about->isVisible()) steps.push_back("both open");
      about->close();
      QTimer::singleShot(50, [&] {
        steps.push_back("running after About closed");
        if (ui::frmHelp* last = ui::OpenHelpWindow()) last->close();
      });
    });
  });
  guard.start(5000);
  QApplication::setQuitOnLastWindowClosed(true);
  const int code = QApplication::exec();
  QApplication::setQuitOnLastWindowClosed(false);

  EXPECT_EQ(code, 0);
  EXPECT_EQ(steps, (std::vector<std::string>{"main closed", "both open", "running after About closed"}));
}

}  // namespace
}  // namespace zelvane::testing
