// The File, Generate and Help menus, their shortcuts, and the save step of closing and
// of File > New.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <QWindow>

#include "document/list_file.h"
#include "main_window_fixture.h"

namespace zelvane::testing {
namespace {

namespace fs = std::filesystem;

// A damaged list file is reported after the load. A failed read leaves the former
// document, and the closing that follows saves that document to its own file only.
TEST_F(MainWindowTest, OpenReplacesEditsUnaskedAndABadFileClosesTheWindowSavingOnlyTheFormerDocument) {
  document.FieldCount = 3;
  Type("Unsaved");
  const std::string good = OpenTwoFieldDocument();
  EXPECT_EQ(dialogs.Shown().front().text, "(*.fld)|*.fld");
  EXPECT_EQ(QStringList({window->windowTitle(), window->txtFile->text(), window->txtFieldName->text(),
                         window->lblNumRecords->text()}),
            QStringList({"Zelvane - doc.fld", Q(good), "Surname", "of   2"}));
  EXPECT_EQ(document.ListEntryCount, 2);

  WriteBytes(dir.File("doc.lst"), "2,\"red\"\r\n2,");
  Document scratch;
  scratch.CurrentFile = good;
  dialogs.ExpectOpen(Q(good));
  ExpectFailure("LoadLists", LoadLists(scratch));
  window->mnuOpen_Click();
  EXPECT_EQ(document.ListEntryCount, 1);

  Type("Edited");
  const std::string bad = dir.File("bad.fld"), bad_bytes = kHeadLines + "\"Broken\",\"\",99999999999,\"\",0\r\n";
  WriteBytes(bad, bad_bytes);
  dialogs.ExpectOpen(Q(bad));
  ExpectFailure("LoadFields", ReadFieldFile(scratch, bad));
  window->mnuOpen_Click();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(ReadBytes(bad), bad_bytes);
  EXPECT_FALSE(fs::exists(dir.File("bad.lst")));
  EXPECT_EQ(ReadBytes(good),
            kHeadLines + "\"Edited\",\"Random Text\",10,\"\",0\r\n\"Colour\",\"From File\",0,\"\",0\r\n");
  EXPECT_EQ(ReadBytes(dir.File("doc.lst")), "2,\"red\"\r\n");
}

TEST_F(MainWindowTest, SaveAsCancelledKeepsThePathAndConfirmedLeavesTheOldFiles) {
  const std::string path = OpenTwoFieldDocument();
  document.NoOfItems = 8;
  dialogs.ExpectSaveCancel().Filter("(*.fld)|*.fld");
  window->mnuSaveAs_Click();
  EXPECT_EQ(document.CurrentFile, path);

  const std::string renamed = dir.File("re[*]named.fld");  // "[*]" means something to Qt in a title
  dialogs.ExpectSave(Q(renamed));
  window->mnuSaveAs_Click();
  EXPECT_EQ(dialogs.Shown().back().offered_path, Q(path));
  EXPECT_EQ(ReadBytes(path) + ReadBytes(dir.File("doc.lst")), kTwoFieldFile + kTwoFieldLists);
  EXPECT_EQ(ReadBytes(renamed).substr(0, 3) + ReadBytes(dir.File("re[*]named.lst")), "8\r\n" + kTwoFieldLists);
  EXPECT_EQ(window->txtFile->text() + "|" + window->windowHandle()->title(), Q(renamed) + "|Zelvane - re[*]named.fld");
  EXPECT_EQ(document.CurrentFile, renamed);
}

TEST_F(MainWindowTest, FailedSaveKeepsThePathAndTheNextSaveRetriesItWithoutADialog) {
  fs::create_directory(dir.File("folder.fld"));
  for (const std::string& target : {dir.File("no-such-folder/doc.fld"), dir.File("folder.fld")}) {
    document.CurrentFile.clear();
    dialogs.ExpectSave(Q(target));
    ExpectFailure("SaveFields", WriteFieldFile(document, target));
    window->mnuSave_Click();
    EXPECT_EQ(document.CurrentFile, target);
    EXPECT_EQ(window->txtFile->text() + window->windowTitle(), "A Programming Utility");
    ExpectFailure("SaveFields", WriteFieldFile(document, target));
    window->mnuSave_Click();
    EXPECT_TRUE(dialogs.AllUsed()) << target;
  }
  // A list file that cannot be written is reported after the field file is written.
  const std::string path = dir.File("blocked.fld");
  fs::create_directory(dir.File("blocked.lst"));
  Document scratch;
  scratch.CurrentFile = document.CurrentFile = path;
  ExpectFailure("SaveLists", SaveLists(scratch));
  window->mnuSave_Click();
  EXPECT_TRUE(fs::is_regular_file(path));
  EXPECT_EQ(window->windowTitle(), "Zelvane - blocked.fld");
}

TEST_F(MainWindowTest, NumberOfDataItemsReadsTheLeadingNumber) {
  const std::pair<QString, std::int32_t> cases[] = {
      {"250", 250}, {"2.5", 2},   {"3.5", 4},   {"-5", -5},  {"0.4", 0},   {"abc", 100},  {"12abc", 12},
      {"1 2", 12},  {"1,000", 1}, {"0", 100},   {"", 100},   {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN}, {"2147483647.5", 0},       {"-3000000000", 0}};
  for (const auto& [answer, expected] : cases) {
    document.NoOfItems = 100;
    dialogs.ExpectInput(kItemsPrompt, answer).Title("Number of Data Items").DefaultText("100");
    window->mnuNoOfItems_Click();
    EXPECT_EQ(document.NoOfItems, expected) << answer.toStdString();
  }
}

// The save step of closing the window and of File > New: asked only for an untitled
// document with content (a name in the shown field or more than one field).
TEST_F(MainWindowTest, ClosingAndNewSaveAsTheContentTestAndTheAnswerSay) {
  const struct {
    bool close, named;
    QString typed;
    bool two_fields;
    std::string answers;  // to the save prompt (Y, N, C), then to the save dialog (p: a path, x: cancel)
    bool goes_on, saved;  // the window closes, or the document is reset
  } cases[] = {
      {true, false, "", false, "", true, false},       {true, false, " ", false, "N", true, false},
      {true, false, "Name", false, "Yp", true, true},  {true, false, "Name", false, "Yx", true, false},
      {true, false, "Name", false, "C", false, false}, {true, false, "", true, "N", true, false},
      {true, true, "Name", false, "", true, true},     {true, true, "", false, "", true, false},
      {false, false, "Name", true, "C", false, false}, {false, false, "Name", true, "Yx", true, false},
      {false, true, "Name", true, "", true, true},
  };
  const std::string old_bytes = kHeadLines + "\"Old\",\"\",0,\"\",0\r\n";
  for (const auto& c : cases) {
    const std::string stem = dir.File("closing" + std::to_string(&c - cases));
    SCOPED_TRACE(stem);
    Restart();
    if (c.named) {
      WriteBytes(stem + ".fld", old_bytes);
      dialogs.ExpectOpen(Q(stem + ".fld"));
      window->mnuOpen_Click();
    }
    if (c.two_fields) document.FieldCount = 2;
    Type(c.typed);
    window->txtSize->setText("12");  // other boxes do not count
    for (const char step : c.answers) {
      if (step == 'p' || step == 'x') {
        step == 'p' ? dialogs.ExpectSave(Q(stem + ".fld")) : dialogs.ExpectSaveCancel();
        continue;
      }
      dialogs.ExpectMessage(kSavePrompt, step == 'Y' ? Answer::Yes : step == 'N' ? Answer::No : Answer::Cancel)
          .Buttons(ui::Buttons::YesNoCancel).Icon(ui::Icon::Question).Title("Exit").DefaultButton(1);
    }
    const QString caption = window->windowTitle();

    c.close ? void(window->close()) : window->mnuNew_Click();

    EXPECT_EQ(c.close ? !window->isVisible() : document.FieldCount == 1, c.goes_on);
    EXPECT_EQ(window->txtFieldName->text(), !c.close && c.goes_on ? "" : c.typed);
    if (!c.close) {  // the caption stays, even after a named document
      EXPECT_EQ(window->windowTitle() + window->txtFile->text() + Q(document.CurrentFile), caption);
    }
    const std::string saved = fs::exists(stem + ".fld") ? ReadBytes(stem + ".fld") : "";
    EXPECT_TRUE(c.saved ? saved.find("\"" + c.typed.toStdString() + "\",\"\",12,") != std::string::npos &&
                              fs::exists(stem + ".lst")
                        : saved == (c.named ? old_bytes : ""));
  }
}

// Which commands take the edits on screen over into the shown field first. The menu
// shortcuts belong to the whole window: a text box with the focus does not keep Ctrl+X,
// Ctrl+A and the others for itself.
TEST_F(MainWindowTest, CommandsAndShortcutsFromAnyBoxStoreTheEditsOnlyWhereTheyShould) {
  using W = frmZelvane;
  const auto prompt = [this] { dialogs.ExpectMessage(kSavePrompt, Answer::Cancel); };
  const auto save = [this] { dialogs.ExpectSaveCancel(); };
  const auto items = [this] { dialogs.ExpectInputCancel(kItemsPrompt); };
  const auto generate = [&] {
    items();
    save();
    Document untitled;
    ExpectFailure("GenerateDataFile", GenerateDataFile(untitled, engine)).Then([] {
      EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // back before the message
    });
  };
  const struct {
    int key;  // with Ctrl; 0: the command is called
    void (W::*command)();
    std::function<void()> expect;
    bool stores;
  } cases[] = {{Qt::Key_N, {}, prompt, true},  {Qt::Key_O, {}, [this] { dialogs.ExpectOpenCancel(); }, false},
               {Qt::Key_S, {}, save, false},   {Qt::Key_A, {}, save, false},
               {Qt::Key_X, {}, prompt, true},  {Qt::Key_I, {}, items, false},
               {Qt::Key_G, {}, generate, true}, {Qt::Key_H, {}, [] {}, true},
               {0, &W::cmdSave_Click, save, true}, {0, &W::cmdExit_Click, prompt, true},
               {0, &W::mnuAbout_Click, [] {}, false}};
  for (const auto& c : cases) {
    for (int b = 0; b < 4; ++b) {
      Restart();
      Activate();
      window->cboDataType->setEditText("a type");
      Type("Typed");
      QLineEdit* box = std::array{window->txtFieldName, window->txtStartString, window->cboDataType->lineEdit(),
                                  window->txtFile}[static_cast<std::size_t>(b)];
      box->setFocus();
      box->selectAll();
      const QString text = box->text();
      c.expect();
      c.key ? QTest::keyClick(box, Qt::Key(c.key), Qt::ControlModifier) : (window.get()->*c.command)();
      EXPECT_TRUE(dialogs.AllUsed()) << b << " " << c.key;
      EXPECT_EQ(document.Fields[1].FieldName, c.stores ? "Typed" : "") << b << " " << c.key;
      EXPECT_EQ(box->text() + Q(document.HelpTopic), text + (c.key == Qt::Key_H ? "Program Help" : ""));
      EXPECT_TRUE(window->isVisible());  // Cancel in the closing's prompt keeps it open
      if (!c.key) break;
    }
  }
}

}  // namespace
}  // namespace zelvane::testing
