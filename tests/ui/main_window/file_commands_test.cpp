#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QLabel>

#include "document/list_file.h"
#include "menus_fixture.h"

namespace zelvane::testing {
namespace {

using ui::Answer;

// The message of a failed step: the procedure's name and the core's own description.
Expectation& ExpectFailure(ScriptedDialogs& dialogs, const char* procedure, const Outcome& outcome) {
  EXPECT_FALSE(outcome.ok);
  return dialogs.ExpectMessage(QString(procedure) + " - " + Q(outcome.description), Answer::Ok)
      .Buttons(ui::Buttons::Ok)
      .Icon(ui::Icon::None)
      .Title("Zelvane");
}

TEST_F(MenusWindowTest, OpenReplacesUnsavedEditsWithoutAskingAndShowsTheFile) {
  document.FieldCount = 3;
  Type("Unsaved");
  const std::string path = OpenTwoFieldDocument();

  EXPECT_EQ(dialogs.Shown().front().text, "(*.fld)|*.fld");
  EXPECT_EQ(document.CurrentFile, path);
  EXPECT_EQ(document.FieldCount, 2);
  EXPECT_EQ(document.ListEntryCount, 2);
  EXPECT_EQ(window->txtFile->text(), Q(path));
  EXPECT_EQ(window->windowTitle(), "Zelvane - doc.fld");
  EXPECT_EQ(window->txtFieldName->text(), "Surname");
  EXPECT_EQ(window->lblNumRecords->text(), "of   2");
}

// A failed read leaves the former document, and the closing that follows saves that
// document to its own file only.
TEST_F(MenusWindowTest, BadFileShowsTheMessageThenClosesSavingOnlyTheFormerDocument) {
  const std::string good = OpenTwoFieldDocument();
  Type("Edited");
  const std::string bad = dir.File("bad.fld");
  const std::string bad_bytes = "7\r\nFieldName,Type,Size,StartString,LinksTo\r\n\"Broken\",\"\",99999999999,\"\",0\r\n";
  WriteBytes(bad, bad_bytes);
  Document scratch;
  dialogs.ExpectOpen(Q(bad));
  ExpectFailure(dialogs, "LoadFields", ReadFieldFile(scratch, bad));

  window->mnuOpen_Click();

  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(ReadBytes(bad), bad_bytes);
  EXPECT_FALSE(std::filesystem::exists(dir.File("bad.lst")));
  EXPECT_EQ(ReadBytes(good), "7\r\nFieldName,Type,Size,StartString,LinksTo\r\n\"Edited\",\"Random Text\",10,\"\",0\r\n"
                             "\"Colour\",\"From File\",0,\"\",0\r\n");
  EXPECT_EQ(ReadBytes(dir.File("doc.lst")), kTwoFieldLists);
}

TEST_F(MenusWindowTest, DamagedListFileWarnsAfterASuccessfulLoad) {
  const std::string path = dir.File("lists.fld");
  WriteBytes(path, kTwoFieldFile);
  WriteBytes(dir.File("lists.lst"), "2,\"red\"\r\n2,");
  Document scratch;
  scratch.CurrentFile = path;
  dialogs.ExpectOpen(Q(path));
  ExpectFailure(dialogs, "LoadLists", LoadLists(scratch));

  window->mnuOpen_Click();

  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), "Zelvane - lists.fld");
  EXPECT_EQ(document.ListEntryCount, 1);
}

TEST_F(MenusWindowTest, SaveAsCancelledKeepsThePathAndConfirmedLeavesTheOldFiles) {
  const std::string path = OpenTwoFieldDocument();
  document.NoOfItems = 8;
  dialogs.ExpectSaveCancel().Filter("(*.fld)|*.fld");
  window->mnuSaveAs_Click();
  EXPECT_EQ(document.CurrentFile, path);
  EXPECT_EQ(ReadBytes(path), kTwoFieldFile);

  const std::string renamed = dir.File("renamed.fld");
  dialogs.ExpectSave(Q(renamed));
  window->mnuSaveAs_Click();
  EXPECT_EQ(dialogs.Shown().back().offered_path, Q(path));  // the path chosen last
  EXPECT_EQ(ReadBytes(path), kTwoFieldFile);
  EXPECT_EQ(ReadBytes(dir.File("doc.lst")), kTwoFieldLists);
  EXPECT_EQ(ReadBytes(renamed).substr(0, 3), "8\r\n");
  EXPECT_EQ(ReadBytes(dir.File("renamed.lst")), kTwoFieldLists);
  EXPECT_EQ(document.CurrentFile, renamed);
  EXPECT_EQ(window->txtFile->text(), Q(renamed));
  EXPECT_EQ(window->windowTitle(), "Zelvane - renamed.fld");
}

TEST_F(MenusWindowTest, FailedSaveKeepsThePathAndTheNextSaveRetriesItWithoutADialog) {
  const std::vector<std::string> places = {dir.File("no-such-folder/doc.fld"), "/proc/self/zelvane-test.fld",
                                           dir.File("folder.fld")};
  std::filesystem::create_directory(dir.File("folder.fld"));
  for (const std::string& target : places) {
    SCOPED_TRACE(target);
    document.CurrentFile.clear();
    dialogs.ExpectSave(Q(target));
    ExpectFailure(dialogs, "SaveFields", WriteFieldFile(document, target));
    window->mnuSave_Click();
    EXPECT_EQ(document.CurrentFile, target);
    EXPECT_EQ(window->txtFile->text(), "");
    EXPECT_EQ(window->windowTitle(), "A Programming Utility");

    ExpectFailure(dialogs, "SaveFields", WriteFieldFile(document, target));
    window->mnuSave_Click();
    EXPECT_TRUE(dialogs.AllUsed());
  }
}

TEST_F(MenusWindowTest, ListFileFailureIsReportedAfterTheFieldFileIsWritten) {
  const std::string path = dir.File("blocked.fld");
  std::filesystem::create_directory(dir.File("blocked.lst"));
  Document scratch;
  scratch.CurrentFile = path;
  dialogs.ExpectSave(Q(path));
  ExpectFailure(dialogs, "SaveLists", SaveLists(scratch));
  window->mnuSave_Click();
  EXPECT_TRUE(std::filesystem::is_regular_file(path));
  EXPECT_EQ(window->windowTitle(), "Zelvane - blocked.fld");
}

TEST_F(MenusWindowTest, NumberOfDataItemsReadsTheLeadingNumber) {
  const std::int32_t unchanged = 100;
  const std::vector<std::pair<QString, std::int32_t>> cases = {
      {"250", 250},       {"2.5", 2},          {"3.5", 4},
      {"-5", -5},         {"0.4", 0},          {"abc", unchanged},
      {"12abc", 12},      {"1 2", 12},         {"1,000", 1},
      {"0", unchanged},   {"", unchanged},     {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},        {"2147483647.5", 0},
      {"-3000000000", 0},
  };
  for (const auto& [answer, expected] : cases) {
    SCOPED_TRACE(answer.toStdString());
    document.NoOfItems = unchanged;
    dialogs.ExpectInput(kItemsPrompt, answer).Title("Number of Data Items").DefaultText("100");
    window->mnuNoOfItems_Click();
    EXPECT_EQ(document.NoOfItems, expected);
  }
  document.NoOfItems = unchanged;
  dialogs.ExpectInputCancel(kItemsPrompt);
  window->mnuNoOfItems_Click();
  EXPECT_EQ(document.NoOfItems, unchanged);
}

TEST_F(MenusWindowTest, GenerateOnANamedDocumentWritesTheFileAndSaysSo) {
  const std::string path = OpenTwoFieldDocument();
  Type("Name");
  dialogs.ExpectInput(kItemsPrompt, "3").DefaultText("7");
  dialogs.ExpectMessage(kGenerated, Answer::Ok)
      .Buttons(ui::Buttons::Ok)
      .Icon(ui::Icon::Information)
      .Title("Task Completed")
      .Then([] { EXPECT_EQ(QApplication::overrideCursor(), nullptr); });

  window->mnuGenerateDataFile_Click();

  const std::string data = ReadBytes(dir.File("doc.txt"));
  EXPECT_EQ(data.substr(0, data.find("\r\n")), "Name,Colour");  // stored first
  EXPECT_EQ(std::count(data.begin(), data.end(), '\n'), 4);
  EXPECT_EQ(ReadBytes(path).substr(0, 3), "3\r\n");  // saved first
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// No completion message unless the whole data file was written; the cursor comes back
// before the message in every case.
TEST_F(MenusWindowTest, GenerateThatWritesNoFileReportsTheFailure) {
  struct Case {
    const char* name;
    std::function<std::string(MenusWindowTest&)> setup;  // returns the document's path
    std::function<void(MenusWindowTest&)> save;          // what the save shows
  };
  const std::vector<Case> cases = {
      {"untitled, save dialog cancelled", [](MenusWindowTest&) { return std::string(); },
       [](MenusWindowTest& t) { t.dialogs.ExpectSaveCancel(); }},
      {"a folder where the data file goes",
       [](MenusWindowTest& t) {
         std::filesystem::create_directory(t.dir.File("blocked.txt"));
         return t.OpenTwoFieldDocument("blocked.fld");
       },
       nullptr},
      {"a folder that cannot be written",
       [](MenusWindowTest& t) { return t.document.CurrentFile = "/proc/self/zelvane-generate.fld"; },
       [](MenusWindowTest& t) {
         ExpectFailure(t.dialogs, "SaveFields", WriteFieldFile(t.document, t.document.CurrentFile));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    const std::string path = c.setup(*this);
    dialogs.ExpectInput(kItemsPrompt, "2");
    if (c.save) c.save(*this);
    Document scratch;
    scratch.CurrentFile = path;
    Engine scratch_engine;
    ExpectFailure(dialogs, "GenerateDataFile", GenerateDataFile(scratch, scratch_engine)).Then([] {
      EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    });

    window->mnuGenerateDataFile_Click();

    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }
}

}  // namespace
}  // namespace zelvane::testing
