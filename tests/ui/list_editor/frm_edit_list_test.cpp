#include "ui/list_editor/frm_edit_list.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "support/qt/scripted_dialogs.h"
#include "ui/help/help_window.h"

namespace zelvane::ui {
namespace {

using Store = std::vector<std::pair<int, std::string>>;
using Script = std::function<void(frmEditList&)>;
using zelvane::testing::ScriptedDialogs;

Document MakeDocument(const Store& store, std::int16_t current = 1) {
  Document document;
  document.Fields[1].FieldName = "Media";  // field 2 has no name
  document.CurrentRecord = current;
  for (const auto& [field, item] : store) {
    document.ListEntries[++document.ListEntryCount] = {static_cast<std::int16_t>(field), item};
  }
  return document;
}

Store StoreOf(const Document& document) {
  Store store;
  for (int i = 1; i <= document.ListEntryCount; ++i) {
    store.emplace_back(document.ListEntries[i].FieldNo, document.ListEntries[i].Item);
  }
  return store;
}

// What the user sees: the items, the selected index, the item box, and whether Delete
// Item, Move Up and Move Down are enabled.
QString State(const frmEditList& w) {
  QStringList items;
  for (int row = 0; row < w.lstList->count(); ++row) items << w.lstList->item(row)->text();
  const auto selected = w.lstList->selectedItems();
  QString state = items.join(',') + " sel " + QString::number(selected.isEmpty() ? -1 : w.lstList->row(selected.first()));
  state += " box '" + w.txtItem->text() + "' ";
  for (const QPushButton* button : {w.cmdDelete, w.cmdMoveUp, w.cmdMoveDown}) state += button->isEnabled() ? '1' : '0';
  return state;
}

std::unique_ptr<frmEditList> Open(Document& document) {
  auto window = std::make_unique<frmEditList>(document);
  window->show();
  EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
  return window;
}

// Shows the list editor as the main window does and runs the script in its modal loop.
void RunModal(Document& document, const Script& script) {
  zelvane::testing::WhenModalShown([&](QWidget* modal) {
    auto* window = qobject_cast<frmEditList*>(modal);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));  // the list loads on activation
    script(*window);
    EXPECT_FALSE(window->isVisible());
    window->close();
  });
  ShowEditListModal(document);
}

TEST(EditListWindow, OpeningLoadsTheFieldsListAndSetsTheButtons) {
  const struct {
    Store store;
    std::int16_t current;
    QString caption, state;
  } cases[] = {
      // Nothing is loaded from an empty store, so the buttons keep their first state.
      {{}, 1, "Edit List - 1. Media", " sel -1 box '' 111"},
      {{{2, "x"}}, 1, "Edit List - 1. Media", " sel -1 box '' 000"},
      {{{1, "CD"}, {2, "x"}}, 2, "Edit List - 2. ", "x sel -1 box '' 100"},
      {{{1, "CD"}, {2, "x"}, {1, "Tape"}}, 1, "Edit List - 1. Media", "CD,Tape sel -1 box '' 111"},
  };
  for (const auto& c : cases) {
    Document document = MakeDocument(c.store, c.current);
    auto window = Open(document);
    EXPECT_EQ(window->windowTitle(), c.caption);
    // The list takes the focus; that must neither select nor copy its first item.
    EXPECT_EQ(QApplication::focusWidget(), window->lstList);
    EXPECT_EQ(State(*window), c.state);
  }
}

TEST(EditListWindow, ItemCommands) {
  const Store abc = {{1, "A"}, {1, "B"}, {1, "C"}};
  const auto add = &frmEditList::cmdAddItem_Click, del = &frmEditList::cmdDelete_Click;
  const auto up = &frmEditList::cmdMoveUp_Click, down = &frmEditList::cmdMoveDown_Click;
  const struct {
    const char* name;
    Store store;
    int select;     // -1: none
    QString typed;  // into the item box after selecting
    void (frmEditList::*command)();
    QString state;
  } cases[] = {
      {"add", {{1, "A"}}, 0, "D", add, "A,D sel 0 box '' 111"},
      {"add empty box", {}, -1, "", add, " sel -1 box '' 000"},
      {"add blanks", {}, -1, "  ", add, "   sel -1 box '' 100"},
      {"add duplicate", abc, 1, "A", add, "A,B,C,A sel 1 box '' 111"},
      {"delete middle", abc, 1, "B", del, "A,C sel 1 box 'C' 111"},
      {"delete last", abc, 2, "C", del, "A,B sel 1 box 'B' 111"},
      {"delete only", {{1, "A"}}, 0, "A", del, " sel -1 box 'A' 000"},
      {"delete without selection", abc, -1, "t", del, "A,B,C sel -1 box 't' 111"},
      {"delete on an empty store", {}, -1, "t", del, " sel -1 box 't' 000"},
      {"up from the end", abc, 2, "C", up, "A,C,B sel 1 box 'C' 111"},
      {"down from the top", abc, 0, "A", down, "B,A,C sel 1 box 'A' 111"},
      {"up at the top", abc, 0, "A", up, "A,B,C sel 0 box 'A' 111"},
      {"down at the end", abc, 2, "C", down, "A,B,C sel 2 box 'C' 111"},
      {"up without selection", abc, -1, "t", up, "A,B,C sel -1 box 't' 111"},
      {"down on an empty store keeps the buttons", {}, -1, "t", down, " sel -1 box 't' 111"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Document document = MakeDocument(c.store);
    auto window = Open(document);
    if (c.select >= 0) window->lstList->setCurrentRow(c.select);
    EXPECT_EQ(window->txtItem->text(), c.select >= 0 ? c.store[c.select].second.c_str() : "");
    window->txtItem->setText(c.typed);
    (window.get()->*c.command)();
    EXPECT_EQ(State(*window), c.state);
    EXPECT_TRUE(window->ListChanged);
    EXPECT_EQ(QApplication::focusWidget() == window->txtItem, c.command == add);
  }
}

TEST(EditListWindow, CloseAsksAfterAnItemCommandAndWritesBackOnYes) {
  const auto add = [](QString text) { return [text](frmEditList& w) { w.txtItem->setText(text); w.cmdAddItem_Click(); }; };
  const auto stays_open_with = [](QString state) {
    return [state](frmEditList& w) { w.cmdClose_Click(); EXPECT_TRUE(w.isVisible()); EXPECT_EQ(State(w), state); };
  };
  const Script select_second = [](frmEditList& w) { w.lstList->setCurrentRow(1); };
  const QString ask = kSaveListDataPrompt;
  const QString overflow =
      "The lists can hold no more than 1000 entries in all. Remove 1 item from this list before saving it.";
  const Store mixed = {{1, "a1"}, {2, "b1"}, {1, "a2"}, {3, "c1"}};
  Store full(999, {2, "x"});
  full.emplace_back(1, "a1");
  const Store fits(full.begin() + 1, full.end());
  Store fitted = fits;
  fitted.emplace_back(1, "a2");
  const struct {
    const char* name;
    Store store;
    std::vector<Script> edits;
    std::vector<std::pair<QString, Answer>> prompts;
    Store after;
  } cases[] = {
      {"no command", mixed, {}, {}, mixed},
      {"a command that changed nothing, No", mixed, {&frmEditList::cmdMoveUp_Click}, {{ask, Answer::No}}, mixed},
      {"Cancel keeps the edits and asks again", mixed, {add("a3"), stays_open_with("a1,a2,a3 sel -1 box '' 111")},
       {{ask, Answer::Cancel}, {ask, Answer::No}}, mixed},
      {"Yes puts the list after the other fields'", mixed, {select_second, &frmEditList::cmdMoveUp_Click, add("a3")},
       {{ask, Answer::Yes}}, {{2, "b1"}, {3, "c1"}, {1, "a2"}, {1, "a1"}, {1, "a3"}}},
      {"Yes with an empty list", mixed, {select_second, &frmEditList::cmdDelete_Click, &frmEditList::cmdDelete_Click},
       {{ask, Answer::Yes}}, {{2, "b1"}, {3, "c1"}}},
      {"1000 entries fit", fits, {add("a2")}, {{ask, Answer::Yes}}, fitted},
      {"1001 are refused", full, {add("a2"), stays_open_with("a1,a2 sel -1 box '' 111")},
       {{ask, Answer::Yes}, {overflow, Answer::Ok}, {ask, Answer::No}}, full},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedDialogs dialogs;
    for (const auto& [text, answer] : c.prompts) {
      const bool question = text == ask;
      dialogs.ExpectMessage(text, answer)
          .Buttons(question ? Buttons::YesNoCancel : Buttons::Ok)
          .Icon(question ? Icon::Question : Icon::Exclamation)
          .Title(question ? "Exit" : "Zelvane");
    }
    Document document = MakeDocument(c.store);
    RunModal(document, [&](frmEditList& window) {
      for (const Script& edit : c.edits) edit(window);
      window.cmdClose_Click();
    });
    EXPECT_EQ(StoreOf(document), c.after);
  }
}

TEST(EditListWindow, HelpIsModalOnTheListTopicAndActivatesTheWindowAgain) {
  // Reloading drops unsaved edits when the store holds entries; either way the mark is
  // cleared, so Close then asks nothing.
  for (const Store& store : {Store{{2, "x"}, {1, "A"}}, Store{}}) {
    ScriptedDialogs dialogs;
    Document document = MakeDocument(store);
    RunModal(document, [&](frmEditList& window) {
      window.txtItem->setText("new");
      window.cmdAddItem_Click();
      document.Fields[1].FieldName = "Renamed";
      zelvane::testing::WhenModalShown([](QWidget* modal) {
        auto* help = qobject_cast<frmHelp*>(modal);
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->lblTitle->text(), "Edit List Component");
        help->close();
      });
      window.cmdHelp_Click();
      EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
      EXPECT_EQ(window.windowTitle(), "Edit List - 1. Renamed");
      EXPECT_TRUE(State(window).startsWith(store.empty() ? "new sel" : "A sel"));
      window.cmdClose_Click();
    });
    EXPECT_EQ(StoreOf(document), store);
  }
}

TEST(EditListWindow, OnlyComingBackFromAnotherOfTheProgramsWindowsActivates) {
  const std::pair<Script, bool> cases[] = {
      {[](frmEditList&) { QApplication::setActiveWindow(nullptr); }, false},  // another program
      {[](frmEditList& w) {
         QMessageBox box(&w);  // as the program's message boxes show: modal and owned
         box.setModal(true);
         box.show();
         EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &box; }));
       }, false},
      {[](frmEditList&) {
         QWidget other;
         other.show();
         EXPECT_TRUE(QTest::qWaitForWindowActive(&other));
       }, true},
  };
  for (const auto& [away, activates] : cases) {
    Document document = MakeDocument({{1, "A"}});
    auto window = Open(document);
    window->lstList->setCurrentRow(0);
    window->cmdDelete_Click();
    away(*window);
    QApplication::setActiveWindow(window.get());
    EXPECT_EQ(window->ListChanged, !activates);
    EXPECT_TRUE(State(*window).startsWith(activates ? "A sel" : " sel"));
  }
}

}  // namespace
}  // namespace zelvane::ui
