#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "document/document.h"
#include "generator/engine.h"
#include "support/core/temp_dir.h"
#include "support/qt/scripted_dialogs.h"
#include "ui/help/help_window.h"
#include "ui/list_editor/frm_edit_list.h"
#include "ui/main_window/frm_zelvane.h"

namespace zelvane::testing {
namespace {

using ui::Answer;
using ui::frmZelvane;
using Entries = std::vector<std::pair<int, std::string>>;
using Command = void (frmZelvane::*)();

constexpr const char* kWarning = "You will be deleting a list.\rDo you wish to continue?";
constexpr const char* kFindPrompt = "Enter the name of the Field you wish to find:";

class FieldCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<frmZelvane>(document, engine);
    window->show();
  }
  void TearDown() override {
    if (ui::frmHelp* help = ui::OpenHelpWindow()) help->close();
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // Fields named F1..Fn, each linking to its own original number, shown at `shown`.
  void Load(int count, int shown, const std::vector<std::string>& types = {}, const Entries& lists = {}) {
    for (int i = 1; i <= count; ++i) {
      FieldDef& field = document.Fields[i];
      field.FieldName = "F" + std::to_string(i);
      field.Type = i <= static_cast<int>(types.size()) ? types[i - 1] : "";
      field.Size = 100 + i;
      field.LinksTo = static_cast<std::int16_t>(i);
    }
    document.FieldCount = static_cast<std::int16_t>(count);
    document.CurrentRecord = static_cast<std::int16_t>(shown);
    document.ListEntryCount = static_cast<std::int16_t>(lists.size());
    for (std::size_t k = 0; k < lists.size(); ++k) {
      document.ListEntries[static_cast<int>(k) + 1] = {static_cast<std::int16_t>(lists[k].first), lists[k].second};
    }
    window->ShowField(document.CurrentRecord);
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (int i = 1; i <= document.FieldCount; ++i) names.push_back(document.Fields[i].FieldName);
    return names;
  }
  Entries Lists() const {
    Entries lists;
    for (int k = 1; k <= document.ListEntryCount; ++k) {
      lists.emplace_back(document.ListEntries[k].FieldNo, document.ListEntries[k].Item);
    }
    return lists;
  }

  TempDir dir;
  Document document;
  Engine engine;
  ScriptedDialogs dialogs;
  std::unique_ptr<frmZelvane> window;
};

// An edit typed into the Size box tells whether the command stored first ("007" -> 7)
// and whether it showed a field afterwards (the box then reads that field's size).
struct TableCase {
  const char* label;
  Command command;
  int count;
  int shown;
  std::vector<std::string> types;
  Entries lists;
  std::optional<Answer> warning;  // the delete question and its answer
  std::vector<std::string> names;
  Entries lists_after;
  int current;
  bool shows;
};

TEST_F(FieldCommandsTest, CommandsKeepListsWithTheirFieldsAndLinksAsTheyWere) {
  const std::vector<std::string> list_type{"From File"};
  const TableCase cases[] = {
      {"delete field once of list type: its entries go unasked, later ones move down", &frmZelvane::cmdDelete_Click,
       4, 2, {"", "Random Text"}, {{2, "a"}, {3, "b"}, {4, "c"}, {2, "d"}, {3, "e"}}, std::nullopt,
       {"F1", "F3", "F4"}, {{2, "b"}, {3, "c"}, {2, "e"}}, 2, true},
      {"delete the last of three", &frmZelvane::cmdDelete_Click, 3, 3, {}, {{3, "x"}, {1, "y"}}, std::nullopt,
       {"F1", "F2"}, {{1, "y"}}, 2, true},
      {"delete a list field, Yes", &frmZelvane::cmdDelete_Click, 3, 1, list_type, {{1, "a"}, {2, "b"}, {3, "c"}},
       Answer::Yes, {"F2", "F3"}, {{1, "b"}, {2, "c"}}, 1, true},
      {"delete a list field, No", &frmZelvane::cmdDelete_Click, 3, 1, list_type, {{1, "a"}, {2, "b"}}, Answer::No,
       {"F1", "F2", "F3"}, {{1, "a"}, {2, "b"}}, 1, false},
      {"type differing in case asks nothing", &frmZelvane::cmdDelete_Click, 2, 1, {"from file"}, {{1, "a"}},
       std::nullopt, {"F2"}, {}, 1, true},
      {"the only field stays", &frmZelvane::cmdDelete_Click, 1, 1, list_type, {{1, "a"}}, std::nullopt, {"F1"},
       {{1, "a"}}, 1, false},
      {"move down 2 of 3", &frmZelvane::cmdMoveDown_Click, 3, 2, {}, {{2, "b"}, {3, "c"}, {1, "a"}}, std::nullopt,
       {"F1", "F3", "F2"}, {{3, "b"}, {2, "c"}, {1, "a"}}, 3, true},
      {"move up 3 of 3", &frmZelvane::cmdMoveUp_Click, 3, 3, {}, {{3, "c"}}, std::nullopt, {"F1", "F3", "F2"},
       {{2, "c"}}, 2, true},
      {"move up on the first", &frmZelvane::cmdMoveUp_Click, 3, 1, {}, {{1, "a"}}, std::nullopt,
       {"F1", "F2", "F3"}, {{1, "a"}}, 1, true},
      {"move down on the last", &frmZelvane::cmdMoveDown_Click, 3, 3, {}, {{3, "c"}}, std::nullopt,
       {"F1", "F2", "F3"}, {{3, "c"}}, 3, true},
      {"first", &frmZelvane::cmdFirst_Click, 3, 3, {}, {}, std::nullopt, {"F1", "F2", "F3"}, {}, 1, true},
      {"previous on the first", &frmZelvane::cmdPrevious_Click, 3, 1, {}, {}, std::nullopt, {"F1", "F2", "F3"}, {},
       1, true},
      {"previous", &frmZelvane::cmdPrevious_Click, 3, 3, {}, {}, std::nullopt, {"F1", "F2", "F3"}, {}, 2, true},
      {"next on the last", &frmZelvane::cmdNext_Click, 3, 3, {}, {}, std::nullopt, {"F1", "F2", "F3"}, {}, 3, true},
      {"next", &frmZelvane::cmdNext_Click, 3, 1, {}, {}, std::nullopt, {"F1", "F2", "F3"}, {}, 2, true},
      {"last", &frmZelvane::cmdLast_Click, 3, 1, {}, {}, std::nullopt, {"F1", "F2", "F3"}, {}, 3, true},
      {"last without fields", &frmZelvane::cmdLast_Click, 0, 1, {}, {}, std::nullopt, {}, {}, 1, true},
  };
  for (const TableCase& c : cases) {
    SCOPED_TRACE(c.label);
    Load(c.count, c.shown, c.types, c.lists);
    const std::string shown_name = c.count > 0 ? document.Fields[c.shown].FieldName : "";
    if (c.warning) {
      dialogs.ExpectMessage(kWarning, *c.warning)
          .Buttons(ui::Buttons::YesNo)
          .Icon(ui::Icon::Exclamation)
          .Title("Warning")
          .DefaultButton(1);
    }
    window->txtSize->setText("007");
    (window.get()->*c.command)();

    EXPECT_TRUE(dialogs.AllUsed());
    EXPECT_EQ(Names(), c.names);
    EXPECT_EQ(Lists(), c.lists_after);
    EXPECT_EQ(document.CurrentRecord, c.current);
    for (int i = 1; i <= document.FieldCount; ++i) {
      const FieldDef& field = document.Fields[i];
      EXPECT_EQ("F" + std::to_string(field.LinksTo), field.FieldName) << "links move with their fields, unchanged";
      if (field.FieldName == shown_name) {
        EXPECT_EQ(field.Size, 7) << "the edits were stored first";
      }
    }
    const QString shown_size = QString::number(document.Fields[document.CurrentRecord].Size);
    EXPECT_EQ(window->txtSize->text(), c.shows ? shown_size : "007");
    if (c.shows) {
      EXPECT_EQ(window->txtCurrentRecord->text(), QString::number(c.current));
    }
  }
}

TEST_F(FieldCommandsTest, NewEntryAddsBlankFieldAfterTheLastUpToFifty) {
  const struct {
    int count;
    int shown;
    int current;  // 0: refused
  } cases[] = {{5, 2, 6}, {49, 1, 50}, {50, 3, 0}, {50, 50, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.count * 100 + c.shown);
    Load(c.count, c.shown);
    // A slot above the count may hold a former field's values.
    if (c.count < kMaxFields) document.Fields[c.count + 1] = {"stale", "Random Date", 5, "1998", 3, {}, 0};
    if (c.current == 0) {
      dialogs.ExpectMessage("No more fields can be added to this file", Answer::Ok)
          .Buttons(ui::Buttons::Ok)
          .Icon(ui::Icon::None)
          .Title("Zelvane");
    }
    window->txtSize->setText("007");
    window->cmdNew_Click();

    EXPECT_TRUE(dialogs.AllUsed());
    EXPECT_EQ(document.Fields[c.shown].Size, 7);
    if (c.current == 0) {
      EXPECT_EQ(document.FieldCount, 50);
      EXPECT_EQ(document.CurrentRecord, c.shown);
      EXPECT_EQ(window->txtSize->text(), "007");
      continue;
    }
    EXPECT_EQ(document.FieldCount, c.current);
    EXPECT_EQ(document.CurrentRecord, c.current);
    const FieldDef& added = document.Fields[c.current];
    EXPECT_TRUE(added.FieldName.empty() && added.Type.empty() && added.StartString.empty());
    EXPECT_EQ(added.Size, 0);
    EXPECT_EQ(added.LinksTo, 0);
    EXPECT_EQ(window->txtFieldName->text(), "");
    EXPECT_EQ(window->txtCurrentRecord->text(), QString::number(c.current));
  }
}

TEST_F(FieldCommandsTest, FindTakesTheLowestNumberedNameContainingTheAnswer) {
  const struct {
    const char* label;
    std::vector<std::string> names;
    std::optional<QString> answer;  // nothing: Cancel
    int shown;
    int current;
  } cases[] = {
      {"lower case finds capitals", {"ID", "ARNOLD SMITH", "Town"}, QString("smith"), 1, 2},
      {"lowest match wins, search starts at 1", {"Phone", "Home Phone", "Work Phone"}, QString("PHONE"), 3, 1},
      {"blanks are not trimmed", {"ARNOLD SMITH", "Smith "}, QString("smith "), 1, 2},
      {"non-ASCII letters compare by case too", {"x", "\xC3\x84PFEL"}, QString::fromUtf8("\xC3\xA4pfel"), 1, 2},
      {"no match keeps the shown field", {"a", "b", "c"}, QString("zz"), 2, 2},
      {"empty answer finds the first name", {"", "", "Town", "Zip"}, QString(""), 4, 3},
      {"cancel finds the first name", {"", "Town"}, std::nullopt, 1, 2},
      {"empty answer with no names stays", {"", ""}, QString(""), 2, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    Load(static_cast<int>(c.names.size()), c.shown);
    for (std::size_t i = 0; i < c.names.size(); ++i) document.Fields[static_cast<int>(i) + 1].FieldName = c.names[i];
    window->ShowField(document.CurrentRecord);
    if (c.answer) {
      dialogs.ExpectInput(kFindPrompt, *c.answer).Title("Find Field").DefaultText("");
    } else {
      dialogs.ExpectInputCancel(kFindPrompt).Title("Find Field");
    }
    window->txtSize->setText("007");
    window->cmdFind_Click();

    EXPECT_TRUE(dialogs.AllUsed());
    EXPECT_EQ(document.Fields[c.shown].Size, 7);
    EXPECT_EQ(document.CurrentRecord, c.current);
    EXPECT_EQ(window->txtCurrentRecord->text(), QString::number(c.current));
    EXPECT_EQ(window->txtSize->text(), QString::number(document.Fields[c.current].Size));
  }
}

TEST_F(FieldCommandsTest, FieldNumberBoxJumpsOnlyToANumberInRange) {
  const struct {
    const char* typed;
    int current;
  } cases[] = {{"3", 3},   {"2.5", 2}, {"3.5", 4}, {"0.6", 1}, {"0.5", 5}, {"0", 5},   {"-1", 5},  {"6", 5},
               {"5.2", 5}, {"", 5},    {"abc", 5}, {"1 2", 5}, {"2,7", 2}, {"3abc", 3}, {" 4", 4}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    Load(5, 5);
    window->txtSize->setText("007");
    window->txtCurrentRecord->setText(c.typed);
    window->txtCurrentRecord_LostFocus();

    EXPECT_EQ(document.Fields[5].Size, 7);
    EXPECT_EQ(document.CurrentRecord, c.current);
    EXPECT_EQ(window->txtCurrentRecord->text(), QString::number(c.current));
    EXPECT_EQ(window->txtFieldName->text(), QString::fromStdString("F" + std::to_string(c.current)));
  }
}

// The step runs when the focus moves on inside the main window, not when another window
// takes over: coming back, the user finds the box as they left it.
TEST_F(FieldCommandsTest, FieldNumberBoxStepsWhenTheFocusMovesWithinTheWindow) {
  Load(5, 5);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  window->txtCurrentRecord->setFocus(Qt::MouseFocusReason);
  window->txtCurrentRecord->setText("3");
  window->txtLinksTo->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(document.CurrentRecord, 3);
  EXPECT_TRUE(window->txtFieldName->hasFocus());

  window->txtCurrentRecord->setFocus(Qt::MouseFocusReason);
  window->txtCurrentRecord->setText("2");
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_EQ(document.CurrentRecord, 3);
  EXPECT_EQ(window->txtCurrentRecord->text(), "2");
}

TEST_F(FieldCommandsTest, SaveEntriesStoresTheShownEditsBeforeSaving) {
  Load(2, 2);
  const std::string path = dir.File("saved.fld");
  dialogs.ExpectSave(QString::fromStdString(path));
  window->txtFieldName->setText("Typed");
  window->txtSize->setText("007");
  window->cmdSave_Click();

  EXPECT_TRUE(dialogs.AllUsed());
  EXPECT_NE(ReadBytes(path).find("\"Typed\",\"\",7,\"\",2\r\n"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(dir.File("saved.lst")));
  EXPECT_EQ(window->txtSize->text(), "007");
}

TEST_F(FieldCommandsTest, EditListOpensTheEditorOnTheShownFieldEvenWhenTheSaveIsCancelled) {
  Load(3, 2, {"", "From File"}, {{1, "keep"}});
  dialogs.ExpectSaveCancel();
  window->txtFieldName->setText("Colour");
  bool opened = false;
  WhenModalShown([&](QWidget* modal) {
    auto* editor = qobject_cast<ui::frmEditList*>(modal);
    ASSERT_NE(editor, nullptr);
    opened = true;
    editor->txtItem->setText("red");
    editor->cmdAddItem->click();
    editor->txtItem->setText("blue");
    editor->cmdAddItem->click();
    dialogs.ExpectMessage(ui::kSaveListDataPrompt, Answer::Yes);
    editor->cmdClose->click();
  });
  window->cmdEditList_Click();

  EXPECT_TRUE(opened);
  EXPECT_TRUE(dialogs.AllUsed());
  EXPECT_EQ(document.Fields[2].FieldName, "Colour");
  EXPECT_EQ(Lists(), (Entries{{1, "keep"}, {2, "red"}, {2, "blue"}}));
  EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "nothing is written";
}

TEST_F(FieldCommandsTest, HelpTakesItsTopicFromTheTypeBoxAndLeavesTheMainWindowUsable) {
  Load(2, 1, {"Random Date"});
  window->cboDataType->setEditText("");
  window->txtSize->setText("007");
  window->cmdHelp_Click();

  EXPECT_EQ(document.HelpTopic, "");
  EXPECT_EQ(document.Fields[1].Size, 7);
  EXPECT_EQ(document.Fields[1].Type, "");
  EXPECT_EQ(window->txtSize->text(), "007");
  ui::frmHelp* help = ui::OpenHelpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_FALSE(help->isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  // A second request brings the same window forward with its old page.
  const QString page = help->txtHelp->toPlainText();
  window->cboDataType->setEditText("Random Date");
  window->cmdHelp_Click();
  EXPECT_EQ(document.HelpTopic, "Random Date");
  EXPECT_EQ(ui::OpenHelpWindow(), help);
  EXPECT_EQ(help->txtHelp->toPlainText(), page);
}

}  // namespace
}  // namespace zelvane::testing
