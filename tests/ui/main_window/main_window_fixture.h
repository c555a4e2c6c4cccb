#pragma once
// A shown main window over its own document, with scripted dialogs and a temporary
// folder, for the tests of the main window.

#include <memory>
#include <string>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "document/field_file.h"
#include "generator/engine.h"
#include "support/core/temp_dir.h"
#include "support/qt/scripted_dialogs.h"
#include "ui/help/about_window.h"
#include "ui/help/help_window.h"
#include "ui/main_window/frm_zelvane.h"

namespace zelvane::testing {

using ui::Answer;
using ui::frmZelvane;

inline constexpr const char* kSavePrompt = "Do you want to save this current file?";
inline constexpr const char* kItemsPrompt = "How many Data Items do you require?";

inline QString Q(const std::string& text) { return QString::fromStdString(text); }
// The hourglass over every window of the program.
inline bool Hourglass() {
  const QCursor* cursor = QApplication::overrideCursor();
  return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}
// The five saved members as "name|type|size|start|links".
inline QString Saved(const FieldDef& f) {
  return QString("%1|%2|%3|%4|%5").arg(Q(f.FieldName), Q(f.Type)).arg(f.Size).arg(Q(f.StartString)).arg(f.LinksTo);
}

class MainWindowTest : public ::testing::Test {
 public:
  void SetUp() override {
    engine.Conventions = LocaleConventions::Fallback();
    window = std::make_unique<frmZelvane>(document, engine);
    window->show();
  }
  void TearDown() override {
    if (ui::frmHelp* help = ui::OpenHelpWindow()) help->close();
    if (ui::frmAbout* about = ui::OpenAboutWindow()) about->close();
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  // A fresh document in a fresh window, for each case of a table.
  void Restart() {
    TearDown();
    document = Document{};
    SetUp();
  }
  void Activate() {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  // Fields F1..Fn, of the types given in order, each of size 100 + i and linking to its
  // own number; the store as "2:a 3:b", the field number and item of each entry.
  void Load(int count, int shown, const QStringList& types = {}, const QString& lists = "") {
    for (int i = 1; i <= count; ++i) {
      document.Fields[i] = {"F" + std::to_string(i), types.value(i - 1).toStdString(), 100 + i, "",
                            static_cast<std::int16_t>(i), {}, 0};
    }
    document.FieldCount = static_cast<std::int16_t>(count);
    document.CurrentRecord = static_cast<std::int16_t>(shown);
    document.ListEntryCount = 0;
    for (const QString& entry : lists.split(' ', Qt::SkipEmptyParts)) {
      document.ListEntries[++document.ListEntryCount] = {static_cast<std::int16_t>(entry.section(':', 0, 0).toInt()),
                                                         entry.section(':', 1).toStdString()};
    }
    window->ShowField(document.CurrentRecord);
  }
  // The field names and the store, as "F1 F3|2:a 3:b".
  QString Table() const {
    QStringList names, entries;
    for (int i = 1; i <= document.FieldCount; ++i) names << Q(document.Fields[i].FieldName);
    for (int k = 1; k <= document.ListEntryCount; ++k) {
      entries << QString("%1:%2").arg(document.ListEntries[k].FieldNo).arg(Q(document.ListEntries[k].Item));
    }
    return names.join(' ') + "|" + entries.join(' ');
  }

  // Names the shown field in its box without storing it, as typing does.
  void Type(const QString& name) { window->txtFieldName->setText(name); }
  // Opens the type box's drop-down list with the keys, after typing into the box; a
  // choice follows before the program has caught up with the opening.
  QAbstractItemView* OpenTypeList(const char* typed = "") {
    window->cboDataType->setFocus();
    QCoreApplication::processEvents();
    QTest::keyClicks(window->cboDataType, typed);
    QTest::keyClick(window->cboDataType, Qt::Key_Down, Qt::AltModifier);
    return window->cboDataType->view();
  }
  // The message of a failed step: the procedure's name and the core's own description.
  Expectation& ExpectFailure(const char* procedure, const Outcome& outcome) {
    EXPECT_FALSE(outcome.ok);
    return dialogs.ExpectMessage(QString(procedure) + " - " + Q(outcome.description), Answer::Ok)
        .Buttons(ui::Buttons::Ok).Icon(ui::Icon::None).Title("Zelvane");
  }

  TempDir dir;
  Document document;
  Engine engine;
  ScriptedDialogs dialogs;
  std::unique_ptr<frmZelvane> window;
};

}  // namespace zelvane::testing
