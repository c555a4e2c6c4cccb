// The main window's field editor: start-up, showing and storing a field, the type
// defaults, the Edit List button, the selection after a show and the tab order.
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "document/document.h"
#include "generator/engine.h"
#include "support/qt/scripted_dialogs.h"
#include "ui/main_window/frm_zelvane.h"

namespace zelvane::ui {
namespace {

const QStringList kTypeNames = {"Counting Numbers", "Random Text", "Random Integer", "Random Double",
                                "Random Currency",  "Random Date", "Random Time",    "From File",
                                "Street",           "Phone",       "Email",          "WebURL"};

FieldDef Field(std::string name, std::string type, std::int32_t size, std::string start, std::int16_t links_to) {
  FieldDef field;
  field.FieldName = std::move(name);
  field.Type = std::move(type);
  field.Size = size;
  field.StartString = std::move(start);
  field.LinksTo = links_to;
  return field;
}

void ExpectSavedMembers(const FieldDef& actual, const FieldDef& expected) {
  EXPECT_EQ(actual.FieldName, expected.FieldName);
  EXPECT_EQ(actual.Type, expected.Type);
  EXPECT_EQ(actual.Size, expected.Size);
  EXPECT_EQ(actual.StartString, expected.StartString);
  EXPECT_EQ(actual.LinksTo, expected.LinksTo);
}

class FieldEditor : public ::testing::Test {
 protected:
  FieldEditor() {
    engine.Conventions = LocaleConventions::Fallback();
    window = std::make_unique<frmZelvane>(document, engine);
  }
  ~FieldEditor() override { QCoreApplication::processEvents(); }

  void ShowWindow() {
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  void SetFields(const std::vector<FieldDef>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) document.Fields[static_cast<int>(i) + 1] = fields[i];
    document.FieldCount = static_cast<std::int16_t>(fields.size());
  }

  // Picks an entry from the type box's drop-down list with the mouse.
  void ChooseType(const QString& name) {
    QComboBox* box = window->cboDataType;
    box->showPopup();
    QAbstractItemView* list = box->view();
    const QModelIndex entry = box->model()->index(box->findText(name, Qt::MatchExactly), 0);
    ASSERT_TRUE(entry.isValid()) << name.toStdString();
    list->scrollTo(entry);
    const QPoint centre = list->visualRect(entry).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QCoreApplication::processEvents();
    EXPECT_EQ(box->currentText(), name);
  }

  void TypeIntoTypeBox(const QString& text) {
    window->cboDataType->setFocus();
    window->cboDataType->lineEdit()->clear();
    QTest::keyClicks(window->cboDataType, text);
  }

  Document document;
  Engine engine;
  testing::ScriptedDialogs dialogs;  // no field editor step may ask anything
  std::unique_ptr<frmZelvane> window;
};

TEST_F(FieldEditor, StartsWithTheResetDocumentAndFieldOneShown) {
  Document used;
  used.Fields[1] = Field("Old", "Phone", 5, "x", 2);
  used.FieldCount = 7;
  used.CurrentRecord = 4;
  used.NoOfItems = 9;
  used.CurrentFile = "/tmp/old.fld";
  frmZelvane fresh(used, engine);

  EXPECT_EQ(used.FieldCount, 1);
  EXPECT_EQ(used.CurrentRecord, 1);
  EXPECT_EQ(used.NoOfItems, 100);
  EXPECT_EQ(used.CurrentFile, "");
  EXPECT_EQ(fresh.windowTitle(), "A Programming Utility");
  EXPECT_EQ(fresh.txtFile->text(), "");
  EXPECT_EQ(fresh.txtFieldName->text(), "");
  EXPECT_EQ(fresh.cboDataType->currentText(), "");
  EXPECT_EQ(fresh.txtSize->text(), "0");
  EXPECT_EQ(fresh.txtStartString->text(), "");
  EXPECT_EQ(fresh.txtLinksTo->text(), "0");
  EXPECT_EQ(fresh.txtCurrentRecord->text(), "1");
  EXPECT_EQ(fresh.lblNumRecords->text(), "of   1");
  EXPECT_FALSE(fresh.cmdEditList->isEnabled());

  QStringList listed;
  for (int i = 0; i < fresh.cboDataType->count(); ++i) listed << fresh.cboDataType->itemText(i);
  EXPECT_EQ(listed, kTypeNames);
}

TEST_F(FieldEditor, ShowThenStoreChangesNothing) {
  const std::vector<FieldDef> cases = {
      Field("", "", 0, "", 0),
      Field("Customer Name", "Random Text", 10, "Mr ", 0),
      Field("  padded  ", "random text", std::numeric_limits<std::int32_t>::max(), " ", 32767),
      Field("Quote \"and, comma\"", "Not a type", std::numeric_limits<std::int32_t>::min(), "a,b", -32768),
  };
  for (const FieldDef& field : cases) {
    SCOPED_TRACE(field.FieldName);
    SetFields({field, Field("other", "Street", 99, "s", 9)});
    window->ShowField(1);
    window->StoreField(2);
    ExpectSavedMembers(document.Fields[2], field);
  }
}

TEST_F(FieldEditor, StoringConvertsTheNumberBoxesAndLeavesAMemberWhoseTextFails) {
  struct Case {
    const char* size_text;
    const char* links_text;
    std::int32_t size;
    std::int16_t links_to;
  };
  // Before each store the field holds Size 7 and LinksTo 3.
  const std::vector<Case> cases = {
      {"2.5", "1", 2, 1},
      {"3.5", "-1", 4, -1},
      {"-2.5", " 2 ", -2, 2},
      {"12abc", "40000", 7, 3},
      {"", "", 7, 3},
      {"abc", "-32769", 7, 3},
      {"2147483647", "32767", 2147483647, 32767},
      {"-2147483648", "-32768", std::numeric_limits<std::int32_t>::min(), -32768},
      {"2147483648", "32768", 7, 3},
      {"1,5", "1 2", 7, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.size_text) + " / " + c.links_text);
    SetFields({Field("before", "Phone", 7, "old", 3)});
    window->ShowField(1);
    window->txtFieldName->setText("after");
    window->cboDataType->setEditText("Street");
    window->txtSize->setText(c.size_text);
    window->txtStartString->setText("new");
    window->txtLinksTo->setText(c.links_text);
    window->StoreField(1);
    ExpectSavedMembers(document.Fields[1], Field("after", "Street", c.size, "new", c.links_to));
    EXPECT_EQ(window->txtSize->text(), c.size_text) << "the box keeps what was typed";
  }
}

TEST_F(FieldEditor, NumbersOutsideTheTableTouchOnlyTheCounter) {
  SetFields({Field("one", "Phone", 5, "", 0)});
  window->ShowField(1);
  for (std::int16_t outside : {std::int16_t{0}, std::int16_t{51}, std::int16_t{-1}}) {
    window->ShowField(outside);
    EXPECT_EQ(window->txtFieldName->text(), "one");
    EXPECT_EQ(window->txtSize->text(), "5");
    EXPECT_EQ(window->txtCurrentRecord->text(), QString::number(outside));
    EXPECT_EQ(window->lblNumRecords->text(), "of   1");
  }
  const Document before = document;
  window->txtFieldName->setText("changed");
  window->StoreField(51);
  window->StoreField(0);
  for (int i = 1; i <= kMaxFields; ++i) ExpectSavedMembers(document.Fields[i], before.Fields[i]);

  SetFields(std::vector<FieldDef>(12, Field("f", "Street", 1, "", 0)));
  window->ShowField(3);
  EXPECT_EQ(window->txtCurrentRecord->text(), "3");
  EXPECT_EQ(window->lblNumRecords->text(), "of   12");
}

TEST_F(FieldEditor, ChoosingATypeWritesItsDefaultsAndNothingElse) {
  struct Case {
    const char* type;
    std::optional<QString> size;   // nothing: the box is left alone
    std::optional<QString> start;
  };
  const std::vector<Case> cases = {
      {"Counting Numbers", std::nullopt, std::nullopt},
      {"Random Text", "10", ""},
      {"Random Integer", "100", ""},
      {"Random Double", "100", ""},
      {"Random Currency", "100", ""},
      {"Random Date", "5", "1998"},
      {"Random Time", "15", "8:00"},
      {"From File", "0", ""},
      {"Street", "10", ""},
      {"Phone", "5", ""},
      {"Email", "10", "@zelvanemail.com.**"},
      {"WebURL", "10", ".com.**"},
  };
  ShowWindow();
  SetFields({Field("name", "Phone", 77, "keep", 2)});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    window->ShowField(1);
    ChooseType(c.type);
    EXPECT_EQ(window->txtSize->text(), c.size.value_or("77"));
    EXPECT_EQ(window->txtStartString->text(), c.start.value_or("keep"));
    EXPECT_EQ(window->txtFieldName->text(), "name");
    EXPECT_EQ(window->txtLinksTo->text(), "2");
    EXPECT_EQ(window->cmdEditList->isEnabled(), std::string(c.type) == "From File");
    ExpectSavedMembers(document.Fields[1], Field("name", "Phone", 77, "keep", 2));
  }
}

TEST_F(FieldEditor, TypingATypeNameRunsNoDefaults) {
  ShowWindow();
  SetFields({Field("name", "", 77, "keep", 0)});
  window->ShowField(1);
  for (const QString& typed : {QString("Random Date"), QString("From File"), QString("from file")}) {
    SCOPED_TRACE(typed.toStdString());
    TypeIntoTypeBox(typed);
    QTest::keyClick(window->cboDataType, Qt::Key_Return);
    QTest::keyClick(window->cboDataType, Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->cboDataType->currentText(), typed);
    EXPECT_EQ(window->txtSize->text(), "77");
    EXPECT_EQ(window->txtStartString->text(), "keep");
    EXPECT_FALSE(window->cmdEditList->isEnabled());
  }
  window->StoreField(1);
  EXPECT_EQ(document.Fields[1].Type, "from file") << "stored as typed";
}

TEST_F(FieldEditor, ArrowKeysChooseFromTheListButTheWheelDoesNot) {
  ShowWindow();
  SetFields({Field("name", "Random Currency", 77, "keep", 0), Field("other", "", 1, "keep", 0)});
  window->ShowField(1);
  window->cboDataType->setFocus();
  QTest::keyClick(window->cboDataType, Qt::Key_Down);
  EXPECT_EQ(window->cboDataType->currentText(), "Random Date");
  EXPECT_EQ(window->txtStartString->text(), "1998");

  window->ShowField(2);
  QWheelEvent wheel(QPointF(5, 5), window->cboDataType->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(window->cboDataType, &wheel);
  EXPECT_EQ(window->cboDataType->currentText(), "");
  EXPECT_EQ(window->txtStartString->text(), "keep");
}

TEST_F(FieldEditor, EditListFollowsTheShownTypeExactly) {
  struct Case {
    const char* type;
    bool enabled;
  };
  const std::vector<Case> cases = {
      {"From File", true}, {"from file", false}, {"From file", false}, {"From File ", false},
      {" From File", false}, {"", false}, {"Street", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    SetFields({Field("f", c.type, 0, "", 0)});
    window->ShowField(1);
    EXPECT_EQ(window->cmdEditList->isEnabled(), c.enabled);
  }
}

TEST_F(FieldEditor, AfterAShowTheWholeNameIsSelected) {
  ShowWindow();
  SetFields({Field("Customer", "Street", 1, "", 0), Field("Order Number", "Counting Numbers", 1, "", 0)});
  window->txtCurrentRecord->setFocus();
  window->ShowField(2);
  EXPECT_TRUE(window->txtFieldName->hasFocus());
  QCoreApplication::processEvents();
  EXPECT_EQ(window->txtFieldName->selectedText(), "Order Number");
  QTest::keyClicks(window->txtFieldName, "X");
  EXPECT_EQ(window->txtFieldName->text(), "X");
}

TEST_F(FieldEditor, ShowingWhileHiddenSkipsTheFocusAndTheKeystroke) {
  SetFields({Field("Customer", "Street", 1, "", 0)});
  window->ShowField(1);
  QCoreApplication::processEvents();
  EXPECT_EQ(window->txtFieldName->selectedText(), "");
  EXPECT_EQ(window->txtFieldName->text(), "Customer");
  ShowWindow();
  EXPECT_EQ(QApplication::focusWidget(), window->txtFieldName) << "first in the tab order";
}

// Leaving the field-number box shows the field again, which puts the focus into the name
// box; the chain itself is followed here without that detour.
QString NextTabStop(QWidget* from) {
  for (QWidget* next = from->nextInFocusChain(); next != from; next = next->nextInFocusChain()) {
    if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() && next->isVisible() &&
        next->focusProxy() == nullptr) {
      return next->objectName();
    }
  }
  return QString();
}

TEST_F(FieldEditor, TabVisitsTheControlsInOrderAndSkipsTheFileBox) {
  ShowWindow();
  const QStringList chain = {"txtFieldName", "cboDataType", "txtSize",          "txtStartString", "txtLinksTo",
                             "cmdNew",       "cmdSave",     "cmdDelete",        "cmdFind",        "cmdMoveUp",
                             "cmdMoveDown",  "cmdEditList", "cmdFirst",         "cmdPrevious",    "cmdNext",
                             "cmdLast",      "txtCurrentRecord", "cmdExit",     "cmdHelp",        "txtFieldName"};
  for (bool edit_list : {true, false}) {
    SCOPED_TRACE(edit_list ? "Edit List enabled" : "Edit List disabled");
    window->cmdEditList->setEnabled(edit_list);
    QStringList expected = chain;
    if (!edit_list) expected.removeAll("cmdEditList");
    QStringList visited = {"txtFieldName"};
    for (int i = 1; i < expected.size(); ++i) {
      visited << NextTabStop(window->findChild<QWidget*>(visited.back()));
    }
    EXPECT_EQ(visited, expected);
  }
}

TEST_F(FieldEditor, ButtonsAndTheFieldNumberBoxRunTheirProcedures) {
  ShowWindow();
  SetFields({Field("one", "Street", 1, "", 0), Field("two", "Phone", 2, "", 0), Field("three", "Email", 3, "", 0)});
  window->ShowField(1);
  QTest::mouseClick(window->cmdNext, Qt::LeftButton);
  EXPECT_EQ(document.CurrentRecord, 2);
  EXPECT_EQ(window->txtFieldName->text(), "two");

  window->txtCurrentRecord->setFocus();
  window->txtCurrentRecord->setText("3");
  QTest::keyClick(window->txtCurrentRecord, Qt::Key_Tab);
  EXPECT_EQ(document.CurrentRecord, 3);
  EXPECT_EQ(window->txtFieldName->text(), "three");

  dialogs.ExpectMessage("Do you want to save this current file?", Answer::No);
  QTest::mouseClick(window->cmdExit, Qt::LeftButton);
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace zelvane::ui
