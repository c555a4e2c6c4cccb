#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <QComboBox>

#include "menus_fixture.h"

namespace zelvane::testing {
namespace {

using ui::Answer;

void ExpectGenerateWithoutFile(ScriptedDialogs& dialogs) {
  Document untitled;
  Engine engine;
  dialogs.ExpectMessage("GenerateDataFile - " + Q(GenerateDataFile(untitled, engine).description), Answer::Ok);
}

// Which commands take the edits on screen over into the shown field first.
TEST_F(MenusWindowTest, CommandsStoreTheShownEditsExactlyWhereTheyShould) {
  using W = ui::frmZelvane;
  struct Case {
    const char* name;
    void (W::*command)();
    std::function<void(ScriptedDialogs&)> expect;
    bool stores;
  };
  const auto cancel_prompt = [](ScriptedDialogs& d) { d.ExpectMessage(kSavePrompt, Answer::Cancel); };
  const std::vector<Case> cases = {
      {"File > New", &W::mnuNew_Click, cancel_prompt, true},
      {"File > Open", &W::mnuOpen_Click, [](ScriptedDialogs& d) { d.ExpectOpenCancel(); }, false},
      {"File > Save", &W::mnuSave_Click, [](ScriptedDialogs& d) { d.ExpectSaveCancel(); }, false},
      {"File > Save As", &W::mnuSaveAs_Click, [](ScriptedDialogs& d) { d.ExpectSaveCancel(); }, false},
      {"File > Exit", &W::mnuExit_Click, cancel_prompt, true},
      {"Exit button", &W::cmdExit_Click, cancel_prompt, true},
      {"Number Of Data Items", &W::mnuNoOfItems_Click,
       [](ScriptedDialogs& d) { d.ExpectInputCancel(kItemsPrompt); }, false},
      {"Generate Data File", &W::mnuGenerateDataFile_Click,
       [](ScriptedDialogs& d) {
         d.ExpectInputCancel(kItemsPrompt);
         d.ExpectSaveCancel();
         ExpectGenerateWithoutFile(d);
       },
       true},
      {"Program Help", &W::mnuContents_Click, nullptr, true},
      {"About", &W::mnuAbout_Click, nullptr, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    Type("Typed");
    if (c.expect) c.expect(dialogs);
    (window.get()->*c.command)();
    EXPECT_TRUE(dialogs.AllUsed());
    EXPECT_EQ(document.Fields[1].FieldName, c.stores ? "Typed" : "");
    EXPECT_TRUE(window->isVisible());  // Cancel in the closing's prompt keeps it open
  }
  EXPECT_EQ(document.HelpTopic, "");
  window->mnuContents_Click();
  EXPECT_EQ(document.HelpTopic, "Program Help");
}

// The shortcuts belong to the whole window: a text box with the focus does not keep
// Ctrl+X, Ctrl+A and the others for itself.
TEST_F(MenusWindowTest, ShortcutsActFromInsideTheTextBoxes) {
  struct Case {
    Qt::Key key;
    std::function<void(ScriptedDialogs&)> expect;
    std::function<void(MenusWindowTest&)> check;
  };
  const auto saved = [](MenusWindowTest& t) {
    return std::filesystem::exists(t.dir.File("named.fld")) ? ReadBytes(t.dir.File("named.fld")) : "";
  };
  // A named document: Ctrl+S saves at once, Ctrl+A asks.
  const std::vector<Case> cases = {
      {Qt::Key_N, nullptr,
       [&](MenusWindowTest& t) {
         EXPECT_EQ(t.document.CurrentFile, "");
         EXPECT_NE(saved(t).find("\"Typed\""), std::string::npos);
       }},
      {Qt::Key_O, [](ScriptedDialogs& d) { d.ExpectOpenCancel(); }, nullptr},
      {Qt::Key_S, nullptr,
       [&](MenusWindowTest& t) {
         EXPECT_NE(saved(t), "");
         EXPECT_EQ(saved(t).find("Typed"), std::string::npos);  // the edits were not stored
       }},
      {Qt::Key_A, [](ScriptedDialogs& d) { d.ExpectSaveCancel(); }, nullptr},
      {Qt::Key_X, nullptr,
       [&](MenusWindowTest& t) {
         EXPECT_FALSE(t.window->isVisible());
         EXPECT_NE(saved(t).find("\"Typed\""), std::string::npos);
       }},
      {Qt::Key_I, [](ScriptedDialogs& d) { d.ExpectInputCancel(kItemsPrompt); }, nullptr},
      {Qt::Key_G,
       [](ScriptedDialogs& d) {
         d.ExpectInputCancel(kItemsPrompt);
         d.ExpectMessage(kGenerated, Answer::Ok);
       },
       nullptr},
      {Qt::Key_H, nullptr, [](MenusWindowTest&) { EXPECT_NE(ui::OpenHelpWindow(), nullptr); }},
  };
  for (const Case& c : cases) {
    for (const char* box : {"txtFieldName", "txtStartString", "cboDataType", "txtFile"}) {
      SCOPED_TRACE("Ctrl+" + QKeySequence(c.key).toString().toStdString() + " in " + box);
      Restart();
      for (const char* extension : {".fld", ".lst", ".txt"}) std::filesystem::remove(dir.File("named") + extension);
      Activate();
      document.CurrentFile = dir.File("named.fld");
      window->txtFile->setText(Q(document.CurrentFile));
      window->txtStartString->setText("start");
      window->cboDataType->setEditText("a type");
      Type("Typed");
      auto* line = window->findChild<QLineEdit*>(box);
      if (line == nullptr) line = window->findChild<QComboBox*>(box)->lineEdit();
      line->setFocus();
      line->selectAll();
      const QString text = line->text();
      if (c.expect) c.expect(dialogs);

      QTest::keyClick(line, c.key, Qt::ControlModifier);

      EXPECT_TRUE(dialogs.AllUsed());
      if (c.key != Qt::Key_N) {
        EXPECT_EQ(line->text(), text);  // nothing cut or typed
      }
      if (c.check) c.check(*this);
    }
  }
}

}  // namespace
}  // namespace zelvane::testing
