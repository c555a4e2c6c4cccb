#pragma once
// A main window over its own document, with scripted dialogs and a temporary folder, for
// the tests of the window's lifecycle, file commands and menus.

#include <memory>
#include <string>

#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <gtest/gtest.h>

#include "document/document.h"
#include "document/field_file.h"
#include "generator/engine.h"
#include "support/core/temp_dir.h"
#include "support/qt/scripted_dialogs.h"
#include "ui/help/about_window.h"
#include "ui/help/help_window.h"
#include "ui/main_window/frm_zelvane.h"

namespace zelvane::testing {

inline constexpr const char* kSavePrompt = "Do you want to save this current file?";
inline constexpr const char* kItemsPrompt = "How many Data Items do you require?";
inline constexpr const char* kGenerated = "The data file has been generated";

// A small document on disk: 7 data lines, two fields.
inline const std::string kTwoFieldFile =
    "7\r\nFieldName,Type,Size,StartString,LinksTo\r\n"
    "\"Surname\",\"Random Text\",10,\"\",0\r\n"
    "\"Colour\",\"From File\",0,\"\",0\r\n";
inline const std::string kTwoFieldLists = "2,\"red\"\r\n2,\"blue\"\r\n";

inline QString Q(const std::string& text) { return QString::fromStdString(text); }

class MenusWindowTest : public ::testing::Test {
 public:
  void SetUp() override {
    window = std::make_unique<ui::frmZelvane>(document, engine);
    window->show();
  }

  void TearDown() override {
    if (ui::frmHelp* help = ui::OpenHelpWindow()) help->close();
    if (ui::frmAbout* about = ui::OpenAboutWindow()) about->close();
    window.reset();
    // Lets windows closed with WA_DeleteOnClose go.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // A fresh document in a fresh window, for each case of a table.
  void Restart() {
    TearDown();
    document = Document{};
    SetUp();
  }

  // Makes the window the active one, as the shortcuts need.
  void Activate() {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  // Writes the two-field document (and its lists) and opens it through File > Open.
  std::string OpenTwoFieldDocument(const std::string& name = "doc.fld") {
    const std::string path = dir.File(name);
    WriteBytes(path, kTwoFieldFile);
    WriteBytes(dir.File(name.substr(0, name.size() - 4) + ".lst"), kTwoFieldLists);
    dialogs.ExpectOpen(Q(path));
    window->mnuOpen_Click();
    return path;
  }

  // Names the shown field in its box without storing it, as typing does.
  void Type(const QString& name) { window->txtFieldName->setText(name); }

  TempDir dir;
  Document document;
  Engine engine;
  ScriptedDialogs dialogs;
  std::unique_ptr<ui::frmZelvane> window;
};

}  // namespace zelvane::testing
