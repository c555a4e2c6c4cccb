#pragma once
// A scripted stand-in for the program's dialogs, for window tests.
//
// Make one at the start of a test; it installs itself for its lifetime. Queue the
// prompts the test expects, in order, each with its answer and any checks on what is
// shown; then drive the window:
//
//   zelvane::testing::ScriptedDialogs dialogs;
//   dialogs.ExpectMessage("Do you want to save this current file?", Answer::Yes)
//       .Buttons(Buttons::YesNoCancel).Icon(Icon::Question).Title("Exit").DefaultButton(1);
//   dialogs.ExpectSave("/tmp/x/new.fld");          // or ExpectSaveCancel()
//   dialogs.ExpectInput("How many Data Items do you require?", "250")
//       .Title("Number of Data Items").DefaultText("100");
//   dialogs.ExpectOpenCancel();
//   window.close();
//   EXPECT_TRUE(dialogs.AllUsed());
//
// Text and title checks are exact; a message box without a title of its own is recorded
// with the title the user would see ("Zelvane"). A prompt that does not match the next
// expectation, or that comes when none is left, fails the test and gets the harmless
// answer (Cancel, No or Ok; empty text; no path): nothing ever falls back to a real
// dialog. Answers left unused when the twin is destroyed fail the test too.
// Everything shown is recorded in Shown(), matched or not.
//
// Then(...) runs code while the prompt is "on screen" (e.g. to look at the wait cursor
// or the document at that moment). RunSoon and WhenModalShown act inside the event loop
// of a modal window that the code under test opens.

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include <QString>

#include "support/qt/qt_printers.h"
#include "ui/platform/dialogs.h"

class QWidget;

namespace zelvane::testing {

enum class PromptKind { MessageBox, InputBox, OpenFile, SaveFile };

// One box or dialog as the code under test asked for it.
struct ShownPrompt {
  PromptKind kind = PromptKind::MessageBox;
  QString text;            // the prompt; the filter for a file dialog
  QString title;           // as the user would see it
  ui::Buttons buttons = ui::Buttons::Ok;
  ui::Icon icon = ui::Icon::None;
  int default_button = 1;
  QString default_text;    // input box
  QString offered_path;    // file dialogs: the path chosen last in either dialog
};

class ScriptedDialogs;

// One expected prompt with its answer; the setters add checks and return *this.
class Expectation {
 public:
  Expectation& Title(const QString& title);
  Expectation& Buttons(ui::Buttons buttons);
  Expectation& Icon(ui::Icon icon);
  Expectation& DefaultButton(int number);
  Expectation& DefaultText(const QString& text);  // input box
  Expectation& Filter(const QString& filter);     // file dialogs
  Expectation& Then(std::function<void()> action);

 private:
  friend class ScriptedDialogs;
  PromptKind kind_ = PromptKind::MessageBox;
  std::optional<QString> text_;  // nothing: any text
  std::optional<QString> title_;
  std::optional<ui::Buttons> buttons_;
  std::optional<ui::Icon> icon_;
  std::optional<int> default_button_;
  std::optional<QString> default_text_;
  ui::Answer answer_ = ui::Answer::Ok;
  QString input_answer_;
  std::optional<QString> path_answer_;
  std::function<void()> then_;
};

class ScriptedDialogs final : public ui::DialogService {
 public:
  ScriptedDialogs();
  ~ScriptedDialogs() override;
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

  Expectation& ExpectMessage(const QString& text, ui::Answer answer);
  Expectation& ExpectInput(const QString& prompt, const QString& answer);
  Expectation& ExpectInputCancel(const QString& prompt);  // answers the empty text
  Expectation& ExpectOpen(const QString& path);
  Expectation& ExpectOpenCancel();
  Expectation& ExpectSave(const QString& path);
  Expectation& ExpectSaveCancel();

  const std::vector<ShownPrompt>& Shown() const { return shown_; }
  bool AllUsed() const { return expected_.empty(); }

  ui::Answer MessageBox(const ui::MessageBoxRequest& request) override;
  QString InputBox(const QString& prompt, const QString& title, const QString& default_text) override;
  std::optional<QString> OpenFileName(const QString& filter) override;
  std::optional<QString> SaveFileName(const QString& filter) override;

 private:
  Expectation& Add(PromptKind kind, std::optional<QString> text);
  // Records the prompt, checks it against the next expectation and takes that one off
  // the queue; nothing when the prompt was unexpected.
  std::optional<Expectation> Match(const ShownPrompt& shown);
  std::optional<QString> FileDialog(PromptKind kind, const QString& filter);

  std::deque<Expectation> expected_;
  std::vector<ShownPrompt> shown_;
  QString last_path_;
};

// Runs the action from the event loop once the current code has gone back to it: inside
// a modal window's loop when called just before the window is opened.
void RunSoon(std::function<void()> action);

// Waits (in the event loop) for a modal window to appear, then runs the action with it.
// Fails the test if none appears within the time.
void WhenModalShown(std::function<void(QWidget* modal)> action, int timeout_ms = 5000);

}  // namespace zelvane::testing
