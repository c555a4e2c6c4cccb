// The File, Generate and Help menus, their shortcuts, and the save step of closing and
// of File > New.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>

#include <QListWidget>
#include <QWindow>

#include "document/list_file.h"
#include "main_window_fixture.h"
#include "support/qt/ctype_locale.h"
#include "ui/platform/core_text.h"
#include "ui/list_editor/frm_edit_list.h"

namespace zelvane::testing {
namespace {

namespace fs = std::filesystem;

const std::string kHeadLines = "7\r\nFieldName,Type,Size,StartString,LinksTo\r\n";  // 7 data lines

// Cancels and failures never lose the document or its path. A failed save keeps the
// chosen path for the next Save to retry unasked; a list file that cannot be written or
// read is reported after the field file. A failed read leaves the former document, and
// the closing that follows saves that document to its own file only.
TEST_F(MainWindowTest, FileCommandsKeepTheDocumentAndItsPathThroughCancelsAndFailures) {
  const std::string good = dir.File("doc.fld"), colour = "\"Colour\",\"From File\",0,\"\",0\r\n",
                    fields = kHeadLines + "\"Surname\",\"Random Text\",10,\"\",0\r\n" + colour,
                    lists = "2,\"red\"\r\n2,\"blue\"\r\n";
  WriteBytes(good, fields);
  WriteBytes(dir.File("doc.lst"), lists);
  document.FieldCount = 3;
  Type("Unsaved");  // replaced unasked
  dialogs.ExpectOpen(Q(good)).Filter("(*.fld)|*.fld");
  window->mnuOpen_Click();

  document.NoOfItems = 8;
  dialogs.ExpectSaveCancel().Filter("(*.fld)|*.fld");
  window->mnuSaveAs_Click();
  EXPECT_EQ(document.CurrentFile, good);
  const std::string renamed = dir.File("re[*]named.fld");  // "[*]" means something to Qt in a title
  dialogs.ExpectSave(Q(renamed));
  window->mnuSaveAs_Click();
  EXPECT_EQ(ReadBytes(good) + ReadBytes(dir.File("doc.lst")), fields + lists);
  EXPECT_EQ(ReadBytes(renamed).substr(0, 3) + ReadBytes(dir.File("re[*]named.lst")), "8\r\n" + lists);
  const QString shown = window->txtFile->text() + "|" + window->windowHandle()->title();
  EXPECT_EQ(shown, Q(renamed) + "|Zelvane - re[*]named.fld");

  const std::string lost = dir.File("no-such-folder/doc.fld");
  dialogs.ExpectSave(Q(lost));
  ExpectFailure("SaveFields", WriteFieldFile(document, lost));
  ExpectFailure("SaveFields", WriteFieldFile(document, lost));
  window->mnuSaveAs_Click();
  EXPECT_EQ(window->txtFile->text() + "|" + window->windowHandle()->title(), shown);
  window->mnuSave_Click();  // retried unasked
  const std::string blocked = dir.File("blocked.fld");
  fs::create_directory(dir.File("blocked.lst"));
  Document scratch;
  scratch.CurrentFile = blocked;
  dialogs.ExpectSave(Q(blocked));
  ExpectFailure("SaveLists", SaveLists(scratch));
  window->mnuSaveAs_Click();
  EXPECT_TRUE(fs::is_regular_file(blocked));
  EXPECT_EQ(window->windowTitle(), "Zelvane - blocked.fld");

  WriteBytes(dir.File("doc.lst"), "2,\"red\"\r\n2,");
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
  EXPECT_EQ(ReadBytes(good), kHeadLines + "\"Edited\",\"Random Text\",10,\"\",0\r\n" + colour);
  EXPECT_EQ(ReadBytes(dir.File("doc.lst")), "2,\"red\"\r\n2,");  // not read whole: kept
}

TEST_F(MainWindowTest, NumberOfDataItemsReadsTheLeadingNumber) {
  // How the leading number is read and rounded is the number texts' own test.
  const std::pair<QString, std::int32_t> cases[] = {
      {"2.5", 2},  {"3.5", 4}, {"-5", -5}, {"0.4", 0}, {"12abc", 12}, {"0", 100}, {"abc", 100},
      {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"2147483647.5", 0}, {"-3000000000", 0}};
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
    const char* answers;  // to the save prompt (Y, N, C), then to the save dialog (p: a path, x: cancel)
    bool saved;
  } cases[] = {  // the end-to-end session closes an empty and a named one, and cancels
      {true, false, " ", false, "N", false},     {true, false, "Name", false, "Yp", true},
      {true, false, "Name", false, "Yx", false}, {true, false, "", true, "N", false},
      {true, true, "", false, "", false},        {false, false, "Name", true, "Yx", false},
      {false, true, "Name", true, "", true},
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
    if (const char answer = c.answers[0]) {
      dialogs.ExpectMessage(kSavePrompt, answer == 'Y' ? Answer::Yes : answer == 'N' ? Answer::No : Answer::Cancel)
          .Buttons(ui::Buttons::YesNoCancel).Icon(ui::Icon::Question).Title("Exit").DefaultButton(1);
      if (answer == 'Y') c.answers[1] == 'p' ? dialogs.ExpectSave(Q(stem + ".fld")) : dialogs.ExpectSaveCancel();
    }
    const QString caption = window->windowTitle();

    c.close ? void(window->close()) : window->mnuNew_Click();

    // The window closes, or the document is reset, unless the answer is Cancel.
    EXPECT_EQ(c.close ? !window->isVisible() : document.FieldCount == 1, c.answers[0] != 'C');
    EXPECT_EQ(window->txtFieldName->text(), c.close ? c.typed : "");
    // New leaves the caption as it was, even after a named document.
    EXPECT_TRUE(c.close || window->windowTitle() + window->txtFile->text() + Q(document.CurrentFile) == caption);
    const std::string saved = fs::exists(stem + ".fld") ? ReadBytes(stem + ".fld") : "";
    EXPECT_TRUE(c.saved ? saved.find("\"" + c.typed.toStdString() + "\",\"\",12,") != std::string::npos &&
                              fs::exists(stem + ".lst")
                        : saved == (c.named ? old_bytes : ""));
  }
}

// Which commands take the edits on screen over into the shown field first. The menu
// shortcuts belong to the whole window: a text box with the focus does not keep Ctrl+X,
// Ctrl+A and the others for itself. Edit List opens the editor even when its save step
// is cancelled.
TEST_F(MainWindowTest, CommandsAndShortcutsFromAnyBoxStoreTheEditsOnlyWhereTheyShould) {
  using W = frmZelvane;
  const auto prompt = [this] { dialogs.ExpectMessage(kSavePrompt, Answer::Cancel); };
  const auto save = [this] { dialogs.ExpectSaveCancel(); };
  const auto items = [this] { dialogs.ExpectInputCancel(kItemsPrompt); };
  bool edited = false;  // the list editor has been open
  const auto edit_list = [&] { save(); WhenModalShown([&](QWidget* editor) { editor->close(); edited = true; }); };
  const auto generate = [&] {
    items();
    save();
    Document untitled;
    ExpectFailure("GenerateDataFile", GenerateDataFile(untitled, engine)).Then([] {
      EXPECT_TRUE(Hourglass());  // until the box that ends the run is closed
    });
  };
  const struct {
    int key;  // with Ctrl; 0: the command is called
    void (W::*command)();
    std::function<void()> expect;
    bool stores;
    const char* topic = "";  // of help
  } cases[] = {{Qt::Key_N, {}, prompt, true},  {Qt::Key_O, {}, [this] { dialogs.ExpectOpenCancel(); }, false},
               {Qt::Key_S, {}, save, false},   {Qt::Key_A, {}, save, false},
               {Qt::Key_X, {}, prompt, true},  {Qt::Key_I, {}, items, false},
               {Qt::Key_G, {}, generate, true}, {Qt::Key_H, {}, [] {}, true, "Program Help"},
               {0, &W::cmdSave_Click, save, true}, {0, &W::cmdExit_Click, prompt, true},
               {0, &W::mnuAbout_Click, [] {}, false}, {0, &W::cmdHelp_Click, [] {}, true, "a type"},
               {0, &W::cmdEditList_Click, edit_list, true}};
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
      EXPECT_EQ(edited, c.command == &W::cmdEditList_Click);
      EXPECT_TRUE(dialogs.AllUsed()) << b << " " << c.key;
      EXPECT_EQ(QApplication::overrideCursor(), nullptr);
      EXPECT_EQ(document.Fields[1].FieldName, c.stores ? "Typed" : "") << b << " " << c.key;
      EXPECT_EQ(box->text() + Q(document.HelpTopic), text + c.topic);
      if (!c.key) break;
    }
  }
}

// Opening and closing writes every text back byte for byte, whatever the locale makes of
// its bytes and however long it is: through the boxes, the type box, the list editor's
// list and item box, and the stores and shows of moving between fields and rows.
TEST_F(MainWindowTest, TextsTheUserDidNotEditGoBackByteForByte) {
  const std::string name(40000, 'N'), fld = dir.File("caf\xE9.fld"), lst = dir.File("caf\xE9.lst");
  // Every byte value's own round trip is the text conversion's test.
  const std::string fields = kHeadLines + "\"" + name + "\xE9\",\"From File\",0,\"caf\xE9 \xC3(\",0\r\n" +
                             "\"\xFF\x80\",\"" + name + "\xE9\",5,\"" + name + "\",0\r\n";
  const std::string lists = "1,\"\xE9t\xE9\"\r\n1,\"" + name + "\xE9\"\r\n";
  // Under UTF-8 the lone 0xE9 is invalid and must come back as itself; a valid byte in
  // an eight-bit locale takes the same path.
  ZELVANE_USE_CODESET(locale, "UTF-8");
  const QString e9(QChar(0xDCE9));
  Restart();
  WriteBytes(fld, fields);
  WriteBytes(lst, lists);
  dialogs.ExpectOpen(ui::FromCore(fld));
  window->mnuOpen_Click();
  EXPECT_TRUE(window->txtFieldName->text() == Q(name) + e9);  // too long to print
  EXPECT_EQ(window->windowTitle(), "Zelvane - caf" + e9 + ".fld");
  window->cmdNext_Click();
  EXPECT_TRUE(window->cboDataType->currentText() == Q(name) + e9);
  EXPECT_TRUE(window->txtStartString->text() == Q(name));
  window->cmdPrevious_Click();

  WhenModalShown([&](QWidget* modal) {
    auto* editor = qobject_cast<ui::frmEditList*>(modal);
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));  // the list loads on activation
    editor->lstList->setCurrentRow(1, QItemSelectionModel::ClearAndSelect);
    EXPECT_TRUE(editor->txtItem->text() == Q(name) + e9);
    editor->cmdMoveUp_Click();
    editor->cmdMoveDown_Click();
    dialogs.ExpectMessage(ui::kSaveListDataPrompt, Answer::Yes);
    editor->cmdClose_Click();
  });
  window->cmdEditList_Click();
  window->close();
  EXPECT_TRUE(ReadBytes(fld) == fields);
  EXPECT_TRUE(ReadBytes(lst) == lists);
  EXPECT_TRUE(dialogs.AllUsed());
}

}  // namespace
}  // namespace zelvane::testing
